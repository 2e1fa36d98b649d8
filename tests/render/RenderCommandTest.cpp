#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <regex>

#include "PictureLikeness.h"
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

std::string Bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

int Count(const std::string& text, const std::string& part) {
    int n = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++n;
    return n;
}

QImage SvgPicture(const std::string& path, QSize size) {
    QSvgRenderer svg(QString::fromStdString(path));
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    QPainter p(&image);
    svg.render(&p);
    return image;
}

// SVG and PDF hold the map as paths and its labels as text, at the size asked for, and show
// what the PNG of the same map shows.
TEST(TarvikRender, WritesSvgAndPdfInPathsMatchingThePicture) {
    test::TempDir dir;
    const std::vector<std::string> map = {kDemo,
                                          "--size",
                                          "640x480",
                                          "--signs",
                                          "speed,gradient",
                                          "--view",
                                          "-300,-200,300,200",
                                          "--overlays",
                                          "legend,minimap",
                                          "--layers",
                                          "tracks,roads,rivers,traction"};
    const auto render = [&](const std::string& name, std::vector<std::string> more = {}) {
        std::vector<std::string> args = map;
        args.insert(args.end(), {"-o", (dir.Path() / name).string()});
        args.insert(args.end(), more.begin(), more.end());
        EXPECT_EQ(Render(args), 0) << name;
        return (dir.Path() / name).string();
    };
    const QImage png(QString::fromStdString(render("map.png")));
    const std::string svgPath = render("map.SVG");
    const std::string svg = Bytes(svgPath);
    EXPECT_NE(svg.find("viewBox=\"0 0 640 480\""), std::string::npos);
    EXPECT_EQ(Count(svg, "<image"), 0);
    EXPECT_GT(Count(svg, "<path") + Count(svg, "<polyline"), 20);
    // The curves stay curves, the signs triangles, the labels text.
    EXPECT_GT(Count(svg, " C"), 0);
    EXPECT_GT(Count(svg, "d=\"M0,0 L"), 0);
    EXPECT_GT(Count(svg, "‰</text>"), 0);
    EXPECT_NE(svg.find(">50m</text>"), std::string::npos);
    EXPECT_NE(svg.find(">Trakcja</text>"), std::string::npos);
    const QRgb green = qRgb(0, 128, 0);
    const QImage fromSvg = SvgPicture(svgPath, png.size());
    const double svgUnlike = test::Unlike(png, fromSvg, green);
    EXPECT_LT(svgUnlike, 0.05);
    // The measure tells maps apart: the same map 100 m aside is far off.
    const QImage aside(
        QString::fromStdString(render("aside.png", {"--view", "-200,-200,400,200"})));
    EXPECT_GT(test::Unlike(png, aside, green), 3 * svgUnlike) << test::Unlike(png, aside, green);

    const std::string pdfPath = render("map.pdf");
    const std::string pdf = Bytes(pdfPath);
    EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
    EXPECT_TRUE(std::regex_search(pdf, std::regex(R"(/MediaBox \[0 0 640(\.0+)? 480(\.0+)?\])")));
    EXPECT_EQ(Count(pdf, "/Subtype /Image"), 0);
    EXPECT_EQ(Count(pdf, "/Type /Page\n") + Count(pdf, "/Type /Page\r"), 1);
    EXPECT_GT(Count(pdf, "/FontFile"), 0);
    const QString pdftoppm = QStandardPaths::findExecutable("pdftoppm");
    if (!pdftoppm.isEmpty()) {
        const QString page = QString::fromStdString((dir.Path() / "page").string());
        ASSERT_EQ(QProcess::execute(pdftoppm, {"-png", "-r", "72", "-singlefile",
                                               QString::fromStdString(pdfPath), page}),
                  0);
        const QImage fromPdf(page + ".png");
        ASSERT_EQ(fromPdf.size(), png.size());
        EXPECT_LT(test::Unlike(png, fromPdf, green), 0.05);
    }
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
    // A vector picture takes them too.
    const std::string svg = (dir.Path() / "map.svg").string();
    EXPECT_EQ(
        Render({kDemo, "-o", svg, "--settings", settings, "--size", "100x100", "--no-overlays"}),
        0);
    EXPECT_EQ(SvgPicture(svg, QSize(100, 100)).pixel(1, 1), ToRgb(0x102030));
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
    EXPECT_EQ(Render({kDemo, "-o", (dir.Path() / "no" / "dir.pdf").string()}), 1);
    std::filesystem::create_directories(dir.Path() / "taken.svg");
    EXPECT_EQ(Render({kDemo, "-o", (dir.Path() / "taken.svg").string()}), 1);
    EXPECT_TRUE(std::filesystem::is_directory(dir.Path() / "taken.svg"));
}

}  // namespace
}  // namespace tarvik
