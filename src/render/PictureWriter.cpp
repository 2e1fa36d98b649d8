#include "PictureWriter.h"

#include <gif_lib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QBuffer>
#include <QFile>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSvgGenerator>
#include <algorithm>
#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <unordered_map>
#include <vector>

#include "Text.h"
#include "Translate.h"

// jpeglib.h needs size_t and FILE declared first.
#include <jpeglib.h>

namespace tarvik {
namespace {

// The resolution of an SVG's pixels, the same as a picture's.
constexpr int kCssDpi = 96;

// The pattern takes the file as %1 and the system's reason as %2.
std::string SystemError(const char* pattern, const std::string& path, int error) {
    return FormatText(Translate("PictureWriter", pattern), {path, std::strerror(error)});
}

constexpr const char* kCannotCreate =
    TARVIK_TRANSLATE_NOOP("PictureWriter", "Nie można utworzyć pliku „%1”: %2");
constexpr const char* kWriteFailed =
    TARVIK_TRANSLATE_NOOP("PictureWriter", "Błąd zapisu pliku „%1”: %2");

std::string EmptyPicture(const std::string& path) {
    return FormatText(Translate("PictureWriter", "Nie można zapisać pustego obrazu do pliku „%1”"),
                      {path});
}

std::string WriteError(const std::string& path) {
    return FormatText(Translate("PictureWriter", "Błąd zapisu pliku „%1”"), {path});
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The file a name stands for: a symbolic link is followed to its target, which is what the
// user means to replace; the link itself stays.
std::string FollowLinks(std::string path) {
    for (int hops = 0; hops < 40; ++hops) {
        struct stat info {};
        if (lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
        std::string target(static_cast<std::size_t>(info.st_size > 0 ? info.st_size : 4096), '\0');
        const ssize_t n = readlink(path.c_str(), target.data(), target.size());
        if (n <= 0) return path;
        target.resize(static_cast<std::size_t>(n));
        path = target.front() == '/' ? target : FolderOf(path) + "/" + target;
    }
    return path;
}

// A file written beside its final name and moved there only when it is complete.
class PendingFile {
  public:
    explicit PendingFile(const std::string& path) : path_(path), target_(FollowLinks(path)) {
        const std::size_t slash = target_.find_last_of('/');
        const std::string name = slash == std::string::npos ? target_ : target_.substr(slash + 1);
        temp_ = FolderOf(target_) + "/." + name + ".XXXXXX";
        const int fd = mkstemp(temp_.data());
        if (fd < 0) {
            error_ = SystemError(kCannotCreate, path_, errno);
            temp_.clear();
            return;
        }
        // A file replaced keeps its permissions; a new one is readable by all unless the umask
        // says otherwise, as an ordinary new file would be.
        struct stat old {};
        if (stat(target_.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
            fchmod(fd, old.st_mode & 07777);
        } else {
            const mode_t mask = umask(0);
            umask(mask);
            fchmod(fd, 0666 & ~mask);
        }
        file_ = fdopen(fd, "wb");
        if (!file_) {
            error_ = SystemError(kCannotCreate, path_, errno);
            close(fd);
        }
    }
    ~PendingFile() {
        if (file_) std::fclose(file_);
        if (!temp_.empty()) unlink(temp_.c_str());
    }
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;

    std::FILE* File() const { return file_; }
    const std::optional<std::string>& Error() const { return error_; }

    // Closes the file and gives it its name unless mayCommit declines; the reason when the
    // file does not take its name.
    std::optional<std::string> Commit(const MayCommit& mayCommit) {
        std::FILE* file = file_;
        file_ = nullptr;
        const bool written = std::fflush(file) == 0 && !std::ferror(file);
        const int writeError = errno;
        const bool closed = std::fclose(file) == 0;
        if (!written || !closed) {
            return SystemError(kWriteFailed, path_, written ? errno : writeError);
        }
        if (mayCommit && !mayCommit())
            return FormatText(Translate("PictureWriter", "Zapis pliku „%1” został przerwany"),
                              {path_});
        if (std::rename(temp_.c_str(), target_.c_str()) != 0) {
            return SystemError(kCannotCreate, path_, errno);
        }
        temp_.clear();
        return std::nullopt;
    }

  private:
    std::string path_;
    std::string target_;
    std::string temp_;
    std::FILE* file_ = nullptr;
    std::optional<std::string> error_;
};

void Put16(std::vector<unsigned char>& out, unsigned v) {
    out.push_back(static_cast<unsigned char>(v & 0xFF));
    out.push_back(static_cast<unsigned char>((v >> 8) & 0xFF));
}

void Put32(std::vector<unsigned char>& out, std::uint32_t v) {
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<unsigned char>((v >> shift) & 0xFF));
}

bool WriteBmp(const QImage& image, std::FILE* file) {
    const auto width = static_cast<std::uint32_t>(image.width());
    const auto height = static_cast<std::uint32_t>(image.height());
    const std::uint32_t rowBytes = (width * 3 + 3) & ~3u;
    std::vector<unsigned char> header;
    header.push_back('B');
    header.push_back('M');
    Put32(header, 54 + rowBytes * height);
    Put32(header, 0);
    Put32(header, 54);
    Put32(header, 40);
    Put32(header, width);
    Put32(header, height);
    Put16(header, 1);
    Put16(header, 24);
    Put32(header, 0);  // no compression
    Put32(header, rowBytes * height);
    Put32(header, 3780);  // 96 dpi
    Put32(header, 3780);
    Put32(header, 0);
    Put32(header, 0);
    if (std::fwrite(header.data(), 1, header.size(), file) != header.size()) return false;
    // Rows bottom up, pixels in blue, green, red order, handed to the file a few hundred
    // kilobytes at a time: a write per row costs more than converting it.
    const std::size_t rowsAtOnce = std::max<std::size_t>(1, (256u << 10) / rowBytes);
    std::vector<unsigned char> rows(rowsAtOnce * rowBytes, 0);
    std::size_t filled = 0;
    for (int y = image.height() - 1; y >= 0; --y) {
        const auto* pixels = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        unsigned char* out = rows.data() + filled * rowBytes;
        for (std::uint32_t x = 0; x < width; ++x, out += 3) {
            const QRgb pixel = pixels[x];
            out[0] = static_cast<unsigned char>(qBlue(pixel));
            out[1] = static_cast<unsigned char>(qGreen(pixel));
            out[2] = static_cast<unsigned char>(qRed(pixel));
        }
        if (++filled == rowsAtOnce || y == 0) {
            const std::size_t bytes = filled * rowBytes;
            if (std::fwrite(rows.data(), 1, bytes, file) != bytes) return false;
            filled = 0;
        }
    }
    return true;
}

int WriteToFile(GifFileType* gif, const GifByteType* data, int length) {
    auto* file = static_cast<std::FILE*>(gif->UserData);
    return static_cast<int>(std::fwrite(data, 1, static_cast<std::size_t>(length), file));
}

std::optional<std::string> WriteGif(const QImage& image, std::FILE* file) {
    int error = 0;
    GifFileType* gif = EGifOpen(file, WriteToFile, &error);
    if (!gif) return std::string(GifErrorString(error));
    std::array<GifColorType, 256> colors{};
    for (std::size_t i = 0; i < colors.size(); ++i) {
        const QRgb c = HalftonePalette()[i];
        colors[i] = {static_cast<GifByteType>(qRed(c)), static_cast<GifByteType>(qGreen(c)),
                     static_cast<GifByteType>(qBlue(c))};
    }
    ColorMapObject* map = GifMakeMapObject(256, colors.data());
    bool ok = map && EGifPutScreenDesc(gif, image.width(), image.height(), 8, 0, map) == GIF_OK &&
              EGifPutImageDesc(gif, 0, 0, image.width(), image.height(), false, nullptr) == GIF_OK;
    if (map) GifFreeMapObject(map);
    std::vector<GifPixelType> line(static_cast<std::size_t>(image.width()));
    std::unordered_map<QRgb, std::uint8_t> nearest;
    for (int y = 0; ok && y < image.height(); ++y) {
        const auto* pixels = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = pixels[x] | 0xFF000000u;
            const auto [it, added] = nearest.try_emplace(c, 0);
            if (added) it->second = NearestPaletteIndex(c);
            line[static_cast<std::size_t>(x)] = it->second;
        }
        ok = EGifPutLine(gif, line.data(), image.width()) == GIF_OK;
    }
    const int failure = ok ? 0 : gif->Error;
    // Closing writes the trailer and frees the handle, also after a failure.
    if (EGifCloseFile(gif, &error) != GIF_OK && ok) return std::string(GifErrorString(error));
    if (!ok) return std::string(GifErrorString(failure));
    return std::nullopt;
}

struct JpegError {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void JpegExit(j_common_ptr info) {
    auto* error = reinterpret_cast<JpegError*>(info->err);
    info->err->format_message(info, error->message);
    std::longjmp(error->jump, 1);
}

// Kept free of objects with destructors: the library leaves through longjmp on an error.
bool CompressJpeg(jpeg_compress_struct& info, const QImage& image, std::FILE* file,
                  unsigned char* row) {
    auto* error = reinterpret_cast<JpegError*>(info.err);
    if (setjmp(error->jump)) return false;
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);
    info.image_width = static_cast<JDIMENSION>(image.width());
    info.image_height = static_cast<JDIMENSION>(image.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 100, TRUE);
    info.dct_method = JDCT_FLOAT;
    jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        const auto* pixels = reinterpret_cast<const QRgb*>(
            image.constScanLine(static_cast<int>(info.next_scanline)));
        for (int x = 0; x < image.width(); ++x) {
            row[x * 3] = static_cast<unsigned char>(qRed(pixels[x]));
            row[x * 3 + 1] = static_cast<unsigned char>(qGreen(pixels[x]));
            row[x * 3 + 2] = static_cast<unsigned char>(qBlue(pixels[x]));
        }
        JSAMPROW rows[1] = {row};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    return true;
}

std::optional<std::string> WriteJpeg(const QImage& image, std::FILE* file) {
    jpeg_compress_struct info{};
    JpegError error{};
    info.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = JpegExit;
    std::vector<unsigned char> row(static_cast<std::size_t>(image.width()) * 3);
    const bool ok = CompressJpeg(info, image, file, row.data());
    jpeg_destroy_compress(&info);
    if (!ok) return std::string(error.message);
    return std::nullopt;
}

bool PaintSvg(QIODevice& out, const Drawing& draw, QSize size) {
    QBuffer drawn;
    drawn.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&drawn);
    svg.setResolution(kCssDpi);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setTitle(QStringLiteral("Tarvik Track Viewer"));
    QPainter painter;
    if (!painter.begin(&svg)) return false;
    draw(painter);
    if (!painter.end()) return false;
    // Qt gives the size in millimetres, rounded, which viewers turn into a pixel more than was
    // asked for; in pixels it is exact.
    QByteArray text = drawn.data();
    static const QRegularExpression millimetres(
        QStringLiteral(R"(<svg width="[0-9.]+mm" height="[0-9.]+mm")"));
    const QRegularExpressionMatch found = millimetres.match(QString::fromLatin1(text.left(512)));
    if (found.hasMatch()) {
        text.replace(found.capturedStart(), found.capturedLength(),
                     QStringLiteral(R"(<svg width="%1" height="%2")")
                         .arg(size.width())
                         .arg(size.height())
                         .toLatin1());
    }
    return out.write(text) == text.size();
}

bool PaintPdf(QIODevice& out, const Drawing& draw, QSize size) {
    QPdfWriter pdf(&out);
    // One unit is one point, so the page is exactly the size asked for.
    pdf.setResolution(72);
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setPageSize(QPageSize(size, QPageSize::Point, QString(), QPageSize::ExactMatch));
    pdf.setCreator(QStringLiteral("Tarvik Track Viewer"));
    QPainter painter;
    if (!painter.begin(&pdf)) return false;
    draw(painter);
    return painter.end();
}

std::array<QRgb, 256> MakePalette() {
    std::array<QRgb, 256> palette{};
    std::size_t n = 0;
    const auto add = [&](int r, int g, int b) {
        const QRgb c = qRgb(r, g, b);
        for (std::size_t i = 0; i < n; ++i) {
            if (palette[i] == c) return;
        }
        if (n < palette.size()) palette[n++] = c;
    };
    for (int r = 0; r < 6; ++r) {
        for (int g = 0; g < 6; ++g) {
            for (int b = 0; b < 6; ++b)
                add(r * 51, g * 51, b * 51);
        }
    }
    // The named colours of the colour settings that the cube lacks.
    const int named[][3] = {{128, 0, 0},     {0, 128, 0},     {128, 128, 0},   {0, 0, 128},
                            {128, 0, 128},   {0, 128, 128},   {128, 128, 128}, {192, 192, 192},
                            {192, 220, 192}, {166, 202, 240}, {255, 251, 240}, {160, 160, 164}};
    for (const auto& c : named)
        add(c[0], c[1], c[2]);
    // An even ramp of greys between black and white fills the rest.
    const std::size_t free = palette.size() - n;
    for (std::size_t k = 1; k <= free; ++k) {
        const int v = static_cast<int>((k * 255 + (free + 1) / 2) / (free + 1));
        add(v, v, v);
    }
    for (int v = 1; v < 255 && n < palette.size(); ++v)
        add(v, v, v);
    return palette;
}

}  // namespace

const std::array<QRgb, 256>& HalftonePalette() {
    static const std::array<QRgb, 256> palette = MakePalette();
    return palette;
}

std::uint8_t NearestPaletteIndex(QRgb c) {
    const std::array<QRgb, 256>& palette = HalftonePalette();
    int best = 0;
    int bestDistance = 1 << 30;
    for (int i = 0; i < 256; ++i) {
        const QRgb p = palette[static_cast<std::size_t>(i)];
        const int dr = qRed(p) - qRed(c);
        const int dg = qGreen(p) - qGreen(c);
        const int db = qBlue(p) - qBlue(c);
        const int d = dr * dr + dg * dg + db * db;
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return static_cast<std::uint8_t>(best);
}

bool IsVectorFormat(PictureFormat format) {
    return format == PictureFormat::Svg || format == PictureFormat::Pdf;
}

std::optional<PictureFormat> PictureFormatOfName(std::string_view path) {
    if (EndsWithIgnoreCase(path, ".png")) return PictureFormat::Png;
    if (EndsWithIgnoreCase(path, ".svg")) return PictureFormat::Svg;
    if (EndsWithIgnoreCase(path, ".pdf")) return PictureFormat::Pdf;
    if (EndsWithIgnoreCase(path, ".bmp")) return PictureFormat::Bmp;
    if (EndsWithIgnoreCase(path, ".gif")) return PictureFormat::Gif;
    if (EndsWithIgnoreCase(path, ".jpg") || EndsWithIgnoreCase(path, ".jpeg")) {
        return PictureFormat::Jpeg;
    }
    return std::nullopt;
}

std::optional<std::string> WritePicture(const QImage& picture, const std::string& path,
                                        PictureFormat format, const MayCommit& mayCommit) {
    if (picture.isNull()) return EmptyPicture(path);
    if (format == PictureFormat::Png) return WritePng(picture, path, mayCommit);
    if (IsVectorFormat(format)) return "A picture of pixels cannot be written as paths";
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    PendingFile file(path);
    if (file.Error()) return file.Error();
    std::optional<std::string> error;
    switch (format) {
        case PictureFormat::Bmp:
            if (!WriteBmp(image, file.File())) error = SystemError(kWriteFailed, path, errno);
            break;
        case PictureFormat::Gif:
            error = WriteGif(image, file.File());
            break;
        case PictureFormat::Jpeg:
            error = WriteJpeg(image, file.File());
            break;
        case PictureFormat::Png:
        case PictureFormat::Svg:
        case PictureFormat::Pdf:
            break;
    }
    if (error) return error;
    return file.Commit(mayCommit);
}

std::optional<std::string> WritePng(const QImage& picture, const std::string& path,
                                    const MayCommit& mayCommit) {
    if (picture.isNull()) return EmptyPicture(path);
    PendingFile file(path);
    if (file.Error()) return file.Error();
    {
        // Qt writes through the pending file's stream, which it leaves open.
        QFile out;
        if (!out.open(file.File(), QIODevice::WriteOnly) || !picture.save(&out, "PNG")) {
            return WriteError(path);
        }
        out.close();
    }
    return file.Commit(mayCommit);
}

std::optional<std::string> WriteVectorPicture(const Drawing& draw, QSize size,
                                              const std::string& path, PictureFormat format,
                                              const MayCommit& mayCommit) {
    if (!IsVectorFormat(format)) return "\"" + path + "\" is not written in paths";
    if (size.isEmpty()) return EmptyPicture(path);
    PendingFile file(path);
    if (file.Error()) return file.Error();
    {
        // Qt writes through the pending file's stream, which it leaves open.
        QFile out;
        if (!out.open(file.File(), QIODevice::WriteOnly)) {
            return WriteError(path);
        }
        const bool painted =
            format == PictureFormat::Svg ? PaintSvg(out, draw, size) : PaintPdf(out, draw, size);
        if (!painted || out.error() != QFileDevice::NoError) {
            return WriteError(path);
        }
        out.close();
    }
    return file.Commit(mayCommit);
}

}  // namespace tarvik
