#include "CliLoading.h"

#include <charconv>

#include "ConsoleDialogs.h"
#include "FileSystem.h"

namespace tarvik {

TWorkMode LoadOptions::Mode() const {
    return TWorkMode::Make(author, precision != 0 ? precision : TWorkMode::DefaultPosition(author));
}

OptionResult TakeLoadOption(const std::vector<std::string>& args, std::size_t& i, LoadOptions& o,
                            std::string& problem) {
    const std::string& a = args[i];
    const bool hasValue = i + 1 < args.size();
    if (a == "--author") {
        o.author = true;
        return OptionResult::Taken;
    }
    if (a == "--precision") {
        if (!hasValue) {
            problem = "--precision needs a value";
            return OptionResult::Error;
        }
        const std::string& v = args[++i];
        int value = 0;
        const auto [ptr, ec] = std::from_chars(v.data(), v.data() + v.size(), value);
        if (ec != std::errc() || ptr != v.data() + v.size() || value < kMinPrecision ||
            value > kMaxPrecision) {
            problem = "--precision takes a whole number from 1 to 10";
            return OptionResult::Error;
        }
        o.precision = value;
        return OptionResult::Taken;
    }
    if (a == "--on-parse-error") {
        if (!hasValue) {
            problem = "--on-parse-error needs a value";
            return OptionResult::Error;
        }
        const std::string& v = args[++i];
        if (v == "ignore") {
            o.onParseError = MessageAnswer::Ignore;
        } else if (v == "abort") {
            o.onParseError = MessageAnswer::Abort;
        } else {
            problem = "--on-parse-error takes ignore or abort";
            return OptionResult::Error;
        }
        return OptionResult::Taken;
    }
    if (a.size() > 1 && a.front() == '-') return OptionResult::NotMine;
    if (!o.scenery.empty()) {
        problem = "only one scenery can be given";
        return OptionResult::Error;
    }
    o.scenery = a;
    return OptionResult::Taken;
}

LoadResult LoadForCommand(const LoadOptions& options, TScenery& scenery, std::FILE* err) {
    ConsoleDialogs dialogs(err, options.onParseError);
    SilentStatus status;
    PosixFileSystem files;
    return LoadSceneryModel(scenery, options.scenery, options.Mode(), files, dialogs, status);
}

}  // namespace tarvik
