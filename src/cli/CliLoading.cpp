#include "CliLoading.h"

#include <charconv>

#include "ConsoleDialogs.h"
#include "FileSystem.h"
#include "StopSignals.h"
#include "Translate.h"

namespace tarvik {

TWorkMode LoadOptions::Mode() const {
    return TWorkMode::Make(author, precision != 0 ? precision : TWorkMode::DefaultPosition(author));
}

std::string LoadUsage() {
    return Translate("tarvik",
                     "SCENERIA [--author] [--precision 1..10] [--on-parse-error ignore|abort]\n"
                     "       [--reader classic|simulator]");
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
            problem = Translate("tarvik", "--precision wymaga wartości");
            return OptionResult::Error;
        }
        const std::string& v = args[++i];
        int value = 0;
        const auto [ptr, ec] = std::from_chars(v.data(), v.data() + v.size(), value);
        if (ec != std::errc() || ptr != v.data() + v.size() || value < kMinPrecision ||
            value > kMaxPrecision) {
            problem = Translate("tarvik", "--precision przyjmuje liczbę całkowitą od 1 do 10");
            return OptionResult::Error;
        }
        o.precision = value;
        return OptionResult::Taken;
    }
    if (a == "--on-parse-error") {
        if (!hasValue) {
            problem = Translate("tarvik", "--on-parse-error wymaga wartości");
            return OptionResult::Error;
        }
        const std::string& v = args[++i];
        if (v == "ignore") {
            o.onParseError = MessageAnswer::Ignore;
        } else if (v == "abort") {
            o.onParseError = MessageAnswer::Abort;
        } else {
            problem = Translate("tarvik", "--on-parse-error przyjmuje ignore lub abort");
            return OptionResult::Error;
        }
        return OptionResult::Taken;
    }
    if (a == "--reader") {
        if (!hasValue) {
            problem = Translate("tarvik", "--reader wymaga wartości");
            return OptionResult::Error;
        }
        const std::string& v = args[++i];
        if (v == "classic") {
            o.reading = SceneryReading::Classic;
        } else if (v == "simulator") {
            o.reading = SceneryReading::Simulator;
        } else {
            problem = Translate("tarvik", "--reader przyjmuje classic lub simulator");
            return OptionResult::Error;
        }
        return OptionResult::Taken;
    }
    if (a.size() > 1 && a.front() == '-') return OptionResult::NotMine;
    if (!o.scenery.empty()) {
        problem = Translate("tarvik", "można podać tylko jedną scenerię");
        return OptionResult::Error;
    }
    o.scenery = a;
    return OptionResult::Taken;
}

LoadResult LoadForCommand(const LoadOptions& options, TScenery& scenery, std::FILE* err) {
    ConsoleDialogs dialogs(err, options.onParseError);
    SignalStopStatus status;
    PosixFileSystem files;
    return LoadSceneryModel(scenery, options.scenery, options.Mode(), files, dialogs, status,
                            {.reading = options.reading});
}

bool ReadLoadArguments(const std::vector<std::string>& args, const std::string& command,
                       const std::string& usage, LoadOptions& load, const OwnArgumentTaker& takeOwn,
                       std::FILE* err) {
    std::string problem;
    for (std::size_t i = 0; i < args.size() && problem.empty(); ++i) {
        if (takeOwn && takeOwn(args, i, problem) != OptionResult::NotMine) continue;
        if (TakeLoadOption(args, i, load, problem) != OptionResult::NotMine) continue;
        problem = FormatText(Translate("tarvik", "nieznana opcja %1"), {args[i]});
    }
    if (problem.empty() && load.scenery.empty())
        problem = Translate("tarvik", "nie podano scenerii");
    if (problem.empty()) return true;
    TellWrongUsage(err, command, problem, usage);
    return false;
}

void TellWrongUsage(std::FILE* err, const std::string& command, const std::string& problem,
                    const std::string& usage) {
    const std::string text = FormatText(
        Translate("tarvik", "tarvik %1: %2\nużycie: tarvik %1 %3\n"), {command, problem, usage});
    std::fputs(text.c_str(), err);
}

int LoadAndPrint(const LoadOptions& load, std::FILE* out, std::FILE* err,
                 const std::function<void(const TScenery&, const LoadResult&)>& print) {
    TScenery scenery;
    const LoadResult result = LoadForCommand(load, scenery, err);
    if (StopSignal() != 0) return StoppedStatus();
    if (result.status == LoadStatus::Missing) return 1;
    print(scenery, result);
    std::fflush(out);
    if (result.status == LoadStatus::Failed) {
        std::fprintf(err, "%s: %s\n", kApplicationTitle, result.error.c_str());
        return 1;
    }
    return 0;
}

}  // namespace tarvik
