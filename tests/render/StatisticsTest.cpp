#include <gtest/gtest.h>

#include <QImage>
#include <cmath>

#include "SceneryStatistics.h"
#include "TestSupport.h"

namespace tarvik {
namespace {

test::PieceSpec Straight(double length, double height2, int velocity) {
    test::PieceSpec p;
    p.x2 = length;
    p.h2 = height2;
    p.extraLines = {"velocity " + std::to_string(velocity)};
    return p;
}

TEST(StatisticsTest, WeightedMeansAndClasses) {
    test::TempDir dir;
    TScenery scenery;
    test::ScriptedDialogs dialogs;
    // 1000 m at 60 km/h and 3000 m at 100 km/h, a 200 m road; one track climbs 60 per mille
    // (counted as 50) and one is flat.
    const std::string path = dir.Write(
        "s.scn", test::TrackNode(Straight(1000, 0, 60)) + test::TrackNode([] {
                     test::PieceSpec p = Straight(3000, 0, 100);
                     p.z1 = p.z2 = 500;
                     return p;
                 }()) +
                     test::TrackNode([] {
                         test::PieceSpec p = Straight(100, 6, 160);
                         p.z1 = p.z2 = 900;
                         return p;
                     }()) +
                     "node -1 0 r track road 1 1 1 1 1 0 flat vis\r\n r 4 r 0.2 2.75 2.5\r\n"
                     "0 0 1000 0\r\n0 0 0\r\n0 0 0\r\n200 0 1000 0\r\n0\r\nendtrack\r\n");
    test::LoadFile(scenery, path, test::UserMode(), dialogs);
    const SceneryStatistics st = ComputeStatistics(scenery, test::UserMode());
    EXPECT_EQ(st.tracks.count, 3u);
    const double steep = std::hypot(100.0, 6.0);
    EXPECT_NEAR(st.tracks.length, 4000 + steep, 1e-9);
    EXPECT_EQ(st.MeanSpeed(),
              static_cast<int>(std::lround((60000 + 300000 + 160 * steep) / (4000 + steep))));
    EXPECT_NEAR(st.MeanGradient(), 50 * steep / (4000 + steep), 1e-9);
    EXPECT_NEAR(st.speedClasses[60], 1000, 1e-9);
    EXPECT_NEAR(st.speedClasses[100], 3000, 1e-9);
    EXPECT_NEAR(st.gradientClasses[50], steep, 1e-9);
    EXPECT_NEAR(st.gradientClasses[0], 4000, 1e-9);
    EXPECT_EQ(st.roads.count, 1u);
    EXPECT_NEAR(st.roads.length, 200, 1e-9);
    // Four plain segments of 80 bytes each.
    EXPECT_EQ(st.memoryBytes, 4 * 80);
}

TEST(StatisticsTest, TwoTracksGiveNinetyKilometresAnHour) {
    test::TempDir dir;
    TScenery scenery;
    test::ScriptedDialogs dialogs;
    test::PieceSpec second = Straight(3000, 0, 100);
    second.z1 = second.z2 = 50;
    test::LoadFile(
        scenery,
        dir.Write("s.scn", test::TrackNode(Straight(1000, 0, 60)) + test::TrackNode(second)),
        test::UserMode(), dialogs);
    const SceneryStatistics st = ComputeStatistics(scenery, test::UserMode());
    EXPECT_EQ(st.MeanSpeed(), 90);
    EXPECT_NEAR(st.tracks.length, 4000, 1e-9);

    const SceneryStatistics empty = ComputeStatistics(TScenery{}, test::UserMode());
    EXPECT_EQ(empty.MeanSpeed(), 0);
    EXPECT_EQ(empty.MeanGradient(), 0);
}

TEST(StatisticsTest, HistogramSmearsHalvesUntilAShareRoundsToNothing) {
    std::array<double, 51> classes{};
    classes[20] = 1000;  // bin 140
    const Histogram h = BuildHistogram(classes.data(), 51, 0.02);
    EXPECT_DOUBLE_EQ(h.bins[140], 1000);
    const double shares[] = {500,    250,     125,      62.5,      31.25,     15.625,
                             7.8125, 3.90625, 1.953125, 0.9765625, 0.48828125};
    for (int i = 1; i <= 11; ++i) {
        EXPECT_DOUBLE_EQ(h.bins[140 - i], shares[i - 1]) << i;
        EXPECT_DOUBLE_EQ(h.bins[140 + i], shares[i - 1]) << i;
    }
    EXPECT_EQ(h.bins[140 - 12], 0);
    EXPECT_EQ(h.bins[140 + 12], 0);
    EXPECT_DOUBLE_EQ(h.peak, 1000);
    // Later classes find the smear in their bins: class 21 (bin 147) holds 1000 / 128.
    EXPECT_DOUBLE_EQ(h.second, 7.8125);

    // Speeds: class n lands in bin round(n * 350 / 160); the smear stops at the edges.
    std::array<double, 161> speeds{};
    speeds[160] = 300;
    speeds[0] = 40;
    const Histogram s = BuildHistogram(speeds.data(), 161, 0.00625);
    EXPECT_DOUBLE_EQ(s.bins[350], 300);
    EXPECT_DOUBLE_EQ(s.bins[349], 150);
    EXPECT_DOUBLE_EQ(s.bins[0], 40);
    EXPECT_DOUBLE_EQ(s.peak, 300);
    EXPECT_DOUBLE_EQ(s.second, 40);
}

TEST(StatisticsTest, SliderAndGrid) {
    Histogram h;
    h.peak = 5000.4;
    h.second = 1200;
    ScaleSlider slider;
    FitSlider(h, slider);
    EXPECT_EQ(slider.maximum, 5000);
    EXPECT_EQ(slider.position, 5000 - 1200 - 10);
    EXPECT_DOUBLE_EQ(slider.Scale(), 1211);
    // The same peak leaves the user's position alone.
    slider.position = 7;
    FitSlider(h, slider);
    EXPECT_EQ(slider.position, 7);
    h.peak = 30;
    h.second = 29;
    FitSlider(h, slider);
    EXPECT_EQ(slider.position, 1);

    EXPECT_EQ(GridStep(10), 1);
    EXPECT_EQ(GridStep(10.5), 2);
    EXPECT_EQ(GridStep(1000), 100);
    EXPECT_EQ(GridStep(200000), 20000);
    EXPECT_EQ(GridStep(200001), 50000);
    EXPECT_EQ(GridLabel(50, 3), "150m");
    EXPECT_EQ(GridLabel(500, 3), "1,5 km");
    EXPECT_EQ(GridLabel(2000, 3), "6km");

    // A bar over the scale is drawn up to the top.
    Histogram tall;
    tall.bins[100] = 5000;
    QImage graph(365, 209, QImage::Format_RGB32);
    DrawHistogram(graph, tall, 1000, ColorSlots{}.SpeedScale(), 0);
    EXPECT_NE(graph.pixel(110, 208), qRgb(255, 255, 255));
    EXPECT_EQ(graph.pixel(111, 200), qRgb(255, 255, 255));
}

}  // namespace
}  // namespace tarvik
