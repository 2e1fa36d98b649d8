#include <gtest/gtest.h>

#include <QImage>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "QtColor.h"
#include "RenderCommand.h"
#include "TestSupport.h"

namespace tarvik {
namespace {

const std::string kDemo = std::string(TARVIK_SOURCE_DIR) + "/examples/demo/demo.scn";

int Render(std::vector<std::string> args) {
    std::FILE* err = std::tmpfile();
    const int status = RunRender(args, err);
    std::fclose(err);
    return status;
}

TEST(TarvikRender, WritesPngAndBmpOfTheAskedSize) {
    test::TempDir dir;
    const std::string png = (dir.Path() / "map.png").string();
    const std::string bmp = (dir.Path() / "map.BMP").string();
    EXPECT_EQ(Render({kDemo, "-o", png, "--size", "300x200", "--map", "height"}), 0);
    EXPECT_EQ(Render({kDemo, "-o", bmp, "--signs", "speed,gradient", "--overlays", "legend,minimap",
                      "--layers", "tracks,traction", "--transparent"}),
              0);
    const QImage fromPng(QString::fromStdString(png));
    EXPECT_EQ(fromPng.size(), QSize(300, 200));
    const QImage fromBmp(QString::fromStdString(bmp));
    EXPECT_EQ(fromBmp.size(), QSize(800, 600));
    std::ifstream in(bmp, std::ios::binary);
    char header[30];
    in.read(header, sizeof header);
    EXPECT_EQ(header[0], 'B');
    EXPECT_EQ(header[28], 24);  // bits per pixel
}

TEST(TarvikRender, WritesGifAndJpegByTheirExtensions) {
    test::TempDir dir;
    for (const char* name : {"map.gif", "map.jpg", "map.JPEG"}) {
        const std::string path = (dir.Path() / name).string();
        EXPECT_EQ(Render({kDemo, "-o", path, "--size", "120x90"}), 0) << name;
        EXPECT_EQ(QImage(QString::fromStdString(path)).size(), QSize(120, 90)) << name;
    }
    std::ifstream gif(dir.Path() / "map.gif", std::ios::binary);
    char magic[3];
    gif.read(magic, 3);
    EXPECT_EQ(std::string(magic, 3), "GIF");
    // A folder in the way is reported and nothing else is written.
    std::filesystem::create_directories(dir.Path() / "taken.gif");
    EXPECT_EQ(Render({kDemo, "-o", (dir.Path() / "taken.gif").string()}), 1);
}

TEST(TarvikRender, ColoursComeFromTheSettingsFile) {
    test::TempDir dir;
    const std::string settings = dir.Write("Zorvan.conf", "[Colors]\nBackground=$00102030\n");
    const std::string png = (dir.Path() / "map.png").string();
    EXPECT_EQ(
        Render({kDemo, "-o", png, "--settings", settings, "--size", "100x100", "--no-overlays"}),
        0);
    const QImage image(QString::fromStdString(png));
    EXPECT_EQ(image.pixel(1, 1), ToRgb(0x102030));
    EXPECT_EQ(Render({kDemo, "-o", png, "--white", "--size", "100x100", "--no-overlays"}), 0);
    EXPECT_EQ(QImage(QString::fromStdString(png)).pixel(1, 1), 0xFFFFFFFF);
}

TEST(TarvikRender, WrongUsageAndMissingFiles) {
    test::TempDir dir;
    const std::string out = (dir.Path() / "m.png").string();
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{kDemo},
                                               {"-o", out},
                                               {kDemo, "-o", (dir.Path() / "m.tif").string()},
                                               {kDemo, "-o", out, "--size", "0x10"},
                                               {kDemo, "-o", out, "--size", "10"},
                                               {kDemo, "-o", out, "--map", "speed"},
                                               {kDemo, "-o", out, "--layers", "tracks,trees"},
                                               {kDemo, "-o", out, "--view", "10,0,10,5"},
                                               {kDemo, "-o", out, "--colour"}}) {
        EXPECT_EQ(Render(args), 2) << args.back();
    }
    EXPECT_EQ(Render({(dir.Path() / "none.scn").string(), "-o", out}), 1);
    EXPECT_EQ(Render({kDemo, "-o", (dir.Path() / "no" / "dir.png").string()}), 1);
}

}  // namespace
}  // namespace tarvik
