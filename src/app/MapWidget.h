#pragma once

#include <QImage>
#include <QPoint>
#include <QTransform>
#include <QWidget>
#include <functional>
#include <optional>

namespace tarvik {

// The map area of the main window: the map picture as the last drawing left it, and over it
// the feedback of a drag (the ruler's rubber line or the picture moved by the hand), which a
// plain repaint removes. A resize gives it a new picture at once; the last finished one is
// kept, to be shown moved or scaled until the new one is drawn. Mouse input is handed to the
// main window unchanged.
class MapWidget : public QWidget {
  public:
    explicit MapWidget(QWidget* parent);

    // The picture has the screen's pixels: ratio of them to each pixel of the widget.
    QImage& Picture() { return picture_; }
    const QImage& Picture() const { return picture_; }

    double Ratio() const { return ratio_; }

    void ShowRubberLine(QPoint from, QPoint to);
    void ShowDrag(QPoint offset);
    bool Dragging() const { return feedback_ == Feedback::Drag; }
    void ClearFeedback();

    // Until the new picture is drawn, the last finished one is shown with its pixels where
    // place puts them in the new picture, fill around it.
    void ShowPrevious(const QTransform& place, QColor fill);
    // Paints the previous picture now unless it is on the screen already: a drawing that
    // follows holds the window a while.
    void ShowPreviousNow();
    // The new picture is drawn (or nothing better will come): it is shown.
    void DropPrevious();
    bool ShowsPrevious() const { return !previous_.isNull(); }
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
    // The picture has taken the new size and is to be drawn again; the previous one is to be
    // shown (ShowPrevious) or dropped.
    std::function<void()> onResized;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    // The previous picture's pixels to the widget's.
    QTransform PreviousToWidget() const;

    enum class Feedback { None, RubberLine, Drag };
    QImage picture_;
    double ratio_ = 1;
    Feedback feedback_ = Feedback::None;
    QPoint from_;
    QPoint to_;
    std::optional<QPointF> mark_;
    // The picture before the resize, the pixels of its place and the colour around it, and
    // whether the screen has it.
    QImage previous_;
    QTransform previousPlace_;
    QColor previousFill_;
    double previousRatio_ = 1;
    bool previousPainted_ = false;
};

}  // namespace tarvik
