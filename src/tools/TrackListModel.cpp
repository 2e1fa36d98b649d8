#include "TrackListModel.h"

#include <QCollator>
#include <QLocale>
#include <algorithm>
#include <numeric>

#include "QtText.h"
#include "TrackListBuilder.h"

namespace tarvik {

TrackListModel::TrackListModel(QObject* parent) : QAbstractTableModel(parent) {}

void TrackListModel::SetHeaders(const QString& first, const QString& second) {
    headers_[0] = first;
    headers_[1] = second;
    // Every view tells where its tracks were read.
    headers_[2] = Tr("TrackListModel", "Źródło");
    emit headerDataChanged(Qt::Horizontal, 0, kColumns - 1);
}

void TrackListModel::SetRows(std::vector<Row> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

void TrackListModel::Clear() {
    SetRows({});
}

const TSegmentObj* TrackListModel::Segment(int row) const {
    if (row < 0 || row >= rowCount()) return nullptr;
    return rows_[static_cast<std::size_t>(row)].segment;
}

int TrackListModel::RowOf(const TSegmentObj& track) const {
    int byName = -1;
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        const StandsFor stands = EntryStandsFor(rows_[i].segment, track);
        if (stands == StandsFor::Itself) return static_cast<int>(i);
        if (stands == StandsFor::ByName && byName < 0) byName = static_cast<int>(i);
    }
    return byName;
}

int TrackListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int TrackListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QVariant TrackListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount()) return {};
    const Row& row = rows_[static_cast<std::size_t>(index.row())];
    switch (index.column()) {
        case 0:
            return row.caption;
        case 1:
            return row.second;
        default:
            return row.source;
    }
}

QVariant TrackListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= kColumns) {
        return {};
    }
    return headers_[section];
}

Qt::ItemFlags TrackListModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

void SortByCaption(std::vector<TrackListModel::Row>& rows) {
    QCollator collator{QLocale()};
    collator.setCaseSensitivity(Qt::CaseSensitive);
    // A collation key per row is made once; comparing keys is far cheaper than comparing
    // the texts themselves at every step of the sort.
    std::vector<QCollatorSortKey> keys;
    keys.reserve(rows.size());
    for (const TrackListModel::Row& row : rows)
        keys.push_back(collator.sortKey(row.caption));
    std::vector<std::size_t> order(rows.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&keys](std::size_t a, std::size_t b) {
        return keys[a].compare(keys[b]) < 0;
    });
    std::vector<TrackListModel::Row> sorted;
    sorted.reserve(rows.size());
    for (const std::size_t i : order)
        sorted.push_back(std::move(rows[i]));
    rows = std::move(sorted);
}

}  // namespace tarvik
