#include "LoadBookkeeping.h"

#include <algorithm>
#include <optional>
#include <stdexcept>

#include "Cp1250.h"
#include "NumberText.h"
#include "SceneryParser.h"
#include "Translate.h"

namespace tarvik {

std::string LoadingText(const std::string& path) {
    return FormatText(Translate("Scenery", "Ładowanie... %1"), {DisplayPath(path)});
}

void ReportLoadProgress(StatusSink& status, const std::string& file, const LineReader& current,
                        const LineReader& top) {
    const auto size = [](const LineReader& r) {
        return static_cast<std::uint64_t>(std::max<std::int64_t>(r.Source().Stamp().size, 0));
    };
    status.Progress({.file = file,
                     .fileDone = current.BytesRead(),
                     .fileSize = size(current),
                     .sceneryDone = top.BytesRead(),
                     .scenerySize = size(top)});
    if (status.StopRequested()) throw LoadStopped{};
}

void AddLoadProblem(TScenery& scenery, ProblemKind kind, std::string message, SourceLine at) {
    if (scenery.LoadProblems.size() >= kMostLoadProblems) {
        ++scenery.LoadProblemsLeftOut;
        return;
    }
    scenery.LoadProblems.push_back(
        Problem{.kind = kind, .message = std::move(message), .at = at, .where = std::nullopt});
}

void ThrowFilesLimit(const LoadLimits& limits, const std::string& path) {
    throw std::runtime_error(FormatText(
        Translate("Scenery", "Przekroczono limit %1 wczytanych plików przy dołączaniu pliku %2"),
        {FormatFixed(static_cast<double>(limits.files), 0, true), DisplayPath(path)}));
}

std::uint64_t StoredSegments(const TScenery& scenery) {
    std::uint64_t stored = 0;
    for (int kind = 0; kind < kSegmentKindCount; ++kind)
        stored += scenery.Segments.List(static_cast<SegmentKind>(kind)).Count();
    return stored;
}

void CheckSegmentCount(std::uint64_t stored, const LoadLimits& limits) {
    if (stored < limits.segments) return;
    throw std::runtime_error(FormatText(
        Translate("Scenery", "Przekroczono limit %1 odcinków, które zmieści pamięć tego komputera"),
        {FormatFixed(static_cast<double>(limits.segments), 0, true)}));
}

void CheckSegmentLimit(const TScenery& scenery, const LoadLimits& limits) {
    CheckSegmentCount(StoredSegments(scenery), limits);
}

void ReportIncludeCycle(TScenery& scenery, UserDialogs& dialogs, StatusSink& status,
                        const std::string& path, SourceLine at, bool& told) {
    const std::string text = FormatText(
        Translate("Scenery", "Pominięto cykliczne dołączenie pliku %1"), {DisplayPath(path)});
    AddLoadProblem(scenery, ProblemKind::IncludeCycle, text, at);
    status.StatusText(text);
    if (told) return;
    told = true;
    dialogs.MessageBox(FormatText(Translate("Scenery",
                                            "Plik %1 dołącza sam siebie (wprost lub przez inne "
                                            "pliki). Ponowne dołączenie zostało pominięte."),
                                  {DisplayPath(path)}),
                       Translate("Scenery", "Błąd"), MessageIcon::Warning, MessageButtons::Ok);
}

}  // namespace tarvik
