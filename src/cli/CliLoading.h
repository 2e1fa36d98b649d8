#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "Scenery.h"
#include "SceneryLoader.h"
#include "UserDialogs.h"
#include "WorkMode.h"

namespace tarvik {

// What the commands that load a scenery take from the command line alike.
struct LoadOptions {
    std::string scenery;
    bool author = false;
    int precision = 0;  // 0: the default position of the mode
    MessageAnswer onParseError = MessageAnswer::Ignore;

    TWorkMode Mode() const;
};

inline constexpr const char* kLoadUsage =
    "SCENERY [--author] [--precision 1..10] [--on-parse-error ignore|abort]";

enum class OptionResult { Taken, NotMine, Error };

// Takes args[i], and the value after it, when it is a load option or the scenery path.
OptionResult TakeLoadOption(const std::vector<std::string>& args, std::size_t& i,
                            LoadOptions& options, std::string& problem);

// Loads the scenery with messages written to err as "caption: text" lines.
LoadResult LoadForCommand(const LoadOptions& options, TScenery& scenery, std::FILE* err);

}  // namespace tarvik
