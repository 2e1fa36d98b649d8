#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tarvik {

// The launcher's parameter template as the program first offers it: the scenery and the vehicle.
inline constexpr const char* kDefaultRunSimParam = "-s %s -v %v";

// One of the outside editors: the name shown in the menus, the program and its parameter
// pattern with "%f" for the file and "%l" for the line.
struct EditorSlot {
    std::string name;
    std::string exe;
    std::string param;
    bool operator==(const EditorSlot&) const = default;
};
inline constexpr int kEditorSlots = 9;

// Paths here are file-system bytes with '/' between folders.

// The folder of a path with its trailing separator; empty for a bare file name.
std::string FolderPart(std::string_view path);
// The name after the last separator.
std::string FilePart(std::string_view path);
// Linux has no short (8.3) names: the short form of a path is the full path itself, relative
// paths taken from the current folder. The scenery and the simulator must go through the same
// conversion so that the relative-path test of "%r" can find the simulator's folder.
std::string ShortPathName(std::string_view path);

// Every occurrence of what, from left to right; inserted text is not searched again.
std::string ReplaceAll(std::string text, std::string_view what, std::string_view with);

// How a parameter string treats a backslash: as a shell does, keeping the next character, or
// as an ordinary character, where backslashes are turned into slashes afterwards.
enum class Backslash { Escapes, Literal };

// Splits a parameter string into arguments the way a shell splits words: blanks separate,
// single quotes keep everything, double quotes keep blanks; with Backslash::Escapes a backslash
// keeps the next character (inside double quotes only before '"', '\\', '$' and '`'). Nothing
// is expanded.
std::vector<std::string> SplitWords(std::string_view params,
                                    Backslash backslash = Backslash::Escapes);

// Text that SplitWords reads back as the one argument text.
std::string ShellQuoted(std::string_view text);

// The arguments as one line that SplitWords reads back into them, for people to read: only
// words that need it are quoted.
std::string JoinedWords(const std::vector<std::string>& words);

struct RunParams {
    bool ok = true;
    std::vector<std::string> arguments;
    // The arguments as one line to show; when !ok, the template as far as it was expanded.
    std::string params;
    std::string simulatorFolder;  // the folder "%r" looked for, for the error message
};

// Expands the simulator's parameter template: it is split into words first, so that every
// value stays whole inside its word; then "%s" the scenery's file name, "%r" its folder
// relative to the simulator's folder, "%p" its folder, "%v" the vehicle; then every backslash
// becomes a slash. A word that the expansion leaves empty is dropped, as a shell drops an empty
// variable; an empty word written as '' stays. Fails when "%r" is used and the scenery does not lie
// in or below the simulator's folder.
RunParams ExpandRunParams(std::string_view pattern, std::string_view sceneryShortPath,
                          std::string_view simulatorShortPath, std::string_view vehicle);

// An editor's arguments: its parameters split into words, each "%l" in them replaced by the
// line number and each "%f" by the file's path as it is; empty parameters mean "%f". A file
// opened without a place in it is opened at its first line.
std::vector<std::string> ExpandEditorParams(std::string_view params, std::string_view file,
                                            std::uint64_t line = 1);

}  // namespace tarvik
