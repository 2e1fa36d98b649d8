#include "Problems.h"

#include <algorithm>
#include <tuple>

namespace tarvik {

std::string_view ProblemKindName(ProblemKind kind) {
    switch (kind) {
        case ProblemKind::ParseError:
            return "parse-error";
        case ProblemKind::LoadError:
            return "load-error";
        case ProblemKind::MissingInclude:
            return "missing-include";
        case ProblemKind::IncludeCycle:
            return "include-cycle";
        case ProblemKind::TrainsetWithoutTrack:
            return "trainset-without-track";
        case ProblemKind::NearMiss:
            return "near-miss";
        case ProblemKind::DuplicateSegment:
            return "duplicate-segment";
        case ProblemKind::DuplicateName:
            return "duplicate-name";
        case ProblemKind::NoSegments:
            return "no-segments";
        case ProblemKind::SimulatorSyntax:
            return "simulator-syntax";
    }
    return "unknown";
}

Severity SeverityOf(ProblemKind kind) {
    switch (kind) {
        case ProblemKind::ParseError:
        case ProblemKind::LoadError:
        case ProblemKind::MissingInclude:
        case ProblemKind::IncludeCycle:
            return Severity::Error;
        default:
            return Severity::Warning;
    }
}

void SortInFileOrder(std::vector<Problem>& problems, const SourceMap& sources) {
    const auto key = [&sources](const Problem& p) {
        const SourceLocation at = sources.Locate(p.at);
        static const std::string none;
        return std::tuple(!at.Known(), at.Known() ? &sources.Path(at.file) : &none, at.line);
    };
    std::stable_sort(problems.begin(), problems.end(), [&key](const Problem& a, const Problem& b) {
        const auto ka = key(a);
        const auto kb = key(b);
        return std::tie(std::get<0>(ka), *std::get<1>(ka), std::get<2>(ka)) <
               std::tie(std::get<0>(kb), *std::get<1>(kb), std::get<2>(kb));
    });
}

}  // namespace tarvik
