#include "DumpCommand.h"

#include "CliLoading.h"
#include "SceneryJson.h"

namespace tarvik {

int RunDump(const std::vector<std::string>& args, std::FILE* out, std::FILE* err) {
    LoadOptions load;
    bool summary = false;
    std::string problem;
    for (std::size_t i = 0; i < args.size() && problem.empty(); ++i) {
        const OptionResult r = TakeLoadOption(args, i, load, problem);
        if (r != OptionResult::NotMine) continue;
        if (args[i] == "--summary") {
            summary = true;
        } else {
            problem = "unknown option " + args[i];
        }
    }
    if (problem.empty() && load.scenery.empty()) problem = "no scenery given";
    if (!problem.empty()) {
        std::fprintf(err, "tarvik dump: %s\nusage: tarvik dump %s [--summary]\n", problem.c_str(),
                     kLoadUsage);
        return 2;
    }
    TScenery scenery;
    const LoadResult result = LoadForCommand(load, scenery, err);
    if (result.status == LoadStatus::Missing) return 1;
    WriteSceneryJson(out, scenery, result, summary);
    std::fflush(out);
    if (result.status == LoadStatus::Failed) {
        std::fprintf(err, "%s: %s\n", kApplicationTitle, result.error.c_str());
        return 1;
    }
    return 0;
}

}  // namespace tarvik
