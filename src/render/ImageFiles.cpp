#include "ImageFiles.h"

#include <QFile>
#include <vector>

namespace tarvik {
namespace {

void Put16(std::vector<char>& out, quint16 v) {
    out.push_back(static_cast<char>(v & 0xFF));
    out.push_back(static_cast<char>(v >> 8));
}

void Put32(std::vector<char>& out, quint32 v) {
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<char>((v >> shift) & 0xFF));
}

}  // namespace

bool SaveBmp24(const QImage& picture, const QString& path) {
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    const auto width = static_cast<quint32>(image.width());
    const auto height = static_cast<quint32>(image.height());
    const quint32 rowBytes = (width * 3 + 3) & ~3u;
    const quint32 dataBytes = rowBytes * height;
    std::vector<char> out;
    out.reserve(54 + dataBytes);
    out.push_back('B');
    out.push_back('M');
    Put32(out, 54 + dataBytes);
    Put32(out, 0);
    Put32(out, 54);
    Put32(out, 40);
    Put32(out, width);
    Put32(out, height);
    Put16(out, 1);
    Put16(out, 24);
    Put32(out, 0);  // no compression
    Put32(out, dataBytes);
    Put32(out, 3780);  // 96 dpi
    Put32(out, 3780);
    Put32(out, 0);
    Put32(out, 0);
    // Rows bottom up, pixels in blue, green, red order.
    for (int y = image.height() - 1; y >= 0; --y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (quint32 x = 0; x < width; ++x) {
            out.push_back(static_cast<char>(qBlue(row[x])));
            out.push_back(static_cast<char>(qGreen(row[x])));
            out.push_back(static_cast<char>(qRed(row[x])));
        }
        for (quint32 pad = width * 3; pad < rowBytes; ++pad)
            out.push_back(0);
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    return file.write(out.data(), static_cast<qint64>(out.size())) ==
               static_cast<qint64>(out.size()) &&
           file.flush();
}

}  // namespace tarvik
