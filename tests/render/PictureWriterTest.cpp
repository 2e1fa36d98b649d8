#include <gif_lib.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>

#include "PictureWriter.h"
#include "TestSupport.h"

namespace tarvik {
namespace {

// Stripes of a few colours, one of them not in the palette.
QImage TestPicture(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const QRgb colours[] = {qRgb(0, 128, 0), qRgb(255, 0, 0), qRgb(192, 192, 192),
                                    qRgb(10, 20, 250)};
            image.setPixel(x, y, colours[(x / 4) % 4]);
        }
    }
    return image;
}

std::string Bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::vector<std::string> FilesIn(const std::filesystem::path& dir) {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(dir))
        names.push_back(e.path().filename().string());
    return names;
}

TEST(PictureWriterTest, PaletteIsAFixedSetOf256Colours) {
    const auto& palette = HalftonePalette();
    EXPECT_EQ(std::set<QRgb>(palette.begin(), palette.end()).size(), 256u);
    // The cube's corners and the named colours are there exactly.
    for (const QRgb c : {qRgb(0, 0, 0), qRgb(255, 255, 255), qRgb(255, 0, 0), qRgb(0, 128, 0),
                         qRgb(192, 192, 192), qRgb(128, 128, 128), qRgb(51, 102, 153)}) {
        EXPECT_EQ(palette[NearestPaletteIndex(c)], c);
    }
    // Others take the nearest entry.
    EXPECT_EQ(palette[NearestPaletteIndex(qRgb(10, 20, 250))], qRgb(0, 0, 255));
    EXPECT_EQ(palette[NearestPaletteIndex(qRgb(250, 130, 5))], qRgb(255, 153, 0));
}

TEST(PictureWriterTest, EachFormatReadsBack) {
    test::TempDir dir;
    const QImage picture = TestPicture(33, 17);
    const std::string bmp = (dir.Path() / "a.bmp").string();
    ASSERT_FALSE(WritePicture(picture, bmp, PictureFormat::Bmp));
    const std::string bmpBytes = Bytes(bmp);
    ASSERT_GT(bmpBytes.size(), 54u);
    EXPECT_EQ(bmpBytes.substr(0, 2), "BM");
    EXPECT_EQ(static_cast<unsigned char>(bmpBytes[28]), 24);  // bits per pixel
    EXPECT_EQ(bmpBytes.size(), 54u + ((33 * 3 + 3) & ~3) * 17u);
    EXPECT_EQ(QImage(QString::fromStdString(bmp)).convertToFormat(QImage::Format_RGB32), picture);

    // Tall enough for its rows to be written in several pieces, the last one short.
    QImage tall(31, 9001, QImage::Format_RGB32);
    for (int y = 0; y < tall.height(); ++y) {
        for (int x = 0; x < tall.width(); ++x)
            tall.setPixel(x, y, qRgb(y & 0xFF, y >> 8, 8 * x));
    }
    ASSERT_FALSE(WritePicture(tall, bmp, PictureFormat::Bmp));
    EXPECT_EQ(Bytes(bmp).size(), 54u + ((31 * 3 + 3) & ~3) * 9001u);
    EXPECT_EQ(QImage(QString::fromStdString(bmp)).convertToFormat(QImage::Format_RGB32), tall);

    // GIF data under a name ending in .bmp: the format is chosen, not guessed.
    const std::string gif = (dir.Path() / "b.bmp").string();
    ASSERT_FALSE(WritePicture(picture, gif, PictureFormat::Gif));
    EXPECT_EQ(Bytes(gif).substr(0, 3), "GIF");
    int error = 0;
    GifFileType* file = DGifOpenFileName(gif.c_str(), &error);
    ASSERT_NE(file, nullptr);
    ASSERT_EQ(DGifSlurp(file), GIF_OK);
    EXPECT_EQ(file->SWidth, 33);
    EXPECT_EQ(file->SHeight, 17);
    ASSERT_NE(file->SColorMap, nullptr);
    EXPECT_EQ(file->SColorMap->ColorCount, 256);
    ASSERT_EQ(file->ImageCount, 1);
    const auto colourAt = [&](int x, int y) {
        const GifByteType index = file->SavedImages[0].RasterBits[y * 33 + x];
        const GifColorType c = file->SColorMap->Colors[index];
        return qRgb(c.Red, c.Green, c.Blue);
    };
    EXPECT_EQ(colourAt(0, 0), qRgb(0, 128, 0));
    EXPECT_EQ(colourAt(4, 3), qRgb(255, 0, 0));
    EXPECT_EQ(colourAt(8, 16), qRgb(192, 192, 192));
    EXPECT_EQ(colourAt(12, 5), qRgb(0, 0, 255));  // the nearest, not dithered
    EXPECT_EQ(colourAt(13, 6), qRgb(0, 0, 255));
    DGifCloseFile(file, &error);

    const std::string jpg = (dir.Path() / "c.jpg").string();
    ASSERT_FALSE(WritePicture(picture, jpg, PictureFormat::Jpeg));
    const std::string jpegBytes = Bytes(jpg);
    EXPECT_EQ(jpegBytes.substr(0, 2), "\xFF\xD8");
    // A progressive frame (SOF2) of three components.
    const std::size_t sof = jpegBytes.find("\xFF\xC2");
    ASSERT_NE(sof, std::string::npos);
    EXPECT_EQ(static_cast<unsigned char>(jpegBytes[sof + 9]), 3);
    EXPECT_EQ(jpegBytes.find("\xFF\xC0"), std::string::npos);
    const QImage back(QString::fromStdString(jpg));
    EXPECT_EQ(back.size(), QSize(33, 17));
    EXPECT_FALSE(back.isGrayscale());
    EXPECT_NEAR(qRed(back.pixel(5, 5)), 255, 8);  // quality 100 keeps the colours close

    const std::string tiny = (dir.Path() / "d.gif").string();
    ASSERT_FALSE(WritePicture(TestPicture(10, 10), tiny, PictureFormat::Gif));
    EXPECT_EQ(QImage(QString::fromStdString(tiny)).size(), QSize(10, 10));
    // Nothing but the written files is left in the folder.
    EXPECT_EQ(FilesIn(dir.Path()).size(), 4u);
}

TEST(PictureWriterTest, TheNameTellsTheFormatInAnyLetterCase) {
    EXPECT_EQ(PictureFormatOfName("/a/mapa.bmp"), PictureFormat::Bmp);
    EXPECT_EQ(PictureFormatOfName("mapa.GIF"), PictureFormat::Gif);
    EXPECT_EQ(PictureFormatOfName("mapa.Jpg"), PictureFormat::Jpeg);
    EXPECT_EQ(PictureFormatOfName("mapa.jpeg"), PictureFormat::Jpeg);
    EXPECT_EQ(PictureFormatOfName("mapa.Png"), PictureFormat::Png);
    EXPECT_EQ(PictureFormatOfName("mapa.SVG"), PictureFormat::Svg);
    EXPECT_EQ(PictureFormatOfName("mapa.pdf"), PictureFormat::Pdf);
    EXPECT_EQ(PictureFormatOfName("mapa.svgz"), std::nullopt);
    EXPECT_EQ(PictureFormatOfName("mapa"), std::nullopt);
    EXPECT_EQ(PictureFormatOfName("/a/gif"), std::nullopt);
}

TEST(PictureWriterTest, AFailedWriteLeavesNothingUnderTheName) {
    test::TempDir dir;
    const QImage picture = TestPicture(20, 20);
    for (const PictureFormat format :
         {PictureFormat::Bmp, PictureFormat::Gif, PictureFormat::Jpeg}) {
        const std::optional<std::string> missing =
            WritePicture(picture, (dir.Path() / "no/such/folder/a.bmp").string(), format);
        ASSERT_TRUE(missing);
        EXPECT_EQ(*missing, "Nie można utworzyć pliku „" +
                                (dir.Path() / "no/such/folder/a.bmp").string() +
                                "”: " + std::strerror(ENOENT));

        // A folder in the way.
        std::filesystem::create_directories(dir.Path() / "taken.gif");
        const std::optional<std::string> folder =
            WritePicture(picture, (dir.Path() / "taken.gif").string(), format);
        ASSERT_TRUE(folder);
        EXPECT_TRUE(std::filesystem::is_directory(dir.Path() / "taken.gif"));
        EXPECT_EQ(FilesIn(dir.Path()), std::vector<std::string>{"taken.gif"});
    }
    if (geteuid() != 0) {
        std::filesystem::create_directories(dir.Path() / "locked");
        std::filesystem::permissions(dir.Path() / "locked", std::filesystem::perms::owner_read |
                                                                std::filesystem::perms::owner_exec);
        EXPECT_TRUE(
            WritePicture(picture, (dir.Path() / "locked/a.jpg").string(), PictureFormat::Jpeg));
        std::filesystem::permissions(dir.Path() / "locked", std::filesystem::perms::owner_all);
    }
    // An existing file is replaced only by a complete picture.
    const std::string kept = dir.Write("kept.bmp", "old");
    EXPECT_FALSE(WritePicture(picture, kept, PictureFormat::Gif));
    EXPECT_EQ(Bytes(kept).substr(0, 3), "GIF");
}

TEST(PictureWriterTest, AWriteDeclinedAtTheLastMomentLeavesNothing) {
    test::TempDir dir;
    const QImage picture = TestPicture(40, 30);
    const std::string kept = dir.Write("kept.gif", "old");
    const std::string png = (dir.Path() / "a.png").string();
    int asked = 0;
    const MayCommit decline = [&asked] {
        ++asked;
        return false;
    };
    EXPECT_EQ(WritePicture(picture, kept, PictureFormat::Gif, decline),
              "Zapis pliku „" + kept + "” został przerwany");
    EXPECT_TRUE(WritePng(picture, png, decline));
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(Bytes(kept), "old");
    EXPECT_EQ(FilesIn(dir.Path()), std::vector<std::string>{"kept.gif"});

    // Allowed, the PNG is written whole under its name, as Qt reads it.
    EXPECT_FALSE(WritePng(picture, png, [] { return true; }));
    EXPECT_EQ(QImage(QString::fromStdString(png)).convertToFormat(QImage::Format_RGB32), picture);
    const std::optional<std::string> missing =
        WritePng(picture, (dir.Path() / "no/such/a.png").string());
    ASSERT_TRUE(missing);
    EXPECT_NE(missing->find("no/such/a.png"), std::string::npos) << *missing;
}

// A vector picture is written as the others are: whole under its name or not at all; a
// picture of pixels is not passed off as one.
TEST(PictureWriterTest, VectorPicturesKeepWhatIsPaintedAsPaths) {
    test::TempDir dir;
    const Drawing draw = [](QPainter& p) {
        p.setPen(QPen(Qt::red, 3));
        p.drawLine(10, 10, 200, 90);
        p.drawText(20, 50, QStringLiteral("Łódź"));
    };
    const std::string svg = (dir.Path() / "a.svg").string();
    ASSERT_FALSE(WriteVectorPicture(draw, QSize(210, 100), svg, PictureFormat::Svg));
    const std::string svgText = Bytes(svg);
    EXPECT_NE(svgText.find("viewBox=\"0 0 210 100\""), std::string::npos);
    EXPECT_NE(svgText.find("<svg width=\"210\" height=\"100\""), std::string::npos);
    EXPECT_NE(svgText.find("Łódź</text>"), std::string::npos);
    EXPECT_EQ(svgText.find("<image"), std::string::npos);

    const std::string pdf = (dir.Path() / "a.pdf").string();
    ASSERT_FALSE(WriteVectorPicture(draw, QSize(210, 100), pdf, PictureFormat::Pdf));
    const std::string pdfText = Bytes(pdf);
    EXPECT_EQ(pdfText.substr(0, 5), "%PDF-");
    EXPECT_TRUE(
        std::regex_search(pdfText, std::regex(R"(/MediaBox \[0 0 210(\.0+)? 100(\.0+)?\])")));
    EXPECT_EQ(pdfText.find("/Subtype /Image"), std::string::npos);

    // Declined at the last moment or refused, nothing is left under the name.
    const std::string kept = dir.Write("kept.svg", "old");
    EXPECT_TRUE(
        WriteVectorPicture(draw, QSize(10, 10), kept, PictureFormat::Svg, [] { return false; }));
    EXPECT_EQ(Bytes(kept), "old");
    EXPECT_TRUE(WriteVectorPicture(draw, QSize(10, 10), (dir.Path() / "no/a.pdf").string(),
                                   PictureFormat::Pdf));
    EXPECT_TRUE(WriteVectorPicture(draw, QSize(0, 10), (dir.Path() / "b.pdf").string(),
                                   PictureFormat::Pdf));
    EXPECT_TRUE(WriteVectorPicture(draw, QSize(10, 10), (dir.Path() / "b.bmp").string(),
                                   PictureFormat::Bmp));
    EXPECT_TRUE(
        WritePicture(TestPicture(10, 10), (dir.Path() / "c.svg").string(), PictureFormat::Svg));
    EXPECT_FALSE(
        WritePicture(TestPicture(10, 10), (dir.Path() / "c.png").string(), PictureFormat::Png));
    EXPECT_EQ(QImage(QString::fromStdString((dir.Path() / "c.png").string()))
                  .convertToFormat(QImage::Format_RGB32),
              TestPicture(10, 10));
    std::vector<std::string> names = FilesIn(dir.Path());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"a.pdf", "a.svg", "c.png", "kept.svg"}));
}

TEST(PictureWriterTest, ALinkedPictureIsReplacedThroughItsLinkWithItsPermissions) {
    namespace fs = std::filesystem;
    test::TempDir dir;
    const std::string target = dir.Write("pictures/map.gif", "old");
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    // A chain of two links, the first one relative.
    fs::create_symlink("pictures/map.gif", dir.Path() / "middle.gif");
    fs::create_symlink(dir.Path() / "middle.gif", dir.Path() / "link.gif");
    const std::string link = (dir.Path() / "link.gif").string();
    ASSERT_FALSE(WritePicture(TestPicture(12, 8), link, PictureFormat::Gif));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_TRUE(fs::is_symlink(dir.Path() / "middle.gif"));
    EXPECT_EQ(Bytes(target).substr(0, 3), "GIF");
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(FilesIn(dir.Path() / "pictures"), std::vector<std::string>{"map.gif"});

    // A link to a file that is not there yet makes that file.
    fs::create_symlink("pictures/new.bmp", dir.Path() / "dangling.bmp");
    ASSERT_FALSE(WritePicture(TestPicture(4, 4), (dir.Path() / "dangling.bmp").string(),
                              PictureFormat::Bmp));
    EXPECT_TRUE(fs::is_symlink(dir.Path() / "dangling.bmp"));
    EXPECT_EQ(Bytes((dir.Path() / "pictures/new.bmp").string()).substr(0, 2), "BM");
}

}  // namespace
}  // namespace tarvik
