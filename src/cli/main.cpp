#include <QGuiApplication>
#include <cstdio>
#include <string>
#include <vector>

#include "CheckCommand.h"
#include "DumpCommand.h"
#include "LocateCommand.h"
#include "RenderCommand.h"
#include "StatsCommand.h"
#include "StopSignals.h"

namespace {

constexpr const char* kUsage =
    "usage: tarvik COMMAND [ARGS]\n"
    "\n"
    "commands:\n"
    "  check SCENERY [--author] [--precision 1..10] [--gap METRES] [--json]\n"
    "        [--reader classic|simulator]\n"
    "      load a scenery and list what may be wrong in it: what the load met, track ends\n"
    "      closer than METRES (default 0.5) but not joined, duplicate segments and, with\n"
    "      --author, track names used by more than one node; exit status 3 when anything\n"
    "      is found\n"
    "  dump SCENERY [--author] [--precision 1..10] [--on-parse-error ignore|abort] [--summary]\n"
    "       [--reader classic|simulator]\n"
    "      load a scenery and print its model as JSON\n"
    "  locate SCENERY X Z [--radius M] [--layers LIST] [--author] [--precision 1..10]\n"
    "         [--on-parse-error ignore|abort] [--reader classic|simulator]\n"
    "      load a scenery and print as JSON the segments near the point X Z (in the\n"
    "      scenery's own axes), nearest first, each with the file and line it was read from\n"
    "  render SCENERY -o FILE [--size WxH] [--map velocity|height|gradient|plain]\n"
    "         [--layers LIST] [--signs LIST] [--overlays LIST] [--no-overlays] [--transparent]\n"
    "         [--white] [--view MINX,MINY,MAXX,MAXY] [--settings FILE] [--author]\n"
    "         [--precision 1..10] [--on-parse-error ignore|abort] [--reader classic|simulator]\n"
    "      load a scenery and write its map as a PNG, BMP, GIF or JPEG picture\n"
    "  stats SCENERY [--author] [--precision 1..10] [--on-parse-error ignore|abort]\n"
    "        [--reader classic|simulator]\n"
    "      load a scenery and print its statistics as JSON\n"
    "\n"
    "--reader simulator reads the files as the simulator does (one stream of tokens, includes\n"
    "with parameters, paths from the scenery's folder); classic, the default, line by line.\n";

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
    if (argc < 2) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    const std::string command = argv[1];
    if (command == "--help" || command == "-h" || command == "help") {
        std::fputs(kUsage, stdout);
        return 0;
    }
    const std::vector<std::string> args(argv + 2, argv + argc);
    if (command == "check") return tarvik::RunCheck(args, stdout, stderr);
    if (command == "dump") return tarvik::RunDump(args, stdout, stderr);
    if (command == "locate") return tarvik::RunLocate(args, stdout, stderr);
    if (command == "stats") return tarvik::RunStats(args, stdout, stderr);
    if (command == "render") {
        // Drawing text needs the fonts of a GUI application, but no screen.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(QuietQtMessages);
        QGuiApplication app(argc, argv);
        return tarvik::RunRender(args, stderr);
    }
    std::fprintf(stderr, "tarvik: unknown command '%s'\n%s", command.c_str(), kUsage);
    return 2;
}
