#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>

#include "LaunchParams.h"
#include "LauncherTestSupport.h"
#include "RunSimForm.h"
#include "TimeTableForm.h"

namespace tarvik {
namespace {

using test::LauncherHarness;

class TimetableTest : public ::testing::Test {
  protected:
    TRunSimForm& Launcher() { return *h.window->findChild<TRunSimForm*>(); }
    TTimeTableForm& Timetable() { return *h.window->findChild<TTimeTableForm*>(); }
    std::string DemoFolder() { return FolderPart(test::DemoScenery()); }

    LauncherHarness h;
};

int PdfPages(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    const std::string pdf{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const std::regex page("/Type\\s*/Page[^s]");
    return static_cast<int>(
        std::distance(std::sregex_iterator(pdf.begin(), pdf.end(), page), std::sregex_iterator()));
}

TEST_F(TimetableTest, LauncherShowsTheTimetableOfTheChosenTrainset) {
    h.window->LoadScenery(test::DemoScenery());
    Launcher().BuildTrainsetTree();
    QTreeWidget& tree = *Launcher().findChild<QTreeWidget*>("TreeView1");
    tree.setCurrentItem(tree.topLevelItem(1));
    ASSERT_EQ(Launcher().CurrentTrainset(), "Os1234");
    EXPECT_FALSE(Timetable().isVisible());
    Launcher().findChild<QToolButton*>("TimeTableToolButton")->click();
    EXPECT_TRUE(Timetable().isVisible());
    EXPECT_EQ(Timetable().windowTitle(), "Rozkład dla Os1234");
    const QStringList& lines = Timetable().Lines();
    ASSERT_EQ(lines.size(), 8);
    EXPECT_EQ(lines[0], "Rozkład jazdy pociągu osobowego Os1234");
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[3], "Demo Południe\t-\t\t08:00\t1");
    EXPECT_TRUE(h.dialogs.Messages().empty());
}

TEST_F(TimetableTest, MissingTimetableIsReportedAndClosesTheWindow) {
    h.window->LoadScenery(test::DemoScenery());
    Timetable().show();
    Timetable().ShowTimetable("Os1234");
    // The name is taken as it is: no other letter case is tried.
    Timetable().ShowTimetable("os1234");
    ASSERT_EQ(h.dialogs.Messages().size(), 1u);
    const auto& message = h.dialogs.Messages()[0];
    EXPECT_EQ(message.text,
              "Nie odnaleziono rozkładu dla pociągu os1234\n\rRozkładu spodziewano "
              "się w: " +
                  DemoFolder() + "os1234.txt");
    EXPECT_EQ(message.caption, "Brak rozkładu");
    EXPECT_EQ(message.icon, MessageIcon::Error);
    EXPECT_FALSE(Timetable().isVisible());
    EXPECT_EQ(Timetable().windowTitle(), "Rozkład dla Os1234");
    EXPECT_TRUE(Timetable().Lines().isEmpty());
}

TEST_F(TimetableTest, PolishNamesFindTimetablesInEitherEncoding) {
    const std::string scenery = h.dir.Write("s/a.scn", test::CrLf({"FirstInit"}));
    h.dir.Write(
        "s/\xA3\xF3"
        "d\x9F.txt",
        "z Windows\r\n");
    h.dir.Write("s/Żary.txt", "tutaj\n");
    h.window->LoadScenery(scenery);
    Timetable().ShowTimetable(
        "\xA3\xF3"
        "d\x9F");
    EXPECT_EQ(Timetable().Lines(), QStringList{"z Windows"});
    EXPECT_EQ(Timetable().windowTitle(), "Rozkład dla Łódź");
    Timetable().ShowTimetable(
        "\xAF"
        "ary");
    EXPECT_EQ(Timetable().Lines(), QStringList{"tutaj"});
    EXPECT_TRUE(h.dialogs.Messages().empty());
}

TEST_F(TimetableTest, NamesThatLeaveTheSceneryFolderAreRefused) {
    const std::string scenery = h.dir.Write("s/a.scn", test::CrLf({"FirstInit"}));
    h.dir.Write("poza.txt", "spoza folderu\n");
    h.dir.Write("s/podfolder/x.txt", "w podfolderze\n");
    h.window->LoadScenery(scenery);
    for (const char* name : {"../poza", "podfolder/x", "..", "/etc/hostname"}) {
        h.dialogs.Messages().clear();
        Timetable().show();
        Timetable().ShowTimetable(name);
        ASSERT_EQ(h.dialogs.Messages().size(), 1u) << name;
        EXPECT_EQ(h.dialogs.Messages()[0].text,
                  std::string("Nazwa pociągu ") + name +
                      " zawiera \"/\" lub \"..\", a rozkład może leżeć tylko w folderze "
                      "scenerii: " +
                      FolderPart(scenery))
            << name;
        EXPECT_EQ(h.dialogs.Messages()[0].caption, "Brak rozkładu");
        EXPECT_TRUE(Timetable().Lines().isEmpty()) << name;
        EXPECT_FALSE(Timetable().isVisible()) << name;
    }
}

// The timetable viewer with Qt's own dialogs, as the user sees them.
class TimetableDialogTest : public ::testing::Test {
  protected:
    TTimeTableForm& Timetable() { return *h.window->findChild<TTimeTableForm*>(); }

    LauncherHarness h{"", test::Dialogs::Real};
};

TEST_F(TimetableDialogTest, NameLeadingOutOfTheFolderIsRefusedInAMessageBox) {
    const std::string scenery = h.dir.Write("s/a.scn", test::CrLf({"FirstInit"}));
    h.dir.Write("poza.txt", "spoza folderu\n");
    h.window->LoadScenery(scenery);
    Timetable().show();
    std::optional<test::ShownMessage> shown;
    test::AnswerMessageBox(h.window.get(), shown);
    Timetable().ShowTimetable("../poza");
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->title, "Brak rozkładu");
    EXPECT_EQ(shown->icon, QMessageBox::Critical);
    EXPECT_TRUE(shown->text.startsWith("Nazwa pociągu ../poza zawiera \"/\" lub \"..\""));
    EXPECT_FALSE(Timetable().isVisible());
    EXPECT_TRUE(Timetable().Lines().isEmpty());
}

TEST_F(TimetableDialogTest, PrintThatCannotStartIsReportedInAMessageBox) {
    h.window->LoadScenery(test::DemoScenery());
    Timetable().ShowTimetable("Os1234");
    const std::filesystem::path folder = h.dir.Path() / "wydruki";
    std::filesystem::create_directory(folder);
    const QString pdf = QString::fromStdString((folder / "rozklad.pdf").string());
    test::WhenModalOf<QPrintDialog>(h.window.get(), [&](QPrintDialog& dialog) {
        // Printing to a file is the last choice, after the printers.
        auto& printers = *dialog.findChild<QComboBox*>("printers");
        printers.setCurrentIndex(printers.count() - 1);
        dialog.findChild<QLineEdit*>("filename")->setText(pdf);
        // The dialog makes sure the file can be written; the folder goes once it has closed.
        QObject::connect(&dialog, &QDialog::accepted,
                         [&folder] { std::filesystem::remove_all(folder); });
        dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    std::optional<test::ShownMessage> shown;
    test::AnswerMessageBox(h.window.get(), shown);
    Timetable().findChild<QToolButton*>("PrintButton")->click();
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->title, "Błąd");
    EXPECT_EQ(shown->icon, QMessageBox::Critical);
    EXPECT_EQ(shown->text, "Nie można rozpocząć drukowania rozkładu do pliku " + pdf + ".");
}

TEST(ExpandTabsTest, TabsGoToTheNextStopOfEight) {
    EXPECT_EQ(ExpandTabs("a\tb"), "a       b");
    EXPECT_EQ(ExpandTabs("\tb"), QString(8, ' ') + "b");
    EXPECT_EQ(ExpandTabs("1234567\tb"), "1234567 b");
    EXPECT_EQ(ExpandTabs("12345678\t\tb"), "12345678" + QString(16, ' ') + "b");
    EXPECT_EQ(ExpandTabs("bez"), "bez");
}

TEST(TimetablePageTest, CaptionLinesAndBannerOnOnePage) {
    const QStringList lines{"a\tb", "drugi", "trzeci"};
    // Room for the lines starting at 250 and 286, not the one at 322.
    const std::vector<PrintedText> page = TimetablePage("Rozkład dla X", lines, 300);
    ASSERT_EQ(page.size(), 4u);
    EXPECT_EQ(page[0].text, "Rozkład dla X");
    EXPECT_EQ(page[0].position, QPoint(100, 100));
    EXPECT_EQ(page[0].font.family(), "Arial");
    EXPECT_EQ(page[0].font.pointSize(), 14);
    EXPECT_TRUE(page[0].font.bold());
    EXPECT_EQ(page[1].text, "a       b");
    EXPECT_EQ(page[1].position, QPoint(5, 250));
    EXPECT_EQ(page[1].font.family(), "Courier");
    EXPECT_EQ(page[1].font.pointSize(), 8);
    EXPECT_FALSE(page[1].font.bold());
    EXPECT_TRUE(page[1].font.fixedPitch());
    EXPECT_EQ(page[2].position, QPoint(5, 286));
    EXPECT_EQ(page[3].position, QPoint(5, 5));
    EXPECT_EQ(page[3].font.pointSize(), 6);
    EXPECT_TRUE(page[3].text.startsWith("Tarvik Track Viewer"));
}

TEST_F(TimetableTest, PrintsEveryCopyIntoThePdf) {
    h.window->LoadScenery(test::DemoScenery());
    Timetable().ShowTimetable("Os1234");
    const std::string pdf = (h.dir.Path() / "rozklad.pdf").string();

    h.dialogs.printAnswers.push_back(std::nullopt);
    Timetable().PrintTimetable();
    EXPECT_EQ(h.dialogs.printRequests, 1);
    EXPECT_FALSE(std::filesystem::exists(pdf));

    h.dialogs.printAnswers.push_back(test::ScriptedViewerDialogs::PrintAnswer{pdf, 2});
    Timetable().PrintTimetable();
    ASSERT_TRUE(std::filesystem::exists(pdf));
    EXPECT_EQ(PdfPages(pdf), 2);
}

TEST_F(TimetableTest, PrintThatCannotStartIsReported) {
    h.window->LoadScenery(test::DemoScenery());
    Timetable().ShowTimetable("Os1234");
    const std::string pdf = (h.dir.Path() / "brak/rozklad.pdf").string();
    h.dialogs.printAnswers.push_back(test::ScriptedViewerDialogs::PrintAnswer{pdf, 1});
    Timetable().PrintTimetable();
    ASSERT_EQ(h.dialogs.Messages().size(), 1u);
    EXPECT_EQ(h.dialogs.Messages()[0].text,
              "Nie można rozpocząć drukowania rozkładu do pliku " + pdf + ".");
    EXPECT_EQ(h.dialogs.Messages()[0].caption, "Błąd");
    EXPECT_EQ(h.dialogs.Messages()[0].icon, MessageIcon::Error);
    EXPECT_FALSE(std::filesystem::exists(pdf));
}

}  // namespace
}  // namespace tarvik
