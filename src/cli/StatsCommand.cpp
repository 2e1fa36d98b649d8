#include "StatsCommand.h"

#include "CliLoading.h"
#include "Cp1250.h"
#include "JsonWriter.h"
#include "SceneryStatistics.h"

namespace tarvik {
namespace {

void WriteClasses(JsonWriter& json, const double* classes, std::size_t count) {
    json.Raw("[");
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0) json.Raw(",");
        json.Number(classes[i]);
    }
    json.Raw("]");
}

void WriteStatistics(std::FILE* out, const TScenery& scenery, const SceneryStatistics& st) {
    JsonWriter json(out);
    json.Raw("{").Key("files").Raw("[");
    bool first = true;
    for (const TIncFile& f : scenery.IncFiles) {
        if (!first) json.Raw(",");
        first = false;
        json.Raw("{").Key("path").String(DisplayPath(f.FileName)).Raw(",");
        json.Key("size").Integer(f.FileSize).Raw("}");
    }
    json.Raw("],");
    const std::pair<const char*, const KindTotals*> kinds[] = {{"tracks", &st.tracks},
                                                               {"roads", &st.roads},
                                                               {"rivers", &st.rivers},
                                                               {"tractions", &st.tractions}};
    json.Key("counts").Raw("{");
    for (std::size_t i = 0; i < std::size(kinds); ++i) {
        if (i > 0) json.Raw(",");
        json.Key(kinds[i].first).Integer(static_cast<std::int64_t>(kinds[i].second->count));
    }
    json.Raw("},").Key("lengths_km").Raw("{");
    for (std::size_t i = 0; i < std::size(kinds); ++i) {
        if (i > 0) json.Raw(",");
        json.Key(kinds[i].first).Number(kinds[i].second->length / 1000);
    }
    json.Raw("},");
    json.Key("mean_speed").Integer(st.MeanSpeed()).Raw(",");
    json.Key("mean_gradient").Number(st.MeanGradient()).Raw(",");
    json.Key("area_km2").Number(st.areaKm2).Raw(",");
    json.Key("memory_mb").Number(st.memoryBytes / 1024 / 1024).Raw(",");
    json.Key("speed_classes");
    WriteClasses(json, st.speedClasses.data(), st.speedClasses.size());
    json.Raw(",").Key("gradient_classes");
    WriteClasses(json, st.gradientClasses.data(), st.gradientClasses.size());
    json.Raw("}\n");
}

}  // namespace

int RunStats(const std::vector<std::string>& args, std::FILE* out, std::FILE* err) {
    LoadOptions load;
    std::string problem;
    for (std::size_t i = 0; i < args.size() && problem.empty(); ++i) {
        if (TakeLoadOption(args, i, load, problem) == OptionResult::NotMine) {
            problem = "unknown option " + args[i];
        }
    }
    if (problem.empty() && load.scenery.empty()) problem = "no scenery given";
    if (!problem.empty()) {
        std::fprintf(err, "tarvik stats: %s\nusage: tarvik stats %s\n", problem.c_str(),
                     kLoadUsage);
        return 2;
    }
    TScenery scenery;
    const LoadResult result = LoadForCommand(load, scenery, err);
    if (result.status == LoadStatus::Missing) return 1;
    WriteStatistics(out, scenery, ComputeStatistics(scenery, load.Mode()));
    std::fflush(out);
    if (result.status == LoadStatus::Failed) {
        std::fprintf(err, "%s: %s\n", kApplicationTitle, result.error.c_str());
        return 1;
    }
    return 0;
}

}  // namespace tarvik
