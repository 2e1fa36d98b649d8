#pragma once

#include <QDialog>
#include <string>

#include "ProgramStarter.h"
#include "ToolContext.h"

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace tarvik {

class TTimeTableForm;

// Puts a macro into a parameter field in place of its selection, or at the caret.
void InsertMacro(QLineEdit& field, const QString& macro);

// The simulator launcher ("Wybierz skład"): the scenery's trainsets as a tree of trainsets and
// vehicles, the simulator's program and its parameter template, and the start of the simulator
// with the chosen vehicle or the free camera.
class TRunSimForm : public QDialog {
    Q_OBJECT

  public:
    // The image of each tree node, also the index of its picture.
    static constexpr int kImageRole = Qt::UserRole;
    // The node's text as the model's CP1250 bytes, which the shown text is decoded from.
    static constexpr int kRawTextRole = Qt::UserRole + 1;
    static constexpr int kDesignedWidth = 420;
    static constexpr int kDesignedHeight = 360;

    TRunSimForm(ToolContext context, QWidget* parent);

    // The timetable window that the tree's timetable command opens.
    void SetTimetableForm(TTimeTableForm* timetable) { timetable_ = timetable; }
    void SetRunner(ProgramRunner runner) { runner_ = std::move(runner); }

    // Shows the dialog modally, building the tree first when it is empty.
    void Execute();
    void BuildTrainsetTree();
    // The next showing builds the tree from the new scenery.
    void ClearTree();

    std::string SelectedTrainsetName() const;
    std::string SelectedVehicleName() const;
    const std::string& CurrentTrainset() const { return currentTrainset_; }

    bool BrowseSimulator();
    void LaunchSimulator();
    void ShowTimetableClick();

    // The simulator's program and the parameter template, as stored between runs.
    void SetSimulator(const std::string& program, const std::string& parameters);
    std::string SimulatorProgram() const;
    std::string SimulatorParameters() const;

    QString StatusText() const;

  private:
    void SetStatusText(const QString& text);
    // The chosen trainset and vehicle, which the status line shows while nothing else happens.
    void ShowSelectionStatus();
    void TreeSelectionChanged();
    void TreeContextMenu(const QPoint& position);
    void ParamContextMenu(const QPoint& position);

    ToolContext context_;
    TTimeTableForm* timetable_ = nullptr;
    ProgramRunner runner_ = StartDetached;
    std::string currentTrainset_;

    QTreeWidget* tree_ = nullptr;
    QPlainTextEdit* description_ = nullptr;
    QToolButton* timetableButton_ = nullptr;
    QLineEdit* runPathEdit_ = nullptr;
    QLineEdit* paramEdit_ = nullptr;
    QPushButton* runButton_ = nullptr;
    QLabel* status_ = nullptr;
    QMenu* treeMenu_ = nullptr;
    QAction* runItem_ = nullptr;
    QAction* timetableItem_ = nullptr;
    QMenu* paramMenu_ = nullptr;
};

}  // namespace tarvik
