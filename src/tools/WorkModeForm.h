#pragma once

#include <QDialog>

#include "ViewerDialogs.h"
#include "WorkMode.h"

class QCheckBox;
class QRadioButton;
class QSlider;

namespace tarvik {

// The work-mode dialog ("Tryb pracy"). Its radio buttons, slider and the reading's check box are
// the work mode itself:
// a change takes effect on the mode at once, whichever button closes the dialog; only the
// number of curve samples waits for OK.
class TWorkModeForm : public QDialog {
  public:
    TWorkModeForm(TWorkMode& mode, ViewerDialogs& dialogs, QWidget* parent);

    // Shows the dialog modally; true when it was left with OK.
    bool Execute();
    // Sets the controls from the mode, after the mode was changed elsewhere (the settings).
    void SyncFromMode();

  private:
    TWorkMode& mode_;
    ViewerDialogs& dialogs_;
    QRadioButton* userMode_ = nullptr;
    QRadioButton* ownerMode_ = nullptr;
    QSlider* trackBar_ = nullptr;
    QCheckBox* simulatorReading_ = nullptr;
};

}  // namespace tarvik
