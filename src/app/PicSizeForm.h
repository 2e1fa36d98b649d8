#pragma once

#include <QDialog>
#include <QSize>

class QSpinBox;

namespace tarvik {

// The picture size dialog ("Podaj rozmiar obrazu"): width and height from 10 to 3000 in steps
// of 10, 800 x 600 each time it is made. Whatever closes it, the two fields give the size.
class TPicSizeForm : public QDialog {
  public:
    explicit TPicSizeForm(QWidget* parent);

    // A field without a number counts as 10; values are pulled into 10..3000.
    QSize PictureSize() const;

  private:
    QSpinBox* width_ = nullptr;
    QSpinBox* height_ = nullptr;
};

}  // namespace tarvik
