#include "FileChanges.h"

namespace tarvik {

bool UpdateFileStamps(std::forward_list<TIncFile>& files, const FileSystem& fileSystem) {
    bool changed = false;
    for (TIncFile& file : files) {
        if (file.FileName.empty()) continue;
        const std::optional<FileStamp> stamp =
            fileSystem.FileExists(file.FileName) ? fileSystem.Stamp(file.FileName) : std::nullopt;
        if (!stamp) {
            file.FileName.clear();
            changed = true;
            continue;
        }
        if (stamp->date != file.FileDate) {
            file.FileDate = stamp->date;
            changed = true;
        }
        if (stamp->size != file.FileSize) {
            file.FileSize = stamp->size;
            changed = true;
        }
    }
    return changed;
}

}  // namespace tarvik
