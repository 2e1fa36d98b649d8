#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <cstdint>
#include <string>
#include <vector>

#include "Problems.h"

namespace tarvik {

// The rows of the problems window: kind, file, line and message of each problem, with the
// problem itself for the map and the file as opened for the editor.
class ProblemsModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    enum Column { KindColumn, FileColumn, LineColumn, MessageColumn, kColumns };
    // What a column sorts by: the line as a number, the file with its lines in order.
    static constexpr int kSortRole = Qt::UserRole;
    // Everything the filter box looks through, in lower case.
    static constexpr int kSearchRole = Qt::UserRole + 1;

    struct Row {
        Problem problem;
        QString file;            // as an author names it; empty when not known
        std::string path;        // as opened, for the editor
        std::uint64_t line = 0;  // 0 when not known
    };

    explicit ProblemsModel(QObject* parent);

    void SetRows(std::vector<Row> rows);
    void Clear();
    const Row& At(int row) const { return rows_[static_cast<std::size_t>(row)]; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    std::vector<Row> rows_;
};

}  // namespace tarvik
