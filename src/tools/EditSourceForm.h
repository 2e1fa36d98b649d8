#pragma once

#include <QDialog>
#include <array>
#include <string>

#include "AppSettings.h"
#include "ProgramStarter.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

namespace tarvik {

class TForm1;

// The nine outside editors and their configuration dialog ("Edytuj źródła..."): each slot has
// a name, a program and a parameter pattern with "%f" for the file. The edit request opens the
// chosen loaded files in one of them.
class TEditSourceForm : public QDialog {
    Q_OBJECT

  public:
    TEditSourceForm(TForm1& main, QWidget* parent);

    void SetRunner(ProgramRunner runner) { runner_ = std::move(runner); }

    // Shows the dialog modally, then brings the main window's editors menu up to date.
    void Execute();

    // Asks which loaded files to edit and opens each in the editor of the slot; -1 does
    // nothing.
    void EditFiles(int slot);
    // Starts the active editor on one file.
    void OpenInEditor(const std::string& file);

    void ShowEditorSlot(int index);
    void StoreEditorSlot(int index);
    bool BrowseEditor();
    // Proposes the desktop's text editor for the selected slot.
    void NotepadClick();
    // Adds the edit action of the first editor to the desktop entry.
    void RegisterEditVerb();
    void RefreshEditorsMenu();

    void ApplySettings(const AppSettings& settings);
    void CollectSettings(AppSettings& settings) const;

    const EditorSlot& Slot(int index) const { return slots_[static_cast<std::size_t>(index)]; }
    int ActiveEditor() const { return activeEditor_; }

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void done(int result) override;

  private:
    void NameChanged();
    void EnableSlotFields();
    QString EntryText(int index, const std::string& name) const;
    // The editor file dialog for a slot's program; the dialog's fields follow when they show
    // that slot.
    void ChooseEditorProgram(int index);
    int SelectedIndex() const;

    TForm1& main_;
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
