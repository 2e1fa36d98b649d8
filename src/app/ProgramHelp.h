#pragma once

#include <QString>
#include <QUrl>
#include <functional>
#include <optional>

#include "ProgramStarter.h"
#include "UiLanguage.h"

namespace tarvik {

// Where the program's help is. The help file "Zorvan.chm" beside the program keeps its meaning
// where this system has a viewer for such files; otherwise the manual, installed as HTML pages
// in share/doc/tarvik/manual beside the program's folder, opens in the desktop's browser.
struct HelpPlace {
    std::optional<ProgramStart> chmViewer;  // the viewer started on the help file
    QUrl manual;                            // the manual's first page; empty when none
    bool Found() const { return chmViewer.has_value() || !manual.isEmpty(); }
};

// A program's full path for its name, empty when there is none.
using ProgramFinder = std::function<QString(const QString& name)>;

// The help for a program in programFolder: the help file with the first viewer programs finds,
// else the manual in language, else the manual in the other language, else none.
HelpPlace FindHelp(const QString& programFolder, UiLanguage language,
                   const ProgramFinder& programs);

// The first page of the manual in language below programFolder/../share, when it is there.
std::optional<QString> ManualPage(const QString& programFolder, UiLanguage language);

// Opens a page in the desktop's browser; false when the desktop could not.
using UrlOpener = std::function<bool(const QUrl& url)>;

// How help reaches the user: a page opened by the desktop or a program started. Tests watch
// both.
struct HelpOpeners {
    UrlOpener openUrl;
    ProgramRunner start;
};

// The desktop's browser and a detached program.
HelpOpeners DesktopHelpOpeners();

}  // namespace tarvik
