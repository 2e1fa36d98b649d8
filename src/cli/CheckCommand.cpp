#include "CheckCommand.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <optional>
#include <utility>

#include "ArgumentLists.h"
#include "CliLoading.h"
#include "Cp1250.h"
#include "JsonWriter.h"
#include "OneLine.h"
#include "Problems.h"
#include "ProgramInfo.h"
#include "SegmentSearch.h"
#include "StopSignals.h"
#include "Translate.h"

namespace tarvik {
namespace {

std::string CheckUsage() {
    return Translate("tarvik",
                     "SCENERIA [--author] [--precision 1..10] [--gap METRY] [--json]\n"
                     "       [--reader classic|simulator]");
}

struct CheckOptions {
    ModelCheckOptions model;
    bool json = false;
};

OptionResult TakeCheckArgument(const std::vector<std::string>& args, std::size_t& i,
                               CheckOptions& o, std::string& problem) {
    const std::string& a = args[i];
    if (a == "--json") {
        o.json = true;
        return OptionResult::Taken;
    }
    if (a == "--gap") {
        if (i + 1 >= args.size()) {
            problem = Translate("tarvik", "--gap wymaga wartości");
            return OptionResult::Error;
        }
        const std::optional<double> gap = ParseFiniteNumber(args[++i]);
        if (!gap || *gap < 0) {
            problem = Translate("tarvik", "--gap przyjmuje liczbę metrów, 0 lub więcej");
            return OptionResult::Error;
        }
        o.model.gap = *gap;
        return OptionResult::Taken;
    }
    // Every parse error is answered Ignore, so that one run tells them all.
    if (a == "--on-parse-error") {
        problem = FormatText(Translate("tarvik", "nieznana opcja %1"), {a});
        return OptionResult::Error;
    }
    return OptionResult::NotMine;
}

// A problem with the file and line it stands at, as dump writes the files, so that an editor
// or a terminal opens it from where the command was run.
struct Placed {
    const Problem* problem = nullptr;
    bool known = false;
    std::string file;
    std::uint64_t line = 0;
};

std::vector<Placed> PlacedProblems(const TScenery& scenery, const std::vector<Problem>& problems) {
    std::vector<Placed> placed;
    placed.reserve(problems.size());
    for (const Problem& p : problems) {
        Placed q;
        q.problem = &p;
        const SourceLocation at = scenery.Sources.Locate(p.at);
        if (at.Known()) {
            q.known = true;
            q.file = DisplayPath(scenery.Sources.Path(at.file));
            q.line = at.line;
        }
        placed.push_back(std::move(q));
    }
    return placed;
}

const char* SeverityName(ProblemKind kind) {
    return SeverityOf(kind) == Severity::Error ? "error" : "warning";
}

// One line each, line breaks in a message written as \n.
void WriteLines(std::FILE* out, const std::string& sceneryPath, const std::vector<Placed>& placed) {
    std::string line;
    for (const Placed& q : placed) {
        line = q.known ? q.file + ":" + std::to_string(q.line) : sceneryPath;
        line += ": ";
        line += SeverityName(q.problem->kind);
        line += ": ";
        line += ProblemKindName(q.problem->kind);
        line += ": ";
        AppendOnOneLine(line, q.problem->message);
        line.push_back('\n');
        std::fwrite(line.data(), 1, line.size(), out);
    }
}

void WriteJson(std::FILE* out, const std::string& sceneryPath, const std::vector<Placed>& placed,
               std::uint64_t leftOut) {
    JsonWriter json(out);
    json.Raw("{").Key("scenery").String(sceneryPath).Raw(",\n").Key("problems").Raw("[");
    bool first = true;
    for (const Placed& q : placed) {
        const Problem& p = *q.problem;
        json.Raw(first ? "\n" : ",\n");
        first = false;
        json.Raw("{").Key("kind").String(ProblemKindName(p.kind)).Raw(",");
        json.Key("severity").String(SeverityName(p.kind)).Raw(",");
        json.Key("message").String(p.message).Raw(",").Key("at");
        if (q.known) {
            json.Raw("{").Key("file").String(q.file).Raw(",").Key("line");
            json.Integer(static_cast<std::int64_t>(q.line)).Raw("}");
        } else {
            json.Null();
        }
        json.Raw(",").Key("where");
        if (p.where) {
            // Adding zero writes -0 as 0.
            const TPointD s = SceneryPointOf(*p.where);
            json.Raw("[").Number(s.x + 0.0).Raw(",").Number(s.y + 0.0).Raw("]");
        } else {
            json.Null();
        }
        json.Raw("}");
    }
    json.Raw("],\n").Key("counts").Raw("{");
    first = true;
    for (const ProblemKind kind : kProblemKinds) {
        const auto n = std::count_if(placed.begin(), placed.end(),
                                     [kind](const Placed& q) { return q.problem->kind == kind; });
        // The pointer to the simulator's reading is counted only where the load met it, so
        // that the counts of sceneries in the classic syntax read as they always did.
        if (kind == ProblemKind::SimulatorSyntax && n == 0) continue;
        json.Raw(first ? "" : ",").Key(ProblemKindName(kind)).Integer(n);
        first = false;
    }
    json.Raw("},\n").Key("leftOut").Integer(static_cast<std::int64_t>(leftOut)).Raw("}\n");
}

}  // namespace

int RunCheck(const std::vector<std::string>& args, std::FILE* out, std::FILE* err) {
    LoadOptions load;
    CheckOptions o;
    const auto takeOwn = [&o](const std::vector<std::string>& a, std::size_t& i,
                              std::string& problem) { return TakeCheckArgument(a, i, o, problem); };
    if (!ReadLoadArguments(args, "check", CheckUsage(), load, takeOwn, err)) return 2;
    load.onParseError = MessageAnswer::Ignore;

    TScenery scenery;
    const LoadResult result = LoadForCommand(load, scenery, err);
    if (StopSignal() != 0) return StoppedStatus();
    if (result.status == LoadStatus::Missing) return 1;

    std::vector<Problem> problems = scenery.LoadProblems;
    std::vector<Problem> found = CheckModel(scenery, o.model);
    problems.insert(problems.end(), std::make_move_iterator(found.begin()),
                    std::make_move_iterator(found.end()));
    SortInFileOrder(problems, scenery.Sources);
    const std::vector<Placed> placed = PlacedProblems(scenery, problems);
    const std::string sceneryPath = DisplayPath(load.scenery);
    if (o.json) {
        WriteJson(out, sceneryPath, placed, scenery.LoadProblemsLeftOut);
    } else {
        WriteLines(out, sceneryPath, placed);
    }
    std::fflush(out);
    if (scenery.LoadProblemsLeftOut > 0) {
        const std::string text = FormatText(
            Translate("tarvik",
                      "%1: pominięto %2 dalszych problemów wczytywania (podano pierwsze %3)\n"),
            {kApplicationTitle, std::to_string(scenery.LoadProblemsLeftOut),
             std::to_string(kMostLoadProblems)});
        std::fputs(text.c_str(), err);
    }
    if (result.status == LoadStatus::Failed) {
        std::fprintf(err, "%s: %s\n", kApplicationTitle, result.error.c_str());
    }
    return problems.empty() && result.status == LoadStatus::Loaded ? 0 : 3;
}

}  // namespace tarvik
