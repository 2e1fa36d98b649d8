#pragma once

#include <QImage>
#include <QPainter>
#include <QRgb>
#include <QSize>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace tarvik {

// Picture formats, numbered as the entries of the save dialog's filter. SVG and PDF hold a
// drawing in paths and text rather than pixels.
enum class PictureFormat { Bmp = 1, Gif = 2, Jpeg = 3, Png = 4, Svg = 5, Pdf = 6 };

bool IsVectorFormat(PictureFormat format);

// The format a file name's extension names, in any letter case: .bmp, .gif, .jpg, .jpeg, .png,
// .svg or .pdf.
std::optional<PictureFormat> PictureFormatOfName(std::string_view path);

// Asked when a picture has been written whole, just before it takes its name; false drops it,
// so a write stopped at the last moment leaves nothing either.
using MayCommit = std::function<bool()>;

// Writes picture under path (file-system bytes) in format: BMP with 24 bits per pixel; GIF
// with the fixed 256-colour palette, each pixel taking the nearest colour; JPEG at quality
// 100 with the floating-point DCT and progressive scans; PNG as Qt encodes it. The file
// appears under its name only once it has been written whole, so a failed write leaves
// nothing there (an existing file stays as it was). Returns the reason of a failure, for the
// user; a vector format is refused, as a picture of pixels has no paths to keep.
std::optional<std::string> WritePicture(const QImage& picture, const std::string& path,
                                        PictureFormat format, const MayCommit& mayCommit = {});

// Paints a drawing of the size asked for onto the painter it is given.
using Drawing = std::function<void(QPainter&)>;

// Writes what draw paints on a surface of size units under path in a vector format, the same
// way as WritePicture: an SVG whose units are CSS pixels (96 to the inch), or a PDF of one page
// whose units are points. Lines, curves and shapes stay paths and text stays text.
std::optional<std::string> WriteVectorPicture(const Drawing& draw, QSize size,
                                              const std::string& path, PictureFormat format,
                                              const MayCommit& mayCommit = {});

// A PNG picture as Qt encodes it, under its name in the same way.
std::optional<std::string> WritePng(const QImage& picture, const std::string& path,
                                    const MayCommit& mayCommit = {});

// The GIF palette: a 6 x 6 x 6 colour cube, the standard named colours and a grey ramp; 256
// different colours.
const std::array<QRgb, 256>& HalftonePalette();
// Index of the palette colour nearest to c (by the sum of squared differences of red, green
// and blue; the first of equals).
std::uint8_t NearestPaletteIndex(QRgb c);

}  // namespace tarvik
