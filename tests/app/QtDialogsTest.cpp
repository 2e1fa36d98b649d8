// The viewer's dialogs as the user meets them: Qt's real widgets, driven with keys.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPrinter>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <ostream>

#include "EditSourceForm.h"
#include "MainWindow.h"
#include "QtTranslations.h"
#include "QtViewerDialogs.h"
#include "RunSimForm.h"
#include "TestSupport.h"
#include "WhenModal.h"

inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace tarvik {
namespace {

using test::WhenModal;

std::string Bytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

QStringList ComboTexts(const QComboBox& combo) {
    QStringList texts;
    for (int i = 0; i < combo.count(); ++i)
        texts << combo.itemText(i);
    return texts;
}

QStringList ButtonTexts(const QWidget& dialog) {
    QStringList texts;
    for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) {
        if (button->isVisible() && !button->text().isEmpty()) texts << button->text();
    }
    texts.sort();
    return texts;
}

// Acts on the next modal message box, as the overwrite question inside the file dialog.
void WhenMessageBox(std::function<void(QMessageBox*)> act) {
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        timer->stop();
        timer->deleteLater();
        act(box);
    });
    timer->start();
}

// The names the dialog lists in its folder, once the folder has been read.
QStringList Listed(QFileDialog* dialog, int atLeast) {
    auto* view = dialog->findChild<QListView*>("listView");
    QStringList names;
    for (int attempt = 0; attempt < 200; ++attempt) {
        names.clear();
        const QModelIndex root = view->rootIndex();
        for (int row = 0; row < view->model()->rowCount(root); ++row)
            names << view->model()->index(row, 0, root).data().toString();
        if (names.size() >= atLeast) break;
        QTest::qWait(10);
    }
    names.sort();
    return names;
}

QComboBox* Filters(QWidget* dialog) {
    return dialog->findChild<QComboBox*>("fileTypeCombo");
}

// Picks the next filter entry with the arrow key, as a user does.
void NextFilter(QWidget* dialog) {
    QTest::keyClick(Filters(dialog), Qt::Key_Down);
}

// Types a name over the dialog's name field and presses Enter.
void Type(QWidget* dialog, const QString& name) {
    auto* field = dialog->findChild<QLineEdit*>("fileNameEdit");
    QApplication::setActiveWindow(dialog);
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, name);
    QTest::keyClick(field, Qt::Key_Return);
}

// Acts on the next file dialog of the given name; a dialog that act leaves open is a failure,
// and is closed.
void WhenFileDialog(const char* name, std::function<void(QFileDialog*)> act) {
    WhenModal(name, [act](QWidget* dialog) {
        auto* files = static_cast<QFileDialog*>(dialog);
        act(files);
        if (!files->isVisible()) return;
        ADD_FAILURE() << "the file dialog stayed open";
        files->reject();
    });
}

// The main window with the dialogs the viewer shows, Qt's texts in Polish, on a settings file
// that holds settingsText.
class QtDialogsTest : public ::testing::Test {
  protected:
    void Start(const std::string& settingsText = "") {
        window.reset();
        store = std::make_unique<SettingsStore>(
            QString::fromStdString(dir.Write("Zorvan.conf", settingsText)));
        window = std::make_unique<TForm1>(dialogs, files, *store);
        dialogs.SetParent(window.get());
        window->resize(640, 480);
        window->show();
        window->FinishStartup();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    void LoadScenery() {
        test::PieceSpec piece;
        piece.x2 = 1000;
        window->LoadScenery(dir.Write("s.scn", test::TrackNode(piece)));
    }
    // Saves the map through the dialog, in which act chooses, at the default size.
    void SavePicture(const std::function<void(QFileDialog*)>& act) {
        WhenFileDialog("SaveFileDialog", act);
        WhenModal("PicSizeForm", [](QWidget* form) { QTest::keyClick(form, Qt::Key_Return); });
        QTest::keyRelease(window.get(), Qt::Key_S, Qt::ControlModifier);
    }
    std::string Out(const char* name) const { return (dir.Path() / name).string(); }
    QString OutQ(const char* name) const { return QString::fromStdString(Out(name)); }

    test::TempDir dir;
    const QtTranslations polish;
    QtViewerDialogs dialogs;
    PosixFileSystem files;
    std::unique_ptr<SettingsStore> store;
    std::unique_ptr<TForm1> window;
};

TEST_F(QtDialogsTest, ThePictureTakesTheChosenFormatAndItsExtension) {
    Start();
    LoadScenery();
    SavePicture([this](QFileDialog* d) {
        EXPECT_EQ(d->windowTitle(), "Zapisz mapę jako...");
        EXPECT_EQ(ComboTexts(*Filters(d)),
                  (QStringList{"Bitmapa (*.bmp)", "Format GIF (*.gif)", "Format JPEG (*.jpg)",
                               "Format PNG (*.png)", "Grafika wektorowa SVG (*.svg)",
                               "Dokument PDF (*.pdf)"}));
        d->setDirectory(OutQ(""));
        NextFilter(d);
        Type(d, "mapa");
    });
    EXPECT_EQ(Bytes(Out("mapa.gif")).substr(0, 3), "GIF");
    EXPECT_EQ(QImage(OutQ("mapa.gif")).size(), QSize(800, 600));

    SavePicture([this](QFileDialog* d) {
        d->setDirectory(OutQ(""));
        NextFilter(d);
        NextFilter(d);
        Type(d, "zdjecie");
    });
    EXPECT_EQ(Bytes(Out("zdjecie.jpg")).substr(0, 2), "\xFF\xD8");

    // The vector entries follow, each with its extension.
    SavePicture([this](QFileDialog* d) {
        d->setDirectory(OutQ(""));
        for (int i = 0; i < 4; ++i)
            NextFilter(d);
        Type(d, "plan");
    });
    EXPECT_NE(Bytes(Out("plan.svg")).find("<svg width=\"800\" height=\"600\""), std::string::npos);
    SavePicture([this](QFileDialog* d) {
        d->setDirectory(OutQ(""));
        for (int i = 0; i < 5; ++i)
            NextFilter(d);
        Type(d, "plan");
    });
    EXPECT_EQ(Bytes(Out("plan.pdf")).substr(0, 5), "%PDF-");

    // A name with any extension is taken as typed, in the chosen format.
    SavePicture([this](QFileDialog* d) {
        d->setDirectory(OutQ(""));
        NextFilter(d);
        Type(d, "mapa.v2");
    });
    EXPECT_EQ(Bytes(Out("mapa.v2")).substr(0, 3), "GIF");
}

TEST_F(QtDialogsTest, TheOpenDialogListsSceneryPartsInTheLoadedSceneryFolder) {
    Start();
    LoadScenery();
    test::PieceSpec piece;
    piece.z2 = 500;
    const std::string part = dir.Write("czesc.scm", test::TrackNode(piece));
    dir.Write("TORY.INC", "");
    dir.Write("opis.txt", "");
    WhenFileDialog("OpenFileDialog", [this](QFileDialog* d) {
        EXPECT_EQ(d->directory().absolutePath(), QString::fromStdString(dir.Path().string()));
        EXPECT_EQ(ComboTexts(*Filters(d)),
                  (QStringList{"Plik scenerii (*.scn)", "Wszystkie pliki (*.*)",
                               "Części scenerii (*.scm;*.inc)"}));
        EXPECT_EQ(Listed(d, 1), QStringList{"s.scn"});
        NextFilter(d);
        NextFilter(d);
        EXPECT_EQ(Listed(d, 2), (QStringList{"TORY.INC", "czesc.scm"}));
        Type(d, "czesc.scm");
    });
    QTest::keyRelease(window.get(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(window->SceneryShortPath(), part);
}

TEST_F(QtDialogsTest, AnExistingPictureIsConfirmedUnderItsCompletedName) {
    Start();
    LoadScenery();
    std::ofstream(Out("mapa.gif")) << "old";
    QString question;
    SavePicture([&](QFileDialog* d) {
        d->setDirectory(OutQ(""));
        NextFilter(d);
        // "No" first: the dialog stays for another name.
        WhenMessageBox([&](QMessageBox* box) {
            question = box->text();
            EXPECT_EQ(ButtonTexts(*box), (QStringList{"&Nie", "&Tak"}));
            box->button(QMessageBox::No)->click();
        });
        Type(d, "mapa");
        EXPECT_TRUE(d->isVisible());
        WhenMessageBox([](QMessageBox* box) { box->button(QMessageBox::Yes)->click(); });
        Type(d, "mapa");
    });
    EXPECT_TRUE(question.startsWith("mapa.gif")) << question.toStdString();
    EXPECT_EQ(Bytes(Out("mapa.gif")).substr(0, 3), "GIF");
}

TEST_F(QtDialogsTest, ATypedPictureNameFollowsTheChosenEntryUnlessItsExtensionIsToDecide) {
    // Told to follow the entry, BMP, shown first, writes a typed ".gif" name as a bitmap.
    Start("[General]\nSaveFormatFromExtension=0\n");
    LoadScenery();
    SavePicture([this](QFileDialog* d) { Type(d, OutQ("mapa.gif")); });
    EXPECT_EQ(Bytes(Out("mapa.gif")).substr(0, 2), "BM");

    window->close();
    Start();
    LoadScenery();
    SavePicture([this](QFileDialog* d) { Type(d, OutQ("mapa2.gif")); });
    EXPECT_EQ(Bytes(Out("mapa2.gif")).substr(0, 3), "GIF");
    // The extension picks the format in any letter case; a name without one takes the entry.
    SavePicture([this](QFileDialog* d) {
        NextFilter(d);
        Type(d, OutQ("mapa.JPEG"));
    });
    EXPECT_EQ(Bytes(Out("mapa.JPEG")).substr(0, 2), "\xFF\xD8");
    SavePicture([this](QFileDialog* d) {
        NextFilter(d);
        Type(d, OutQ("bez"));
    });
    EXPECT_EQ(Bytes(Out("bez.gif")).substr(0, 3), "GIF");
}

TEST_F(QtDialogsTest, TheSimulatorIsChosenAmongWindowsProgramsOrThoseOfThisSystem) {
    Start();
    for (const char* name : {"eu07.exe", "inny.exe", "symulator", "opis.txt"})
        dir.Write(std::string("sim/") + name, "#!/bin/sh\n");
    std::filesystem::permissions(dir.Path() / "sim/symulator", std::filesystem::perms::owner_all);
    auto& launcher = *window->findChild<TRunSimForm*>();
    launcher.show();
    auto* browse = launcher.findChild<QAbstractButton*>("BrowseButton");
    auto* path = launcher.findChild<QLineEdit*>("RunPathEdit");
    const QString folder = OutQ("sim");

    WhenFileDialog("OpenFileDialog", [&](QFileDialog* d) {
        EXPECT_EQ(d->windowTitle(), "Wskaż plik programu symulatora");
        EXPECT_EQ(
            ComboTexts(*Filters(d)),
            (QStringList{"Plik programu (*.exe)", "Programy wykonywalne", "Wszystkie pliki (*)"}));
        EXPECT_EQ(d->findChild<QLineEdit*>("fileNameEdit")->text(), "eu07.exe");
        d->setDirectory(folder);
        EXPECT_EQ(Listed(d, 2), (QStringList{"eu07.exe", "inny.exe"}));
        NextFilter(d);
        EXPECT_EQ(Listed(d, 1), QStringList{"symulator"});
        NextFilter(d);
        EXPECT_EQ(Listed(d, 4), (QStringList{"eu07.exe", "inny.exe", "opis.txt", "symulator"}));
        // The program of this system is taken as it is named, without ".exe".
        QTest::keyClick(Filters(d), Qt::Key_Up);
        Type(d, "symulator");
    });
    browse->click();
    EXPECT_EQ(path->text(), folder + "/symulator");

    // With the Windows programs listed, ".exe" completes a typed name.
    WhenFileDialog("OpenFileDialog", [&](QFileDialog* d) {
        d->setDirectory(folder);
        Type(d, "inny");
    });
    browse->click();
    EXPECT_EQ(path->text(), folder + "/inny.exe");
}

TEST_F(QtDialogsTest, TheEditorIsChosenAmongWindowsProgramsOrThoseOfThisSystem) {
    Start();
    for (const char* name : {"ed.exe", "ED2.COM", "vi", "opis.txt"})
        dir.Write(std::string("bin/") + name, "#!/bin/sh\n");
    std::filesystem::permissions(dir.Path() / "bin/vi", std::filesystem::perms::owner_all);
    auto& editors = *window->findChild<TEditSourceForm*>();
    WhenModal("EditSourceForm", [&](QWidget* form) {
        form->findChild<QLineEdit*>("EditorName")->setText("Edytor");
        WhenFileDialog("OpenFileDialog", [&](QFileDialog* d) {
            EXPECT_EQ(d->windowTitle(), "Wybierz edytor tekstowy...");
            // All files are listed by one entry only.
            EXPECT_EQ(ComboTexts(*Filters(d)),
                      (QStringList{"Programy (*.exe; *.com)", "Wszystkie pliki (*.*)",
                                   "Programy wykonywalne"}));
            EXPECT_EQ(d->findChild<QLineEdit*>("fileNameEdit")->text(), "");
            d->setDirectory(OutQ("bin"));
            EXPECT_EQ(Listed(d, 2), (QStringList{"ED2.COM", "ed.exe"}));
            NextFilter(d);
            NextFilter(d);
            EXPECT_EQ(Listed(d, 1), QStringList{"vi"});
            Type(d, "vi");
        });
        form->findChild<QAbstractButton*>("BrowseButton")->click();
        EXPECT_EQ(form->findChild<QLineEdit*>("ExeEdit")->text(), OutQ("bin/vi"));

        WhenFileDialog("OpenFileDialog", [&](QFileDialog* d) {
            d->setDirectory(OutQ("bin"));
            Type(d, "ed");
        });
        form->findChild<QAbstractButton*>("BrowseButton")->click();
        EXPECT_EQ(form->findChild<QLineEdit*>("ExeEdit")->text(), OutQ("bin/ed.exe"));
        form->close();
    });
    editors.exec();
}

// The go-to dialog completes names in any letter case, keeps a text that leads nowhere with
// the reason under it, and closes with one that leads somewhere.
TEST_F(QtDialogsTest, TheGoToDialogTellsWhyItStaysOpenAndCompletesTrackNames) {
    Start();
    GoToRequest request;
    request.prompt = "Dokąd?";
    request.names = {"tor_b", "Tor_A", "zwr", "łódź"};
    std::vector<std::string> checked;
    request.check = [&checked](const std::string& text) {
        checked.push_back(text);
        return text == "1,5 2" ? std::string() : "Nie ma takiego miejsca.";
    };
    bool seen = false;
    WhenModal("GoToDialog", [&seen](QWidget* dialog) {
        seen = true;
        EXPECT_EQ(dialog->windowTitle(), "Przejdź do");
        EXPECT_EQ(dialog->findChild<QLabel*>("GoToPrompt")->text(), "Dokąd?");
        auto* edit = dialog->findChild<QLineEdit*>("GoToText");
        auto* message = dialog->findChild<QLabel*>("GoToMessage");
        EXPECT_FALSE(message->isVisible());
        QApplication::setActiveWindow(dialog);
        edit->setFocus();
        QTest::keyClicks(edit, "TO");
        QCompleter* completer = edit->completer();
        ASSERT_NE(completer, nullptr);
        QStringList offered;
        for (int row = 0; completer->setCurrentRow(row); ++row)
            offered << completer->currentCompletion();
        EXPECT_EQ(offered, (QStringList{"Tor_A", "tor_b"}));
        QTest::keyClicks(edit, "r_b");
        completer->popup()->hide();
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_TRUE(message->isVisible());
        EXPECT_EQ(message->text(), "Nie ma takiego miejsca.");
        EXPECT_EQ(edit->selectedText(), "TOr_b");
        // Typing replaces the chosen text.
        QTest::keyClicks(edit, "1,5 2");
        QTest::keyClick(edit, Qt::Key_Return);
    });
    EXPECT_EQ(dialogs.GoTo(request), std::optional<std::string>("1,5 2"));
    EXPECT_TRUE(seen);
    EXPECT_EQ(checked, (std::vector<std::string>{"TOr_b", "1,5 2"}));

    WhenModal("GoToDialog", [](QWidget* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); });
    EXPECT_EQ(dialogs.GoTo(request), std::nullopt);
    EXPECT_EQ(checked.size(), 2u);
}

TEST_F(QtDialogsTest, QtsOwnTextsArePolish) {
    Start();
    ASSERT_TRUE(polish.Installed());
    const auto buttons = [this](MessageButtons set) {
        QStringList texts;
        WhenModal("MessageBox", [&texts](QWidget* box) {
            texts = ButtonTexts(*box);
            QTest::keyClick(box, Qt::Key_Escape);
        });
        dialogs.MessageBox("?", "Pytanie", MessageIcon::Question, set);
        return texts;
    };
    EXPECT_EQ(buttons(MessageButtons::YesNo), (QStringList{"&Nie", "&Tak"}));
    EXPECT_EQ(buttons(MessageButtons::Ok), QStringList{"OK"});
    // As the runaway message names them.
    EXPECT_EQ(buttons(MessageButtons::AbortRetryIgnore),
              (QStringList{"Ignoruj", "Ponów", "Przerwij"}));

    WhenFileDialog("OpenFileDialog", [](QFileDialog* d) {
        const QStringList texts = ButtonTexts(*d);
        EXPECT_TRUE(texts.contains("Anuluj")) << texts.join('|').toStdString();
        EXPECT_TRUE(texts.contains("&Otwórz")) << texts.join('|').toStdString();
        EXPECT_EQ(d->findChild<QLabel*>("fileNameLabel")->text(), "Nazwa &pliku:");
        EXPECT_EQ(d->findChild<QLabel*>("fileTypeLabel")->text(), "Pliki rodzaju:");
        d->reject();
    });
    OpenFileRequest request;
    request.title = "Wybierz plik scenerii";
    request.filter = "Plik scenerii (*.scn)|*.scn";
    EXPECT_FALSE(dialogs.OpenFileName(request));

    bool colourShown = false;
    WhenModal("ColorDialog", [&colourShown](QWidget* colour) {
        colourShown = true;
        EXPECT_EQ(colour->windowTitle(), "Wybierz kolor");
        EXPECT_TRUE(ButtonTexts(*colour).contains("Anuluj"));
        static_cast<QDialog*>(colour)->reject();
    });
    EXPECT_FALSE(dialogs.ChooseColor(0x00FF00));
    EXPECT_TRUE(colourShown);

    QStringList printTexts;
    WhenModal("PrintDialog", [&printTexts](QWidget* print) {
        printTexts = ButtonTexts(*print);
        printTexts.prepend(print->windowTitle());
        static_cast<QDialog*>(print)->reject();
    });
    QPrinter printer;
    EXPECT_FALSE(dialogs.PrintDialog(printer));
    ASSERT_FALSE(printTexts.isEmpty());
    EXPECT_EQ(printTexts.front(), "Drukowanie");
    EXPECT_TRUE(printTexts.contains("Anuluj")) << printTexts.join('|').toStdString();
}

}  // namespace
}  // namespace tarvik
