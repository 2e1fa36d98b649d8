#include <gtest/gtest.h>

#include <QFile>
#include <QSettings>
#include <filesystem>
#include <fstream>

#include "AppSettings.h"
#include "SettingsStore.h"
#include "TestSupport.h"

namespace tarvik {
namespace {

class SettingsTest : public ::testing::Test {
  protected:
    QString File(const char* name = "Zorvan.conf") const {
        return QString::fromStdString((dir.Path() / name).string());
    }
    void WriteRaw(const std::string& text) const {
        std::ofstream(dir.Path() / "Zorvan.conf") << text;
    }
    AppSettings ReadAll(const QString& path) {
        SettingsStore store(path);
        AppSettings s;
        ReadFormCreateSettings(store, s, DesignedSizes{}, dialogs);
        ReadFinishStartupSettings(store, s, DesignedSizes{}, dialogs);
        return s;
    }

    test::TempDir dir;
    test::ScriptedDialogs dialogs;
};

TEST(SettingsStorePath, FollowsXdgConfigHome) {
    test::TempDir dir;
    const std::string old = qEnvironmentVariable("XDG_CONFIG_HOME").toStdString();
    qputenv("XDG_CONFIG_HOME", dir.Path().string().c_str());
    EXPECT_EQ(SettingsStore::DefaultPath().toStdString(),
              dir.Path().string() + "/Hollvik/Zorvan.conf");
    qputenv("XDG_CONFIG_HOME", old.c_str());
}

TEST_F(SettingsTest, FirstRunGivesTheDefaults) {
    const AppSettings s = ReadAll(File());
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(s.RecentCount(), 5);
    EXPECT_EQ(s.Main, (WindowBounds{(1024 - 415) / 2, (768 - 440) / 2, 415, 440}));
    EXPECT_EQ(s.MiniMap, (WindowBounds{s.Main.left + 415 + 12, s.Main.top, 165, 140}));
    EXPECT_EQ(s.Legend.top, s.Main.top + 140 + 12);
    EXPECT_EQ(s.TrackList.height, 440);
    EXPECT_EQ(s.Colors, ColorSlots{});
    EXPECT_TRUE(s.Map.PaintTrack && s.Map.PaintRoad && s.Map.PaintRiver);
    EXPECT_FALSE(s.Map.PaintTraction);
    EXPECT_EQ(s.Map.Type, MapType::Velocity);
    EXPECT_TRUE(s.Map.PaintTransparent);
    EXPECT_TRUE(s.LegendShow && s.MiniMapShow);
    EXPECT_EQ(s.RunSimParam, "-s %s -v %v");
    EXPECT_EQ(s.EditorCount(), 9);
    EXPECT_EQ(s.InterpolateStepsMode, 2);
    EXPECT_FALSE(s.Navigation.WheelZoomsAtPointer);
    EXPECT_FALSE(s.Navigation.KeepPointer);
    EXPECT_FALSE(s.Map.PaintTrackNames);
    EXPECT_FALSE(s.Map.Antialiased);
    EXPECT_EQ(s.Language, LanguageChoice::System);
}

TEST_F(SettingsTest, EveryValueSurvivesWritingAndReading) {
    AppSettings s;
    s.MRUListPos = 3;
    s.Recent[0] = {"Stacja Łódź", "/sceneries/lodz.scn"};
    s.Recent[2] = {"", "/x, y.scn"};
    s.Main = {10, 20, 800, 600};
    s.MainMaximized = true;
    s.MiniMap = {1, 2, 3, 4};
    s.Legend = {5, 6, 0, 0};
    s.TrackList = {7, 8, 9, 10};
    s.Launcher = {11, 12, 13, 14};
    s.Colors.Background = 0xC0C0C0;
    s.Colors.Hipsometric3 = 0x123456;
    s.Colors.Traction = 0x80000005;
    s.Map.PaintTrack = false;
    s.Map.PaintTraction = true;
    s.Map.PaintSpeedLimit = true;
    s.Map.Type = MapType::Elevation;
    s.Map.PaintTransparent = false;
    s.Map.LegendOnMap = true;
    s.MiniMapShow = false;
    s.TrackListShow = true;
    s.AnimateZoom = true;
    s.SimFile = "/opt/eu07/eu07.exe";
    s.RunSimParam = "-s %s";
    s.Editors = 9;
    s.EditorSlots[4] = {"Vim", "/usr/bin/vim", "%f"};
    s.OwnerMode = true;
    s.InterpolateStepsMode = 8;
    s.Navigation = {.WheelZoomsAtPointer = true, .KeepPointer = true};
    s.Map.PaintTrackNames = true;
    s.Map.Antialiased = true;
    s.Language = LanguageChoice::English;
    s.SimulatorReading = true;
    {
        SettingsStore store(File());
        ASSERT_TRUE(WriteSettings(store, s, dialogs));
    }
    const AppSettings read = ReadAll(File());
    EXPECT_TRUE(dialogs.messages.empty());
    // MRUListPos is only read; the recent items beyond it are not.
    AppSettings expected = s;
    expected.MRUListPos = 5;
    EXPECT_EQ(read.Recent[0], s.Recent[0]);
    EXPECT_EQ(read.Recent[2], s.Recent[2]);
    expected.Recent = read.Recent;
    EXPECT_EQ(read, expected);
    QSettings raw(File(), QSettings::IniFormat);
    EXPECT_EQ(raw.value("Colors/Background").toString(), "clSilver");
    EXPECT_EQ(raw.value("Colors/Hipsometric3").toString(), "$00123456");
    EXPECT_EQ(raw.value("Colors/Traction").toString(), "clWindow");
    EXPECT_EQ(raw.value("MapType").toInt(), 3);
    EXPECT_EQ(raw.value("Paint/Traction").toString(), "1");
    EXPECT_EQ(raw.value("Navigation/WheelZoomsAtPointer").toString(), "1");
    EXPECT_EQ(raw.value("Navigation/KeepPointer").toString(), "1");
    EXPECT_EQ(raw.value("Labels/TrackNames").toString(), "1");
    EXPECT_EQ(raw.value("Appearance/SmoothLines").toString(), "1");
    EXPECT_EQ(raw.value("Interface/Language").toString(), "en");
    EXPECT_EQ(raw.value("Reading/Simulator").toString(), "1");
}

// The language is read on its own before the windows are made; a value the program does not
// know is the default.
TEST_F(SettingsTest, TheLanguageIsReadBeforeTheRest) {
    WriteRaw("[Interface]\nLanguage=pl\n");
    {
        SettingsStore store(File());
        EXPECT_EQ(ReadLanguageChoice(store), LanguageChoice::Polish);
    }
    WriteRaw("[Interface]\nLanguage=deutsch\n");
    SettingsStore store(File());
    EXPECT_EQ(ReadLanguageChoice(store), LanguageChoice::System);
}

TEST_F(SettingsTest, RecentCountIsTheLowByteAtMostNine) {
    WriteRaw("[General]\nMRUListPos=12\n");
    EXPECT_EQ(ReadAll(File()).RecentCount(), 9);
    WriteRaw("[General]\nMRUListPos=256\n");
    EXPECT_EQ(ReadAll(File()).RecentCount(), 0);
}

TEST_F(SettingsTest, UnknownMapTypeLeavesTheSpeedMapAndIsWrittenBackAsOne) {
    WriteRaw("[General]\nMapType=7\n");
    const AppSettings s = ReadAll(File());
    EXPECT_EQ(s.Map.Type, MapType::Velocity);
    SettingsStore store(File());
    WriteSettings(store, s, dialogs);
    EXPECT_EQ(QSettings(File(), QSettings::IniFormat).value("MapType").toInt(), 1);
}

TEST_F(SettingsTest, OnlyTheCountedEditorSlotsAreReadButAllAreWritten) {
    WriteRaw("[General]\nEditors=3\n[Editors]\nName2=Two\nName3=Three\n");
    const AppSettings s = ReadAll(File());
    EXPECT_EQ(s.EditorSlots[2].name, "Two");
    EXPECT_EQ(s.EditorSlots[3].name, "");
    SettingsStore store(File());
    WriteSettings(store, s, dialogs);
    QSettings raw(File(), QSettings::IniFormat);
    EXPECT_TRUE(raw.contains("Editors/Param8"));
    EXPECT_EQ(raw.value("Editors/Name3").toString(), "");
}

TEST_F(SettingsTest, BadValuesAreReportedAndTheirStepTakesDefaults) {
    WriteRaw(
        "[Paint]\nTrack=0\nRoad=yes\nRiver=0\n"
        "[Colors]\nBackground=clWhite\nTrack=purple-ish\nSpeed1=clBlue\n"
        "[Legend]\nShow=0\n");
    const AppSettings s = ReadAll(File());
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0].text, "Invalid data type for 'Road'");
    EXPECT_EQ(dialogs.messages[1].text, "'purple-ish' is not a valid integer value");
    EXPECT_EQ(dialogs.messages[0].caption, "Tarvik Track Viewer");
    // Read before the bad value: kept; the bad one and those after: defaults.
    EXPECT_FALSE(s.Map.PaintTrack);
    EXPECT_TRUE(s.Map.PaintRoad);
    EXPECT_TRUE(s.Map.PaintRiver);
    EXPECT_EQ(s.Colors.Background, 0xFFFFFFu);
    EXPECT_EQ(s.Colors.Track, 0x000000u);
    EXPECT_EQ(s.Colors.Speed1, 0x0000FFu);
    // Other steps go on.
    EXPECT_FALSE(s.LegendShow);
}

TEST_F(SettingsTest, PathsKeepTheFileSystemsBytes) {
    // A scenery unpacked from an old archive keeps its CP1250 name: "Łódź.scn".
    const std::string cp1250 = "/sceneries/\xa3\xf3\x64\x9f.scn";
    const std::string utf8 = "/sceneries/Łódź.scn";
    AppSettings s;
    s.Recent[0] = {"Łódź", cp1250};
    s.Recent[1] = {"", utf8};
    s.Recent[2] = {"", "@ByteArray(x)"};
    s.SimFile = "/opt/eu07/\xb9.exe";
    {
        SettingsStore store(File());
        ASSERT_TRUE(WriteSettings(store, s, dialogs));
    }
    const AppSettings read = ReadAll(File());
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(read.Recent[0], s.Recent[0]);
    EXPECT_EQ(read.Recent[1], s.Recent[1]);
    EXPECT_EQ(read.Recent[2], s.Recent[2]);
    EXPECT_EQ(read.SimFile, s.SimFile);

    // UTF-8 is written as it is, so that files written before read the same; only other
    // bytes are escaped.
    QFile file(File());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_TRUE(text.contains("Item2File=/sceneries/Łódź.scn\n"));
    EXPECT_TRUE(text.contains("Item1File=@ByteArray(/sceneries/\\xa3\\xf3\\x64\\x9f.scn)\n"));
    EXPECT_TRUE(text.contains("Item1Name=Łódź\n"));
    WriteRaw("[MRUList]\nItem1Name=Łódź\nItem1File=/sceneries/Łódź.scn\n");
    EXPECT_EQ(ReadAll(File()).Recent[0].file, utf8);
}

TEST_F(SettingsTest, AFileThatCannotBeWrittenIsReported) {
    // A folder that is a file cannot hold the settings, whoever runs the test.
    std::ofstream(dir.Path() / "taken") << "not a folder";
    SettingsStore store(QString::fromStdString((dir.Path() / "taken" / "Zorvan.conf").string()));
    EXPECT_FALSE(WriteSettings(store, AppSettings{}, dialogs));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.starts_with("Failed to set data for '"));
}

}  // namespace
}  // namespace tarvik
