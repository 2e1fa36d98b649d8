#pragma once

#include <QIcon>
#include <QImage>

#include "ProgramInfo.h"

namespace tarvik {

// The program's pictures, drawn rather than shipped: the splash picture (also shown by the
// about box) and the application icon.
QImage MakeSplashPicture(int width, int height);
QIcon MakeApplicationIcon();

}  // namespace tarvik
