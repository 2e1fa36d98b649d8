#include "LaunchParams.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace tarvik {

std::string FolderPart(std::string_view path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? std::string() : std::string(path.substr(0, slash + 1));
}

std::string FilePart(std::string_view path) {
    const std::size_t slash = path.rfind('/');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string ShortPathName(std::string_view path) {
    if (path.empty() || path.front() == '/') return std::string(path);
    std::error_code error;
    const std::filesystem::path current = std::filesystem::current_path(error);
    if (error) return std::string(path);
    return (current / std::filesystem::path(path)).string();
}

std::string ReplaceAll(std::string text, std::string_view what, std::string_view with) {
    if (what.empty()) return text;
    std::size_t from = 0;
    while ((from = text.find(what, from)) != std::string::npos) {
        text.replace(from, what.size(), with);
        from += with.size();
    }
    return text;
}

RunParams ExpandRunParams(std::string_view pattern, std::string_view sceneryShortPath,
                          std::string_view simulatorShortPath, std::string_view vehicle) {
    const std::string sceneryFolder = FolderPart(sceneryShortPath);
    RunParams result;
    result.simulatorFolder = FolderPart(simulatorShortPath);
    const std::string& simulatorFolder = result.simulatorFolder;
    std::string p = ReplaceAll(std::string(pattern), "%s", FilePart(sceneryShortPath));

    // The scenery's folder goes in, then the simulator's folder is taken out of the line,
    // wherever it is first found; what stays is the path relative to the simulator.
    std::size_t from = 0;
    while ((from = p.find("%r", from)) != std::string::npos) {
        p.replace(from, 2, sceneryFolder);
        from += sceneryFolder.size();
        const std::size_t found = p.find(simulatorFolder);
        if (found == std::string::npos) {
            result.ok = false;
            result.params = std::move(p);
            return result;
        }
        p.erase(found, simulatorFolder.size());
        if (found + simulatorFolder.size() <= from) {
            from -= simulatorFolder.size();
        } else if (found < from) {
            from = found;
        }
    }
    p = ReplaceAll(std::move(p), "%p", sceneryFolder);
    p = ReplaceAll(std::move(p), "%v", vehicle);
    std::replace(p.begin(), p.end(), '\\', '/');
    result.params = std::move(p);
    return result;
}

std::string ExpandEditorParams(std::string_view params, std::string_view file) {
    return ReplaceAll(std::string(params.empty() ? std::string_view("%f") : params), "%f", file);
}

std::string ShellQuoted(std::string_view text) {
    std::string quoted = "'";
    for (const char c : text) {
        if (c == '\'') {
            quoted += "'\\''";
        } else {
            quoted += c;
        }
    }
    return quoted + "'";
}

std::vector<std::string> SplitWords(std::string_view params) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    char quote = 0;
    for (std::size_t i = 0; i < params.size(); ++i) {
        const char c = params[i];
        if (quote == '\'') {
            if (c == '\'') {
                quote = 0;
            } else {
                word += c;
            }
        } else if (quote == '"') {
            if (c == '"') {
                quote = 0;
            } else if (c == '\\' && i + 1 < params.size() &&
                       std::string_view("\"\\$`").find(params[i + 1]) != std::string_view::npos) {
                word += params[++i];
            } else {
                word += c;
            }
        } else if (c == ' ' || c == '\t' || c == '\n' || c == '\r') {
            if (inWord) words.push_back(std::move(word));
            word.clear();
            inWord = false;
        } else {
            inWord = true;
            if (c == '\'' || c == '"') {
                quote = c;
            } else if (c == '\\' && i + 1 < params.size()) {
                word += params[++i];
            } else {
                word += c;
            }
        }
    }
    // An unclosed quote runs to the end of the line.
    if (inWord) words.push_back(std::move(word));
    return words;
}

}  // namespace tarvik
