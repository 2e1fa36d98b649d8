#pragma once

#include <map>
#include <string>
#include <string_view>

#include "FileSystem.h"

namespace tarvik::fuzz {

// Files held in memory under relative paths; folders are implied by the paths. Lets a
// fuzzing input carry a scenery with its include files.
class MemoryFileSystem final : public FileSystem {
  public:
    void Add(std::string path, std::string bytes) { files_[std::move(path)] = std::move(bytes); }

    bool FileExists(const std::string& path) const override;
    bool Exists(const std::string& path) const override;
    std::vector<std::string> ListDirectory(const std::string& dir) const override;
    std::optional<FileStamp> Stamp(const std::string& path) const override;
    std::unique_ptr<FileSource> Open(const std::string& path) const override;

  private:
    std::map<std::string, std::string> files_;
};

// Splits a fuzzing input into files: the bytes up to the first line "#file NAME" are
// "main.scn", and each such line starts the file NAME.
MemoryFileSystem UnpackFiles(std::string_view input);

}  // namespace tarvik::fuzz
