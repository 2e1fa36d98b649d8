#include <gtest/gtest.h>

#include <QAction>
#include <QMainWindow>

#include "Cursors.h"
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
    EXPECT_FALSE(ActionForKey(a, Qt::Key_F10, Qt::ShiftModifier));
    EXPECT_EQ(ActionForKey(a, Qt::Key_1, Qt::ControlModifier | Qt::KeypadModifier), a.apa1);
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
