#include "LaunchParams.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <optional>
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

namespace {

constexpr std::string_view kShellSpecial = "\"\\$`";

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// Characters a shell reads as they are outside quotes; bytes of other alphabets too.
bool IsPlain(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 0x80 || std::isalnum(byte) ||
           std::string_view("-_./,:=+%@^").find(c) != std::string_view::npos;
}

// Where text first holds what, searched word by word from the first word.
struct WordPosition {
    std::size_t word;
    std::size_t offset;
};

std::optional<WordPosition> FindInWords(const std::vector<std::string>& words,
                                        std::string_view what) {
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::size_t found = words[i].find(what);
        if (found != std::string::npos) return WordPosition{i, found};
    }
    return std::nullopt;
}

}  // namespace

std::vector<std::string> SplitWords(std::string_view params, Backslash backslash) {
    const bool escapes = backslash == Backslash::Escapes;
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
            } else if (escapes && c == '\\' && i + 1 < params.size() &&
                       kShellSpecial.find(params[i + 1]) != std::string_view::npos) {
                word += params[++i];
            } else {
                word += c;
            }
        } else if (IsBlank(c)) {
            if (inWord) words.push_back(std::move(word));
            word.clear();
            inWord = false;
        } else {
            inWord = true;
            if (c == '\'' || c == '"') {
                quote = c;
            } else if (escapes && c == '\\' && i + 1 < params.size()) {
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

std::string JoinedWords(const std::vector<std::string>& words) {
    std::string line;
    for (const std::string& word : words) {
        if (!line.empty()) line += ' ';
        if (!word.empty() && std::all_of(word.begin(), word.end(), IsPlain)) {
            line += word;
        } else if (word.find_first_of(kShellSpecial) == std::string::npos) {
            line += '"' + word + '"';
        } else {
            line += ShellQuoted(word);
        }
    }
    return line;
}

RunParams ExpandRunParams(std::string_view pattern, std::string_view sceneryShortPath,
                          std::string_view simulatorShortPath, std::string_view vehicle) {
    const std::string sceneryFolder = FolderPart(sceneryShortPath);
    RunParams result;
    result.simulatorFolder = FolderPart(simulatorShortPath);
    const std::string& simulatorFolder = result.simulatorFolder;
    // Backslashes become slashes at the end, so here they are ordinary characters.
    const std::vector<std::string> written = SplitWords(pattern, Backslash::Literal);
    std::vector<std::string> words = written;
    for (std::string& word : words)
        word = ReplaceAll(std::move(word), "%s", FilePart(sceneryShortPath));

    // The scenery's folder goes in, then the simulator's folder is taken out of the line,
    // wherever it is first found; what stays is the path relative to the simulator.
    for (std::size_t i = 0; i < words.size(); ++i) {
        std::size_t from = 0;
        while ((from = words[i].find("%r", from)) != std::string::npos) {
            words[i].replace(from, 2, sceneryFolder);
            from += sceneryFolder.size();
            const std::optional<WordPosition> found = FindInWords(words, simulatorFolder);
            if (!found) {
                result.ok = false;
                result.params = JoinedWords(words);
                return result;
            }
            words[found->word].erase(found->offset, simulatorFolder.size());
            if (found->word != i) continue;
            if (found->offset + simulatorFolder.size() <= from) {
                from -= simulatorFolder.size();
            } else if (found->offset < from) {
                from = found->offset;
            }
        }
    }
    for (std::size_t i = 0; i < words.size(); ++i) {
        std::string& word = words[i];
        word = ReplaceAll(std::move(word), "%p", sceneryFolder);
        word = ReplaceAll(std::move(word), "%v", vehicle);
        std::replace(word.begin(), word.end(), '\\', '/');
        if (word.empty() && !written[i].empty()) continue;
        result.arguments.push_back(std::move(word));
    }
    result.params = JoinedWords(result.arguments);
    return result;
}

std::vector<std::string> ExpandEditorParams(std::string_view params, std::string_view file,
                                            std::uint64_t line) {
    std::vector<std::string> words = SplitWords(params.empty() ? std::string_view("%f") : params);
    // The line first: its digits hold no "%f", while a path may hold "%l".
    for (std::string& word : words)
        word = ReplaceAll(ReplaceAll(std::move(word), "%l", std::to_string(line)), "%f", file);
    return words;
}

}  // namespace tarvik
