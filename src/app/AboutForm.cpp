#include "AboutForm.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "Artwork.h"
#include "QtText.h"
#include "SplashScreenForm.h"

namespace tarvik {
namespace {

QLabel* Link(const QString& url, const QString& text, QWidget* parent) {
    auto* label =
        new QLabel(QString("<a href=\"") + url + "\">" + text.toHtmlEscaped() + "</a>", parent);
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    label->setOpenExternalLinks(false);
    return label;
}

}  // namespace

TAboutForm::TAboutForm(QWidget* parent, std::function<void(const QUrl&)> openUrl)
    : QDialog(parent), openUrl_(std::move(openUrl)) {
    setObjectName("AboutForm");
    setWindowTitle(Tr("AboutForm", "O programie..."));
    auto* picture = new QLabel(this);
    picture->setObjectName("AboutPicture");
    picture->setPixmap(
        QPixmap::fromImage(MakeSplashPicture(TSplashScreenForm::kWidth, TSplashScreenForm::kHeight)
                               .scaled(262, 175, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    picture->setCursor(Qt::PointingHandCursor);
    picture->installEventFilter(this);
    picture_ = picture;

    auto* title = new QLabel("Tarvik Track Viewer", this);
    QFont bold = title->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.4);
    title->setFont(bold);
    auto* version = new QLabel(Tr("AboutForm", "Wersja %1").arg(kVersion), this);
    version->setObjectName("AboutVersion");
    QLabel* mail =
        Link(QString("mailto:") + kAuthorMail, Tr("AboutForm", "Zespół Tarvik Track Viewer"), this);
    mail->setObjectName("MailLink");
    QLabel* home = Link(kHomePage, kHomePage, this);
    home->setObjectName("HomePageLink");
    auto* simulator = new QLabel(
        Tr("AboutForm", "Przeglądarka scenerii symulatora pociągów EU07 (MaSzyna)"), this);
    simulator->setWordWrap(true);
    for (QLabel* link : {mail, home}) {
        connect(link, &QLabel::linkActivated, this, [this](const QString& url) {
            if (openUrl_) openUrl_(QUrl(url));
        });
    }
    auto* ok = new QPushButton(Tr("AboutForm", "OK"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* texts = new QVBoxLayout;
    texts->addWidget(title);
    texts->addWidget(version);
    texts->addSpacing(8);
    texts->addWidget(mail);
    texts->addWidget(home);
    texts->addSpacing(8);
    texts->addWidget(simulator);
    texts->addStretch();
    texts->addWidget(ok, 0, Qt::AlignRight);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(picture, 0, Qt::AlignTop);
    layout->addLayout(texts);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

bool TAboutForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == picture_ && event->type() == QEvent::MouseButtonPress) {
        TSplashScreenForm splash(this, false);
        splash.exec();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace tarvik
