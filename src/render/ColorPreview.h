#pragma once

#include <QImage>

#include "ColorSlots.h"

namespace tarvik {

// The colour dialog's preview of the edited colours: a river, a road, a plain track, the three
// scales, traction and their captions.
QImage MakeColorPreview(const ColorSlots& colors, int width = 241, int height = 184);

}  // namespace tarvik
