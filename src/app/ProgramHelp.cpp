#include "ProgramHelp.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tarvik {
namespace {

constexpr const char* kChmFile = "Zorvan.chm";
// The viewers of help files of the other system that Linux desktops offer.
constexpr const char* kChmViewers[] = {"xchm", "kchmviewer"};

UiLanguage Other(UiLanguage language) {
    return language == UiLanguage::Polish ? UiLanguage::English : UiLanguage::Polish;
}

}  // namespace

std::optional<QString> ManualPage(const QString& programFolder, UiLanguage language) {
    const QString page = QDir::cleanPath(
        QDir(programFolder)
            .absoluteFilePath(QStringLiteral("../share/doc/tarvik/manual/%1/index.html")
                                  .arg(QString::fromLatin1(LanguageCode(language)))));
    if (!QFileInfo(page).isFile()) return std::nullopt;
    return page;
}

HelpPlace FindHelp(const QString& programFolder, UiLanguage language,
                   const ProgramFinder& programs) {
    HelpPlace place;
    const QString chm = QDir(programFolder).absoluteFilePath(QString::fromLatin1(kChmFile));
    if (QFileInfo(chm).isFile()) {
        for (const char* name : kChmViewers) {
            const QString viewer = programs(QString::fromLatin1(name));
            if (viewer.isEmpty()) continue;
            place.chmViewer = ProgramStart{QFile::encodeName(viewer).toStdString(),
                                           {QFile::encodeName(chm).toStdString()},
                                           {}};
            return place;
        }
    }
    std::optional<QString> page = ManualPage(programFolder, language);
    if (!page) page = ManualPage(programFolder, Other(language));
    if (page) place.manual = QUrl::fromLocalFile(*page);
    return place;
}

HelpOpeners DesktopHelpOpeners() {
    return {[](const QUrl& url) { return QDesktopServices::openUrl(url); }, StartDetached};
}

}  // namespace tarvik
