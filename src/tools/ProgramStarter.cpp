#include "ProgramStarter.h"

#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <cstdio>
#include <fstream>

#include "Cp1250.h"
#include "LaunchParams.h"
#include "Text.h"
#include "Translate.h"

namespace tarvik {
namespace {

QString Decoded(const std::string& bytes) {
    return QFile::decodeName(QByteArray::fromStdString(bytes));
}

std::string Encoded(const QString& text) {
    return QFile::encodeName(text).toStdString();
}

bool EndsWithExe(const std::string& program) {
    return EndsWithIgnoreCase(FilePart(program), ".exe");
}

}  // namespace

bool IsWindowsExecutable(const std::string& program) {
    if (!EndsWithExe(program)) return false;
    // A native program or script may carry the name of the Windows one it stands for.
    std::ifstream file(program, std::ios::binary);
    char head[4] = {};
    file.read(head, sizeof head);
    const std::string_view start(head, static_cast<std::size_t>(file.gcount()));
    return start.substr(0, 4) !=
               "\x7f"
               "ELF" &&
           start.substr(0, 2) != "#!";
}

ProgramStart PrepareStart(const std::string& program, std::vector<std::string> arguments,
                          const std::string& workingDirectory) {
    ProgramStart start;
    start.workingDirectory = workingDirectory;
    start.arguments = std::move(arguments);
    // A relative name would be looked up on the PATH, or in the new working folder.
    const QFileInfo file(Decoded(program));
    start.program = file.isFile() ? Encoded(file.absoluteFilePath()) : program;
    if (IsWindowsExecutable(start.program)) {
        const QString wine = QStandardPaths::findExecutable(QStringLiteral("wine"));
        if (!wine.isEmpty()) {
            start.arguments.insert(start.arguments.begin(), start.program);
            start.program = Encoded(wine);
        }
    }
    return start;
}

std::string StartObstacle(const ProgramStart& start) {
    if (start.program.empty()) return Translate("ProgramStarter", "Nie wskazano pliku programu.");
    std::string program = start.program;
    if (program.find('/') == std::string::npos) {
        // A bare name is looked up on the PATH, as the start would do.
        const QString found = QStandardPaths::findExecutable(Decoded(program));
        if (found.isEmpty()) return Translate("ProgramStarter", "Nie znaleziono takiego programu.");
        program = Encoded(found);
    }
    const QFileInfo file(Decoded(program));
    if (!file.exists()) return Translate("ProgramStarter", "Plik nie istnieje.");
    if (file.isDir()) return Translate("ProgramStarter", "To jest folder, a nie program.");
    if (IsWindowsExecutable(program)) {
        return Translate(
            "ProgramStarter",
            "To program dla Windows, a nie znaleziono programu wine, który by go uruchomił.");
    }
    if (::access(program.c_str(), X_OK) != 0)
        return Translate("ProgramStarter", "Brak prawa do uruchomienia tego pliku.");
    if (!start.workingDirectory.empty() && !QFileInfo(Decoded(start.workingDirectory)).isDir()) {
        return FormatText(Translate("ProgramStarter", "Folder roboczy %1 nie istnieje."),
                          {DisplayPath(start.workingDirectory)});
    }
    return {};
}

StartResult StartDetached(const ProgramStart& start) {
    std::string reason = StartObstacle(start);
    if (reason.empty()) {
        QProcess process;
        process.setProgram(Decoded(start.program));
        QStringList arguments;
        for (const std::string& argument : start.arguments)
            arguments << Decoded(argument);
        process.setArguments(arguments);
        if (!start.workingDirectory.empty()) {
            process.setWorkingDirectory(Decoded(start.workingDirectory));
        }
        process.setStandardInputFile(QProcess::nullDevice());
        if (process.startDetached()) return {};
        reason = FormatText(Translate("ProgramStarter", "System nie uruchomił programu (%1)."),
                            {process.errorString().toStdString()});
    }
    std::fprintf(stderr, "tarvik-viewer: %s: %s\n", start.program.c_str(), reason.c_str());
    return {false, reason};
}

std::string StartFailureText(const std::string& program, const std::string& reason) {
    std::string text =
        program.empty() ? Translate("ProgramStarter", "Nie można uruchomić programu")
                        : FormatText(Translate("ProgramStarter", "Nie można uruchomić programu %1"),
                                     {DisplayPath(program)});
    return text + "\r" + reason;
}

std::string DesktopTextEditor() {
    for (const char* name : {"gnome-text-editor", "gedit", "kate", "mousepad", "xed", "pluma",
                             "featherpad", "xdg-open"}) {
        const QString path = QStandardPaths::findExecutable(QString::fromLatin1(name));
        if (!path.isEmpty()) return Encoded(path);
    }
    return "xdg-open";
}

}  // namespace tarvik
