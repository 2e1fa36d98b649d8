#include "SceneryLoader.h"

#include <exception>

#include "Cp1250.h"
#include "Numbers.h"
#include "SceneryParser.h"
#include "SimulatorReader.h"
#include "Translate.h"

namespace tarvik {

void FinishRanges(SceneryRanges& r) {
    for (std::int16_t* low : {&r.SpeedMin, &r.HeightMin, &r.GradientMin}) {
        if (*low == 32767) *low = 0;
    }
    for (std::int16_t* high : {&r.SpeedMax, &r.HeightMax, &r.GradientMax}) {
        if (*high == -32768) *high = 0;
    }
    // Extended precision, as the rounding results are part of what the user sees.
    const auto roundTimesTen = [](long double v) { return Low16(RoundHalfEven(v) * 10); };
    r.SpeedMin = Low16((r.SpeedMin / 10) * 10);
    r.SpeedMax = roundTimesTen(r.SpeedMax * 0.1L + 0.499L);
    r.HeightMin = roundTimesTen(r.HeightMin * 0.1L - 0.49999L);
    r.HeightMax = roundTimesTen(r.HeightMax * 0.1L + 0.49999L);
    r.GradientMin = Low16((r.GradientMin / 10) * 10);
    r.GradientMax = roundTimesTen(r.GradientMax * 0.1L + 0.49999L);
    if (r.GradientMax > 50) r.GradientMax = 50;
}

void WidenBounds(SceneryBounds& b) {
    TPointF& lo = b.SceneryMin;
    TPointF& hi = b.SceneryMax;
    lo.x = static_cast<float>(lo.x - (static_cast<long double>(hi.x) - lo.x) * 0.02L);
    lo.y = static_cast<float>(lo.y - (static_cast<long double>(hi.y) - lo.y) * 0.02L);
    hi.x = static_cast<float>(hi.x + (static_cast<long double>(hi.x) - lo.x) * 0.02L);
    hi.y = static_cast<float>(hi.y + (static_cast<long double>(hi.y) - lo.y) * 0.02L);
}

bool CheckSceneryExists(const std::string& path, const FileSystem& files, UserDialogs& dialogs) {
    if (files.FileExists(path)) return true;
    dialogs.MessageBox(
        FormatText(Translate("Scenery", "Plik o nazwie %1 nie istnieje!"), {DisplayPath(path)}),
        Translate("Scenery", "Brak pliku"), MessageIcon::Error, MessageButtons::Ok);
    return false;
}

LoadResult LoadSceneryModel(TScenery& scenery, const std::string& path, const TWorkMode& mode,
                            const FileSystem& files, UserDialogs& dialogs, StatusSink& status,
                            const SceneryReadOptions& options) {
    if (!CheckSceneryExists(path, files, dialogs)) return {LoadStatus::Missing, {}};
    scenery.SceneryName.clear();
    scenery.SceneryDescription.clear();
    scenery.FreeScenery();
    scenery.Segments.Ranges.Reset();
    scenery.Segments.SetOwnerMode(mode.OwnerMode);

    LoadResult result;
    try {
        if (options.reading == SceneryReading::Simulator) {
            SimulatorReader reader(scenery, mode, files, dialogs, status, options);
            reader.Read(path);
        } else {
            SceneryParser parser(scenery, mode, files, dialogs, status, options);
            parser.ParseSceneryFile(path, true, false, OriginOffsets{});
        }
    } catch (const LoadStopped&) {
        result = {LoadStatus::Failed, Translate("Scenery", kLoadStoppedText), true};
    } catch (const std::exception& e) {
        result = {LoadStatus::Failed, e.what()};
    }
    FinishRanges(scenery.Segments.Ranges);
    WidenBounds(scenery.Segments.Bounds);
    return result;
}

}  // namespace tarvik
