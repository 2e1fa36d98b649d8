#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <vector>

#include "Segment.h"

namespace tarvik {

// The rows of the named-track list: two read-only columns of the view, the source place of
// the row's track as the third, and the segment of each row. The rows are replaced as a whole,
// so the view lays them out once per build.
class TrackListModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    struct Row {
        QString caption;
        QString second;
        const TSegmentObj* segment = nullptr;
        QString source;  // "file:line" of the segment; empty when not known
    };
    static constexpr int kColumns = 3;

    explicit TrackListModel(QObject* parent);

    void SetHeaders(const QString& first, const QString& second);
    void SetRows(std::vector<Row> rows);
    void Clear();
    const TSegmentObj* Segment(int row) const;
    // The row that stands for the track: its own, else the first of its name; -1 for none.
    int RowOf(const TSegmentObj& track) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

  private:
    std::vector<Row> rows_;
    QString headers_[kColumns];
};

// Ascending by caption, compared as the user's locale sorts text, letter case counting; rows
// with equal captions keep their order.
void SortByCaption(std::vector<TrackListModel::Row>& rows);

}  // namespace tarvik
