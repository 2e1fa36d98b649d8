#pragma once

#include <QString>

namespace tarvik {

// Where the desktop learns of the scenery file type and of this program: a shared-mime-info
// package and a desktop entry below $XDG_DATA_HOME (~/.local/share by default).
struct DesktopRegistration {
    QString mimePackage;   // .../mime/packages/tarvik-eu07-scenery.xml
    QString desktopEntry;  // .../applications/tarvik-viewer.desktop

    static DesktopRegistration InDataHome();
};

// Writes each file that is missing, naming program as the viewer to run; existing files are
// never rewritten, so that a registration made by another copy stays. With refresh, the
// desktop's databases are brought up to date afterwards when their tools exist. False when a
// file could not be written.
bool RegisterSceneryFileType(const DesktopRegistration& where, const QString& program,
                             bool refresh = true);

// The desktop entry as registered for program; the installed entry names the program plainly.
QString DesktopEntryText(const QString& program);
QString MimePackageText();

}  // namespace tarvik
