#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QProcess>
#include <QSet>
#include <QSlider>
#include <QSpinBox>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <filesystem>
#include <fstream>
#include <functional>
#include <regex>

#include "MainWindow.h"
#include "MapWidget.h"
#include "MiniMapForm.h"
#include "PaintMap.h"
#include "PictureLikeness.h"
#include "SceneryProperytyForm.h"
#include "ScriptedViewerDialogs.h"
#include "WhenModal.h"

namespace tarvik {
namespace {

using test::WhenModal;

void SetSize(QWidget* form, const QString& width, const QString& height) {
    auto* w = form->findChild<QSpinBox*>("SpinEdit1");
    auto* h = form->findChild<QSpinBox*>("SpinEdit2");
    EXPECT_EQ(w->value(), 800);
    EXPECT_EQ(h->value(), 600);
    w->findChild<QLineEdit*>()->setText(width);
    h->findChild<QLineEdit*>()->setText(height);
    form->close();
}

std::string Bytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class ExportTest : public ::testing::Test {
  protected:
    ExportTest() : window(dialogs, files, store) {
        window.resize(640, 480);
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        scenery = dir.Write("s.scn", test::TrackNode([] {
                                         test::PieceSpec p;
                                         p.x2 = 1000;
                                         p.extraLines = {"velocity 60"};
                                         return p;
                                     }()) +
                                         test::TrackNode([] {
                                             test::PieceSpec p;
                                             p.z1 = p.z2 = 400;
                                             p.x2 = 3000;
                                             p.extraLines = {"velocity 100"};
                                             return p;
                                         }()));
        window.LoadScenery(scenery);
    }
    QAction* Action(const char* name) { return window.findChild<QAction*>(name); }
    std::string Out(const char* name) const { return (dir.Path() / name).string(); }

    test::TempDir dir;
    test::ScriptedViewerDialogs dialogs;
    PosixFileSystem files;
    // The chosen filter entry decides the format, whatever the name's extension.
    const std::string entryDecides =
        dir.Write("Zorvan.conf", "[General]\nSaveFormatFromExtension=0\n");
    SettingsStore store{QString::fromStdString(entryDecides)};
    TForm1 window;
    std::string scenery;
};

TEST_F(ExportTest, SavesInTheFormatOfTheFilterEntry) {
    EXPECT_TRUE(window.findChild<QToolButton*>("SaveToolButton")->isEnabled());
    dialogs.saveAnswers.push_back({Out("map.bmp"), 2});
    WhenModal("PicSizeForm", [](QWidget* form) { SetSize(form, "800", "600"); });
    QTest::keyRelease(&window, Qt::Key_S, Qt::ControlModifier);
    ASSERT_EQ(dialogs.fileRequests.size(), 1u);
    EXPECT_EQ(dialogs.fileRequests[0].title, "Zapisz mapę jako...");
    EXPECT_EQ(dialogs.fileRequests[0].filter,
              "Bitmapa (*.bmp)|*.bmp|Format GIF (*.gif)|*.gif|Format JPEG (*.jpg)|*.jpg;*.jpeg|"
              "Format PNG (*.png)|*.png|Grafika wektorowa SVG (*.svg)|*.svg|"
              "Dokument PDF (*.pdf)|*.pdf");
    EXPECT_EQ(Bytes(Out("map.bmp")).substr(0, 3), "GIF");
    const QImage saved(QString::fromStdString(Out("map.bmp")));
    EXPECT_EQ(saved.size(), QSize(800, 600));
    // The picture's proportions widen a copy of the view; the window keeps its own.
    const ViewState& v = window.View();
    const QSize map = window.Map().Picture().size();
    EXPECT_NEAR((v.ViewMax.x - v.ViewMin.x) / (v.ViewMax.y - v.ViewMin.y),
                map.width() / static_cast<double>(map.height()), 1e-2);

    // A field without a number counts as 10; a tiny picture is still written.
    dialogs.saveAnswers.push_back({Out("tiny.jpg"), 3});
    WhenModal("PicSizeForm", [](QWidget* form) { SetSize(form, "", "abc"); });
    Action("Zapiszobrazsceneriidopliku1")->trigger();
    EXPECT_EQ(QImage(QString::fromStdString(Out("tiny.jpg"))).size(), QSize(10, 10));
    EXPECT_NE(Bytes(Out("tiny.jpg")).find("\xFF\xC2"), std::string::npos);

    dialogs.saveAnswers.push_back({Out("big.bmp"), 1});
    WhenModal("PicSizeForm", [](QWidget* form) { SetSize(form, "3000", "5"); });
    Action("Zapiszobrazsceneriidopliku1")->trigger();
    EXPECT_EQ(QImage(QString::fromStdString(Out("big.bmp"))).size(), QSize(3000, 10));
    EXPECT_TRUE(dialogs.Messages().empty());

    // Cancelling the save dialog does nothing.
    dialogs.saveAnswers.push_back({std::nullopt, 1});
    Action("Zapiszobrazsceneriidopliku1")->trigger();
    EXPECT_EQ(dialogs.fileRequests.size(), 4u);
}

// Saving, printing and the preview draw the view of the screen in shapes of their own; the
// window's view and scale stay, so the map stays under the pointer and nothing zooms out.
TEST_F(ExportTest, SavingPrintingAndPreviewLeaveTheWindowsView) {
    window.FinishStartup();
    TMiniMapForm& miniMap = *window.Tools().miniMap;
    ASSERT_TRUE(miniMap.isVisible());
    Action("MiniMapOnMap")->trigger();
    ASSERT_TRUE(window.Options().MiniMapOnMap);
    // Laid on unblended, the mini-map shows in the picture pixel for pixel.
    if (window.Options().PaintTransparent) Action("PaintTransparentMenu")->trigger();
    ASSERT_FALSE(window.Options().PaintTransparent);
    window.View() = ViewState{{-2000, -300}, {-1000, -100}, 0};
    window.RedrawMap(RedrawCause::Button);
    const ViewState shown = window.View();
    const QImage miniMapShown = miniMap.Picture();
    const auto expectShown = [&](const char* after) {
        const ViewState& v = window.View();
        EXPECT_EQ(v.ViewMin.x, shown.ViewMin.x) << after;
        EXPECT_EQ(v.ViewMin.y, shown.ViewMin.y) << after;
        EXPECT_EQ(v.ViewMax.x, shown.ViewMax.x) << after;
        EXPECT_EQ(v.ViewMax.y, shown.ViewMax.y) << after;
        EXPECT_EQ(v.MapScale, shown.MapScale) << after;
        EXPECT_EQ(miniMap.Picture(), miniMapShown) << after;
    };

    for (const QSize size : {QSize(900, 300), QSize(400, 1000)}) {
        dialogs.saveAnswers.push_back({Out("shape.bmp"), 1});
        WhenModal("PicSizeForm", [size](QWidget* form) {
            SetSize(form, QString::number(size.width()), QString::number(size.height()));
        });
        Action("Zapiszobrazsceneriidopliku1")->trigger();
        expectShown("save");
        // The picture's mini-map frames the view as the picture shows it.
        ViewState fitted = shown;
        ASSERT_TRUE(FitMap(fitted.ViewMin, fitted.ViewMax, static_cast<std::uint16_t>(size.width()),
                           static_cast<std::uint16_t>(size.height())));
        const QImage framing = miniMap.PictureFraming(fitted);
        EXPECT_NE(framing, miniMapShown);
        const QImage saved =
            QImage(QString::fromStdString(Out("shape.bmp"))).convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(saved.size(), size);
        EXPECT_EQ(saved.copy(size.width() - framing.width(), 15, framing.width(), framing.height()),
                  framing.convertToFormat(QImage::Format_RGB32));
    }

    dialogs.printAnswers.push_back(test::ScriptedViewerDialogs::PrintAnswer{Out("map.pdf"), 1});
    Action("Drukujobrazscenerii1")->trigger();
    ASSERT_FALSE(Bytes(Out("map.pdf")).empty());
    expectShown("print");
    Action("PrintPreviewMenuItem")->trigger();
    expectShown("preview");

    // A click lands where the screen shows the point: Ctrl with the zoom tool centres on it.
    const QPoint pixel(200, 120);
    const double x = pixel.x() / static_cast<double>(shown.MapScale) + shown.ViewMin.x;
    const double y = pixel.y() / static_cast<double>(shown.MapScale) + shown.ViewMin.y;
    QTest::mouseClick(&window.Map(), Qt::LeftButton, Qt::ControlModifier, pixel);
    const ViewState& v = window.View();
    EXPECT_NEAR((v.ViewMin.x + v.ViewMax.x) / 2.0, x, 0.5);
    EXPECT_NEAR((v.ViewMin.y + v.ViewMax.y) / 2.0, y, 0.5);
    EXPECT_NEAR(v.ViewMax.x - v.ViewMin.x, shown.ViewMax.x - shown.ViewMin.x, 0.5);
}

// PNG, SVG and PDF follow the three pixel formats in the filter; the vector ones hold the map
// in paths at the chosen size and look as the PNG of the same map does, banner included.
TEST_F(ExportTest, SavesPngSvgAndPdfOfTheScreensMap) {
    window.FinishStartup();
    Action("LegendOnMap")->trigger();
    Action("MiniMapOnMap")->trigger();
    Action("PaintSpeedLimit")->trigger();
    ASSERT_TRUE(window.Options().LegendOnMap && window.Options().PaintSpeedLimit);
    window.View() = ViewState{{-1500, -450}, {-400, 50}, 0};
    window.RedrawMap(RedrawCause::Button);
    const auto save = [&](const char* name, int entry) {
        dialogs.saveAnswers.push_back({Out(name), entry});
        WhenModal("PicSizeForm", [](QWidget* form) { SetSize(form, "720", "400"); });
        QTest::keyRelease(&window, Qt::Key_S, Qt::ControlModifier);
        EXPECT_EQ(dialogs.saveFilterShown.back(), 1);
    };
    // The chosen entry decides, whatever the name says.
    save("map.bmp", 4);
    save("map.svg.txt", 5);
    save("map.pdf.txt", 6);
    EXPECT_TRUE(dialogs.Messages().empty());
    const QImage png(QString::fromStdString(Out("map.bmp")), "PNG");
    ASSERT_EQ(png.size(), QSize(720, 400));

    const std::string svg = Bytes(Out("map.svg.txt"));
    EXPECT_NE(svg.find("viewBox=\"0 0 720 400\""), std::string::npos);
    EXPECT_EQ(svg.find("<image"), std::string::npos);
    EXPECT_NE(svg.find(">Tarvik Track Viewer "), std::string::npos);
    EXPECT_NE(svg.find(">Droga</text>"), std::string::npos);
    QSvgRenderer renderer(QString::fromStdString(Out("map.svg.txt")));
    ASSERT_TRUE(renderer.isValid());
    QImage fromSvg(png.size(), QImage::Format_RGB32);
    fromSvg.fill(Qt::magenta);
    {
        QPainter p(&fromSvg);
        renderer.render(&p);
    }
    const QRgb green = qRgb(0, 128, 0);
    EXPECT_LT(test::Unlike(png, fromSvg, green), 0.05);

    const std::string pdf = Bytes(Out("map.pdf.txt"));
    EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
    EXPECT_TRUE(std::regex_search(pdf, std::regex(R"(/MediaBox \[0 0 720(\.0+)? 400(\.0+)?\])")));
    EXPECT_EQ(pdf.find("/Subtype /Image"), std::string::npos);
    const QString pdftoppm = QStandardPaths::findExecutable("pdftoppm");
    if (!pdftoppm.isEmpty()) {
        ASSERT_EQ(QProcess::execute(pdftoppm, {"-png", "-r", "72", "-singlefile",
                                               QString::fromStdString(Out("map.pdf.txt")),
                                               QString::fromStdString(Out("page"))}),
                  0);
        const QImage fromPdf(QString::fromStdString(Out("page.png")));
        ASSERT_EQ(fromPdf.size(), png.size());
        EXPECT_LT(test::Unlike(png, fromPdf, green), 0.05);
    }
}

// "Kopiuj mapę" puts the picture the window shows on the clipboard; before a load there is
// none to copy.
TEST(CopyMapTest, CopiesTheShownMapOnKeyRelease) {
    test::TempDir dir;
    test::ScriptedViewerDialogs dialogs;
    PosixFileSystem files;
    SettingsStore store{QString::fromStdString(dir.Write("Zorvan.conf", ""))};
    TForm1 window(dialogs, files, store);
    window.resize(500, 400);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    auto* copy = window.findChild<QAction*>("CopyMap");
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->text(), "Kopiuj mapę\tCtrl+Shift+C");
    // In "Plik", right after the save command.
    auto* file = window.menuBar()->actions().front()->menu();
    ASSERT_TRUE(file);
    const QList<QAction*> items = file->actions();
    const auto at = items.indexOf(copy);
    ASSERT_GT(at, 0);
    EXPECT_EQ(items[at - 1]->objectName(), "Zapiszobrazsceneriidopliku1");

    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText("przed");
    EXPECT_FALSE(copy->isEnabled());
    QTest::keyRelease(&window, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(clipboard->text(), "przed");

    window.LoadScenery(dir.Write("s.scn", test::TrackNode([] {
                                     test::PieceSpec p;
                                     p.x2 = 1000;
                                     return p;
                                 }())));
    EXPECT_TRUE(copy->isEnabled());
    // The press alone does nothing: keys act when they are released.
    QTest::keyPress(&window, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(clipboard->text(), "przed");
    QTest::keyRelease(&window, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    const QImage copied = clipboard->image();
    ASSERT_FALSE(copied.isNull());
    EXPECT_EQ(copied.convertToFormat(QImage::Format_RGB32),
              window.Map().Picture().convertToFormat(QImage::Format_RGB32));
    // Ctrl+C alone is not the command.
    clipboard->setText("po");
    QTest::keyRelease(&window, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard->text(), "po");
}

// The size fields take any number as it is typed, also one above 3000, and pull it into the
// range when they are left.
TEST_F(ExportTest, SizeFieldsPullATypedNumberIntoRangeWhenLeft) {
    dialogs.saveAnswers.push_back({Out("typed.bmp"), 1});
    WhenModal("PicSizeForm", [](QWidget* form) {
        auto* w = form->findChild<QSpinBox*>("SpinEdit1");
        auto* h = form->findChild<QSpinBox*>("SpinEdit2");
        QApplication::setActiveWindow(form);
        w->setFocus();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form));
        ASSERT_TRUE(w->hasFocus());
        w->selectAll();
        QTest::keyClicks(w, "4500");
        EXPECT_EQ(w->text(), "4500");
        QTest::keyClick(w, Qt::Key_Tab);
        EXPECT_TRUE(h->hasFocus());
        EXPECT_EQ(w->value(), 3000);
        EXPECT_EQ(w->text(), "3000");
        h->selectAll();
        QTest::keyClicks(h, "5");
        EXPECT_EQ(h->text(), "5");
        QTest::keyClick(h, Qt::Key_Backtab);
        EXPECT_EQ(h->value(), 10);
        EXPECT_EQ(h->text(), "10");
        // Letters are still refused; the arrows stop at the range's end.
        QTest::keyClicks(w, "x");
        EXPECT_EQ(w->text(), "3000");
        QTest::keyClick(w, Qt::Key_Up);
        EXPECT_EQ(w->value(), 3000);
        // Enter in a field takes the number typed last, pulled into the range.
        h->setFocus();
        h->selectAll();
        QTest::keyClicks(h, "99999999999");
        QTest::keyClick(h, Qt::Key_Return);
    });
    Action("Zapiszobrazsceneriidopliku1")->trigger();
    EXPECT_EQ(QImage(QString::fromStdString(Out("typed.bmp"))).size(), QSize(3000, 3000));
}

// The colours of a picture's middle third, where the tracks run and no overlay lies.
int Shades(const QImage& image) {
    QSet<QRgb> seen;
    for (int y = image.height() / 3; y < image.height() * 2 / 3; ++y) {
        for (int x = 0; x < image.width(); ++x)
            seen.insert(image.pixel(x, y));
    }
    return static_cast<int>(seen.size());
}

// "Opcje › Wygląd › Wygładzanie linii" smooths the lines of the screen and of saved pictures;
// off, every pixel is the background or a track's colour.
TEST_F(ExportTest, SmoothLinesBlendTheScreenAndSavedPictures) {
    auto* appearance = window.findChild<QMenu*>("AppearanceMenu");
    ASSERT_NE(appearance, nullptr);
    EXPECT_EQ(appearance->title(), "Wygląd");
    ASSERT_NE(qobject_cast<QMenu*>(appearance->parentWidget()), nullptr);
    EXPECT_EQ(qobject_cast<QMenu*>(appearance->parentWidget())->title(), "Opcje");
    QAction* smooth = Action("SmoothLines");
    ASSERT_TRUE(appearance->actions().contains(smooth));
    EXPECT_EQ(smooth->text(), "Wygładzanie linii");
    EXPECT_TRUE(smooth->isCheckable());
    EXPECT_FALSE(smooth->isChecked());
    const auto save = [&](const char* name) {
        dialogs.saveAnswers.push_back({Out(name), 4});
        WhenModal("PicSizeForm", [](QWidget* form) { SetSize(form, "720", "400"); });
        Action("Zapiszobrazsceneriidopliku1")->trigger();
        return QImage(QString::fromStdString(Out(name)), "PNG");
    };
    // The background and the two tracks' colours.
    EXPECT_EQ(Shades(window.Map().Picture()), 3);
    EXPECT_EQ(Shades(save("sharp.png")), 3);

    smooth->trigger();
    EXPECT_TRUE(window.Options().Antialiased);
    EXPECT_GT(Shades(window.Map().Picture()), 3);
    EXPECT_GT(Shades(save("smooth.png")), 3);
    EXPECT_TRUE(dialogs.Messages().empty());
}

TEST_F(ExportTest, AFailedWriteIsReportedAndTheWindowGoesOn) {
    std::filesystem::create_directories(dir.Path() / "folder.gif");
    dialogs.saveAnswers.push_back({Out("folder.gif"), 2});
    WhenModal("PicSizeForm", [](QWidget* form) { form->close(); });
    Action("Zapiszobrazsceneriidopliku1")->trigger();
    ASSERT_EQ(dialogs.Messages().size(), 1u);
    EXPECT_EQ(dialogs.Messages()[0].caption, "Tarvik Track Viewer");
    EXPECT_NE(dialogs.Messages()[0].text.find("folder.gif"), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_directory(dir.Path() / "folder.gif"));
    window.RedrawMap(RedrawCause::Button);
    EXPECT_TRUE(window.StatusText().startsWith("Rysowanie: "));
}

TEST_F(ExportTest, PrintsOnePagePerCopyOnWhite) {
    window.Colors().Background = RGBColor(200, 10, 10);
    dialogs.printAnswers.push_back(test::ScriptedViewerDialogs::PrintAnswer{Out("map.pdf"), 3});
    QTest::keyRelease(&window, Qt::Key_P, Qt::ControlModifier);
    ASSERT_EQ(dialogs.printRequests, 1);
    const std::string pdf = Bytes(Out("map.pdf"));
    ASSERT_FALSE(pdf.empty());
    EXPECT_NE(pdf.find("/Count 3"), std::string::npos);
    const QString pdftoppm = QStandardPaths::findExecutable("pdftoppm");
    if (!pdftoppm.isEmpty()) {
        ASSERT_EQ(QProcess::execute(pdftoppm, {"-png", "-r", "20", "-f", "1", "-l", "1",
                                               QString::fromStdString(Out("map.pdf")),
                                               QString::fromStdString(Out("page"))}),
                  0);
        QImage page;
        for (const auto& e : std::filesystem::directory_iterator(dir.Path())) {
            if (e.path().filename().string().starts_with("page")) {
                page.load(QString::fromStdString(e.path().string()));
            }
        }
        ASSERT_FALSE(page.isNull());
        // The configured red background is not printed (the renderer may leave a shade off
        // pure white).
        const QRgb paper = page.pixel(page.width() / 2, page.height() / 3);
        EXPECT_GE(qRed(paper), 250);
        EXPECT_GE(qGreen(paper), 250);
        EXPECT_GE(qBlue(paper), 250);
    }
    // A cancelled dialog prints nothing.
    dialogs.printAnswers.push_back(std::nullopt);
    Action("Drukujobrazscenerii1")->trigger();
    EXPECT_EQ(dialogs.printRequests, 2);
}

TEST_F(ExportTest, PreviewDrawsOnWhiteAndKeepsTheScale) {
    const float scale = window.View().MapScale;
    const QImage before = window.Map().Picture().copy();
    QTest::keyRelease(&window, Qt::Key_P, Qt::AltModifier);
    const QImage& preview = window.Map().Picture();
    EXPECT_EQ(window.View().MapScale, scale);
    EXPECT_EQ(preview.pixel(preview.width() / 2, 5), qRgb(255, 255, 255));
    EXPECT_NE(before, preview);
    window.RedrawMap(RedrawCause::Button);
    EXPECT_EQ(window.Map().Picture().pixel(preview.width() / 2, 5), qRgb(0, 128, 0));
}

TEST_F(ExportTest, StatisticsAreComputedOncePerLoad) {
    TSceneryProperytyForm& form = *window.Tools().statistics;
    const auto text = [&](const char* name) { return form.findChild<QLabel*>(name)->text(); };
    WhenModal("SceneryProperytyForm", [](QWidget* w) { w->close(); });
    Action("SceneryProperyty")->trigger();
    EXPECT_TRUE(form.Computed());
    EXPECT_EQ(text("SrVel"), "90 km/h");
    EXPECT_EQ(text("TrackLength"), "4,0");
    EXPECT_EQ(text("TrackCount"), "2");
    EXPECT_EQ(text("SrElevation"), "0,0 ‰");
    EXPECT_EQ(text("RAM"), "0,00 MB");
    EXPECT_EQ(text("StaticText1").toStdString(), scenery);
    const QString km2 = text("Pow");
    EXPECT_TRUE(km2.endsWith(" km2"));

    // A change of the work mode does not recompute what was shown.
    window.Mode() = TWorkMode::Make(true, 10);
    WhenModal("SceneryProperytyForm", [&](QWidget* w) {
        auto* button = w->findChild<QToolButton*>("SpeedButton1");
        auto* tree = w->findChild<QTreeWidget*>("LoadedFiles");
        EXPECT_FALSE(tree->isVisible());
        button->click();
        EXPECT_EQ(button->text(), "<<");
        EXPECT_TRUE(tree->isVisible());
        ASSERT_EQ(tree->topLevelItemCount(), 1);
        EXPECT_TRUE(tree->topLevelItem(0)->text(0).endsWith(" kB)"));
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(tree, &escape);
        EXPECT_FALSE(tree->isVisible());
        EXPECT_EQ(button->text(), ">>");
        // Moving a slider draws its graph to the new scale.
        auto* slider = w->findChild<QSlider*>("SpeedMax");
        const QImage graph = window.Tools().statistics->SpeedGraph();
        slider->setValue(slider->maximum());
        EXPECT_NE(window.Tools().statistics->SpeedGraph(), graph);
        w->close();
    });
    Action("SceneryProperyty")->trigger();
    EXPECT_EQ(text("SrVel"), "90 km/h");
    window.LoadScenery(scenery);
    EXPECT_FALSE(form.Computed());
}

}  // namespace
}  // namespace tarvik
