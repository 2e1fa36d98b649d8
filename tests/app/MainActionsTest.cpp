#include <gtest/gtest.h>

#include <QAction>
#include <QMainWindow>

#include "Cursors.h"
#include "KeyPresses.h"
#include "MainActions.h"
#include "MenuSwitches.h"

namespace tarvik {
namespace {

TEST(MainActionsTest, KeysNeedTheirExactModifiers) {
    QMainWindow window;
    const CursorTable cursors;
    const MainActions a = CreateMainActions(window, cursors);
    EXPECT_EQ(ActionForKey(a, Qt::Key_T, Qt::ControlModifier), a.PaintTrack);
    EXPECT_FALSE(ActionForKey(a, Qt::Key_T, Qt::ControlModifier | Qt::ShiftModifier));
    EXPECT_FALSE(ActionForKey(a, Qt::Key_T, Qt::NoModifier));
    EXPECT_EQ(ActionForKey(a, Qt::Key_E, Qt::ControlModifier | Qt::AltModifier), a.EditSource);
    EXPECT_EQ(ActionForKey(a, Qt::Key_P, Qt::AltModifier), a.PrintPreviewMenuItem);
    EXPECT_EQ(ActionForKey(a, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier), a.CopyMap);
    EXPECT_FALSE(ActionForKey(a, Qt::Key_C, Qt::ControlModifier));
    EXPECT_EQ(KeyText(&MainActions::CopyMap), "Ctrl+Shift+C");
    EXPECT_FALSE(ActionForKey(a, Qt::Key_F10, Qt::ShiftModifier));
    EXPECT_EQ(ActionForKey(a, Qt::Key_1, Qt::ControlModifier | Qt::KeypadModifier), a.apa1);
}

// A chord typed fast lets Ctrl go before T: the release takes the modifiers of T's press, but
// only where those held at the release are fewer; the exact sets still decide.
TEST(MainActionsTest, AReleaseAfterItsModifiersTakesThoseOfThePress) {
    QMainWindow window;
    const CursorTable cursors;
    const MainActions a = CreateMainActions(window, cursors);
    a.PaintTrack->setChecked(true);
    const Qt::KeyboardModifiers none = Qt::NoModifier;
    const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
    const Qt::KeyboardModifiers ctrlShift = Qt::ControlModifier | Qt::ShiftModifier;
    const auto release = [&a](Qt::KeyboardModifiers held, Qt::KeyboardModifiers atPress) {
        return TriggerKeyRelease(a, Qt::Key_T, held, atPress);
    };
    EXPECT_TRUE(release(ctrl, ctrl));
    EXPECT_FALSE(a.PaintTrack->isChecked());
    EXPECT_TRUE(release(none, ctrl));
    EXPECT_TRUE(a.PaintTrack->isChecked());
    // Ctrl came after T went down: the release as it is.
    EXPECT_TRUE(release(ctrl, none));
    EXPECT_FALSE(a.PaintTrack->isChecked());
    // Neither set is Ctrl alone.
    EXPECT_FALSE(release(none, none));
    EXPECT_FALSE(release(ctrlShift, ctrlShift));
    EXPECT_FALSE(release(none, ctrlShift));
    EXPECT_FALSE(release(Qt::ShiftModifier, ctrlShift));
    // Shift let go first leaves Ctrl held at the release, which is Ctrl+T.
    EXPECT_TRUE(release(ctrl, ctrlShift));
    EXPECT_TRUE(a.PaintTrack->isChecked());
    // Alt put down after the press is no chord of the press.
    EXPECT_FALSE(release(Qt::AltModifier, ctrl));
    EXPECT_TRUE(a.PaintTrack->isChecked());

    KeyPresses presses;
    presses.Pressed(Qt::Key_T, ctrl);
    EXPECT_EQ(presses.Released(Qt::Key_T, none), ctrl);
    // Forgotten with the release; a release without its press takes what is held.
    EXPECT_EQ(presses.Released(Qt::Key_T, Qt::AltModifier), Qt::AltModifier);
    presses.Pressed(Qt::Key_T, ctrl);
    presses.Pressed(Qt::Key_T, ctrlShift);
    EXPECT_EQ(presses.Released(Qt::Key_T, none), ctrlShift);
}

TEST(MainActionsTest, EveryStoredSwitchHasAnItemOfItsOwn) {
    QMainWindow window;
    const CursorTable cursors;
    const MainActions a = CreateMainActions(window, cursors);
    // One switch at a time on, all others off: reading the items back must find just that one.
    bool AppSettings::*windows[] = {&AppSettings::LegendShow, &AppSettings::MiniMapShow,
                                    &AppSettings::TrackListShow, &AppSettings::AnimateZoom};
    bool MapOptions::*drawing[] = {
        &MapOptions::PaintRiver,    &MapOptions::PaintRoad,       &MapOptions::PaintTrack,
        &MapOptions::PaintTraction, &MapOptions::PaintSpeedLimit, &MapOptions::PaintElevation,
        &MapOptions::LegendOnMap,   &MapOptions::MiniMapOnMap,    &MapOptions::PaintTransparent};
    AppSettings none;
    for (bool AppSettings::*w : windows)
        none.*w = false;
    for (bool MapOptions::*d : drawing)
        none.Map.*d = false;
    const auto roundTrip = [&](const AppSettings& shown) {
        ShowMenuSwitches(shown, a);
        AppSettings read = none;
        ReadMenuSwitches(a, read);
        return read;
    };
    for (bool AppSettings::*w : windows) {
        AppSettings one = none;
        one.*w = true;
        EXPECT_EQ(roundTrip(one), one);
    }
    for (bool MapOptions::*d : drawing) {
        AppSettings one = none;
        one.Map.*d = true;
        EXPECT_EQ(roundTrip(one), one);
    }
    for (const MapType type :
         {MapType::Normal, MapType::Hipsometric, MapType::Elevation, MapType::Velocity}) {
        AppSettings one = none;
        one.Map.Type = type;
        EXPECT_EQ(roundTrip(one).Map.Type, type);
    }
    EXPECT_TRUE(a.MapTypeVelocity->isChecked());
    EXPECT_FALSE(a.MapTypeNormal->isChecked());
}

}  // namespace
}  // namespace tarvik
