#pragma once

#include <forward_list>

#include "FileSystem.h"
#include "Scenery.h"

namespace tarvik {

// Compares every loaded file with the disk and stores the new time and size of each one that
// changed, so that a change is reported once. A file that disappeared loses its name and
// counts as a change; once nameless it is not counted again. True when anything changed.
bool UpdateFileStamps(std::forward_list<TIncFile>& files, const FileSystem& fileSystem);

}  // namespace tarvik
