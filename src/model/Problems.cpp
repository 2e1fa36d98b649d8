#include "Problems.h"

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

}  // namespace tarvik
