#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPalette>

#include "ColorPreview.h"
#include "ColorSlots.h"
#include "ColorText.h"
#include "QtColor.h"
#include "ScaleColor.h"

namespace tarvik {
namespace {

TEST(ScaleColor, DefaultSpeedScaleAtItsPointsAndBetween) {
    const ColorSlots c;
    const ColorScale speed = c.SpeedScale();
    EXPECT_EQ(ScaleColor(speed, 150, 0, 0, c.Track), 0x0000FFu);
    EXPECT_EQ(ScaleColor(speed, 150, 0, 50, c.Track), 0x00FFFFu);
    EXPECT_EQ(ScaleColor(speed, 150, 0, 100, c.Track), 0x00FF00u);
    EXPECT_EQ(ScaleColor(speed, 150, 0, 150, c.Track), 0x000000u);
    // Halfway from red to yellow: the weight 127.5 rounds to 128.
    EXPECT_EQ(ScaleColor(speed, 150, 0, 25, c.Track), 0x0080FFu);
    // Between yellow and lime, and between lime and black.
    EXPECT_EQ(ScaleColor(speed, 150, 0, 75, c.Track), RGBColor(127, 255, 0));
    EXPECT_EQ(ScaleColor(speed, 150, 0, 125, c.Track), RGBColor(0, 127, 0));
}

TEST(ScaleColor, EmptyRangeGivesTheTrackColourAndOutsideValuesTheNearerEnd) {
    const ColorScale scale{0x111111, 0x222222, 0x333333, 0x444444};
    EXPECT_EQ(ScaleColor(scale, 40, 40, 12, 0xABCDEF), 0xABCDEFu);
    EXPECT_EQ(ScaleColor(scale, 50, 0, 67, 0), 0x444444u);
    EXPECT_EQ(ScaleColor(scale, 50, 0, -5, 0), 0x111111u);
}

TEST(ColorText, NamesAndHexInBothDirections) {
    EXPECT_EQ(ColorToText(255), "clRed");
    EXPECT_EQ(TextToColor("clRed"), 255u);
    EXPECT_EQ(ColorToText(0x123456), "$00123456");
    EXPECT_EQ(TextToColor("$00123456"), 0x123456u);
    EXPECT_EQ(ColorToText(0x0080FF), "$000080FF");
    EXPECT_EQ(ColorToText(0x80000005), "clWindow");
    EXPECT_EQ(ColorToText(0x1FFFFFFF), "clNone");
    EXPECT_EQ(TextToColor("CLSILVER"), 0xC0C0C0u);
    EXPECT_EQ(TextToColor("clbtnface"), 0x8000000Fu);
    EXPECT_EQ(TextToColor("65280"), 0x00FF00u);
    EXPECT_EQ(TextToColor("-2147483643"), 0x80000005u);
    EXPECT_EQ(TextToColor("$ff"), 0xFFu);
    for (const char* bad : {"", "$", "clPink", "12x", "$1G", "$123456789", "red"}) {
        EXPECT_FALSE(TextToColor(bad).has_value()) << bad;
    }
}

TEST(ColorText, EveryDefaultSlotReadsBackToItsValue) {
    const ColorSlots defaults;
    ColorSlots read;
    for (const ColorSlotDef& slot : kColorSlotTable) {
        const auto color = TextToColor(slot.defaultText);
        ASSERT_TRUE(color.has_value()) << slot.name;
        read.*slot.slot = *color;
        EXPECT_EQ(ColorToText(*color), slot.defaultText);
    }
    EXPECT_EQ(read, defaults);
}

TEST(QtColor, PlainColoursKeepTheirBytesAndSystemColoursFollowThePalette) {
    EXPECT_EQ(ToQColor(0x0080FF), QColor(255, 128, 0));
    EXPECT_EQ(ToQColor(0x80000005), QGuiApplication::palette().color(QPalette::Base));
}

TEST(ColorPreview, ShowsTheEditedColours) {
    ColorSlots c;
    c.Background = 0x101010;
    const QImage preview = MakeColorPreview(c);
    EXPECT_EQ(preview.size(), QSize(241, 184));
    EXPECT_EQ(preview.pixel(235, 30), ToRgb(c.Background));
    EXPECT_EQ(preview.pixel(10, 50), ToRgb(c.Speed1));
    EXPECT_EQ(preview.pixel(226, 80), ToRgb(c.Hipsometric4));
    EXPECT_EQ(preview.pixel(30, 20), ToRgb(c.Track));
}

}  // namespace
}  // namespace tarvik
