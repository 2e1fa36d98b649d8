#include "SceneryParser.h"

#include <algorithm>
#include <optional>
#include <stdexcept>
#include <string>

#include "Cp1250.h"
#include "LoadBookkeeping.h"
#include "Numbers.h"
#include "ParseFailure.h"
#include "PointLine.h"
#include "Text.h"
#include "Trainsets.h"
#include "Translate.h"

namespace tarvik {

struct SceneryParser::Frame {
    Frame(std::string path, std::string identity, LineReader reader, bool firstSegment,
          bool firstInit, OriginOffsets origin)
        : path(std::move(path)),
          identity(std::move(identity)),
          reader(std::move(reader)),
          firstSegment(firstSegment),
          firstInit(firstInit),
          origin(origin),
          entry(origin) {}

    std::string path;  // as opened
    std::string identity;
    LineReader reader;
    bool firstSegment = false;
    bool firstInit = false;
    OriginOffsets origin;
    OriginOffsets entry;
    // A top-level include of this file is being read; its end has a step of its own here.
    bool awaitingInclude = false;
    std::uint32_t file = 0;  // in the scenery's source map
    // The current run of this file's lines: the line numbered runFirst in the load is the
    // file's line runFirstLine.
    SourceLine runFirst = 0;
    std::uint64_t runFirstLine = 0;
};

namespace {

std::string_view WithoutFirstFive(std::string_view line) {
    return line.substr(std::min<std::size_t>(5, line.size()));
}

// The words of the question's buttons; any other answer ends the file as Abort does.
std::string AnswerText(MessageAnswer answer) {
    switch (answer) {
        case MessageAnswer::Ignore:
            return Translate("Scenery", "Ignoruj");
        case MessageAnswer::Retry:
            return Translate("Scenery", "Ponów");
        default:
            return Translate("Scenery", "Przerwij");
    }
}

}  // namespace

SceneryParser::SceneryParser(TScenery& scenery, const TWorkMode& mode, const FileSystem& files,
                             UserDialogs& dialogs, StatusSink& status,
                             const SceneryReadOptions& options)
    : scenery_(scenery),
      mode_(mode),
      resolver_(files),
      kept_(files),
      dialogs_(dialogs),
      options_(options),
      status_(status) {
    // Point lines are most of what is parsed; the second thread reads their numbers.
    options_.lines.readPoints = true;
}

SceneryParser::~SceneryParser() = default;

SourceLine SceneryParser::Here(const Frame& f) {
    // Before the run's first line this is the line before it, so that the next run follows on.
    return f.runFirst + f.reader.LineNumber() - f.runFirstLine;
}

void SceneryParser::BeginRun(Frame& f, SourceLine first) {
    f.runFirst = first;
    f.runFirstLine = f.reader.LineNumber() + 1;
    scenery_.Sources.BeginRun(first, f.file, f.runFirstLine);
}

std::string_view SceneryParser::NextLine(Frame& f) {
    const std::string_view line = f.reader.ReadLine();
    if (++linesSinceProgress_ == kProgressLines) ReportProgress();
    return line;
}

bool SceneryParser::Split(std::string_view line, std::uint8_t maxCount, std::uint8_t minCount) {
    lastMaxCount_ = maxCount;
    return SplitRecorded(line, {.maxCount = maxCount, .minCount = minCount});
}

bool SceneryParser::SplitRecorded(std::string_view line, SplitOptions options) {
    std::optional<MessageAnswer> answer;
    options.answer = &answer;
    const bool split = SplitLine(line, options, tokens_, dialogs_);
    if (answer) {
        // The question is asked after the last token was taken, so there is one.
        const std::string_view last = tokens_[tokens_.Count() - 1];
        Report(ProblemKind::ParseError,
               FormatText(
                   Translate("Scenery",
                             "Za mało parametrów w wierszu: %1 %2 (potrzeba %3) — odpowiedź: %4"),
                   {MessageExcerpt(last), std::to_string(tokens_.Count()),
                    std::to_string(options.minCount), AnswerText(*answer)}),
               HereInnermost());
    }
    return split;
}

bool SceneryParser::ReadPoint(const Frame& f, std::string_view line, std::array<double, 3>& v,
                              bool withHeight) {
    // Most point lines were read by the thread that reads the file ahead; whatever reads as a
    // point with its middle number reads the same without it.
    if (const std::array<double, 3>* known = f.reader.LastLinePoint()) {
        v[0] = (*known)[0];
        if (withHeight) v[1] = (*known)[1];
        v[2] = (*known)[2];
        return true;
    }
    if (ReadPointLine(line, v, withHeight)) return true;
    if (!Split(line, 3, 3)) return false;
    v[0] = ParseFloat(tokens_[0]);
    // Control vectors and traction points never look at the height.
    if (withHeight) v[1] = ParseFloat(tokens_[1]);
    v[2] = ParseFloat(tokens_[2]);
    return true;
}

bool SceneryParser::Need(std::string_view line, std::uint8_t count) {
    // The first tokens of a split do not depend on its maximum.
    if (tokens_.Count() >= count) return true;
    if (tokens_.Empty() || tokens_.Count() < lastMaxCount_) return Split(line, count, count);
    // The last split stopped at its maximum. Unless the last token ends the line (then the
    // full split asks about the short line), the rest of the line continues the split.
    const std::string_view last = tokens_[tokens_.Count() - 1];
    const std::string_view rest =
        line.substr(static_cast<std::size_t>(last.data() + last.size() - line.data()));
    if (rest.empty() || rest.starts_with("//")) return Split(line, count, count);
    lastMaxCount_ = count;
    return SplitRecorded(rest, {.maxCount = count, .minCount = count, .append = true});
}

void SceneryParser::ParseSceneryFile(const std::string& path, bool firstSegment, bool firstInit,
                                     OriginOffsets origin) {
    stack_.clear();
    reading_.clear();
    try {
        if (!Enter(IncludeRequest{path, path, firstInit, origin}, firstSegment)) return;
        while (!stack_.empty()) {
            Frame& f = *stack_.back();
            if (f.reader.AtEnd()) {
                Leave();
                continue;
            }
            const std::string_view line = NextLine(f);
            const Next next = f.firstInit ? FirstInitLine(f, line) : TopLevelLine(f, line);
            if (next == Next::StopFile) {
                Leave();
            } else if (next == Next::Include) {
                const bool topLevel = !f.firstInit;
                f.awaitingInclude = topLevel;
                if (!Enter(pending_, f.firstSegment) && topLevel) AfterTopLevelInclude(f);
            }
        }
    } catch (const LoadStopped&) {
        throw;
    } catch (const std::exception& e) {
        Report(ProblemKind::LoadError, e.what(), HereInnermost());
        if (stack_.empty()) throw;
        const Frame& f = *stack_.back();
        throw std::runtime_error(
            FormatText(Translate("Scenery", "%1 (%2, wiersz %3)"),
                       {e.what(), DisplayPath(f.path), std::to_string(f.reader.LineNumber())}));
    }
}

bool SceneryParser::Enter(const IncludeRequest& request, bool firstSegment) {
    // Looking for a missing file costs more than reading a line.
    if (++filesSinceProgress_ >= kProgressFiles && !stack_.empty()) ReportProgress();
    const std::optional<std::string> located = resolver_.Locate(request.path);
    if (!located) {
        // The scenery file itself was looked for before the load.
        if (!stack_.empty()) {
            Report(ProblemKind::MissingInclude,
                   FormatText(Translate("Scenery", "Brak dołączanego pliku: %1"),
                              {Cp1250ToUtf8(request.written)}),
                   HereInnermost());
        }
        return false;
    }
    status_.StatusText(LoadingText(*located));
    std::unique_ptr<FileSource> source = kept_.Open(*located);
    std::string identity = source->Identity();
    if (reading_.contains(identity)) {
        ReportCycle(*located);
        return false;
    }
    if (filesRead_ == options_.limits.files) ThrowFilesLimit(options_.limits, *located);
    ++filesRead_;
    reading_.insert(identity);
    const SourceLine first = stack_.empty() ? 1 : Here(*stack_.back()) + 1;
    stack_.push_back(std::make_unique<Frame>(*located, std::move(identity),
                                             LineReader(std::move(source), options_.lines, this),
                                             firstSegment, request.firstInit, request.origin));
    Frame& entered = *stack_.back();
    entered.file = scenery_.Sources.AddFile(entered.path);
    BeginRun(entered, first);
    return true;
}

void SceneryParser::Leave() {
    const Frame& f = *stack_.back();
    const FileStamp stamp = f.reader.Source().Stamp();
    scenery_.IncFiles.push_front(TIncFile{f.path, stamp.date, stamp.size});
    reading_.erase(f.identity);
    const SourceLine next = Here(f) + 1;
    stack_.pop_back();
    if (stack_.empty()) return;
    BeginRun(*stack_.back(), next);
    if (stack_.back()->awaitingInclude) AfterTopLevelInclude(*stack_.back());
}

void SceneryParser::AfterTopLevelInclude(Frame& f) {
    f.awaitingInclude = false;
    if (!scenery_.Tracks().Empty() || !scenery_.Roads().Empty() || !scenery_.Rivers().Empty()) {
        f.firstSegment = false;
    }
    status_.StatusText(LoadingText(f.path));
}

void SceneryParser::ReportProgress() {
    linesSinceProgress_ = 0;
    bytesSinceProgress_ = 0;
    filesSinceProgress_ = 0;
    ReportLoadProgress(status_, stack_.back()->path, stack_.back()->reader, stack_.front()->reader);
}

void SceneryParser::Taken(std::uint64_t bytes) {
    bytesSinceProgress_ += bytes;
    if (bytesSinceProgress_ >= kProgressBytes) ReportProgress();
}

void SceneryParser::CheckSegmentLimit() const {
    tarvik::CheckSegmentLimit(scenery_, options_.limits);
}

SourceLine SceneryParser::HereInnermost() const {
    return stack_.empty() ? kNoSourceLine : Here(*stack_.back());
}

void SceneryParser::Report(ProblemKind kind, std::string message, SourceLine at) {
    AddLoadProblem(scenery_, kind, std::move(message), at);
}

void SceneryParser::ReportCycle(const std::string& path) {
    ReportIncludeCycle(scenery_, dialogs_, status_, path, HereInnermost(), cycleReported_);
}

void SceneryParser::SimulatorSyntax(const char* what) {
    if (syntaxReported_) return;
    syntaxReported_ = true;
    Report(ProblemKind::SimulatorSyntax,
           FormatText(Translate("Scenery",
                                "Sceneria używa składni symulatora (%1); włącz «Odczyt zgodny z "
                                "symulatorem»"),
                      {Translate("Scenery", what)}),
           HereInnermost());
}

bool SceneryParser::MoreOnLine(std::string_view line, std::string_view lastToken) {
    std::size_t rest = static_cast<std::size_t>(lastToken.data() + lastToken.size() - line.data());
    while (rest < line.size() && line[rest] == ' ')
        ++rest;
    return rest < line.size() && !line.substr(rest).starts_with("//");
}

namespace {

// The last word of a line before its comment.
std::string_view LastWord(std::string_view line) {
    line = line.substr(0, line.find("//"));
    while (!line.empty() && line.back() == ' ')
        line.remove_suffix(1);
    const std::size_t space = line.rfind(' ');
    return space == std::string_view::npos ? line : line.substr(space + 1);
}

}  // namespace

SceneryParser::Next SceneryParser::TopLevelLine(Frame& f, std::string_view line) {
    if (line.empty()) return Next::Continue;
    if (scenery_.SceneryName.empty() && Contains(line, "//$n ")) {
        scenery_.SceneryName = WithoutFirstFive(line);
        return Next::Continue;
    }
    if (scenery_.SceneryDescription.empty() && Contains(line, "//$d ")) {
        scenery_.SceneryDescription = WithoutFirstFive(line);
        return Next::Continue;
    }
    if (EqualsIgnoreCase(line, "firstinit")) {
        f.firstInit = true;
        return Next::Continue;
    }
    // One split serves the short statements; one that needs more tokens than this split
    // gave splits again with its own counts, which asks the question for a short line.
    Split(line, kMostTokens, 0);
    if (tokens_.Empty()) return Next::Continue;
    const std::string_view keyword = tokens_[0];
    if (EqualsIgnoreCase(keyword, "node")) return NodeSection(f, line);
    if (keyword.front() == '/' && keyword.starts_with("/*"))
        SimulatorSyntax(TARVIK_TRANSLATE_NOOP("Scenery", "komentarz /* */"));
    if (StartsWithIgnoreCase(keyword, "include;"))
        SimulatorSyntax(TARVIK_TRANSLATE_NOOP("Scenery", "dołączenie z «;»"));
    if (EqualsIgnoreCase(keyword, "origin")) return OriginStatement(f, line);
    if (EqualsIgnoreCase(keyword, "endorigin")) {
        f.origin = f.entry;
        return Next::Continue;
    }
    if (EqualsIgnoreCase(keyword, "include")) {
        if (!Need(line, 2)) return Next::StopFile;
        if (tokens_.Count() < 2) return Next::Continue;
        // The name, at least one parameter and "end".
        if (tokens_.Count() > 3 && LastWord(line) == "end") {
            SimulatorSyntax(TARVIK_TRANSLATE_NOOP("Scenery", "dołączenie z parametrami"));
        }
        std::string path;
        if (!IncludePath(f, tokens_[1], path)) return Next::Continue;
        pending_ = IncludeRequest{std::move(path), std::string(tokens_[1]), false, f.origin};
        return Next::Include;
    }
    return Next::Continue;
}

SceneryParser::Next SceneryParser::OriginStatement(Frame& f, std::string_view line) {
    if (!Need(line, 4)) return Next::StopFile;
    // The user chose to ignore a short line: it is ignored as a whole.
    if (tokens_.Count() < 4) return Next::Continue;
    try {
        const auto add = [](float& offset, std::string_view token) {
            if (token.front() != '(') offset = static_cast<float>(offset + ParseFloat(token));
        };
        add(f.origin.x, tokens_[1]);
        add(f.origin.z, tokens_[3]);
        add(f.origin.y, tokens_[2]);
    } catch (const ParseFailure&) {
        dialogs_.MessageBox(FormatText(Translate("Scenery", "Niepoprawny parametr orign - '%1'!"),
                                       {MessageExcerpt(line)}),
                            Translate("Scenery", "Błąd"), MessageIcon::Warning, MessageButtons::Ok);
    }
    return Next::Continue;
}

bool SceneryParser::IncludePath(const Frame& f, std::string_view name, std::string& path) const {
    const std::size_t dot = name.find_last_of(".\\:");
    const std::size_t extension =
        (dot == std::string_view::npos || name[dot] != '.') ? 0 : name.size() - dot;
    if (extension < 3) return false;
    std::string relative(name);
    std::replace(relative.begin(), relative.end(), '\\', '/');
    const std::size_t slash = f.path.rfind('/');
    path = (slash == std::string::npos ? std::string() : f.path.substr(0, slash + 1)) + relative;
    return true;
}

SceneryParser::Next SceneryParser::NodeSection(Frame& f, std::string_view line) {
    if (!Need(line, 5)) return Next::StopFile;
    if (tokens_.Count() < 5) return Next::Continue;
    const std::string_view kind = tokens_[4];
    if (EqualsIgnoreCase(kind, "triangles")) {
        SkipUntilIgnoreCase(f, "endtri");
    } else if (EqualsIgnoreCase(kind, "lines")) {
        SkipUntilIgnoreCase(f, "endline");
    } else if (EqualsIgnoreCase(kind, "track")) {
        return TrackSection(f, line, Here(f));
    } else if (EqualsIgnoreCase(kind, "traction")) {
        return TractionSection(f, line);
    }
    return Next::Continue;
}

void SceneryParser::SkipUntilIgnoreCase(Frame& f, std::string_view lowerEnd) {
    while (!f.reader.AtEnd()) {
        if (EqualsIgnoreCase(NextLine(f), lowerEnd)) return;
    }
}

SceneryParser::Next SceneryParser::TrackSection(Frame& f, std::string_view line, SourceLine node) {
    if (!Need(line, 14)) return Next::StopFile;
    if (tokens_.Count() < 14) return Next::Continue;
    if (MoreOnLine(line, tokens_[13]))
        SimulatorSyntax(TARVIK_TRANSLATE_NOOP("Scenery", "węzeł w jednym wierszu"));

    std::string name;
    if (mode_.OwnerMode && !EqualsIgnoreCase(tokens_[3], "none")) name = CutName(tokens_[3]);
    const std::string_view subKind = tokens_[5];
    SegmentKind kind = SegmentKind::Track;
    int count = 1;
    if (EqualsIgnoreCase(subKind, "switch")) {
        count = 2;
    } else if (EqualsIgnoreCase(subKind, "road")) {
        kind = SegmentKind::Road;
    } else if (EqualsIgnoreCase(subKind, "river")) {
        kind = SegmentKind::River;
    } else if (!EqualsIgnoreCase(subKind, "normal")) {
        return Next::Continue;
    }
    if (ParseInteger(tokens_[11]) >= 128) return Next::Continue;
    if (!EqualsIgnoreCase(tokens_[13], "vis")) return Next::Continue;

    std::uint8_t velocity = 160;
    TEventList events;
    while (!f.reader.AtEnd()) {
        if (!NextLine(f).empty()) break;
    }
    for (int i = 0; i < count; ++i) {
        if (!TrackSegment(f, {kind, name, node, i == count - 1}, velocity, events)) break;
    }
    return Next::Continue;
}

bool SceneryParser::TrackSegment(Frame& f, const TrackPiece& piece, std::uint8_t& velocity,
                                 TEventList& events) {
    const SegmentKind kind = piece.kind;
    const bool last = piece.last;
    std::string_view current;
    try {
        std::array<double, 3> v{};
        current = NextLine(f);
        if (!ReadPoint(f, current, v, true)) return false;
        const double x1 = -(v[0] + f.origin.x);
        const double h1 = v[1] - f.origin.y;
        const double y1 = -(v[2] + f.origin.z);

        current = NextLine(f);
        if (!ReadPoint(f, current, v, false)) return false;
        const double cx1 = -v[0];
        const double cy1 = -v[2];

        current = NextLine(f);
        if (!ReadPoint(f, current, v, false)) return false;
        const double cx2 = -v[0];
        const double cy2 = -v[2];

        current = NextLine(f);
        if (!ReadPoint(f, current, v, true)) return false;
        const double x2 = -(v[0] + f.origin.x);
        const double h2 = v[1] - f.origin.y;
        const double y2 = -(v[2] + f.origin.z);
        scenery_.Segments.PrefetchJoin(kind, x2, y2);

        current = NextLine(f);
        if (last) {
            while (!f.reader.AtEnd()) {
                current = NextLine(f);
                // The usual end line needs no split to be known.
                if (current == "endtrack") break;
                Split(current, 2, 0);
                if (tokens_.Empty()) continue;
                const std::string_view keyword = tokens_[0];
                if (EqualsIgnoreCase(keyword, "endtrack")) break;
                if (EqualsIgnoreCase(keyword, "velocity")) {
                    velocity = LowByte(RoundHalfEven(ParseFloat(tokens_[1])));
                } else if (mode_.OwnerMode && StartsWithIgnoreCase(keyword, "event")) {
                    events.push_back(TEventRef{CutName(keyword), CutName(tokens_[1])});
                }
            }
        }

        CheckSegmentLimit();
        SegmentStore& store = scenery_.Segments;
        if (f.firstSegment) {
            store.StartBounds(x1, y1, x2, y2);
            f.firstSegment = false;
        } else {
            store.ExtendBounds(x1, y1);
            store.ExtendBounds(x2, y2);
        }
        // A switch's first segment is made before the speed and events are read.
        store.JoinSegment(store.NewSegment({.kind = kind,
                                            .name = piece.name,
                                            .x1 = x1,
                                            .y1 = y1,
                                            .x2 = x2,
                                            .y2 = y2,
                                            .height1 = h1,
                                            .height2 = h2,
                                            .cx1 = cx1,
                                            .cy1 = cy1,
                                            .cx2 = cx2,
                                            .cy2 = cy2,
                                            .velocity = velocity,
                                            .events = last ? std::move(events) : TEventList{},
                                            .readAt = piece.node}));
    } catch (const ParseFailure&) {
        const std::string text =
            Translate("Scenery", kPieceReadError) + " '" + MessageExcerpt(current) + "'";
        // The load goes on without the piece; the list keeps where it was lost.
        Report(ProblemKind::ParseError,
               FormatText(Translate("Scenery", "%1 — odcinek pominięty"), {text}), HereInnermost());
        dialogs_.MessageBox(text, Translate("Scenery", "Błąd"), MessageIcon::Error,
                            MessageButtons::Ok);
    }
    return true;
}

SceneryParser::Next SceneryParser::TractionSection(Frame& f, std::string_view line) {
    if (!Need(line, 12)) return Next::StopFile;
    if (tokens_.Count() < 12) return Next::Continue;
    if (MoreOnLine(line, tokens_[11]))
        SimulatorSyntax(TARVIK_TRANSLATE_NOOP("Scenery", "węzeł w jednym wierszu"));
    if (ParseInteger(tokens_[11]) >= 128) return Next::Continue;
    const SourceLine node = Here(f);

    std::array<double, 3> v{};
    if (!ReadPoint(f, NextLine(f), v, false)) return Next::StopFile;
    const double x1 = -(v[0] + f.origin.x);
    const double y1 = -(v[2] + f.origin.z);
    if (!ReadPoint(f, NextLine(f), v, false)) return Next::StopFile;
    const double x2 = -(v[0] + f.origin.x);
    const double y2 = -(v[2] + f.origin.z);
    scenery_.Segments.PrefetchJoin(SegmentKind::Traction, x2, y2);

    while (!f.reader.AtEnd()) {
        if (NextLine(f) == "endtraction") break;
    }
    CheckSegmentLimit();
    SegmentStore& store = scenery_.Segments;
    store.JoinSegment(store.NewSegment(
        {.kind = SegmentKind::Traction, .x1 = x1, .y1 = y1, .x2 = x2, .y2 = y2, .readAt = node}));
    return Next::Continue;
}

SceneryParser::Next SceneryParser::FirstInitLine(Frame& f, std::string_view line) {
    if (StartsWithIgnoreCase(line.substr(std::min(line.find_first_not_of(' '), line.size())),
                             "include;")) {
        SimulatorSyntax(TARVIK_TRANSLATE_NOOP("Scenery", "dołączenie z «;»"));
    }
    if (Contains(line, "include")) {
        if (!Split(line, 2, 2) || tokens_.Count() < 2) return Next::Continue;
        std::string path;
        if (!IncludePath(f, tokens_[1], path)) return Next::Continue;
        pending_ = IncludeRequest{std::move(path), std::string(tokens_[1]), true, OriginOffsets{}};
        return Next::Include;
    }
    Split(line, 3, 0);
    if (!tokens_.Empty() && EqualsIgnoreCase(tokens_[0], "trainset")) TrainsetBlock(f);
    return Next::Continue;
}

void SceneryParser::TrainsetBlock(Frame& f) {
    // Copies: the next read reuses the line's buffer.
    const std::string name(tokens_.GetOrEmpty(1));
    const std::string track(tokens_.GetOrEmpty(2));
    TTrainsObj& trainset = AddTrainset(scenery_, name, track, mode_.OwnerMode, dialogs_);
    trainset.ReadAt = Here(f);
    if (mode_.OwnerMode && !trainset.Track && !track.empty() && !EqualsIgnoreCase(track, "none")) {
        Report(ProblemKind::TrainsetWithoutTrack,
               FormatText(Translate("Scenery", "Pociąg %1 nie ma toru: nie odnaleziono toru %2"),
                          {Cp1250ToUtf8(trainset.Name), Cp1250ToUtf8(CutName(track))}),
               trainset.ReadAt);
    }
    while (!f.reader.AtEnd()) {
        const std::string_view line = NextLine(f);
        if (EqualsIgnoreCase(line, "endtrainset")) return;
        if (Contains(line, "//$o ")) {
            trainset.Description = WithoutFirstFive(line);
            continue;
        }
        Split(line, 10, 0);
        if (!tokens_.Empty() && EqualsIgnoreCase(tokens_[0], "node")) {
            AddVehicle(scenery_, tokens_.GetOrEmpty(3),
                       VehicleKindOf(tokens_.GetOrEmpty(7), tokens_.GetOrEmpty(9)));
        }
    }
}

}  // namespace tarvik
