#pragma once

#include <QDialog>
#include <array>
#include <cstdint>
#include <string>

#include "LaunchParams.h"
#include "ProgramStarter.h"
#include "ToolContext.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

namespace tarvik {

// "N. name" of an editor slot numbered from 0, as its list and menu entries show it.
QString EditorEntryText(int index, const std::string& name);

// The nine outside editors and their configuration dialog ("Edytuj źródła..."): each slot has
// a name, a program and a parameter pattern with "%f" for the file and "%l" for the line. The
// edit request opens the chosen loaded files in one of them.
class TEditSourceForm : public QDialog {
    Q_OBJECT

  public:
    TEditSourceForm(ToolContext context, QWidget* parent);

    void SetRunner(ProgramRunner runner) { runner_ = std::move(runner); }

    // Shows the dialog modally; the editors menu follows its slots afterwards.
    void Execute();

    // Asks which loaded files to edit and opens each in the editor of the slot; -1 does
    // nothing.
    void EditFiles(int slot);
    // Opens one loaded file at a line (from 1) in the first editor, asking for its program as
    // the edit request does.
    void EditAt(const std::string& file, std::uint64_t line);
    // Starts the active editor on one file, at a line where its parameters take one; false,
    // after telling the user why, when it did not start.
    bool OpenInEditor(const std::string& file, std::uint64_t line = 1);

    void ShowEditorSlot(int index);
    void StoreEditorSlot(int index);
    bool BrowseEditor();
    // Proposes the desktop's text editor for the selected slot.
    void NotepadClick();
    // The stored slots, of which the first count are offered in the dialog's list.
    void SetSlots(const std::array<EditorSlot, kEditorSlots>& stored, int count);
    const std::array<EditorSlot, kEditorSlots>& Slots() const { return slots_; }

    const EditorSlot& Slot(int index) const { return slots_[static_cast<std::size_t>(index)]; }
    int ActiveEditor() const { return activeEditor_; }

  signals:
    // The slots may have changed: the editors menu is to show them.
    void editorsChanged();
    // The first slot was stored, which the desktop entry's edit action names.
    void firstEditorChanged();

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void done(int result) override;

  private:
    // Makes the slot the active editor, asking for its program when it is missing; false for
    // no slot or before a load.
    bool ActivateEditor(int slot);
    void NameChanged();
    void EnableSlotFields();
    // The editor file dialog for a slot's program; the dialog's fields follow when they show
    // that slot.
    void ChooseEditorProgram(int index);
    void ReportStartFailure(const std::string& program, const std::string& reason);
    int SelectedIndex() const;

    ToolContext context_;
    ProgramRunner runner_ = StartDetached;
    std::array<EditorSlot, kEditorSlots> slots_{};
    int activeEditor_ = -1;
    // The slot whose values the fields hold, stored into when the list moves to another one.
    int shownIndex_ = -1;

    QComboBox* editorList_ = nullptr;
    QLineEdit* editorName_ = nullptr;
    QLineEdit* exeEdit_ = nullptr;
    QLineEdit* paramEdit_ = nullptr;
    QLabel* exeLabel_ = nullptr;
    QLabel* paramLabel_ = nullptr;
    QPushButton* browseButton_ = nullptr;
    QPushButton* editSceneryButton_ = nullptr;
    QMenu* exeMenu_ = nullptr;
    QMenu* paramMenu_ = nullptr;
};

}  // namespace tarvik
