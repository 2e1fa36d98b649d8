#include "DesktopRegistration.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

namespace tarvik {
namespace {

// Desktop entries quote an argument in double quotes with ", `, $ and \ escaped; the value
// as a whole then doubles every backslash, and a literal % is written %%.
QString Quoted(const QString& program) {
    QString quoted;
    for (const QChar c : program) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') quoted += '\\';
        quoted += c;
    }
    quoted.replace("\\", "\\\\");
    quoted.replace("%", "%%");
    return '"' + quoted + '"';
}

bool WriteIfMissing(const QString& path, const QString& text, bool& written) {
    if (QFileInfo::exists(path)) return true;
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.write(text.toUtf8());
    if (!file.commit()) return false;
    written = true;
    return true;
}

void Refresh(const QString& tool, const QString& folder) {
    const QString path = QStandardPaths::findExecutable(tool);
    if (!path.isEmpty()) QProcess::startDetached(path, {folder});
}

QString ResourceText(const QString& name) {
    QFile file(":/desktop/" + name);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

}  // namespace

DesktopRegistration DesktopRegistration::InDataHome() {
    QString home = qEnvironmentVariable("XDG_DATA_HOME");
    if (home.isEmpty()) home = QDir::homePath() + "/.local/share";
    return {home + "/mime/packages/tarvik-eu07-scenery.xml",
            home + "/applications/tarvik-viewer.desktop"};
}

QString MimePackageText() {
    return ResourceText("tarvik-eu07-scenery.xml");
}

QString DesktopEntryText(const QString& program) {
    // The installed entry runs the program by its name; a registration names this copy.
    QString text = ResourceText("tarvik-viewer.desktop");
    text.replace("Exec=tarvik-viewer ", "Exec=" + Quoted(program) + ' ');
    return text;
}

bool RegisterSceneryFileType(const DesktopRegistration& where, const QString& program,
                             bool refresh) {
    bool mimeWritten = false;
    bool entryWritten = false;
    const bool mimeOk = WriteIfMissing(where.mimePackage, MimePackageText(), mimeWritten);
    const bool entryOk =
        WriteIfMissing(where.desktopEntry, DesktopEntryText(program), entryWritten);
    // The databases live beside the packages: .../mime and .../applications.
    if (refresh && mimeWritten) {
        Refresh("update-mime-database",
                QDir::cleanPath(QFileInfo(where.mimePackage).absolutePath() + "/.."));
    }
    if (refresh && entryWritten) {
        Refresh("update-desktop-database", QFileInfo(where.desktopEntry).absolutePath());
    }
    return mimeOk && entryOk;
}

}  // namespace tarvik
