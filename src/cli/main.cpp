#include <QGuiApplication>
#include <algorithm>
#include <clocale>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "CheckCommand.h"
#include "DumpCommand.h"
#include "LocateCommand.h"
#include "ProgramInfo.h"
#include "ProgramTranslator.h"
#include "RenderCommand.h"
#include "StatsCommand.h"
#include "StopSignals.h"
#include "Translate.h"
#include "UiLanguage.h"

namespace {

// The command-line summary, as "--help" prints it and wrong usage ends with.
std::string Usage() {
    return tarvik::Translate(
        "tarvik",
        "użycie: tarvik POLECENIE [ARGUMENTY]\n"
        "       tarvik --help | --version\n"
        "\n"
        "polecenia:\n"
        "  check SCENERIA [--author] [--precision 1..10] [--gap METRY] [--json]\n"
        "        [--reader classic|simulator]\n"
        "      wczytuje scenerię i wypisuje, co może być w niej błędne: co napotkało\n"
        "      wczytanie, końce torów bliższe niż METRY (domyślnie 0.5), lecz niepołączone,\n"
        "      zdublowane odcinki oraz, z --author, nazwy torów użyte przez więcej niż jeden\n"
        "      węzeł; kod wyjścia 3, gdy coś znajdzie\n"
        "  dump SCENERIA [--author] [--precision 1..10] [--on-parse-error ignore|abort] "
        "[--summary]\n"
        "       [--reader classic|simulator]\n"
        "      wczytuje scenerię i wypisuje jej model jako JSON\n"
        "  locate SCENERIA X Z [--radius M] [--layers LISTA] [--author] [--precision 1..10]\n"
        "         [--on-parse-error ignore|abort] [--reader classic|simulator]\n"
        "      wczytuje scenerię i wypisuje jako JSON odcinki blisko punktu X Z (w osiach\n"
        "      scenerii), od najbliższego, każdy z plikiem i wierszem, z którego go wczytano\n"
        "  render SCENERIA -o PLIK [--size SZERxWYS] [--map velocity|height|gradient|plain]\n"
        "         [--layers LISTA] [--signs LISTA] [--overlays LISTA] [--no-overlays] "
        "[--transparent]\n"
        "         [--white] [--view MINX,MINY,MAXX,MAXY] [--settings PLIK] [--author]\n"
        "         [--precision 1..10] [--on-parse-error ignore|abort] [--reader "
        "classic|simulator]\n"
        "      wczytuje scenerię i zapisuje jej mapę jako obraz PNG, BMP, GIF, JPEG, SVG lub PDF\n"
        "  stats SCENERIA [--author] [--precision 1..10] [--on-parse-error ignore|abort]\n"
        "        [--reader classic|simulator]\n"
        "      wczytuje scenerię i wypisuje jej statystykę jako JSON\n"
        "\n"
        "--reader simulator czyta pliki tak jak symulator (jeden strumień tokenów, dołączenia\n"
        "z parametrami, ścieżki od folderu scenerii); classic, domyślny, wiersz po wierszu.\n");
}

// Standard error carries the scenery's messages; Qt's notes about the environment (no runtime
// folder, no screen) do not belong there.
void QuietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    }
}

}  // namespace

int main(int argc, char** argv) {
    tarvik::InstallStopSignals();
    const std::string command = argc < 2 ? std::string() : argv[1];
    const std::vector<std::string> args(argv + std::min(argc, 2), argv + argc);
    if (command == "render") {
        // Drawing text needs the fonts of a GUI application, but no screen.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(QuietQtMessages);
    }
    // The application finds the translations beside the program and serves them.
    const std::unique_ptr<QCoreApplication> app =
        command == "render" ? std::make_unique<QGuiApplication>(argc, argv)
                            : std::make_unique<QCoreApplication>(argc, argv);
    // Qt takes the locale of the environment; numbers are read and written the C way.
    std::setlocale(LC_NUMERIC, "C");
    const tarvik::ProgramTranslator texts(tarvik::SystemLanguage());
    if (argc < 2) {
        std::fputs(Usage().c_str(), stderr);
        return 2;
    }
    if (command == "--help" || command == "-h" || command == "help") {
        std::fputs(Usage().c_str(), stdout);
        return 0;
    }
    if (command == "--version") {
        std::printf("tarvik %s\n", tarvik::kVersion);
        return 0;
    }
    if (command == "check") return tarvik::RunCheck(args, stdout, stderr);
    if (command == "dump") return tarvik::RunDump(args, stdout, stderr);
    if (command == "locate") return tarvik::RunLocate(args, stdout, stderr);
    if (command == "stats") return tarvik::RunStats(args, stdout, stderr);
    if (command == "render") return tarvik::RunRender(args, stderr);
    std::fputs(tarvik::FormatText(tarvik::Translate("tarvik", "tarvik: nieznane polecenie '%1'\n"),
                                  {command})
                   .c_str(),
               stderr);
    std::fputs(Usage().c_str(), stderr);
    return 2;
}
