#pragma once

#include <QLabel>
#include <QString>
#include <cstddef>

namespace tarvik {

// The count of a load's problems in the status line, as a link that opens the problems
// window: "Problemy: 2 błędy, 5 ostrzeżeń", or "Problemy: 7" where the window is too narrow
// for that beside the status text, which keeps its room.
class ProblemsLink final : public QLabel {
  public:
    explicit ProblemsLink(QWidget* parent);

    // Hidden when both are none.
    void ShowCounts(std::size_t errors, std::size_t warnings);
    // The whole count, whatever the width shows.
    const QString& CountText() const { return full_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void ShowFitting();
    int TextWidth(const QString& text) const;

    QString full_;
    QString brief_;
};

}  // namespace tarvik
