#include "LoadBookkeeping.h"

#include <optional>
#include <stdexcept>

#include "Cp1250.h"
#include "NumberText.h"

namespace tarvik {

std::string LoadingText(const std::string& path) {
    return "Ładowanie... " + DisplayPath(path);
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
    throw std::runtime_error("Przekroczono limit " +
                             FormatFixed(static_cast<double>(limits.files), 0, true) +
                             " wczytanych plików przy dołączaniu pliku " + DisplayPath(path));
}

void CheckSegmentLimit(const TScenery& scenery, const LoadLimits& limits) {
    std::uint64_t stored = 0;
    for (int kind = 0; kind < kSegmentKindCount; ++kind)
        stored += scenery.Segments.List(static_cast<SegmentKind>(kind)).Count();
    if (stored < limits.segments) return;
    throw std::runtime_error("Przekroczono limit " +
                             FormatFixed(static_cast<double>(limits.segments), 0, true) +
                             " odcinków, które zmieści pamięć tego komputera");
}

void ReportIncludeCycle(TScenery& scenery, UserDialogs& dialogs, StatusSink& status,
                        const std::string& path, SourceLine at, bool& told) {
    const std::string text = "Pominięto cykliczne dołączenie pliku " + DisplayPath(path);
    AddLoadProblem(scenery, ProblemKind::IncludeCycle, text, at);
    status.StatusText(text);
    if (told) return;
    told = true;
    dialogs.MessageBox("Plik " + DisplayPath(path) +
                           " dołącza sam siebie (wprost lub przez inne pliki). Ponowne "
                           "dołączenie zostało pominięte.",
                       "Błąd", MessageIcon::Warning, MessageButtons::Ok);
}

}  // namespace tarvik
