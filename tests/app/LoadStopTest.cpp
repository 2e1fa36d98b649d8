#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <functional>

#include "LoadProgressPanel.h"
#include "MainWindow.h"
#include "MapWidget.h"
#include "ScriptedViewerDialogs.h"
#include "WindowStatus.h"

namespace tarvik {
namespace {

// A straight track from the origin to a point of the file's ground plane.
std::string Track(double x2, double z2) {
    test::PieceSpec piece;
    piece.x2 = x2;
    piece.z2 = z2;
    return test::TrackNode(piece);
}

// Two tracks along the axes.
std::string Square() {
    return Track(1000, 0) + Track(0, 1000);
}

// One track (a diagonal, so that it has a map of its own), then comment lines for ever. The size
// told is far beyond what a test reads, so the share of the file read grows and stays below the
// whole.
class EndlessSource final : public FileSource {
  public:
    explicit EndlessSource(std::string path) : path_(std::move(path)), head_(Track(1000, 1000)) {}

    std::size_t Read(char* buffer, std::size_t size) override {
        // A load that no stop reaches ends after a while, so that it fails its test rather
        // than hanging it.
        if (std::chrono::steady_clock::now() - opened_ > std::chrono::seconds(20)) return 0;
        std::size_t n = 0;
        while (n < size) {
            const std::string_view from =
                at_ < head_.size()
                    ? std::string_view(head_).substr(at_)
                    : std::string_view(kLine).substr((at_ - head_.size()) % std::strlen(kLine));
            const std::size_t take = std::min(from.size(), size - n);
            std::memcpy(buffer + n, from.data(), take);
            n += take;
            at_ += take;
        }
        return n;
    }
    FileStamp Stamp() const override { return {45000, std::int64_t{1} << 32}; }
    std::string Identity() const override { return path_; }

  private:
    static constexpr const char* kLine = "// jeszcze jeden wiersz komentarza\r\n";
    std::string path_;
    std::string head_;
    std::size_t at_ = 0;
    std::chrono::steady_clock::time_point opened_ = std::chrono::steady_clock::now();
};

// The real file system, but one file opens as the endless scenery.
class EndlessFiles final : public FileSystem {
  public:
    std::string endless;

    bool FileExists(const std::string& path) const override { return real_.FileExists(path); }
    bool Exists(const std::string& path) const override { return real_.Exists(path); }
    std::vector<std::string> ListDirectory(const std::string& dir) const override {
        return real_.ListDirectory(dir);
    }
    std::optional<FileStamp> Stamp(const std::string& path) const override {
        return real_.Stamp(path);
    }
    std::unique_ptr<FileSource> Open(const std::string& path) const override {
        if (path == endless) return std::make_unique<EndlessSource>(path);
        return real_.Open(path);
    }

  private:
    PosixFileSystem real_;
};

// Acts once, from the event loop that a running load turns, when the widget has been shown.
void WhenShown(QWidget& widget, std::function<void()> act) {
    auto* timer = new QTimer(&widget);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, &widget, act] {
        if (!widget.isVisible()) return;
        timer->stop();
        timer->deleteLater();
        act();
    });
    timer->start();
}

class LoadStopTest : public ::testing::Test {
  protected:
    LoadStopTest() : window(dialogs, files, store) {
        files.endless = dir.Write("bez-konca.scn", "");
        window.resize(800, 600);
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    QWidget& Panel() { return *window.findChild<QWidget*>("LoadProgressPanel"); }
    QProgressBar& Bar() { return *window.findChild<QProgressBar*>("LoadProgressBar"); }
    QPushButton& StopButton() { return *window.findChild<QPushButton*>("StopLoadButton"); }

    // Input comes as from the screen: to the window, which hands it to its widgets.
    void Click(QWidget& target, QPoint at) {
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, target.mapTo(&window, at));
    }
    void Click(QWidget& target) { Click(target, target.rect().center()); }
    void Key(int key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(window.windowHandle(), static_cast<Qt::Key>(key), modifiers);
    }

    // What a load ended by the user leaves: the message, the part read, drawn, and no panel.
    void ExpectStoppedWithTheTrackRead() {
        ASSERT_EQ(dialogs.Messages().size(), 1u);
        EXPECT_EQ(dialogs.Messages()[0].text, kLoadStoppedText);
        EXPECT_EQ(dialogs.Messages()[0].caption, kApplicationTitle);
        EXPECT_EQ(dialogs.Messages()[0].icon, MessageIcon::Error);
        EXPECT_EQ(window.Scenery().Tracks().Count(), 1u);
        EXPECT_TRUE(window.SceneryLoaded());
        EXPECT_GT(window.View().MapScale, 0);
        EXPECT_TRUE(window.StatusText().startsWith("Wczyt.+Optymaliz.+Rys.: "));
        EXPECT_FALSE(Panel().isVisible());
    }

    test::TempDir dir;
    test::ScriptedViewerDialogs dialogs;
    EndlessFiles files;
    SettingsStore store{QString::fromStdString((dir.Path() / "Zorvan.conf").string())};
    TForm1 window;
};

TEST_F(LoadStopTest, EscStopsTheLoadOnceItsProgressShows) {
    int shownShare = -1;
    QString shownText;
    WhenShown(Panel(), [&] {
        shownShare = Bar().value();
        shownText = window.StatusText();
        Key(Qt::Key_Escape);
    });
    const auto start = std::chrono::steady_clock::now();
    window.LoadScenery(files.endless);
    EXPECT_GE(std::chrono::steady_clock::now() - start, WindowStatus::kPanelDelay);
    // The bar shows the share of the scenery file read.
    EXPECT_GT(shownShare, 0);
    EXPECT_LT(shownShare, Bar().maximum());
    EXPECT_TRUE(shownText.startsWith("Ładowanie... " + QString::fromStdString(files.endless)))
        << shownText.toStdString();
    ExpectStoppedWithTheTrackRead();

    // The part read is usable: another load works as ever.
    const std::string square = dir.Write("kwadrat.scn", Square());
    window.LoadScenery(square);
    EXPECT_EQ(window.Scenery().Tracks().Count(), 2u);
    EXPECT_EQ(dialogs.Messages().size(), 1u);
}

TEST_F(LoadStopTest, TheStopButtonStopsTheLoad) {
    WhenShown(Panel(), [&] {
        EXPECT_TRUE(StopButton().isVisible());
        EXPECT_EQ(StopButton().text(), "Przerwij");
        Click(StopButton());
    });
    window.LoadScenery(files.endless);
    ExpectStoppedWithTheTrackRead();
    // The next load starts with the button ready.
    WhenShown(Panel(), [&] {
        EXPECT_TRUE(StopButton().isEnabled());
        Click(StopButton());
    });
    window.LoadScenery(files.endless);
    EXPECT_EQ(dialogs.Messages().size(), 2u);
}

TEST_F(LoadStopTest, CommandsWaitForNothingDuringALoad) {
    const std::string square = dir.Write("kwadrat.scn", Square());
    window.LoadScenery(square);
    window.Recent().SetCount(9);
    dialogs.openAnswers.push_back(square);
    bool popupOpened = false;
    WhenShown(Panel(), [&] {
        // The open command's key, its tool button, the menu, a recent file and the map.
        Key(Qt::Key_O, Qt::ControlModifier);
        Click(*window.findChild<QToolButton*>("OpenToolButton"));
        QMenuBar& menus = *window.menuBar();
        Click(menus, menus.actionGeometry(menus.actions().front()).center());
        popupOpened = QApplication::activePopupWidget() != nullptr;
        Key(Qt::Key_F10);
        Click(window.Map());
        Key(Qt::Key_Escape);
    });
    window.LoadScenery(files.endless);
    EXPECT_FALSE(popupOpened);
    EXPECT_TRUE(dialogs.fileRequests.empty());
    EXPECT_TRUE(window.isVisible());
    ExpectStoppedWithTheTrackRead();
    // The commands work again after the load.
    Key(Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(dialogs.fileRequests.size(), 1u);
    EXPECT_EQ(window.Scenery().Tracks().Count(), 2u);
}

TEST_F(LoadStopTest, ClosingTheWindowStopsTheLoadThenCloses) {
    const auto settings = dir.Path() / "Zorvan.conf";
    ASSERT_FALSE(std::filesystem::exists(settings));
    bool closedAtOnce = true;
    WhenShown(Panel(), [&] { closedAtOnce = window.close(); });
    window.LoadScenery(files.endless);
    EXPECT_FALSE(closedAtOnce);
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(dialogs.Messages().empty());
    EXPECT_EQ(window.Scenery().Tracks().Count(), 1u);
    // The settings were written as at any close.
    EXPECT_TRUE(std::filesystem::exists(settings));
}

TEST_F(LoadStopTest, ARunCommandLineEndsWhenTheWindowIsClosedDuringItsLoad) {
    WhenShown(Panel(), [&] { window.close(); });
    window.RunCommandLine({"/p", files.endless});
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(dialogs.printRequests, 0);
}

// The status line alone, as a load reports to it.
class WindowStatusTest : public ::testing::Test {
  protected:
    WindowStatusTest() : label(&window), panel(&window), status(label, panel, window) {
        panel.hide();
        window.resize(400, 100);
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        label.installEventFilter(&paints);
    }

    // Counts the paints of what it watches.
    struct PaintCount : QObject {
        int count = 0;
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Paint) ++count;
            return false;
        }
    } paints;
    QWidget window;
    QLabel label;
    LoadProgressPanel panel;
    WindowStatus status;
};

TEST_F(WindowStatusTest, TextsOfManyFilesPaintSeldomAndTheLastStays) {
    using namespace std::chrono;
    const auto start = steady_clock::now();
    {
        const WindowStatus::LoadScope loading(status);
        for (int i = 0; i < 300000; ++i)
            status.StatusText("Ładowanie... /s/plik" + std::to_string(i) + ".inc");
    }
    const auto took = duration_cast<milliseconds>(steady_clock::now() - start);
    EXPECT_EQ(label.text(), "Ładowanie... /s/plik299999.inc");
    EXPECT_LE(paints.count, 3 + took / WindowStatus::kPaintInterval) << took.count() << " ms";
    // Outside a load each text is painted at once.
    const int before = paints.count;
    status.StatusText("Rysowanie...");
    EXPECT_EQ(label.text(), "Rysowanie...");
    EXPECT_EQ(paints.count, before + 1);
}

TEST_F(WindowStatusTest, ThePanelShowsAfterHalfASecondAndGoesWithTheLoad) {
    using namespace std::chrono;
    QProgressBar& bar = *panel.findChild<QProgressBar*>();
    {
        const WindowStatus::LoadScope loading(status);
        const auto start = steady_clock::now();
        const auto report = [&](std::uint64_t done) {
            status.Progress({.file = "/s/a.scn",
                             .fileDone = done,
                             .fileSize = 4000,
                             .sceneryDone = done / 2,
                             .scenerySize = 2000});
            QTest::qSleep(5);
        };
        while (steady_clock::now() - start < WindowStatus::kPanelDelay - milliseconds(100))
            report(1000);
        EXPECT_FALSE(panel.isVisible());
        EXPECT_EQ(label.text(), "Ładowanie... /s/a.scn (25%)");
        while (steady_clock::now() - start < WindowStatus::kPanelDelay + milliseconds(100))
            report(2000);
        EXPECT_TRUE(panel.isVisible());
        EXPECT_EQ(bar.value(), bar.maximum() / 2);
        EXPECT_FALSE(status.StopRequested());
        QTest::mouseClick(&panel.StopButton(), Qt::LeftButton);
        EXPECT_TRUE(status.StopRequested());
        EXPECT_FALSE(panel.StopButton().isEnabled());
    }
    EXPECT_FALSE(panel.isVisible());
    // A stop asked between loads is not taken into the next one.
    status.RequestStop();
    const WindowStatus::LoadScope next(status);
    EXPECT_FALSE(status.StopRequested());
}

}  // namespace
}  // namespace tarvik
