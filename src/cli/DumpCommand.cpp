#include "DumpCommand.h"

#include <charconv>
#include <optional>

#include "ConsoleDialogs.h"
#include "FileSystem.h"
#include "SceneryJson.h"
#include "SceneryLoader.h"
#include "WorkMode.h"

namespace tarvik {
namespace {

constexpr const char* kUsage =
    "usage: tarvik dump SCENERY [--author] [--precision 1..10] "
    "[--on-parse-error ignore|abort] [--summary]\n";

struct DumpOptions {
    std::string scenery;
    bool author = false;
    int precision = 2;
    MessageAnswer onParseError = MessageAnswer::Ignore;
    bool summary = false;
};

std::optional<int> ParsePrecision(const std::string& text) {
    int value = 0;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || ptr != text.data() + text.size()) return std::nullopt;
    if (value < kMinPrecision || value > kMaxPrecision) return std::nullopt;
    return value;
}

// Returns an error text for wrong usage, or nothing.
std::optional<std::string> ParseOptions(const std::vector<std::string>& args, DumpOptions& o) {
    bool precisionGiven = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == "--author") {
            o.author = true;
        } else if (a == "--summary") {
            o.summary = true;
        } else if (a == "--precision") {
            if (!hasValue) return "--precision needs a value";
            const auto p = ParsePrecision(args[++i]);
            if (!p) return "--precision takes a whole number from 1 to 10";
            o.precision = *p;
            precisionGiven = true;
        } else if (a == "--on-parse-error") {
            if (!hasValue) return "--on-parse-error needs a value";
            const std::string& v = args[++i];
            if (v == "ignore") {
                o.onParseError = MessageAnswer::Ignore;
            } else if (v == "abort") {
                o.onParseError = MessageAnswer::Abort;
            } else {
                return "--on-parse-error takes ignore or abort";
            }
        } else if (a.size() > 1 && a.front() == '-') {
            return "unknown option " + a;
        } else if (o.scenery.empty()) {
            o.scenery = a;
        } else {
            return "only one scenery can be dumped";
        }
    }
    if (o.scenery.empty()) return "no scenery given";
    if (!precisionGiven) o.precision = TWorkMode::DefaultPosition(o.author);
    return std::nullopt;
}

}  // namespace

int RunDump(const std::vector<std::string>& args, std::FILE* out, std::FILE* err) {
    DumpOptions options;
    if (const auto problem = ParseOptions(args, options)) {
        std::fprintf(err, "tarvik dump: %s\n%s", problem->c_str(), kUsage);
        return 2;
    }
    const TWorkMode mode = TWorkMode::Make(options.author, options.precision);
    ConsoleDialogs dialogs(err, options.onParseError);
    SilentStatus status;
    PosixFileSystem files;
    TScenery scenery;
    const LoadResult result =
        LoadSceneryModel(scenery, options.scenery, mode, files, dialogs, status);
    if (result.status == LoadStatus::Missing) return 1;
    WriteSceneryJson(out, scenery, result, options.summary);
    std::fflush(out);
    if (result.status == LoadStatus::Failed) {
        std::fprintf(err, "Błąd: %s\n", result.error.c_str());
        return 1;
    }
    return 0;
}

}  // namespace tarvik
