#include "DumpCommand.h"

#include "CliLoading.h"
#include "SceneryJson.h"

namespace tarvik {

int RunDump(const std::vector<std::string>& args, std::FILE* out, std::FILE* err) {
    LoadOptions load;
    bool summary = false;
    const auto takeOwn = [&summary](const std::string& arg) {
        if (arg != "--summary") return false;
        summary = true;
        return true;
    };
    if (!ReadLoadArguments(args, "dump", " [--summary]", load, takeOwn, err)) return 2;
    return LoadAndPrint(load, out, err, [&](const TScenery& scenery, const LoadResult& result) {
        WriteSceneryJson(out, scenery, result, summary);
    });
}

}  // namespace tarvik
