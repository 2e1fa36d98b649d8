#include "SceneryJson.h"

#include <iterator>
#include <unordered_map>

#include "Cp1250.h"
#include "JsonWriter.h"

namespace tarvik {
namespace {

void WritePair(JsonWriter& json, double a, double b) {
    json.Raw("[").Number(a).Raw(",").Number(b).Raw("]");
}

void WriteSegment(JsonWriter& json, const TSegmentObj& s, const TScenery& scenery) {
    json.Raw("{").Key("name");
    if (s.HasName()) {
        json.String(Cp1250ToUtf8(s.Name()));
    } else {
        json.Null();
    }
    json.Raw(",").Key("p1");
    WritePair(json, s.X1, s.Y1);
    json.Raw(",").Key("p2");
    WritePair(json, s.X2, s.Y2);
    json.Raw(",").Key("h");
    WritePair(json, s.Height1, s.Height2);
    json.Raw(",").Key("control");
    if (const TControlPoints* c = s.Control()) {
        json.Raw("[").Number(c->CX1).Raw(",").Number(c->CY1).Raw(",").Number(c->CX2).Raw(",");
        json.Number(c->CY2).Raw("]");
    } else {
        json.Null();
    }
    json.Raw(",").Key("velocity").Integer(s.Velocity).Raw(",").Key("events").Raw("[");
    bool first = true;
    for (const TEventRef& e : s.Events()) {
        if (!first) json.Raw(",");
        first = false;
        json.Raw("[").String(Cp1250ToUtf8(e.Key)).Raw(",").String(Cp1250ToUtf8(e.EventName));
        json.Raw("]");
    }
    json.Raw("],").Key("at");
    WriteSourcePlace(json, scenery.Sources, scenery.Segments.ReadAt(s));
    json.Raw("}");
}

void WriteSegments(JsonWriter& json, std::string_view key, const SegmentList& list,
                   const TScenery& scenery) {
    json.Raw(",\n").Key(key).Raw("[");
    bool first = true;
    for (const TSegmentObj& s : list) {
        json.Raw(first ? "\n" : ",\n");
        first = false;
        WriteSegment(json, s, scenery);
    }
    json.Raw("]");
}

void WriteRange(JsonWriter& json, std::string_view key, int low, int high, bool last = false) {
    json.Key(key).Raw("[").Integer(low).Raw(",").Integer(high).Raw(last ? "]" : "],");
}

}  // namespace

void WriteSourcePlace(JsonWriter& json, const SourceMap& sources, SourceLine line) {
    const SourceLocation at = sources.Locate(line);
    if (!at.Known()) {
        json.Null();
        return;
    }
    json.Raw("{").Key("file").String(DisplayPath(sources.Path(at.file))).Raw(",").Key("line");
    json.Integer(static_cast<std::int64_t>(at.line)).Raw("}");
}

void WriteSceneryJson(std::FILE* out, const TScenery& scenery, const LoadResult& result,
                      bool summary) {
    JsonWriter json(out);
    json.Raw("{").Key("files").Raw("[");
    bool first = true;
    for (const TIncFile& f : scenery.IncFiles) {
        json.Raw(first ? "\n" : ",\n");
        first = false;
        json.Raw("{").Key("path").String(DisplayPath(f.FileName)).Raw(",").Key("size");
        json.Integer(f.FileSize).Raw("}");
    }
    json.Raw("],\n").Key("name").String(Cp1250ToUtf8(scenery.SceneryName));
    json.Raw(",\n").Key("description").String(Cp1250ToUtf8(scenery.SceneryDescription));

    const SceneryBounds& b = scenery.Bounds();
    json.Raw(",\n").Key("bounds").Raw("{").Key("min").Raw("[").Number(b.SceneryMin.x).Raw(",");
    json.Number(b.SceneryMin.y).Raw("],").Key("max").Raw("[").Number(b.SceneryMax.x).Raw(",");
    json.Number(b.SceneryMax.y).Raw("]}");

    const SceneryRanges& r = scenery.Ranges();
    json.Raw(",\n").Key("ranges").Raw("{");
    WriteRange(json, "speed", r.SpeedMin, r.SpeedMax);
    WriteRange(json, "height", r.HeightMin, r.HeightMax);
    WriteRange(json, "gradient", r.GradientMin, r.GradientMax, true);
    json.Raw("}");

    if (!summary) {
        WriteSegments(json, "tracks", scenery.Tracks(), scenery);
        WriteSegments(json, "roads", scenery.Roads(), scenery);
        WriteSegments(json, "rivers", scenery.Rivers(), scenery);
        WriteSegments(json, "tractions", scenery.Tractions(), scenery);
    }

    std::unordered_map<const TSegmentObj*, std::size_t> trackIndex;
    if (!scenery.Trainsets.empty()) {
        std::size_t i = 0;
        for (const TSegmentObj& s : scenery.Tracks())
            trackIndex.emplace(&s, i++);
    }
    std::size_t trainsets = 0;
    std::size_t vehicles = 0;
    json.Raw(",\n").Key("trainsets").Raw("[");
    first = true;
    for (const TTrainsObj& t : scenery.Trainsets) {
        json.Raw(first ? "\n" : ",\n");
        first = false;
        ++trainsets;
        json.Raw("{").Key("name").String(Cp1250ToUtf8(t.Name)).Raw(",").Key("description");
        json.String(Cp1250ToUtf8(t.Description)).Raw(",").Key("track");
        if (const auto it = trackIndex.find(t.Track); it != trackIndex.end()) {
            json.Integer(static_cast<std::int64_t>(it->second));
        } else {
            json.Null();
        }
        json.Raw(",").Key("vehicles");
        const auto count =
            static_cast<std::size_t>(std::distance(t.Vehicles.begin(), t.Vehicles.end()));
        vehicles += count;
        if (summary) {
            json.Integer(static_cast<std::int64_t>(count));
        } else {
            json.Raw("[");
            bool firstVehicle = true;
            for (const TVehicleObj& v : t.Vehicles) {
                if (!firstVehicle) json.Raw(",");
                firstVehicle = false;
                json.Raw("{").Key("name").String(Cp1250ToUtf8(v.Name)).Raw(",").Key("kind");
                json.Integer(static_cast<int>(v.Kind)).Raw("}");
            }
            json.Raw("]");
        }
        json.Raw(",").Key("at");
        WriteSourcePlace(json, scenery.Sources, t.ReadAt);
        json.Raw("}");
    }
    json.Raw("]");

    if (summary) {
        const auto count = [](const SegmentList& l) {
            return static_cast<std::int64_t>(l.Count());
        };
        json.Raw(",\n").Key("counts").Raw("{");
        json.Key("tracks").Integer(count(scenery.Tracks())).Raw(",");
        json.Key("roads").Integer(count(scenery.Roads())).Raw(",");
        json.Key("rivers").Integer(count(scenery.Rivers())).Raw(",");
        json.Key("tractions").Integer(count(scenery.Tractions())).Raw(",");
        json.Key("trainsets").Integer(static_cast<std::int64_t>(trainsets)).Raw(",");
        json.Key("vehicles").Integer(static_cast<std::int64_t>(vehicles)).Raw("}");
    }

    json.Raw(",\n").Key("error");
    if (result.status == LoadStatus::Failed) {
        json.String(result.error);
    } else {
        json.Null();
    }
    json.Raw("}\n");
}

}  // namespace tarvik
