#pragma once

#include <QWidget>
#include <cstdint>
#include <string>
#include <vector>

#include "Problems.h"
#include "ToolContext.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;

namespace tarvik {

class ProblemsModel;

// "Problemy scenerii": the problems of the last load in a table, with a filter box and the
// counts per kind. A click shows the problem on the map; a double click or "Edytuj w tym
// miejscu" asks for its file to be opened at its line.
class TProblemsForm : public QWidget {
    Q_OBJECT

  public:
    static constexpr int kDesignedWidth = 760;
    static constexpr int kDesignedHeight = 260;

    TProblemsForm(ToolContext context, QWidget* parent);

    // Before a load frees the model: no row may point into it. The window then says that the
    // scenery is being read and checked.
    void Clear();
    // The problems of the loaded scenery, shown in the order of their files; leftOut counts
    // those the load found beyond the ones it kept.
    void ShowProblems(std::vector<Problem> problems, std::uint64_t leftOut);
    int ProblemCount() const;
    // Shows the problem of a row of the table as it is now (filtered and sorted) on the map.
    void ShowOnMap(int row);

  signals:
    // The user closed the window.
    void closedByUser();
    // Open the file at the line in the first editor.
    void editAt(const std::string& path, std::uint64_t line);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    // The problem of a row of the table, or null.
    const Problem* ProblemAt(int row) const;
    int CurrentRow() const;
    void EditCurrent();
    void FilterChanged();
    void ShowCounts();
    void SetStatus(const QString& text);

    ToolContext context_;
    ProblemsModel* model_ = nullptr;
    QSortFilterProxyModel* filtered_ = nullptr;
    QLineEdit* filter_ = nullptr;
    QPushButton* editButton_ = nullptr;
    QLabel* counts_ = nullptr;
    QTableView* table_ = nullptr;
    QLabel* status_ = nullptr;
    std::uint64_t leftOut_ = 0;
};

}  // namespace tarvik
