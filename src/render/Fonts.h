#pragma once

#include <QFont>

namespace tarvik {

// The small font of labels on pictures (legend, scale bar, colour preview): 8 points at
// 96 dpi, without smoothing so that pictures are the same on every machine.
QFont SmallFont();

}  // namespace tarvik
