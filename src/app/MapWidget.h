#pragma once

#include <QImage>
#include <QPoint>
#include <QWidget>
#include <functional>

namespace tarvik {

// The map area of the main window: the map picture as the last drawing left it, and over it
// the feedback of a drag (the ruler's rubber line or the picture moved by the hand), which a
// plain repaint removes. Mouse input is handed to the main window unchanged.
class MapWidget : public QWidget {
  public:
    explicit MapWidget(QWidget* parent);

    QImage& Picture() { return picture_; }
    const QImage& Picture() const { return picture_; }

    void ShowRubberLine(QPoint from, QPoint to);
    void ShowDrag(QPoint offset);
    void ClearFeedback();

    std::function<void(QMouseEvent*)> onPress;
    std::function<void(QMouseEvent*)> onMove;
    std::function<void(QMouseEvent*)> onRelease;
    // The picture has taken the new size and is to be drawn again.
    std::function<void()> onResized;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    enum class Feedback { None, RubberLine, Drag };
    QImage picture_;
    Feedback feedback_ = Feedback::None;
    QPoint from_;
    QPoint to_;
};

}  // namespace tarvik
