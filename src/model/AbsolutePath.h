#pragma once

#include <string>
#include <string_view>

namespace tarvik {

// A path made absolute against folder (itself absolute), as the file system's bytes: "." and
// empty components go, ".." stays, since beyond a symbolic link it does not lead back to where
// the link stands. An empty path stays empty: it names no file; without a folder a relative
// path stays as it is.
std::string AbsolutePath(std::string_view path, std::string_view folder);

// The working folder as the shell that started the program calls it, through the symbolic
// links it was entered by, when $PWD still names it; otherwise as the system has it. Empty
// when the folder is gone.
std::string WorkingFolder();

}  // namespace tarvik
