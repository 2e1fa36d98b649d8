#pragma once

#include <QImage>
#include <QString>

namespace tarvik {

// Writes a picture as an uncompressed 24-bit BMP file; false when the file cannot be written.
bool SaveBmp24(const QImage& picture, const QString& path);

}  // namespace tarvik
