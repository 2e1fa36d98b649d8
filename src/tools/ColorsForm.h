#pragma once

#include <QDialog>
#include <QImage>
#include <array>

#include "ColorSlots.h"
#include "ViewerDialogs.h"

class QComboBox;
class QLabel;

namespace tarvik {

// The colour dialog ("Wybierz kolory"): one square per colour slot, a preview drawn from the
// squares, a "Schemat" choice that fills every square from a colour scheme, "Domyślne",
// "Anuluj" and OK. The squares are a working copy of the slots, loaded each time the dialog is
// shown and copied into the slots only by OK.
class TColorsForm : public QDialog {
  public:
    TColorsForm(ColorSlots& colorSlots, ViewerDialogs& dialogs, QWidget* parent);

    // Shows the dialog modally; true when it was left with OK.
    bool Execute();

    const ColorSlots& Squares() const { return squares_; }
    const QImage& Preview() const { return preview_; }

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Gives every square its colour, draws the preview from the squares and shows the scheme
    // that the squares match, if any.
    void ShowSquares();

    ColorSlots& slots_;
    ViewerDialogs& dialogs_;
    ColorSlots squares_;
    QImage preview_;
    // The square widgets, in the order of kColorSlotTable.
    std::array<QWidget*, kColorSlotTable.size()> shapes_{};
    QLabel* previewLabel_ = nullptr;
    QComboBox* scheme_ = nullptr;
};

}  // namespace tarvik
