#include "SplashScreenForm.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>

#include "Artwork.h"
#include "QtText.h"
#include "TextNow.h"

namespace tarvik {

TSplashScreenForm::TSplashScreenForm(QWidget* parent, bool withProgress)
    : QDialog(parent, Qt::FramelessWindowHint | (withProgress ? Qt::SplashScreen : Qt::Dialog)),
      busyCursor_(withProgress) {
    setObjectName("SplashScreenForm");
    setFixedSize(kWidth, kHeight);
    auto* picture = new QLabel(this);
    picture->setPixmap(QPixmap::fromImage(MakeSplashPicture(kWidth, kHeight)));
    picture->setGeometry(0, 0, kWidth, kHeight);

    auto* version = new QLabel(Tr("SplashScreenForm", "Wersja %1").arg(kVersion), this);
    version->setObjectName("VersionLabel");
    version->setStyleSheet("color: white;");
    version->setGeometry(22, 104, kWidth - 44, 20);
    auto* notice = new QLabel(Tr("SplashScreenForm", "© 2026 Zespół Tarvik Track Viewer"), this);
    notice->setObjectName("NoticeLabel");
    notice->setStyleSheet("color: white;");
    notice->setGeometry(22, kHeight - 56, kWidth - 44, 20);
    progress_ = new QLabel(this);
    progress_->setObjectName("ProgressLabel");
    QFont font = progress_->font();
    font.setBold(true);
    font.setItalic(true);
    progress_->setFont(font);
    progress_->setStyleSheet("color: white; background: rgba(0, 0, 0, 90);");
    progress_->setGeometry(0, kHeight - 26, kWidth, 26);
    progress_->setIndent(12);

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->geometry().center() - QPoint(kWidth / 2, kHeight / 2));
    }
    if (busyCursor_) QApplication::setOverrideCursor(Qt::WaitCursor);
}

TSplashScreenForm::~TSplashScreenForm() {
    if (busyCursor_) QApplication::restoreOverrideCursor();
}

void TSplashScreenForm::ShowProgress(std::string_view text) {
    SetTextNow(*progress_,
               Tr("SplashScreenForm", "Ł A D O W A N I E . . .   %1").arg(ToQString(text)));
    QCoreApplication::processEvents();
}

void TSplashScreenForm::mousePressEvent(QMouseEvent*) {
    if (isModal()) accept();
}

QString TSplashScreenForm::ProgressText() const {
    return progress_->text();
}

}  // namespace tarvik
