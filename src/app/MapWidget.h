#pragma once

#include <QImage>
#include <QPoint>
#include <QWidget>
#include <functional>
#include <optional>

namespace tarvik {

// The map area of the main window: the map picture as the last drawing left it, and over it
// the feedback of a drag (the ruler's rubber line or the picture moved by the hand), which a
// plain repaint removes. Mouse input is handed to the main window unchanged.
class MapWidget : public QWidget {
  public:
    explicit MapWidget(QWidget* parent);

    // The picture has the screen's pixels: ratio of them to each pixel of the widget.
    QImage& Picture() { return picture_; }
    const QImage& Picture() const { return picture_; }

    double Ratio() const { return ratio_; }

    void ShowRubberLine(QPoint from, QPoint to);
    void ShowDrag(QPoint offset);
    void ClearFeedback();
    // A small cross at a pixel of the picture, drawn over it until taken away; it moves with
    // the picture a drag moves.
    void SetMark(std::optional<QPointF> mark);
    const std::optional<QPointF>& Mark() const { return mark_; }

    std::function<void(QMouseEvent*)> onPress;
    std::function<void(QMouseEvent*)> onMove;
    std::function<void(QMouseEvent*)> onRelease;
    // The pointer moved over the map, at this point of the picture as shown under it; nothing
    // once it has left the map.
    std::function<void(std::optional<QPointF>)> onPointer;
    // The picture has taken the new size and is to be drawn again.
    std::function<void()> onResized;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    enum class Feedback { None, RubberLine, Drag };
    QImage picture_;
    double ratio_ = 1;
    Feedback feedback_ = Feedback::None;
    QPoint from_;
    QPoint to_;
    std::optional<QPointF> mark_;
};

}  // namespace tarvik
