#include <gtest/gtest.h>

#include <cmath>
#include <forward_list>
#include <limits>
#include <optional>
#include <utility>

#include "ChangedFiles.h"
#include "Navigation.h"
#include "ViewHistory.h"

namespace tarvik {
namespace {

// A 400 x 300 picture at one pixel per metre over a 1000 x 1000 m scenery.
struct Fixture {
    MapNavigator nav;
    ViewState view{{100, 200}, {500, 500}, 1.0f};
    SceneryBounds extent{{0, 0}, {1000, 1000}};
    static constexpr int kW = 400;
    static constexpr int kH = 300;

    PressEffect Press(MouseButton b, ShiftSet s, int x, int y) {
        return nav.Press(b, s, x, y, kW, kH, view, extent);
    }
    double Width() const { return view.ViewMax.x - view.ViewMin.x; }
    double Height() const { return view.ViewMax.y - view.ViewMin.y; }
};

TEST(NavigationTest, EdgeBandsScrollByAQuarterWithAnyTool) {
    for (const MapTool tool :
         {MapTool::None, MapTool::Hand, MapTool::Zoom, MapTool::Ruler, MapTool::Identify}) {
        Fixture f;
        f.nav.SetTool(tool);
        const PressEffect e = f.Press(MouseButton::Right, kRight | kCtrl, 29, 150);
        EXPECT_TRUE(e.redraw);
        EXPECT_FALSE(e.identify);
        EXPECT_FALSE(e.warpPointer);
        EXPECT_FLOAT_EQ(f.view.ViewMin.x, 0);  // 400 m wide: a quarter is 100 m
        EXPECT_FLOAT_EQ(f.view.ViewMax.x, 400);
        EXPECT_FLOAT_EQ(f.view.ViewMin.y, 200);
        EXPECT_FALSE(f.nav.PressPending());
    }
    Fixture corner;
    corner.Press(MouseButton::Left, kLeft, 399, 0);  // top right corner: both bands
    EXPECT_FLOAT_EQ(corner.view.ViewMin.x, 200);
    EXPECT_FLOAT_EQ(corner.view.ViewMin.y, 125);

    Fixture interior;
    interior.nav.SetTool(MapTool::Hand);
    const PressEffect e = interior.Press(MouseButton::Left, kLeft, 30, 150);
    EXPECT_FALSE(e.redraw);
    EXPECT_TRUE(e.grab);
    EXPECT_TRUE(interior.nav.PressPending());
    EXPECT_FLOAT_EQ(interior.view.ViewMin.x, 100);
    // The right band starts 30 pixels before the edge.
    Fixture right;
    right.nav.SetTool(MapTool::Hand);
    right.Press(MouseButton::Left, kLeft, 369, 150);
    EXPECT_TRUE(right.nav.PressPending());
    right.Press(MouseButton::Left, kLeft, 370, 150);
    EXPECT_FALSE(right.nav.PressPending());
    EXPECT_FLOAT_EQ(right.view.ViewMin.x, 200);
}

TEST(NavigationTest, ZoomGestures) {
    {  // Left click: centre, then halve about the centre.
        Fixture f;
        f.nav.SetTool(MapTool::Zoom);
        const PressEffect e = f.Press(MouseButton::Left, kLeft, 100, 100);
        EXPECT_TRUE(e.warpPointer);
        EXPECT_TRUE(e.redraw);
        EXPECT_FALSE(e.showAll);
        EXPECT_FLOAT_EQ(f.view.ViewMin.x, 200 - 100);
        EXPECT_FLOAT_EQ(f.view.ViewMax.x, 200 + 100);
        EXPECT_FLOAT_EQ(f.view.ViewMin.y, 300 - 75);
        EXPECT_FLOAT_EQ(f.view.ViewMax.y, 300 + 75);
    }
    {  // Ctrl + left and other modifier sets only centre.
        for (const ShiftSet s : {kCtrl | kLeft, kLeft | kRight, kOtherKey | kLeft}) {
            Fixture f;
            f.nav.SetTool(MapTool::Zoom);
            const PressEffect e = f.Press(MouseButton::Left, s, 100, 100);
            EXPECT_TRUE(e.warpPointer);
            EXPECT_DOUBLE_EQ(f.Width(), 400);
            EXPECT_FLOAT_EQ(f.view.ViewMin.x, 0);
            EXPECT_FLOAT_EQ(f.view.ViewMin.y, 150);
        }
    }
    {  // Right click and Shift + left zoom out about the clicked point.
        for (const auto& [b, s] : {std::pair{MouseButton::Right, kRight},
                                   std::pair{MouseButton::Right, kRight | kCtrl | kShift},
                                   std::pair{MouseButton::Left, kShift | kLeft}}) {
            Fixture f;
            f.nav.SetTool(MapTool::Zoom);
            const PressEffect e = f.Press(b, s, 100, 100);
            EXPECT_TRUE(e.warpPointer);
            EXPECT_FALSE(e.showAll);
            EXPECT_FLOAT_EQ(f.view.ViewMin.x, 200 - 400);
            EXPECT_FLOAT_EQ(f.view.ViewMax.x, 200 + 400);
            EXPECT_FLOAT_EQ(f.view.ViewMin.y, 300 - 300);
        }
    }
    {  // Middle click and Alt + left show all without centring.
        for (const auto& [b, s] : {std::pair{MouseButton::Middle, kMiddle},
                                   std::pair{MouseButton::Left, kAlt | kLeft}}) {
            Fixture f;
            f.nav.SetTool(MapTool::Zoom);
            const PressEffect e = f.Press(b, s, 100, 100);
            EXPECT_FALSE(e.warpPointer);
            EXPECT_TRUE(e.showAll);
            EXPECT_FLOAT_EQ(f.view.ViewMin.x, 0);
            EXPECT_FLOAT_EQ(f.view.ViewMax.y, 1000);
        }
    }
    {  // Alt + right: centre and zoom out, then show all.
        Fixture f;
        f.nav.SetTool(MapTool::Zoom);
        const PressEffect e = f.Press(MouseButton::Right, kAlt | kRight, 100, 100);
        EXPECT_TRUE(e.warpPointer);
        EXPECT_TRUE(e.showAll);
        EXPECT_FLOAT_EQ(f.view.ViewMax.x, 1000);
    }
}

TEST(NavigationTest, ZoomLimits) {
    Fixture f;
    f.nav.SetTool(MapTool::Zoom);
    f.view = {{0, 0}, {61, 1000}, 1.0f};
    f.Press(MouseButton::Left, kLeft, 35, 150);
    EXPECT_DOUBLE_EQ(f.Width(), 30.5);
    EXPECT_DOUBLE_EQ(f.Height(), 500);
    f.Press(MouseButton::Left, kLeft, 40, 100);
    EXPECT_DOUBLE_EQ(f.Width(), 30.5);  // only centred
    EXPECT_DOUBLE_EQ(f.Height(), 500);
    EXPECT_EQ(f.nav.CursorAt(0, 100, 100, Fixture::kW, Fixture::kH, f.view), 5);

    // A view already as wide as the extent turns a zoom-out into show-all.
    Fixture wide;
    wide.nav.SetTool(MapTool::Zoom);
    wide.view = {{0, 400}, {1000, 600}, 0.3f};
    const PressEffect e = wide.Press(MouseButton::Right, kRight, 150, 150);
    EXPECT_TRUE(e.showAll);
    EXPECT_TRUE(e.warpPointer);
    EXPECT_FLOAT_EQ(wide.view.ViewMin.y, 0);
    EXPECT_FLOAT_EQ(wide.view.ViewMax.y, 1000);
    // Doubling that reaches the extent in one direction shows all as well.
    Fixture reach;
    reach.nav.SetTool(MapTool::Zoom);
    reach.view = {{0, 0}, {500, 200}, 1.0f};
    EXPECT_TRUE(reach.Press(MouseButton::Right, kRight, 250, 100).showAll);
}

TEST(NavigationTest, HandAndRulerActOnRelease) {
    Fixture hand;
    hand.nav.SetTool(MapTool::Hand);
    hand.Press(MouseButton::Left, kLeft, 100, 100);  // world (200, 300)
    ReleaseEffect r = hand.nav.Release(150, 80, hand.view);
    EXPECT_EQ(r.kind, ReleaseEffect::Kind::Dragged);
    EXPECT_TRUE(r.redraw);
    // The grabbed point is now under the release pixel.
    EXPECT_FLOAT_EQ(150 + hand.view.ViewMin.x, 200);
    EXPECT_FLOAT_EQ(80 + hand.view.ViewMin.y, 300);
    // Ending where it began leaves the view but still redraws.
    const ViewState before = hand.view;
    hand.Press(MouseButton::Left, kLeft, 100, 100);
    r = hand.nav.Release(100, 100, hand.view);
    EXPECT_TRUE(r.redraw);
    EXPECT_FLOAT_EQ(hand.view.ViewMin.x, before.ViewMin.x);

    Fixture ruler;
    ruler.nav.SetTool(MapTool::Ruler);
    ruler.Press(MouseButton::Left, kLeft, 50, 50);
    r = ruler.nav.Release(80, 90, ruler.view);
    EXPECT_EQ(r.kind, ReleaseEffect::Kind::Measured);
    EXPECT_DOUBLE_EQ(r.distance, 50);
    EXPECT_FALSE(r.redraw);
    // A press in a band leaves nothing for the release.
    ruler.Press(MouseButton::Left, kLeft, 5, 50);
    EXPECT_EQ(ruler.nav.Release(80, 90, ruler.view).kind, ReleaseEffect::Kind::None);
    Fixture zoom;
    zoom.nav.SetTool(MapTool::Zoom);
    zoom.Press(MouseButton::Left, kLeft, 100, 100);
    EXPECT_EQ(zoom.nav.Release(120, 120, zoom.view).kind, ReleaseEffect::Kind::None);
}

TEST(NavigationTest, IdentifyAsksWhatIsUnderThePressAndLeavesTheView) {
    Fixture f;
    f.nav.SetTool(MapTool::Identify);
    for (const auto& [button, shift] :
         {std::pair{MouseButton::Left, kLeft}, std::pair{MouseButton::Right, kRight}}) {
        const PressEffect e = f.Press(button, shift, 200, 150);
        EXPECT_TRUE(e.identify);
        EXPECT_FALSE(e.redraw);
        EXPECT_FALSE(e.warpPointer);
        EXPECT_FALSE(e.grab);
        EXPECT_FALSE(f.nav.PressPending());
        EXPECT_EQ(f.nav.Release(250, 150, f.view).kind, ReleaseEffect::Kind::None);
    }
    EXPECT_FLOAT_EQ(f.view.ViewMin.x, 100);
    EXPECT_FLOAT_EQ(f.view.ViewMax.y, 500);
    Fixture zoom;
    zoom.nav.SetTool(MapTool::Zoom);
    EXPECT_FALSE(zoom.Press(MouseButton::Left, kLeft, 200, 150).identify);
}

TEST(NavigationTest, UnusableScaleIgnoresInput) {
    for (const float scale : {0.0f, -1.0f, std::numeric_limits<float>::infinity(),
                              std::numeric_limits<float>::quiet_NaN()}) {
        Fixture f;
        f.nav.SetTool(MapTool::Zoom);
        f.view.MapScale = scale;
        EXPECT_FALSE(f.Press(MouseButton::Left, kLeft, 100, 100).redraw);
        EXPECT_FALSE(f.Press(MouseButton::Left, kLeft, 5, 100).redraw);
        EXPECT_FLOAT_EQ(f.view.ViewMin.x, 100);
    }
}

TEST(NavigationTest, CursorsByPositionAndTool) {
    Fixture f;
    const auto at = [&](int x, int y, ShiftSet s = 0) {
        return f.nav.CursorAt(s, x, y, Fixture::kW, Fixture::kH, f.view);
    };
    EXPECT_EQ(at(200, 150), kDefaultCursor);
    EXPECT_EQ(at(10, 150), 6);
    EXPECT_EQ(at(390, 150), 7);
    EXPECT_EQ(at(200, 10), 8);
    EXPECT_EQ(at(200, 290), 9);
    EXPECT_EQ(at(10, 10), 10);
    EXPECT_EQ(at(10, 290), 11);
    EXPECT_EQ(at(390, 10), 12);
    EXPECT_EQ(at(390, 290), 13);
    f.nav.SetTool(MapTool::Zoom);
    EXPECT_EQ(at(200, 150), 1);
    EXPECT_EQ(at(200, 150, kCtrl), 5);
    EXPECT_EQ(at(200, 150, kCtrl | kShift), 1);
    f.nav.SetTool(MapTool::Hand);
    EXPECT_EQ(at(200, 150), 3);
    f.nav.SetTool(MapTool::Ruler);
    EXPECT_EQ(at(200, 150), kCrossCursor);
    f.nav.SetTool(MapTool::Identify);
    EXPECT_EQ(at(200, 150), 2);
    EXPECT_EQ(at(10, 150), 6);
}

TEST(NavigationTest, WheelTable) {
    const auto wheel = [](MapTool tool, ShiftSet keys, int delta) {
        Fixture f;
        f.nav.SetTool(tool);
        f.nav.Wheel(keys, delta, Fixture::kW, Fixture::kH, f.view, f.extent);
        return f.view;
    };
    EXPECT_FLOAT_EQ(wheel(MapTool::Zoom, 0, 120).ViewMin.y, 200 - 75);
    EXPECT_FLOAT_EQ(wheel(MapTool::Zoom, 0, -120).ViewMin.y, 200 + 75);
    EXPECT_FLOAT_EQ(wheel(MapTool::Zoom, 0, 0).ViewMin.y, 200 + 75);
    EXPECT_FLOAT_EQ(wheel(MapTool::Hand, kShift, 0).ViewMin.x, 200);
    EXPECT_FLOAT_EQ(wheel(MapTool::Hand, kShift, -120).ViewMin.x, 0);
    const ViewState in = wheel(MapTool::Zoom, kCtrl, 120);
    EXPECT_FLOAT_EQ(in.ViewMax.x - in.ViewMin.x, 200);
    const ViewState out = wheel(MapTool::Zoom, kCtrl, -120);
    EXPECT_FLOAT_EQ(out.ViewMax.x - out.ViewMin.x, 800);
    // Ctrl with the hand tool, Alt, and Ctrl with Shift leave the view.
    for (const auto& [tool, keys] :
         {std::pair{MapTool::Hand, kCtrl}, std::pair{MapTool::Zoom, kAlt},
          std::pair{MapTool::Zoom, kCtrl | kShift}}) {
        const ViewState v = wheel(tool, keys, 120);
        EXPECT_FLOAT_EQ(v.ViewMin.x, 100);
        EXPECT_FLOAT_EQ(v.ViewMin.y, 200);
        EXPECT_FLOAT_EQ(v.ViewMax.x, 500);
    }
}

TEST(NavigationTest, WheelEventsWithoutAVerticalTurn) {
    const auto turn = [](ShiftSet keys, int horizontal, int vertical) {
        const std::optional<WheelTurn> t = WheelTurnOf(keys, horizontal, vertical);
        return t ? std::pair{t->keys, t->delta} : std::pair{~0u, 0};
    };
    constexpr std::pair kNone{~0u, 0};
    // A vertical turn goes to the table as it is, whatever the modifiers.
    EXPECT_EQ(turn(0, 0, 120), std::pair(0u, 120));
    EXPECT_EQ(turn(kCtrl, 0, -120), std::pair(kCtrl, -120));
    EXPECT_EQ(turn(kAlt, 30, -120), std::pair(kAlt, -120));
    // A touchpad's begin and end carry no turn at all.
    EXPECT_EQ(turn(0, 0, 0), kNone);
    EXPECT_EQ(turn(kCtrl, 0, 0), kNone);
    // A tilt scrolls sideways as Shift with the wheel: to the left, backward.
    EXPECT_EQ(turn(0, 120, 0), std::pair(kShift, -1));
    EXPECT_EQ(turn(0, -120, 0), std::pair(kShift, 1));
    EXPECT_EQ(turn(kShift, 120, 0), std::pair(kShift, -1));
    EXPECT_EQ(turn(kCtrl, 120, 0), kNone);
    EXPECT_EQ(turn(kAlt, -120, 0), kNone);
    // A slanting stroke counts along its larger part.
    EXPECT_EQ(turn(0, 40, -10), std::pair(kShift, -1));
    EXPECT_EQ(turn(0, 40, 40), std::pair(0u, 40));
    EXPECT_EQ(turn(0, std::numeric_limits<int>::min(), 0), std::pair(kShift, 1));
    EXPECT_EQ(turn(0, 5, std::numeric_limits<int>::min()),
              std::pair(0u, std::numeric_limits<int>::min()));

    // Through the table: the left tilt moves the view left by a quarter, the right one right.
    for (const auto& [horizontal, minX] : {std::pair{120, 0.0f}, std::pair{-120, 200.0f}}) {
        Fixture f;
        const WheelTurn t = *WheelTurnOf(0, horizontal, 0);
        f.nav.Wheel(t.keys, t.delta, Fixture::kW, Fixture::kH, f.view, f.extent);
        EXPECT_FLOAT_EQ(f.view.ViewMin.x, minX);
        EXPECT_FLOAT_EQ(f.view.ViewMin.y, 200);
    }
}

// The view 400 x 300 m at (100, 200), one pixel per metre, in a 1000 x 1000 m extent.
TEST(NavigationTest, ZoomAboutAPointKeepsItUnderThePointer) {
    Fixture f;
    // One notch in: 1.25 times closer, the world point under (100, 60) stays there.
    EXPECT_FALSE(ZoomViewAt(f.view, f.extent, 100, 60, 1.25));
    EXPECT_NEAR(f.Width(), 320, 1e-3);
    EXPECT_NEAR(f.Height(), 240, 1e-3);
    EXPECT_NEAR(f.view.ViewMin.x + 100 / 1.25, 200, 1e-3);
    EXPECT_NEAR(f.view.ViewMin.y + 60 / 1.25, 260, 1e-3);
    // Half a notch and its way back again end where they began.
    Fixture half;
    ZoomViewAt(half.view, half.extent, 300, 100, std::pow(1.25, 0.5));
    EXPECT_NEAR(half.Width(), 400 / std::sqrt(1.25), 1e-3);
    half.view.MapScale = static_cast<float>(std::sqrt(1.25));
    ZoomViewAt(half.view, half.extent, 300, 100, std::pow(1.25, -0.5));
    EXPECT_NEAR(half.view.ViewMin.x, 100, 1e-3);
    EXPECT_NEAR(half.view.ViewMax.y, 500, 1e-3);

    // No closer once the view is 60 m or less in a direction.
    Fixture small;
    small.view = {{0, 0}, {60, 500}, 1.0f};
    EXPECT_FALSE(ZoomViewAt(small.view, small.extent, 30, 30, 1.25));
    EXPECT_FLOAT_EQ(small.view.ViewMax.x, 60);
    // Out: not beyond the extent; reaching it in a direction shows it all.
    Fixture out;
    out.view = {{100, 100}, {900, 500}, 1.0f};
    EXPECT_TRUE(ZoomViewAt(out.view, out.extent, 10, 10, 0.8));
    EXPECT_FLOAT_EQ(out.view.ViewMin.x, 0);
    EXPECT_FLOAT_EQ(out.view.ViewMax.y, 1000);
    // A scale of nothing leaves the view alone.
    Fixture none;
    none.view.MapScale = 0;
    EXPECT_FALSE(ZoomViewAt(none.view, none.extent, 10, 10, 1.25));
    EXPECT_FLOAT_EQ(none.view.ViewMin.x, 100);
}

ViewState View(float x) {
    return {{x, 0}, {x + 100, 100}, 1};
}

TEST(ViewHistoryTest, BackAndForwardThroughTheLastFiftyViews) {
    ViewHistory h;
    h.Reset(View(0));
    EXPECT_FALSE(h.CanGoBack());
    h.Visit(View(0));  // the same rectangle adds nothing
    EXPECT_EQ(h.Size(), 1u);
    h.Visit(View(1));
    h.Visit(View(2));
    EXPECT_FLOAT_EQ(h.Back()->ViewMin.x, 1);
    EXPECT_FLOAT_EQ(h.Back()->ViewMin.x, 0);
    EXPECT_FALSE(h.Back());
    EXPECT_FLOAT_EQ(h.Forward()->ViewMin.x, 1);
    EXPECT_TRUE(h.CanGoForward());
    // A new view drops those ahead.
    h.Visit(View(5));
    EXPECT_FALSE(h.CanGoForward());
    EXPECT_EQ(h.Size(), 3u);
    EXPECT_FLOAT_EQ(h.Back()->ViewMin.x, 1);

    ViewHistory many;
    many.Reset(View(0));
    for (int i = 1; i < 60; ++i)
        many.Visit(View(static_cast<float>(i)));
    EXPECT_EQ(many.Size(), ViewHistory::kLimit);
    std::optional<ViewState> oldest;
    while (const std::optional<ViewState> v = many.Back())
        oldest = v;
    EXPECT_FLOAT_EQ(oldest->ViewMin.x, 10);
}

TEST(ViewHistoryTest, AHeldKeyMakesOneView) {
    ViewHistory h;
    h.Reset(View(0));
    h.Visit(View(1));
    h.Visit(View(2), true);
    h.Visit(View(3), true);
    EXPECT_EQ(h.Size(), 2u);
    EXPECT_FLOAT_EQ(h.Back()->ViewMin.x, 0);
    EXPECT_FLOAT_EQ(h.Forward()->ViewMin.x, 3);
    // The first view is never replaced.
    ViewHistory first;
    first.Reset(View(0));
    first.Visit(View(1), true);
    EXPECT_EQ(first.Size(), 2u);
}

TEST(ChangedFilesTest, TheQuestionNamesUpToFiveFiles) {
    std::vector<TIncFile> before;
    for (int i = 0; i < 8; ++i)
        before.push_back({"/s/f" + std::to_string(i) + ".inc", 1.0, 10});
    std::forward_list<TIncFile> after(before.begin(), before.end());
    auto it = after.begin();
    it->FileSize = 11;       // f0: size
    (++it)->FileDate = 2.0;  // f1: time
    (++it)->FileName = "";   // f2: gone
    EXPECT_EQ(ChangedFileNames(before, after),
              (std::vector<std::string>{"/s/f0.inc", "/s/f1.inc", "/s/f2.inc"}));
    const std::string q = "Plik lub pliki załadowane uległy zmianie. Czy przeładować?";
    EXPECT_EQ(FileChangeQuestion({}, "/s/a.scn"), q);
    EXPECT_EQ(FileChangeQuestion({"/s/a.scn", "/s/tory/b.inc", "/inne/c.inc"}, "/s/a.scn"),
              q + "\n\na.scn\ntory/b.inc\n/inne/c.inc");
    std::vector<std::string> seven;
    for (int i = 0; i < 7; ++i)
        seven.push_back("/s/f" + std::to_string(i) + ".inc");
    EXPECT_EQ(FileChangeQuestion(seven, "/s/a.scn"),
              q + "\n\nf0.inc\nf1.inc\nf2.inc\nf3.inc\nf4.inc\ni 2 innych");
}

TEST(NavigationTest, RulerFormats) {
    EXPECT_EQ(RulerDistanceText(12345.6), "12 km");
    EXPECT_EQ(RulerDistanceText(9500), "9,5 km");
    EXPECT_EQ(RulerDistanceText(999.6), "1000 m");
    EXPECT_EQ(RulerDistanceText(9.96), "10,0 m");
    EXPECT_EQ(RulerDistanceText(0), "0,0 m");
    EXPECT_EQ(RulerDistanceText(10000), "10 km");
    EXPECT_EQ(RulerDistanceText(1234567.0), "1 235 km");
    EXPECT_EQ(RulerDistanceText(1000), "1,0 km");
}

}  // namespace
}  // namespace tarvik
