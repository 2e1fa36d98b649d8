// Times the building of the named-track list in each of its four views for a large scenery
// in the author mode, in a real main window on the offscreen platform. The scenery is
// written to a temporary folder and loaded as a user would load it: N straight track pieces
// on a grid, each with its own name (a quarter of them with a Polish letter, in an order
// unrelated to the file's, so that sorting has work to do), an event on every fourth piece
// and one trainset per hundred pieces. A build is timed from the choice of the view to the
// first painting of the filled list.
#include <QApplication>
#include <QComboBox>
#include <QTemporaryDir>
#include <QTreeView>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "MainWindow.h"
#include "QuietDialogs.h"
#include "TrackListBuilder.h"
#include "TrackListForm.h"

namespace {

using namespace tarvik;

std::string Name(long i, long count) {
    static const char* const prefixes[] = {"tor_", "szlak_", "bocznica_", "\xA3\xF3\x64\x9F_"};
    const long spread = (i * 7919) % count;  // 7919 is prime, so every number comes once
    return prefixes[i % 4] + std::to_string(spread);
}

void WriteScenery(const std::string& path, long count) {
    std::ofstream out(path, std::ios::binary);
    for (long i = 0; i < count; ++i) {
        const long x = (i % 400) * 50;
        const long z = (i / 400) * 50;
        out << "node -1 0 " << Name(i, count)
            << " track normal 34.0 1.435 0.24 15.0 20 0 flat vis\r\n"
            << " Rail_screw_used1 4 Rail_screw_used1 0.2 2.75 2.5\r\n"
            << x << " 0 " << z << " 0.0\r\n0 0 0\r\n0 0 0\r\n"
            << x + 40 << " 0.5 " << z + 10 << " 0.0\r\n0\r\n";
        if (i % 4 == 0) out << "event0 zdarzenie_" << (i * 31) % count << "\r\n";
        out << "endtrack\r\n";
    }
    out << "FirstInit\r\n";
    for (long i = 0; i < count; i += 100) {
        out << "trainset sklad_" << (i * 13) % count << " " << Name(i, count) << " 0.0 0.0\r\n"
            << "node -1 0 lok dynamic PKP\\eu07 eu07.tga EU07 0.0 headdriver 3 0 enddynamic\r\n"
            << "endtrainset\r\n";
    }
}

// Left-aligned in a column of the given width in characters, not bytes.
std::string Padded(const char* utf8, int width) {
    std::string text = utf8;
    int characters = 0;
    for (const char c : text)
        characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    if (characters < width) text.append(static_cast<std::size_t>(width - characters), ' ');
    return text;
}

double Ms(std::chrono::steady_clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

}  // namespace

int main(int argc, char** argv) {
    const long count = argc > 1 ? std::atol(argv[1]) : 100000;
    const int runs = argc > 2 ? std::atoi(argv[2]) : 5;
    if (count < 100 || runs < 1) {
        std::fprintf(stderr, "usage: tarvik-tracklist-bench [SEGMENTS >= 100] [RUNS >= 1]\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    const QTemporaryDir dir;
    qputenv("XDG_CONFIG_HOME", (dir.path() + "/config").toUtf8());
    qputenv("XDG_DATA_HOME", (dir.path() + "/data").toUtf8());
    QApplication app(argc, argv);

    const std::string scenery = (dir.path() + "/duza.scn").toStdString();
    WriteScenery(scenery, count);
    const QString settings = dir.path() + "/Zorvan.conf";
    std::ofstream(settings.toStdString()) << "[General]\nOwnerMode=1\n";

    QuietDialogs dialogs;
    const PosixFileSystem files;
    SettingsStore store(settings);
    TForm1 window(dialogs, files, store);
    window.resize(1024, 768);
    window.show();
    window.FinishStartup();
    window.LoadScenery(scenery);
    TTrackListForm* list = window.Tools().trackList;
    list->show();
    QApplication::processEvents();
    auto* selector = list->findChild<QComboBox*>("ComboBox");
    QWidget* rows = list->findChild<QTreeView*>("TrackList")->viewport();

    std::printf("track segments: %zu, trainsets: %ld, best of %d\n",
                window.Scenery().Tracks().Count(),
                static_cast<long>(std::distance(window.Scenery().Trainsets.begin(),
                                                window.Scenery().Trainsets.end())),
                runs);
    std::printf("%-16s %8s %12s %12s   target < 1000 ms\n", "view", "entries", "entries ms",
                "build ms");
    bool met = true;
    double slowest = 0;
    for (int view = 0; view < kTrackListViews; ++view) {
        double best = 1e300;
        double entriesBest = 1e300;
        std::size_t entries = 0;
        for (int run = 0; run < runs; ++run) {
            const auto e0 = std::chrono::steady_clock::now();
            entries = BuildTrackEntries(static_cast<TrackListView>(view), window.Scenery().Tracks(),
                                        window.Scenery().Trainsets)
                          .size();
            entriesBest = std::min(entriesBest, Ms(std::chrono::steady_clock::now() - e0));

            const auto start = std::chrono::steady_clock::now();
            if (selector->currentIndex() == view) {
                list->BuildTrackList();
            } else {
                selector->setCurrentIndex(view);
            }
            rows->repaint();
            best = std::min(best, Ms(std::chrono::steady_clock::now() - start));
        }
        met = met && best < 1000;
        slowest = std::max(slowest, best);
        std::printf("%s %8zu %12.1f %12.1f\n", Padded(kTrackListViewTexts[view].entry, 16).c_str(),
                    entries, entriesBest, best);
    }
    std::printf("slowest view, whole build: %.1f ms   target < 1000 ms: %s\n", slowest,
                met ? "met" : "NOT met");
    return 0;
}
