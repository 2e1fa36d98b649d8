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
    if (!ReadLoadArguments(args, "stats", LoadUsage(), load, {}, err)) return 2;
    return LoadAndPrint(load, out, err, [&](const TScenery& scenery, const LoadResult&) {
        WriteStatistics(out, scenery, ComputeStatistics(scenery, load.Mode()));
    });
}

}  // namespace tarvik
