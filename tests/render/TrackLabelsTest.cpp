#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <cmath>
#include <numbers>
#include <optional>
#include <string>

#include "FirstRunSwitches.h"
#include "MapView.h"
#include "PaintMap.h"
#include "Scenery.h"
#include "SegmentGrid.h"
#include "TrackLabels.h"

namespace tarvik {
namespace {

// Named tracks in a 200 m x 100 m view drawn at 2 pixels a metre (400 x 200 pixels), with the
// names switched on in the author mode.
class TrackLabelsTest : public ::testing::Test {
  protected:
    TrackLabelsTest() {
        scenery.Segments.Ranges.Reset();
        options.PaintTrackNames = true;
    }

    void Add(std::string_view name, double x1, double y1, double x2, double y2, double cx1 = 0) {
        scenery.Segments.NewSegment({.kind = SegmentKind::Track,
                                     .name = name,
                                     .x1 = x1,
                                     .y1 = y1,
                                     .x2 = x2,
                                     .y2 = y2,
                                     .cx1 = cx1,
                                     .velocity = 100});
    }

    MapView View() {
        TPointF min{0, 0};
        TPointF max{200, 100};
        return *FitMap(min, max, 400, 200);
    }
    std::vector<TrackLabel> Labels(const SceneryIndex* index = nullptr) {
        return PlaceTrackLabels(View(), {scenery, options, colors, mode, index});
    }
    QImage Paint(MapPurpose purpose = MapPurpose::Screen) {
        QImage picture(400, 200, QImage::Format_RGB32);
        QPainter p(&picture);
        PaintMap({.target = p,
                  .view = View(),
                  .sources = {scenery, options, colors, mode},
                  .purpose = purpose,
                  .overlays = {.scaleBar = false}});
        return picture;
    }
    // The picture as it is drawn without the names.
    QImage PaintWithoutNames(MapPurpose purpose = MapPurpose::Screen) {
        const bool names = options.PaintTrackNames;
        options.PaintTrackNames = false;
        QImage picture = Paint(purpose);
        options.PaintTrackNames = names;
        return picture;
    }

    TScenery scenery;
    MapOptions options = test::FirstRunSwitches();
    ColorSlots colors;
    TWorkMode mode = TWorkMode::Make(true, 7);
};

TEST_F(TrackLabelsTest, ANameThatFitsIsWrittenAlongItsTrack) {
    Add("Tor_glowny", 0, 50, 200, 50);
    const std::vector<TrackLabel> labels = Labels();
    ASSERT_EQ(labels.size(), 1u);
    EXPECT_EQ(labels[0].text, "Tor_glowny");
    EXPECT_EQ(labels[0].angle, 0);
    EXPECT_EQ(labels[0].centre, QPointF(200, 100));
    EXPECT_LT(labels[0].size.width(), 100);

    // The box is white with black text and lies on the track; nothing else changes.
    const QImage with = Paint();
    const QImage without = PaintWithoutNames();
    const QRect box = QRectF(labels[0].centre - QPointF(labels[0].size.width() / 2 + 1,
                                                        labels[0].size.height() / 2 + 1),
                             labels[0].size + QSizeF(2, 2))
                          .toAlignedRect();
    int white = 0, black = 0;
    for (int y = 0; y < 200; ++y) {
        for (int x = 0; x < 400; ++x) {
            if (box.contains(x, y)) {
                white += with.pixel(x, y) == qRgb(255, 255, 255);
                black += with.pixel(x, y) == qRgb(0, 0, 0);
            } else {
                ASSERT_EQ(with.pixel(x, y), without.pixel(x, y)) << x << "," << y;
            }
        }
    }
    EXPECT_GT(white, 100);
    EXPECT_GT(black, 30);
}

TEST_F(TrackLabelsTest, OnAScreenOfTwoPicturePixelsToAPointNamesAreTwiceAsLarge) {
    Add("Tor_glowny", 0, 50, 200, 50);
    const MapSources sources{scenery, options, colors, mode};
    const std::vector<TrackLabel> one = PlaceTrackLabels(View(), sources);
    const std::vector<TrackLabel> two = PlaceTrackLabels(View(), sources, 2);
    ASSERT_EQ(one.size(), 1u);
    ASSERT_EQ(two.size(), 1u);
    EXPECT_NEAR(two[0].size.height(), 2 * one[0].size.height(), 2);
    EXPECT_NEAR(two[0].size.width(), 2 * one[0].size.width(), 4);
}

TEST_F(TrackLabelsTest, NamesThatDoNotFitAreLeftOut) {
    // Drawn 12 pixels long: far shorter than any name.
    Add("Krotki", 100, 20, 106, 20);
    // Only its 4 metres inside the picture count.
    Add("Na_skraju", -500, 80, 4, 80);
    // Curves carry no names.
    Add("Luk", 0, 60, 200, 60, 50);
    EXPECT_TRUE(Labels().empty());
    EXPECT_EQ(Paint(), PaintWithoutNames());
}

TEST_F(TrackLabelsTest, EachNameOnceOnItsLongestStretchAndUpright) {
    Add("Zwrotnica", 10, 10, 40, 10);
    // Drawn from right to left and upwards: the text still reads left to right.
    Add("Zwrotnica", 190, 10, 10, 90);
    const std::vector<TrackLabel> labels = Labels();
    ASSERT_EQ(labels.size(), 1u);
    EXPECT_EQ(labels[0].centre, QPointF(200, 100));
    EXPECT_NEAR(labels[0].angle, -std::atan2(80.0, 180.0) * 180 / std::numbers::pi, 1e-9);

    Add("Pionowy", 150, 0, 150, 100);
    Add("W_dol", 20, 90, 60, 0);
    const std::vector<TrackLabel> more = Labels();
    EXPECT_EQ(more.size(), 3u);
    for (const TrackLabel& label : more) {
        EXPECT_GE(label.angle, -90) << label.text.toStdString();
        EXPECT_LT(label.angle, 90) << label.text.toStdString();
        // A vertical name reads upwards whichever way its track was laid.
        if (label.text == "Pionowy") {
            EXPECT_EQ(label.angle, -90);
        }
    }

    // The grids of a loaded scenery find the same.
    const SceneryIndex index(scenery);
    const std::vector<TrackLabel> indexed = Labels(&index);
    const std::vector<TrackLabel> plain = Labels();
    ASSERT_EQ(indexed.size(), plain.size());
    for (std::size_t i = 0; i < plain.size(); ++i) {
        EXPECT_EQ(indexed[i].text, plain[i].text);
        EXPECT_EQ(indexed[i].centre, plain[i].centre);
    }
}

TEST_F(TrackLabelsTest, LabelsNeverOverlap) {
    // A star of long tracks through one point, and a bundle of close parallel ones.
    for (int i = 0; i < 12; ++i) {
        const double a = i * std::numbers::pi / 12;
        Add("Gwiazda_" + std::to_string(i), 100 - 45 * std::cos(a), 50 - 45 * std::sin(a),
            100 + 45 * std::cos(a), 50 + 45 * std::sin(a));
    }
    for (int i = 0; i < 8; ++i)
        Add("Wiazka_" + std::to_string(i), 0, 2 + i * 1.5, 200, 2 + i * 1.5);
    const std::vector<TrackLabel> labels = Labels();
    ASSERT_GE(labels.size(), 2u);
    EXPECT_LT(labels.size(), 20u);
    for (std::size_t i = 0; i < labels.size(); ++i) {
        for (std::size_t j = i + 1; j < labels.size(); ++j)
            EXPECT_FALSE(LabelsOverlap(labels[i], labels[j]))
                << labels[i].text.toStdString() << " " << labels[j].text.toStdString();
    }
}

TEST(TrackLabelOverlap, TurnedBoxesMeetOnlyWhereTheyTruly) {
    const TrackLabel flat{"a", {100, 100}, 0, {60, 12}};
    // Crossing at right angles, centres apart along the flat box.
    EXPECT_TRUE(LabelsOverlap(flat, {"b", {125, 100}, 90, {60, 12}}));
    EXPECT_FALSE(LabelsOverlap(flat, {"b", {137, 100}, 90, {60, 12}}));
    // Edges that touch count as overlapping.
    EXPECT_TRUE(LabelsOverlap(flat, {"b", {160, 100}, 0, {60, 12}}));
    // Two boxes turned by 45 degrees side by side: their bounds meet, the boxes do not.
    const TrackLabel left{"c", {100, 100}, 45, {80, 10}};
    const TrackLabel right{"d", {112, 88}, 45, {80, 10}};
    EXPECT_FALSE(LabelsOverlap(left, right));
    EXPECT_TRUE(LabelsOverlap(left, {"e", {104, 96}, 45, {80, 10}}));
}

TEST_F(TrackLabelsTest, NoNamesInTheUserModeOrWhenSwitchedOff) {
    Add("Tor_glowny", 0, 50, 200, 50);
    const QImage without = PaintWithoutNames();
    EXPECT_NE(Paint(), without);
    // Saved pictures carry them as the screen does.
    EXPECT_EQ(Paint(MapPurpose::Export), Paint());

    mode = TWorkMode::Make(false, 2);
    EXPECT_EQ(Paint(), without);
    mode = TWorkMode::Make(true, 7);
    options.PaintTrack = false;
    EXPECT_EQ(Paint(), PaintWithoutNames());
    options.PaintTrack = true;
    EXPECT_EQ(Paint(MapPurpose::MiniMap), PaintWithoutNames(MapPurpose::MiniMap));
    options.PaintTrackNames = false;
    EXPECT_EQ(Paint(), without);
}

}  // namespace
}  // namespace tarvik
