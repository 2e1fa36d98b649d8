#include "LocateCommand.h"

#include <cctype>

#include "ArgumentLists.h"
#include "CliLoading.h"
#include "Cp1250.h"
#include "JsonWriter.h"
#include "SceneryJson.h"
#include "Translate.h"

namespace tarvik {
namespace {

std::string LocateUsage() {
    return Translate("tarvik",
                     "SCENERIA X Z [--radius M] [--layers LISTA] [--author] [--precision 1..10]\n"
                     "       [--on-parse-error ignore|abort] [--reader classic|simulator]\n"
                     "  X Z: punkt w osiach scenerii; LISTA: rozdzielone przecinkami spośród\n"
                     "  tracks,roads,rivers,traction");
}

// As dump names the segment lists.
constexpr const char* kLayerNames[kSegmentKindCount] = {"tracks", "roads", "rivers", "tractions"};

struct LocateOptions {
    std::vector<double> point;  // x, z
    double radius = 5;
    KindSet layers = kAllKinds;
};

// Coordinates may be negative, so "-12.5" is a coordinate rather than an option.
bool IsPositional(const std::string& arg) {
    return arg.size() < 2 || arg[0] != '-' || arg[1] == '.' ||
           std::isdigit(static_cast<unsigned char>(arg[1]));
}

OptionResult TakeLocateArgument(const std::vector<std::string>& args, std::size_t& i,
                                const LoadOptions& load, LocateOptions& o, std::string& problem) {
    const std::string& a = args[i];
    if (a == "--radius" || a == "--layers") {
        if (i + 1 >= args.size()) {
            problem = FormatText(Translate("tarvik", "%1 wymaga wartości"), {a});
            return OptionResult::Error;
        }
        const std::string& v = args[++i];
        if (a == "--layers") {
            if (auto p = ParseLayers(v, o.layers)) problem = *p;
        } else if (const std::optional<double> radius = ParseFiniteNumber(v);
                   radius && *radius >= 0) {
            o.radius = *radius;
        } else {
            problem = Translate("tarvik", "--radius przyjmuje liczbę metrów, 0 lub więcej");
        }
        return problem.empty() ? OptionResult::Taken : OptionResult::Error;
    }
    // The first positional argument is the scenery, for the load options to take.
    if (load.scenery.empty() || !IsPositional(a)) return OptionResult::NotMine;
    if (o.point.size() == 2) {
        problem = FormatText(Translate("tarvik", "nieoczekiwany argument %1"), {a});
        return OptionResult::Error;
    }
    const std::optional<double> value = ParseFiniteNumber(a);
    if (!value) {
        problem = FormatText(Translate("tarvik", "%1 musi być liczbą, a nie %2"),
                             {o.point.empty() ? "X" : "Z", a});
        return OptionResult::Error;
    }
    o.point.push_back(*value);
    return OptionResult::Taken;
}

void WriteHits(std::FILE* out, const TScenery& scenery, const LocateOptions& o,
               const std::vector<SegmentHit>& hits) {
    JsonWriter json(out);
    json.Raw("{").Key("point").Raw("[").Number(o.point[0]).Raw(",").Number(o.point[1]).Raw("],");
    json.Key("radius").Number(o.radius).Raw(",").Key("hits").Raw("[");
    bool first = true;
    for (const SegmentHit& hit : hits) {
        json.Raw(first ? "\n" : ",\n");
        first = false;
        const TSegmentObj& s = *hit.segment;
        json.Raw("{").Key("layer").String(kLayerNames[static_cast<int>(hit.kind)]).Raw(",");
        json.Key("name");
        if (s.HasName()) {
            json.String(Cp1250ToUtf8(s.Name()));
        } else {
            json.Null();
        }
        json.Raw(",").Key("distance").Number(hit.distance).Raw(",");
        json.Key("velocity").Integer(s.Velocity).Raw(",").Key("at");
        WriteSourcePlace(json, scenery.Sources, scenery.Segments.ReadAt(s));
        json.Raw("}");
    }
    json.Raw("]}\n");
}

}  // namespace

int RunLocate(const std::vector<std::string>& args, std::FILE* out, std::FILE* err) {
    LoadOptions load;
    LocateOptions o;
    const auto takeOwn = [&](const std::vector<std::string>& a, std::size_t& i,
                             std::string& problem) {
        return TakeLocateArgument(a, i, load, o, problem);
    };
    if (!ReadLoadArguments(args, "locate", LocateUsage(), load, takeOwn, err)) return 2;
    if (o.point.size() < 2) {
        TellWrongUsage(err, "locate",
                       o.point.empty() ? Translate("tarvik", "nie podano punktu (X Z)")
                                       : Translate("tarvik", "nie podano Z"),
                       LocateUsage());
        return 2;
    }
    return LoadAndPrint(load, out, err, [&](const TScenery& scenery, const LoadResult&) {
        const std::vector<SegmentHit> hits = SegmentsNear(
            scenery, MapPointOf(o.point[0], o.point[1]), o.radius, o.layers, load.Mode());
        WriteHits(out, scenery, o, hits);
    });
}

}  // namespace tarvik
