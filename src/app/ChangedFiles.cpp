#include "ChangedFiles.h"

#include <filesystem>

#include "Cp1250.h"
#include "Translate.h"

namespace tarvik {
namespace {

constexpr std::size_t kNamedFiles = 5;

// A file in the scenery's folder or below it by its path from there; any other in full.
std::string ShownName(const std::string& path, const std::filesystem::path& folder) {
    const std::filesystem::path file(path);
    const std::filesystem::path relative = file.lexically_relative(folder);
    const bool inside = !folder.empty() && !relative.empty() && *relative.begin() != "..";
    return DisplayPath(inside ? relative.string() : path);
}

}  // namespace

std::vector<std::string> ChangedFileNames(const std::vector<TIncFile>& before,
                                          const std::forward_list<TIncFile>& after) {
    std::vector<std::string> changed;
    auto now = after.begin();
    for (const TIncFile& was : before) {
        if (now == after.end()) break;
        if (!was.FileName.empty() &&
            (now->FileName != was.FileName || now->FileDate != was.FileDate ||
             now->FileSize != was.FileSize)) {
            changed.push_back(was.FileName);
        }
        ++now;
    }
    return changed;
}

std::string FileChangeQuestion(const std::vector<std::string>& changed,
                               const std::string& sceneryPath) {
    std::string text =
        Translate("ChangedFiles", "Plik lub pliki załadowane uległy zmianie. Czy przeładować?");
    if (changed.empty()) return text;
    const std::filesystem::path folder = std::filesystem::path(sceneryPath).parent_path();
    text += "\n";
    for (std::size_t i = 0; i < changed.size() && i < kNamedFiles; ++i)
        text += "\n" + ShownName(changed[i], folder);
    if (changed.size() > kNamedFiles)
        text += FormatText(Translate("ChangedFiles", "\ni %1 innych"),
                           {std::to_string(changed.size() - kNamedFiles)});
    return text;
}

}  // namespace tarvik
