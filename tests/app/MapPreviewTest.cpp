// The map follows the hand and the window's edge at once: until the new picture is drawn, the
// last one is shown moved or scaled, and the new one is the same as any drawing of its view.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QPainter>
#include <QTest>
#include <cstdlib>

#include "MainWindow.h"
#include "MapWidget.h"
#include "ScriptedViewerDialogs.h"

namespace tarvik {
namespace {

const QColor kGreen(0, 128, 0);

std::string Track(double x1, double z1, double x2, double z2) {
    test::PieceSpec p;
    p.x1 = x1;
    p.z1 = z1;
    p.x2 = x2;
    p.z2 = z2;
    return test::TrackNode(p);
}

// A picture laid where place puts its pixels on one of size (the picture's own by default),
// filled around it.
QImage Placed(const QImage& picture, const QTransform& place, QColor fill, QSize size = {}) {
    QImage out(size.isValid() ? size : picture.size(), QImage::Format_RGB32);
    out.fill(fill);
    QPainter painter(&out);
    if (place.m11() != 1) painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setTransform(place);
    painter.drawImage(QPointF(), picture);
    return out;
}

// The pixels of two pictures of a size whose colours differ by more than a shade.
int Differing(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return a.width() * a.height();
    constexpr int kShade = 16;
    int count = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            count += std::abs(qRed(p) - qRed(q)) > kShade ||
                     std::abs(qGreen(p) - qGreen(q)) > kShade ||
                     std::abs(qBlue(p) - qBlue(q)) > kShade;
        }
    }
    return count;
}

class MapPreviewTest : public ::testing::Test {
  protected:
    MapPreviewTest() : window(dialogs, files, store) {
        window.resize(800, 600);
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        // Lines across the whole scenery, so that any part of the map differs from its
        // neighbours.
        std::string text = Track(0, 0, 1000, 1000) + Track(0, 1000, 1000, 0);
        for (int i = 0; i <= 10; ++i)
            text += Track(0, i * 100, 1000, i * 97);
        window.LoadScenery(dir.Write("siatka.scn", text));
        // Zoomed in, so that a moved view is not pulled back into the scenery.
        QTest::mouseClick(&Map(), Qt::LeftButton, Qt::NoModifier, Map().rect().center());
    }

    MapWidget& Map() { return window.Map(); }
    // What the map widget shows.
    QImage Shown() { return Map().grab().toImage().convertToFormat(QImage::Format_RGB32); }
    // The window's view drawn again by the redraw command.
    QImage Fresh() {
        window.Actions().PaintButton->trigger();
        return Map().Picture().copy();
    }
    void MoveTo(QPoint at, Qt::MouseButton held) {
        QMouseEvent move(QEvent::MouseMove, QPointF(at), Map().mapToGlobal(QPointF(at)),
                         Qt::NoButton, held, Qt::NoModifier);
        QApplication::sendEvent(&Map(), &move);
    }

    test::TempDir dir;
    test::ScriptedViewerDialogs dialogs;
    PosixFileSystem files;
    SettingsStore store{QString::fromStdString((dir.Path() / "Zorvan.conf").string())};
    TForm1 window;
};

TEST_F(MapPreviewTest, ADragShowsTheLastPictureMovedAndTheReleaseDrawsTheNewView) {
    const MainActions& a = window.Actions();
    // The hand's left button, and the middle button that pans with any tool.
    for (const auto& [tool, button] :
         {std::pair{a.apa1, Qt::LeftButton}, std::pair{a.Linijka1, Qt::MiddleButton}}) {
        tool->trigger();
        const QImage before = Map().Picture().copy();
        QTest::mousePress(&Map(), button, Qt::NoModifier, QPoint(300, 200));
        MoveTo({320, 210}, button);
        MoveTo({360, 230}, button);
        // Nothing is drawn during the drag: the picture is moved, green where it has left.
        EXPECT_EQ(Map().Picture(), before);
        const QImage moved = Placed(before, QTransform::fromTranslate(60, 30), kGreen);
        EXPECT_EQ(Shown(), moved);
        QTest::mouseRelease(&Map(), button, Qt::NoModifier, QPoint(360, 230));
        const QImage after = Map().Picture().copy();
        EXPECT_NE(after, before);
        EXPECT_NE(after, moved);
        EXPECT_EQ(Shown(), after);
        EXPECT_EQ(Fresh(), after);
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    }
    EXPECT_TRUE(dialogs.Messages().empty());
}

TEST_F(MapPreviewTest, AResizeShowsTheLastPictureUntilTheNewOneIsDrawn) {
    const QImage before = Map().Picture().copy();
    const QSize size = Map().size();
    // Wider: the scale stays and the picture keeps its place about the middle.
    window.resize(window.size() + QSize(100, 0));
    ASSERT_EQ(Map().size(), size + QSize(100, 0));
    EXPECT_TRUE(window.DrawingPending());
    EXPECT_EQ(Shown(), Placed(before, QTransform::fromTranslate(50, 0), kGreen, Map().size()));
    QTRY_VERIFY(!window.DrawingPending());
    const QImage wide = Map().Picture().copy();
    EXPECT_EQ(wide.size(), Map().size());
    EXPECT_EQ(Shown(), wide);
    EXPECT_EQ(Fresh(), wide);

    // Narrower: the view's width fits the map's, so the picture shrinks about the middle, with
    // the background above and below it.
    window.resize(window.size() - QSize(300, 0));
    const double k = static_cast<double>(Map().width()) / wide.width();
    const double top = (Map().height() - wide.height() * k) / 2;
    ASSERT_GT(top, 20);
    const QImage shown = Shown();
    // The window's fit works in single precision: the blend of a few pixels may differ.
    EXPECT_LE(Differing(shown, Placed(wide, QTransform(k, 0, 0, k, 0, top), kGreen, Map().size())),
              10);
    QTRY_VERIFY(!window.DrawingPending());
    const QImage narrow = Map().Picture().copy();
    EXPECT_NE(narrow, shown);
    EXPECT_EQ(Shown(), narrow);
    EXPECT_EQ(Fresh(), narrow);
}

// A click that comes before the resized map is drawn acts on the view drawn at the new size.
TEST_F(MapPreviewTest, InputAfterAResizeWaitsForTheDrawing) {
    window.resize(window.size() + QSize(100, 0));
    ASSERT_TRUE(window.DrawingPending());
    window.Actions().apa1->trigger();
    QTest::mousePress(&Map(), Qt::LeftButton, Qt::NoModifier, QPoint(300, 200));
    EXPECT_FALSE(window.DrawingPending());
    const QImage drawn = Map().Picture().copy();
    MoveTo({330, 200}, Qt::LeftButton);
    EXPECT_EQ(Shown(), Placed(drawn, QTransform::fromTranslate(30, 0), kGreen));
    QTest::mouseRelease(&Map(), Qt::LeftButton, Qt::NoModifier, QPoint(330, 200));
    EXPECT_EQ(Shown(), Map().Picture());
}

}  // namespace
}  // namespace tarvik
