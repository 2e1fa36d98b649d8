#include "DumpCommand.h"

#include "CliLoading.h"
#include "SceneryJson.h"

namespace tarvik {

int RunDump(const std::vector<std::string>& args, std::FILE* out, std::FILE* err) {
    LoadOptions load;
    bool summary = false;
    const auto takeOwn = [&summary](const std::vector<std::string>& a, std::size_t& i,
                                    std::string&) {
        if (a[i] != "--summary") return OptionResult::NotMine;
        summary = true;
        return OptionResult::Taken;
    };
    if (!ReadLoadArguments(args, "dump", LoadUsage() + " [--summary]", load, takeOwn, err)) {
        return 2;
    }
    return LoadAndPrint(load, out, err, [&](const TScenery& scenery, const LoadResult& result) {
        WriteSceneryJson(out, scenery, result, summary);
    });
}

}  // namespace tarvik
