#pragma once

#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "Scenery.h"
#include "SceneryLoader.h"
#include "SceneryReading.h"
#include "UserDialogs.h"
#include "WorkMode.h"

namespace tarvik {

// What the commands that load a scenery take from the command line alike.
struct LoadOptions {
    std::string scenery;
    bool author = false;
    int precision = 0;  // 0: the default position of the mode
    MessageAnswer onParseError = MessageAnswer::Ignore;
    SceneryReading reading = SceneryReading::Classic;

    TWorkMode Mode() const;
};

// The load options as the usage lines show them, in the language of the user interface.
std::string LoadUsage();

enum class OptionResult { Taken, NotMine, Error };

// Takes args[i], and the value after it, when it is a load option or the scenery path.
OptionResult TakeLoadOption(const std::vector<std::string>& args, std::size_t& i,
                            LoadOptions& options, std::string& problem);

// Loads the scenery with messages written to err as "caption: text" lines; a stop signal ends
// the load.
LoadResult LoadForCommand(const LoadOptions& options, TScenery& scenery, std::FILE* err);

// Takes args[i], and any value after it, when it is the command's own argument; on Error,
// problem says what is wrong.
using OwnArgumentTaker = std::function<OptionResult(const std::vector<std::string>& args,
                                                    std::size_t& i, std::string& problem)>;

// The arguments of a command that loads a scenery and prints what it read: those the command
// takes itself (asked first) and the load options. Wrong usage is told on err; false then.
// usage: the command's arguments as its usage line shows them.
bool ReadLoadArguments(const std::vector<std::string>& args, const std::string& command,
                       const std::string& usage, LoadOptions& load, const OwnArgumentTaker& takeOwn,
                       std::FILE* err);

// "tarvik COMMAND: PROBLEM" and the command's usage line on err.
void TellWrongUsage(std::FILE* err, const std::string& command, const std::string& problem,
                    const std::string& usage);

// Loads the scenery and hands it to print, also when an error ended the load (which is then
// told on err). The exit status: 0 loaded, 1 missing or ended by an error, 128 plus the signal
// when a stop signal came during the load (nothing is printed then).
int LoadAndPrint(const LoadOptions& load, std::FILE* out, std::FILE* err,
                 const std::function<void(const TScenery&, const LoadResult&)>& print);

}  // namespace tarvik
