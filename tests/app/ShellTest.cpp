#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QScreen>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <csignal>
#include <filesystem>
#include <fstream>

#include "AboutForm.h"
#include "DesktopRegistration.h"
#include "LegendForm.h"
#include "MainWindow.h"
#include "MapWidget.h"
#include "MiniMapForm.h"
#include "ProperytyForm.h"
#include "RunSimForm.h"
#include "ScriptedViewerDialogs.h"
#include "SplashScreenForm.h"
#include "TrackListForm.h"
#include "ViewerApplication.h"
#include "WhenModal.h"

namespace tarvik {
namespace {

class ShellTest : public ::testing::Test {
  protected:
    QString ConfPath() const {
        return QString::fromStdString((dir.Path() / "Zorvan.conf").string());
    }
    void WriteConf(const std::string& text) const {
        std::ofstream(dir.Path() / "Zorvan.conf") << text;
    }
    std::unique_ptr<TForm1> Start(const std::function<void(std::string_view)>& progress = {}) {
        store = std::make_unique<SettingsStore>(ConfPath());
        auto window = std::make_unique<TForm1>(dialogs, files, *store, progress);
        window->show();
        window->FinishStartup();
        return window;
    }
    QAction* Action(TForm1& w, const char* name) { return w.findChild<QAction*>(name); }
    QStringList StoredKeys() const {
        QSettings s(ConfPath(), QSettings::IniFormat);
        QStringList keys = s.allKeys();
        keys.sort();
        return keys;
    }

    test::TempDir dir;
    test::ScriptedViewerDialogs dialogs;
    PosixFileSystem files;
    std::unique_ptr<SettingsStore> store;
};

TEST_F(ShellTest, FirstRunOpensCentredAndTheFirstCloseStoresEveryValue) {
    std::vector<std::string> steps;
    auto w = Start([&](std::string_view t) { steps.emplace_back(t); });
    EXPECT_EQ(steps,
              (std::vector<std::string>{"20% Legenda", "30% MiniMap", "40% TrackList", "50% RunSim",
                                        "60% Properyty", "70% SceneryProperyty", "80% WorkMode",
                                        "90% Czyt. konfig..."}));
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(w->size(), QSize(415, 440));
    EXPECT_EQ(w->pos(), QPoint((screen.width() - 415) / 2, (screen.height() - 440) / 2));
    EXPECT_EQ(w->Recent().Count(), 5);
    for (int i = 1; i <= 9; ++i)
        EXPECT_FALSE(Action(*w, ("MRUList" + std::to_string(i)).c_str())->isVisible());
    // The mini-map is shown beside the window; the legend waits for the first load.
    EXPECT_TRUE(w->Tools().miniMap->isVisible());
    EXPECT_EQ(w->Tools().miniMap->pos(), QPoint(w->x() + 415 + 12, w->y()));
    EXPECT_FALSE(w->Tools().legend->isVisible());
    EXPECT_EQ(w->Tools().legend->pos(), QPoint(w->x() + 415 + 12, w->y() + 140 + 12));
    EXPECT_FALSE(w->findChild<QToolButton*>("TrackListToolButton")->isEnabled());
    EXPECT_EQ(w->Mode().InterpolateSteps, 3);

    w->close();
    EXPECT_FALSE(w->isVisible());
    EXPECT_FALSE(w->Tools().miniMap->isVisible());
    QStringList expected;
    for (int n = 1; n <= 5; ++n)
        expected << QString("MRUList/Item%1Name").arg(n) << QString("MRUList/Item%1File").arg(n);
    for (const char* b : {"MFX1", "MFY1", "MFX2", "MFY2", "MFS",  "MMX1", "MMY1", "MMX2",
                          "MMY2", "LX1",  "LY1",  "TLX1", "TLY1", "TLX2", "TLY2", "RSX1",
                          "RSY1", "RSX2", "RSY2", "PRX1", "PRY1", "PRX2", "PRY2"})
        expected << QString("Bounds/") + b;
    for (const ColorSlotDef& c : kColorSlotTable)
        expected << "Colors/" + QString::fromUtf8(c.name.data(), c.name.size());
    for (const char* p : {"Track", "Road", "River", "Traction", "SpeedLimit", "Elevation"})
        expected << QString("Paint/") + p;
    expected << "MapType"
             << "PaintTransparent"
             << "SimFile"
             << "RunSimParam"
             << "OwnerMode"
             << "InterpolateStepsMode";
    for (const char* k :
         {"Legend/Show", "Legend/OnMap", "MiniMap/Show", "MiniMap/OnMap", "TrackList/Show",
          "TrackList/AnimateZoom", "Problems/ShowAfterLoad", "Problems/ParseErrorsUnasked",
          "Navigation/WheelZoomsAtPointer", "Navigation/KeepPointer", "Labels/TrackNames",
          "Appearance/SmoothLines", "Interface/Language", "Reading/Simulator"})
        expected << k;
    for (int n = 0; n < 9; ++n)
        expected << QString("Editors/Name%1").arg(n) << QString("Editors/Exe%1").arg(n)
                 << QString("Editors/Param%1").arg(n);
    expected.sort();
    EXPECT_EQ(StoredKeys(), expected);
    EXPECT_TRUE(dialogs.Messages().empty());
}

TEST_F(ShellTest, StoredValuesAreAppliedAndWrittenBack) {
    WriteConf(
        "[General]\nMRUListPos=12\nMapType=7\nOwnerMode=1\nInterpolateStepsMode=12\n"
        "[MRUList]\nItem1Name=Stacja\nItem1File=/s/a.scn\nItem2Name=\nItem2File=\n"
        "[Bounds]\nMFX1=20\nMFY1=30\nMFX2=500\nMFY2=460\nMMX1=600\nMMY1=40\nMMX2=200\nMMY2=150\n"
        "LX1=610\nLY1=300\n"
        "[Colors]\nBackground=clRed\nRoad=$00123456\n"
        "[Paint]\nTraction=1\nRoad=0\n"
        "[Legend]\nOnMap=1\n[MiniMap]\nShow=0\n[TrackList]\nShow=1\nAnimateZoom=1\n");
    auto w = Start();
    EXPECT_EQ(w->Recent().Count(), 9);
    QAction* first = Action(*w, "MRUList1");
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(first->text(), "Stacja");
    EXPECT_FALSE(Action(*w, "MRUList2")->isVisible());
    EXPECT_EQ(w->pos(), QPoint(20, 30));
    EXPECT_EQ(w->size(), QSize(500, 460));
    EXPECT_EQ(w->Tools().miniMap->geometry().size(), QSize(200, 150));
    EXPECT_EQ(w->Tools().miniMap->pos(), QPoint(600, 40));
    EXPECT_FALSE(w->Tools().miniMap->isVisible());
    EXPECT_EQ(w->Tools().legend->pos(), QPoint(610, 300));
    EXPECT_TRUE(Action(*w, "MapTypeVelocity")->isChecked());
    EXPECT_EQ(w->Colors().Background, 0x0000FFu);
    EXPECT_EQ(w->Colors().Road, 0x123456u);
    EXPECT_TRUE(Action(*w, "PaintTraction")->isChecked());
    EXPECT_FALSE(Action(*w, "PaintRoad")->isChecked());
    EXPECT_TRUE(Action(*w, "LegendOnMap")->isChecked());
    EXPECT_TRUE(Action(*w, "AnimateZoom")->isChecked());
    EXPECT_TRUE(
        w->Tools().trackList->findChild<QToolButton*>("AnimateZoomToolButton")->isChecked());
    EXPECT_TRUE(w->findChild<QToolButton*>("TrackListToolButton")->isChecked());
    EXPECT_TRUE(w->findChild<QToolButton*>("TrackListToolButton")->isEnabled());
    EXPECT_TRUE(w->Mode().OwnerMode);
    EXPECT_EQ(w->Mode().InterpolateStepsMode, 10);
    EXPECT_EQ(w->Mode().InterpolateSteps, 5000);

    w->close();
    QSettings s(ConfPath(), QSettings::IniFormat);
    EXPECT_EQ(s.value("MapType").toInt(), 1);
    EXPECT_EQ(s.value("MRUListPos").toInt(), 12);  // only read, never written
    EXPECT_EQ(s.value("Colors/Background").toString(), "clRed");
    EXPECT_EQ(s.value("Colors/Road").toString(), "$00123456");
    EXPECT_EQ(s.value("MRUList/Item1File").toString(), "/s/a.scn");
    EXPECT_EQ(s.value("MRUList/Item9Name").toString(), "");
    EXPECT_EQ(s.value("Bounds/MMX2").toInt(), 200);
    EXPECT_EQ(s.value("InterpolateStepsMode").toInt(), 10);
    EXPECT_EQ(s.value("TrackList/AnimateZoom").toInt(), 1);
}

TEST_F(ShellTest, ADamagedSettingsFileNeverStopsTheStart) {
    std::string garbage(4096, '\0');
    unsigned seed = 11;
    for (char& c : garbage)
        c = static_cast<char>((seed = seed * 1103515245u + 12345u) >> 16);
    WriteConf(garbage);
    {
        auto w = Start();
        EXPECT_TRUE(w->isVisible());
        EXPECT_EQ(w->Colors(), ColorSlots{});
        w->close();
    }
    // The close wrote a file that reads back cleanly.
    dialogs.Messages().clear();
    {
        auto w = Start();
        EXPECT_TRUE(dialogs.Messages().empty());
        w->close();
    }

    WriteConf(
        "[General]\nMRUListPos=abc\nMapType=x\n[Colors]\nBackground=clNoSuch\n"
        "[Bounds]\nMFX1=-99999\nMFY1=99999\nMFX2=-5\nMFY2=1000000\nMMX2=0\nMMY2=-1\n"
        "[Paint]\nTrack=maybe\n");
    dialogs.Messages().clear();
    auto w = Start();
    std::vector<std::string> texts;
    for (const auto& m : dialogs.Messages())
        texts.push_back(m.text);
    EXPECT_NE(std::find(texts.begin(), texts.end(), "Invalid data type for 'MRUListPos'"),
              texts.end());
    EXPECT_NE(std::find(texts.begin(), texts.end(), "'clNoSuch' is not a valid integer value"),
              texts.end());
    EXPECT_EQ(w->Recent().Count(), 5);
    EXPECT_EQ(w->Colors().Background, ColorSlots{}.Background);
    // Sizes that no window can have leave the window usable and on the screen.
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_GE(w->width(), 415);
    EXPECT_GE(w->height(), 440);
    EXPECT_TRUE(screen.intersects(w->frameGeometry()));
    EXPECT_GE(w->Tools().miniMap->width(), 40);
    EXPECT_GE(w->Tools().miniMap->height(), 40);
    w->close();
}

TEST_F(ShellTest, EveryWindowStartsWhollyOnTheScreen) {
    // Places saved with other screens or another scale.
    WriteConf(
        "[Bounds]\nMFX1=1800\nMFY1=-300\nMFX2=500\nMFY2=460\nMMX1=-700\nMMY1=9000\n"
        "LX1=5000\nLY1=100\nTLX1=1740\nTLY1=40\nTLX2=260\nTLY2=500\nRSX1=-2000\nRSY1=-2000\n"
        "RSX2=420\nRSY2=360\n[TrackList]\nShow=1\n");
    auto w = Start();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const ToolWindows& t = w->Tools();
    for (const QWidget* window :
         {static_cast<const QWidget*>(w.get()), static_cast<const QWidget*>(t.miniMap),
          static_cast<const QWidget*>(t.legend), static_cast<const QWidget*>(t.trackList),
          static_cast<const QWidget*>(t.launcher), static_cast<const QWidget*>(t.properties)}) {
        EXPECT_TRUE(screen.contains(QRect(window->pos(), window->size())))
            << window->objectName().toStdString() << " at " << window->x() << "," << window->y();
    }
    // Moved, not shrunk, where the screen has the room.
    EXPECT_EQ(t.trackList->size(), QSize(260, 500));
    EXPECT_EQ(t.trackList->y(), 40);
    EXPECT_EQ(w->size(), QSize(500, 460));
}

TEST_F(ShellTest, AWindowClosedMaximisedComesBackWhereItWas) {
    WriteConf("[Bounds]\nMFX1=30\nMFY1=40\nMFX2=500\nMFY2=460\n");
    {
        auto w = Start();
        ASSERT_EQ(w->pos(), QPoint(30, 40));
        const QRect inside = w->geometry();
        w->showMaximized();
        QTest::qWait(50);
        ASSERT_NE(w->geometry(), inside);
        w->close();
    }
    const QSettings s(ConfPath(), QSettings::IniFormat);
    EXPECT_EQ(s.value("Bounds/MFS").toInt(), 1);
    EXPECT_EQ(s.value("Bounds/MFX1").toInt(), 30);
    EXPECT_EQ(s.value("Bounds/MFY1").toInt(), 40);
    EXPECT_EQ(s.value("Bounds/MFX2").toInt(), 500);
    auto again = Start();
    again->showNormal();
    EXPECT_EQ(again->pos(), QPoint(30, 40));
}

TEST_F(ShellTest, TheLegendSavedOnTheMapIsThereFromTheStart) {
    WriteConf("[Legend]\nOnMap=1\n[TrackList]\nShow=1\n");
    auto w = Start();
    QAction* onMap = Action(*w, "LegendOnMap");
    EXPECT_TRUE(onMap->isChecked());
    EXPECT_TRUE(onMap->isEnabled());
    w->resize(800, 600);
    test::PieceSpec alongX;
    alongX.x2 = 1000;
    test::PieceSpec alongZ;
    alongZ.z2 = 1000;
    w->LoadScenery(dir.Write("a.scn", test::TrackNode(alongX) + test::TrackNode(alongZ)));
    // The legend's light panel lies over the map's green at its top-left corner.
    const QImage& map = w->Map().Picture();
    EXPECT_NE(QColor(map.pixel(20, 20)), QColor(0, 128, 0));
    QTest::keyRelease(w.get(), Qt::Key_L, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_FALSE(onMap->isChecked());
    EXPECT_EQ(QColor(map.pixel(20, 20)), QColor(0, 128, 0));

    // In the user mode a load does not bring up the empty list again once it is closed.
    EXPECT_FALSE(w->Mode().OwnerMode);
    EXPECT_TRUE(w->Tools().trackList->isVisible());
    w->Tools().trackList->hide();
    w->LoadScenery(w->SceneryShortPath());
    EXPECT_FALSE(w->Tools().trackList->isVisible());
}

TEST(GeneralErrorReportTest, AnErrorEscapingACommandIsShownAndTheProgramGoesOn) {
    test::ScriptedDialogs dialogs;
    EXPECT_TRUE(DeliverOrReport([] { return true; }, &dialogs));
    EXPECT_FALSE(
        DeliverOrReport([]() -> bool { throw std::runtime_error("Brak miejsca"); }, &dialogs));
    EXPECT_FALSE(DeliverOrReport([]() -> bool { throw std::bad_alloc(); }, &dialogs));
    EXPECT_FALSE(DeliverOrReport([]() -> bool { throw 7; }, &dialogs));
    ASSERT_EQ(dialogs.messages.size(), 3u);
    EXPECT_EQ(dialogs.messages[0].text, "Brak miejsca");
    EXPECT_EQ(dialogs.messages[0].caption, "Tarvik Track Viewer");
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Error);
    EXPECT_EQ(dialogs.messages[1].text, "std::bad_alloc");
    EXPECT_EQ(dialogs.messages[2].text, "Wystąpił nieznany błąd programu.");
}

TEST_F(ShellTest, NoRecentFilesWhenTheLowByteIsZero) {
    WriteConf("[General]\nMRUListPos=256\n[MRUList]\nItem1File=/s/a.scn\n");
    auto w = Start();
    EXPECT_EQ(w->Recent().Count(), 0);
    EXPECT_FALSE(Action(*w, "MRUList1")->isVisible());
}

TEST_F(ShellTest, AStoredSizeThatCoversTheScreenStartsMaximised) {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    WriteConf("[Bounds]\nMFS=0\nMFX1=0\nMFY1=0\nMFX2=" + std::to_string(screen.width()) +
              "\nMFY2=" + std::to_string(screen.height() - 30) + "\n");
    auto w = Start();
    EXPECT_TRUE(w->windowState() & Qt::WindowMaximized);
}

TEST_F(ShellTest, SettingsAreWrittenInTheirOrder) {
    auto w = Start();
    QStringList written;
    store->SetWriteObserver([&](const QString& key) { written << key; });
    w->close();
    // Groups in the order of writing, each once.
    QStringList groups;
    for (const QString& key : written) {
        const QString group = key.contains('/') ? key.section('/', 0, 0) : "root";
        if (groups.isEmpty() || groups.back() != group) groups << group;
    }
    EXPECT_EQ(groups, (QStringList{"MRUList", "Bounds", "Colors", "Paint", "root", "Legend",
                                   "MiniMap", "TrackList", "root", "Editors", "root", "Problems",
                                   "Navigation", "Labels", "Appearance", "Interface", "Reading"}));
    const auto at = [&](const char* key) { return written.indexOf(key); };
    EXPECT_LT(at("Bounds/MFS"), at("Bounds/MMX1"));
    EXPECT_LT(at("Bounds/LY1"), at("Bounds/TLX1"));
    EXPECT_LT(at("Colors/Speed4"), at("Colors/Elevation1"));
    EXPECT_LT(at("Colors/Elevation4"), at("Colors/Hipsometric1"));
    EXPECT_LT(at("PaintTransparent"), at("SimFile"));
    // The first settings end as they always did; the later additions follow in groups of
    // their own.
    EXPECT_EQ(at("InterpolateStepsMode") + 1, at("Problems/ShowAfterLoad"));
    EXPECT_EQ(at("Problems/ParseErrorsUnasked") + 1, at("Navigation/WheelZoomsAtPointer"));
    EXPECT_EQ(at("Navigation/KeepPointer") + 1, at("Labels/TrackNames"));
    EXPECT_EQ(at("Labels/TrackNames") + 1, at("Appearance/SmoothLines"));
    EXPECT_EQ(at("Appearance/SmoothLines") + 1, at("Interface/Language"));
    EXPECT_EQ(at("Interface/Language") + 1, at("Reading/Simulator"));
    EXPECT_EQ(written.back(), "Reading/Simulator");
}

TEST_F(ShellTest, CommandLine) {
    auto w = Start();
    const std::string scenery =
        dir.Write("a.scn", test::TrackNode(test::PieceSpec{}) + test::TrackNode([] {
                               test::PieceSpec p;
                               p.x2 = 100;
                               return p;
                           }()));
    w->RunCommandLine({"/o"});
    ASSERT_EQ(dialogs.Messages().size(), 1u);
    EXPECT_EQ(dialogs.Messages()[0].text, "Plik o nazwie  nie istnieje!");
    w->RunCommandLine({"/O", scenery});
    EXPECT_EQ(dialogs.Messages().back().text, "Plik o nazwie /O nie istnieje!");
    w->RunCommandLine({scenery});
    EXPECT_EQ(w->Scenery().IncFiles.front().FileName, scenery);
    EXPECT_TRUE(w->isVisible());

    // "/e" edits with the first editor: it has no program yet, so its program is asked for,
    // then the files.
    int edits = 0;
    test::WhenModal("EditSourceForm2", [&](QWidget* chooser) {
        edits += chooser->windowTitle() == "Wybierz pliki do edycji w '':";
        chooser->close();
    });
    w->RunCommandLine({"/e", scenery});
    EXPECT_EQ(edits, 1);
    EXPECT_EQ(dialogs.fileRequests.back().title, "Wybierz edytor tekstowy...");
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(QFile::exists(ConfPath()));

    auto again = Start();
    again->RunCommandLine({"/p", scenery});
    EXPECT_EQ(dialogs.printRequests, 1);
    EXPECT_FALSE(again->isVisible());
    EXPECT_EQ(again->Recent().Item(0).path, scenery);
}

TEST_F(ShellTest, KeysAndMenuClose) {
    auto w = Start();
    QTest::keyRelease(w.get(), Qt::Key_F10);
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(QFile::exists(ConfPath()));
    auto again = Start();
    Action(*again, "Zamknij1")->trigger();
    EXPECT_FALSE(again->isVisible());
}

TEST(DesktopRegistrationTest, FilesAreWrittenOnceAndNeverRewritten) {
    test::TempDir dir;
    const QString base = QString::fromStdString(dir.Path().string());
    const DesktopRegistration where{base + "/mime/packages/tarvik-eu07-scenery.xml",
                                    base + "/applications/tarvik-viewer.desktop"};
    ASSERT_TRUE(RegisterSceneryFileType(where, "/opt/tarvik/bin/tarvik-viewer", false));
    QFile entry(where.desktopEntry);
    ASSERT_TRUE(entry.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(entry.readAll());
    entry.close();
    EXPECT_TRUE(
        text.contains("Name=Otwórz z Zorvan\nExec=\"/opt/tarvik/bin/tarvik-viewer\" /o %f"));
    EXPECT_TRUE(
        text.contains("Name=Drukuj z Zorvan\nExec=\"/opt/tarvik/bin/tarvik-viewer\" /p %f"));
    EXPECT_TRUE(text.contains("MimeType=application/x-eu07-scenery;"));
    QFile mime(where.mimePackage);
    ASSERT_TRUE(mime.open(QIODevice::ReadOnly));
    const QString mimeText = QString::fromUtf8(mime.readAll());
    EXPECT_TRUE(mimeText.contains("<comment>EU07 Scenery File</comment>"));
    EXPECT_TRUE(mimeText.contains("<glob pattern=\"*.scn\"/>"));

    // Another copy's registration stays.
    std::ofstream(where.desktopEntry.toStdString()) << "[Desktop Entry]\nExec=other\n";
    ASSERT_TRUE(RegisterSceneryFileType(where, "/usr/bin/tarvik-viewer", false));
    std::ifstream in(where.desktopEntry.toStdString());
    const std::string kept((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(kept, "[Desktop Entry]\nExec=other\n");
    // Arguments are quoted as desktop entries want them.
    EXPECT_TRUE(
        DesktopEntryText("/a b/\"x\"$%").contains("Exec=\"/a b/\\\\\"x\\\\\"\\\\$%%\" /o %f"));
}

TEST(SplashAndAboutTest, ProgressTextAndLinks) {
    TSplashScreenForm splash(nullptr, true);
    EXPECT_EQ(splash.size(), QSize(523, 350));
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    splash.ShowProgress("20% Legenda");
    EXPECT_EQ(splash.ProgressText(), "Ł A D O W A N I E . . .   20% Legenda");

    std::vector<QUrl> opened;
    TAboutForm about(nullptr, [&](const QUrl& url) { opened.push_back(url); });
    EXPECT_EQ(about.windowTitle(), "O programie...");
    emit about.findChild<QLabel*>("MailLink")->linkActivated(QString("mailto:") + kAuthorMail);
    emit about.findChild<QLabel*>("HomePageLink")->linkActivated(kHomePage);
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[0].scheme(), "mailto");
    EXPECT_EQ(opened[1].toString(), kHomePage);
    // A click on the picture shows the splash as a dialog, closed by a click.
    bool shown = false;
    QTimer::singleShot(0, [&] {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            auto* again = qobject_cast<QDialog*>(top);
            if (again && top->objectName() == "SplashScreenForm" && top->isVisible()) {
                shown = true;
                QTest::mouseClick(top, Qt::LeftButton);
            }
        }
    });
    QTest::mouseClick(about.findChild<QLabel*>("AboutPicture"), Qt::LeftButton);
    EXPECT_TRUE(shown);
}

// The installed program itself: started on the demo, asked to end, it writes its settings.
TEST(ViewerBinaryTest, StartsOnASceneryAndClosesOnRequest) {
    test::TempDir home;
    QProcess viewer;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("XDG_CONFIG_HOME", QString::fromStdString((home.Path() / "config").string()));
    env.insert("XDG_DATA_HOME", QString::fromStdString((home.Path() / "data").string()));
    viewer.setProcessEnvironment(env);
    const QString demo = TARVIK_SOURCE_DIR "/examples/demo/demo.scn";
    viewer.start(TARVIK_VIEWER_BINARY, {demo});
    ASSERT_TRUE(viewer.waitForStarted(10000));
    // The registration is written once the window is up and the termination request is heard.
    const auto entry = home.Path() / "data/applications/tarvik-viewer.desktop";
    for (int i = 0; i < 300 && !std::filesystem::exists(entry); ++i)
        QTest::qWait(100);
    ASSERT_TRUE(std::filesystem::exists(entry));
    ::kill(static_cast<pid_t>(viewer.processId()), SIGTERM);
    ASSERT_TRUE(viewer.waitForFinished(30000));
    EXPECT_EQ(viewer.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(viewer.exitCode(), 0);
    QSettings stored(QString::fromStdString((home.Path() / "config/Hollvik/Zorvan.conf").string()),
                     QSettings::IniFormat);
    EXPECT_EQ(stored.value("MRUList/Item1File").toString(), demo);
}

}  // namespace
}  // namespace tarvik
