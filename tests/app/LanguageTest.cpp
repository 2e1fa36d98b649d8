#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "GoToDialog.h"
#include "MainWindow.h"
#include "ProgramTranslator.h"
#include "ScriptedViewerDialogs.h"
#include "UiLanguage.h"
#include "WorkModeForm.h"

namespace tarvik {
namespace {

// The locale variables of the environment, set for the object's life.
class LocaleEnvironment {
  public:
    explicit LocaleEnvironment(const char* lang) {
        for (const char* name : kNames) {
            const char* value = std::getenv(name);
            saved_.push_back(value ? std::optional<std::string>(value) : std::nullopt);
            unsetenv(name);
        }
        setenv("LANG", lang, 1);
    }
    ~LocaleEnvironment() {
        for (std::size_t i = 0; i < saved_.size(); ++i) {
            if (saved_[i]) {
                setenv(kNames[i], saved_[i]->c_str(), 1);
            } else {
                unsetenv(kNames[i]);
            }
        }
    }

  private:
    static constexpr const char* kNames[] = {"LC_ALL", "LC_MESSAGES", "LANG"};
    std::vector<std::optional<std::string>> saved_;
};

class LanguageTest : public ::testing::Test {
  protected:
    std::unique_ptr<TForm1> Start() {
        store = std::make_unique<SettingsStore>(
            QString::fromStdString((dir.Path() / "Zorvan.conf").string()));
        auto window = std::make_unique<TForm1>(dialogs, files, *store, nullptr);
        window->show();
        window->FinishStartup();
        return window;
    }
    std::string OneTrack() const {
        test::PieceSpec piece;
        piece.x2 = 1000;
        return dir.Write("s.scn", test::TrackNode(piece));
    }
    static QStringList MenuTitles(const TForm1& w) {
        QStringList titles;
        for (const QAction* menu : w.menuBar()->actions())
            titles << menu->text();
        return titles;
    }
    static QStringList Items(const QMenu& menu) {
        QStringList texts;
        for (const QAction* item : menu.actions())
            texts << item->text();
        return texts;
    }

    test::TempDir dir;
    test::ScriptedViewerDialogs dialogs;
    PosixFileSystem files;
    std::unique_ptr<SettingsStore> store;
};

const QStringList kPolishMenus{"Plik", "Narzędzia", "Okna", "Opcje", "Pomoc"};
const QStringList kEnglishMenus{"File", "Tools", "Windows", "Options", "Help"};

// English from the system's locale: every window of the program speaks it, from the menus,
// their hints and the status line to the dialogs and message boxes.
TEST_F(LanguageTest, AnEnglishLocaleGivesEnglishWindows) {
    const LocaleEnvironment locale("en_US.UTF-8");
    const ProgramTranslator texts(ResolveLanguage(LanguageChoice::System));
    ASSERT_EQ(texts.Language(), UiLanguage::English)
        << "no translation in " << texts.Folder().toStdString();
    auto w = Start();
    EXPECT_EQ(MenuTitles(*w), kEnglishMenus);
    auto* open = w->findChild<QAction*>("OpenMenuItem");
    EXPECT_EQ(open->text(), "Load scenery file...\tCtrl+O");
    EXPECT_EQ(open->statusTip(), "Load scenery file (Ctrl+O)");
    auto* language = w->findChild<QMenu*>("LanguageMenu");
    EXPECT_EQ(language->title(), "Language");
    EXPECT_EQ(Items(*language), (QStringList{"Polski", "English", "System"}));
    EXPECT_EQ(language->menuAction()->statusTip(), "A new language takes effect at the next start");
    EXPECT_TRUE(w->findChild<QAction*>("LanguageSystem")->isChecked());

    // A message box and the status line.
    const std::string missing = (dir.Path() / "none.scn").string();
    w->LoadScenery(missing);
    ASSERT_FALSE(dialogs.Messages().empty());
    EXPECT_EQ(dialogs.Messages().back().text, "The file " + missing + " does not exist!");
    EXPECT_EQ(dialogs.Messages().back().caption, "File missing");
    w->LoadScenery(OneTrack());
    EXPECT_TRUE(w->StatusText().startsWith("Load+Optimise+Draw: "))
        << w->StatusText().toStdString();

    // The work-mode dialog and its help.
    TWorkModeForm& mode = *w->Tools().workMode;
    EXPECT_EQ(mode.windowTitle(), "Work mode");
    QTest::mouseClick(mode.findChild<QPushButton*>("BitBtn3"), Qt::LeftButton);
    EXPECT_EQ(dialogs.Messages().back().caption, "Help on choosing the mode");
    EXPECT_EQ(dialogs.Messages().back().text.rfind("CHOOSING THE MODE:\r", 0), 0u);

    // The go-to dialog with the prompt that the window gives it.
    QTest::keyRelease(w.get(), Qt::Key_G, Qt::ControlModifier);
    ASSERT_EQ(dialogs.goToRequests.size(), 1u);
    EXPECT_EQ(dialogs.goToRequests[0].prompt, "Coordinates x z in the scenery's axes:");
    GoToRequest request{.prompt = dialogs.goToRequests[0].prompt, .names = {}, .check = {}};
    const GoToDialog goTo(request, w.get());
    EXPECT_EQ(goTo.windowTitle(), "Go to");
    QStringList buttons;
    for (const QPushButton* b : goTo.findChildren<QPushButton*>())
        buttons << b->text();
    buttons.sort();
    EXPECT_EQ(buttons, (QStringList{"Cancel", "OK"}));
}

// A Polish locale, and the C locale whose users get the program as written, keep it Polish.
TEST_F(LanguageTest, APolishOrCLocaleKeepsThePolishTexts) {
    for (const char* lang : {"pl_PL.UTF-8", "C"}) {
        const LocaleEnvironment locale(lang);
        const ProgramTranslator texts(ResolveLanguage(LanguageChoice::System));
        EXPECT_EQ(texts.Language(), UiLanguage::Polish) << lang;
        auto w = Start();
        EXPECT_EQ(MenuTitles(*w), kPolishMenus) << lang;
        auto* language = w->findChild<QMenu*>("LanguageMenu");
        EXPECT_EQ(language->title(), "Język");
        EXPECT_EQ(Items(*language), (QStringList{"Polski", "English", "Systemowy"}));
        EXPECT_EQ(w->findChild<QAction*>("LanguageEnglish")->statusTip(),
                  "Zmiana języka działa od następnego uruchomienia programu");
        EXPECT_EQ(w->Tools().workMode->windowTitle(), "Tryb pracy");
        const std::string missing = (dir.Path() / "brak.scn").string();
        w->LoadScenery(missing);
        EXPECT_EQ(dialogs.Messages().back().text, "Plik o nazwie " + missing + " nie istnieje!");
        w->LoadScenery(OneTrack());
        EXPECT_TRUE(w->StatusText().startsWith("Wczyt.+Optymaliz.+Rys.: ")) << lang;
    }
}

// The choice in the menu is stored; the texts change at the next start, when the stored
// choice beats the locale.
TEST_F(LanguageTest, TheChosenLanguageIsStoredForTheNextStart) {
    const LocaleEnvironment locale("pl_PL.UTF-8");
    {
        auto w = Start();
        w->findChild<QAction*>("LanguageEnglish")->trigger();
        EXPECT_EQ(MenuTitles(*w), kPolishMenus);
        w->close();
    }
    QSettings stored(store->Path(), QSettings::IniFormat);
    EXPECT_EQ(stored.value("Interface/Language").toString(), "en");
    const ProgramTranslator texts(ResolveLanguage(ReadLanguageChoice(*store)));
    EXPECT_EQ(texts.Language(), UiLanguage::English);
    auto w = Start();
    EXPECT_EQ(MenuTitles(*w), kEnglishMenus);
    EXPECT_TRUE(w->findChild<QAction*>("LanguageEnglish")->isChecked());
}

}  // namespace
}  // namespace tarvik
