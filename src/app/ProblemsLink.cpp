#include "ProblemsLink.h"

#include <QFontMetrics>

#include "ProblemTexts.h"
#include "QtText.h"

namespace tarvik {
namespace {

QString Link(const QString& text) {
    return QStringLiteral("<a href=\"problems\">") + text.toHtmlEscaped() + QStringLiteral("</a>");
}

}  // namespace

ProblemsLink::ProblemsLink(QWidget* parent) : QLabel(parent) {
    setObjectName("ProblemsStatus");
    setTextFormat(Qt::RichText);
    // No wider than its text, so that it stands beside the pointer's place on the right.
    setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
    setToolTip(Tr("ProblemsLink", "Pokaż problemy scenerii (Ctrl+Shift+P)"));
    hide();
}

void ProblemsLink::ShowCounts(std::size_t errors, std::size_t warnings) {
    full_ = ProblemCountText(errors, warnings);
    brief_ = Tr("ProblemsLink", "Problemy: %1").arg(errors + warnings);
    updateGeometry();
    ShowFitting();
    setVisible(!full_.isEmpty());
}

int ProblemsLink::TextWidth(const QString& text) const {
    const QMargins m = contentsMargins();
    return fontMetrics().horizontalAdvance(text) + m.left() + m.right() + 2 * margin() + 2;
}

QSize ProblemsLink::sizeHint() const {
    return {TextWidth(full_), QLabel::sizeHint().height()};
}

QSize ProblemsLink::minimumSizeHint() const {
    return {TextWidth(brief_), QLabel::minimumSizeHint().height()};
}

void ProblemsLink::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    ShowFitting();
}

void ProblemsLink::ShowFitting() {
    const QString& shown = width() >= TextWidth(full_) ? full_ : brief_;
    const QString link = Link(shown);
    if (text() != link) setText(link);
}

}  // namespace tarvik
