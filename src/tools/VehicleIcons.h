#pragma once

#include <QIcon>

namespace tarvik {

// The images of the trainset trees: 0 locomotive, 1 drivable locomotive, 2 wagon, 3 drivable
// wagon, 4 free camera. Any other index gives an empty icon.
QIcon VehicleIcon(int index);

}  // namespace tarvik
