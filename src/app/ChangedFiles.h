#pragma once

#include <forward_list>
#include <string>
#include <vector>

#include "Scenery.h"

namespace tarvik {

// The paths of the loaded files whose stamp the update changed (or that are gone), in the
// files' order, from the list as it was before the update and as it is after.
std::vector<std::string> ChangedFileNames(const std::vector<TIncFile>& before,
                                          const std::forward_list<TIncFile>& after);

// The question before a reload, naming up to five of the changed files (those in the top
// scenery file's folder relative to it) and counting the rest.
std::string FileChangeQuestion(const std::vector<std::string>& changed,
                               const std::string& sceneryPath);

}  // namespace tarvik
