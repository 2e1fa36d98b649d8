#pragma once

#include <QString>
#include <QWidget>
#include <string>

namespace tarvik {

// The pointer's place in the scenery's own axes, as the status line shows it:
// "x: 1234,5  z: −678,9", one decimal, the minus sign U+2212 for negative numbers.
std::string CoordinatesText(double sceneryX, double sceneryZ);
// Metres per pixel to three significant digits, whole metres never cut, without trailing
// zeros: "1 px = 2,5 m".
std::string ScaleText(double metresPerPixel);

// The status line's part on the right that follows the pointer over the map: its coordinates
// and the scale of the view. It paints its texts itself, in fields of constant width, so that
// a new text at every move of the mouse repaints only the panel and never lays the status line
// out again. Where the window is too narrow for both, it gives way to the status text.
class PointerPanel final : public QWidget {
  public:
    explicit PointerPanel(QWidget* parent);

    void Show(double sceneryX, double sceneryZ, double metresPerPixel);
    void Clear();
    const QString& Coordinates() const { return coordinates_; }
    const QString& Scale() const { return scale_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void SetTexts(QString coordinates, QString scale);

    QString coordinates_;
    QString scale_;
    int coordinatesWidth_ = 0;
    int gap_ = 0;
    int scaleWidth_ = 0;
};

}  // namespace tarvik
