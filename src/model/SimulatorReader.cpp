#include "SimulatorReader.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <stdexcept>

#include "Cp1250.h"
#include "LoadBookkeeping.h"
#include "Numbers.h"
#include "SegmentPipe.h"
#include "Text.h"
#include "Trainsets.h"
#include "Translate.h"

namespace tarvik {

struct SimulatorReader::Frame {
    Frame(std::string path, std::string identity, std::unique_ptr<FileSource> source,
          const LineReader::Options& lines, ReadMeter* meter, MarkedComments* comments,
          std::vector<std::string> parameters, bool anyParameters)
        : path(std::move(path)),
          identity(std::move(identity)),
          reader(std::move(source), lines, meter),
          tokens(reader, comments),
          parameters(std::move(parameters)),
          anyParameters(anyParameters) {}

    std::string path;  // as opened
    std::string identity;
    LineReader reader;
    TokenStream tokens;
    std::vector<std::string> parameters;  // of the include that opened it
    bool anyParameters = false;           // it or a file around it has parameters
    std::uint32_t file = 0;               // in the scenery's source map
    // The current run of this file's lines: the load's line runFirst is the file's runFirstLine.
    SourceLine runFirst = 0;
    std::uint64_t runFirstLine = 0;
};

namespace {

// Statements whose bodies end with "end" and their own name.
constexpr std::string_view kEndedByName[] = {
    "event", "config", "atmo",     "camera", "description", "light",   "sky",
    "test",  "time",   "isolated", "area",   "assignment",  "terrain",
};

// Track properties that take one token.
constexpr std::string_view kOneTokenProperties[] = {
    "isolated", "angle1",  "angle2",   "fouling1",    "fouling2",
    "overhead", "vradius", "trackbed", "railprofile", "friction",
};

constexpr std::string_view kEventProperties[] = {
    "event0", "event1", "event2", "eventall0", "eventall1", "eventall2",
};

template <std::size_t N>
bool IsOneOf(std::string_view folded, const std::string_view (&words)[N]) {
    return std::find(std::begin(words), std::end(words), folded) != std::end(words);
}

std::string FoldedCopy(std::string_view text) {
    return AsciiLowerCopy(text);
}

std::uint8_t VelocityOf(double value) {
    // A number far beyond any speed cannot be rounded to a whole one; it counts as none.
    if (!(value > -9e18 && value < 9e18)) return 0;
    return LowByte(RoundHalfEven(value));
}

}  // namespace

std::string SimulatorReader::Token::Folded() const {
    return exact ? std::string(text) : FoldedCopy(text);
}

double SimulatorReader::Token::Number() const {
    return FloatPrefix(text);
}

SimulatorReader::SimulatorReader(TScenery& scenery, const TWorkMode& mode, const FileSystem& files,
                                 UserDialogs& dialogs, StatusSink& status,
                                 const SceneryReadOptions& options)
    : scenery_(scenery),
      mode_(mode),
      resolver_(files),
      kept_(files, IncludeCache::Budget{}, false),
      dialogs_(dialogs),
      options_(options),
      status_(status) {
    // The simulator reads a file to its real end.
    options_.lines.endAtMark = false;
    // Most lines of the bodies it passes over hold only numbers; the second thread tells them.
    options_.lines.markPlainLines = true;
}

SimulatorReader::~SimulatorReader() = default;

SourceLine SimulatorReader::Here(const Frame& f, std::uint64_t fileLine) {
    return f.runFirst + fileLine - f.runFirstLine;
}

void SimulatorReader::BeginRun(Frame& f, SourceLine first, std::uint64_t firstLine) {
    f.runFirst = first;
    f.runFirstLine = firstLine;
    scenery_.Sources.BeginRun(first, f.file, firstLine);
}

SourceLine SimulatorReader::HereInnermost() const {
    if (stack_.empty()) return kNoSourceLine;
    const Frame& f = *stack_.back();
    return Here(f, f.tokens.Line());
}

void SimulatorReader::Read(const std::string& path) {
    // Segments are joined on a thread of their own while the files are read; whatever way the
    // reading ends, the pipe stores what it was given before it goes.
    SegmentPipe pipe(scenery_.Segments);
    pipe_ = &pipe;
    segments_ = StoredSegments(scenery_);
    stack_.clear();
    reading_.clear();
    const std::size_t slash = path.rfind('/');
    root_ = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    try {
        if (!Enter(path, path, {})) return;
        Token token;
        while (Next(token))
            Statement(token);
        pipe.Flush();
    } catch (const LoadStopped&) {
        throw;
    } catch (const std::exception& e) {
        Report(ProblemKind::LoadError, e.what(), HereInnermost());
        if (stack_.empty()) throw;
        const Frame& f = *stack_.back();
        throw std::runtime_error(
            FormatText(Translate("Scenery", "%1 (%2, wiersz %3)"),
                       {e.what(), DisplayPath(f.path), std::to_string(f.tokens.Line())}));
    }
}

bool SimulatorReader::Next(Token& token) {
    while (!stack_.empty()) {
        Frame& f = *stack_.back();
        if (!f.tokens.Next(token)) {
            Leave();
            continue;
        }
        CountTokens(1);
        if (!token.exact && EqualsIgnoreCase(token.text, "include")) {
            Include(f);
            continue;
        }
        token.at = Here(f, token.line);
        if (f.anyParameters) token.text = Substitute(token.text, stack_.size() - 1, 0, true);
        return true;
    }
    return false;
}

std::string_view SimulatorReader::Substitute(std::string_view text, std::size_t from,
                                             std::size_t to, bool fold) {
    int buffer = 0;
    for (std::size_t level = from + 1; level-- > to;) {
        const std::vector<std::string>& values = stack_[level]->parameters;
        if (values.empty()) continue;
        std::string& out = substituted_[buffer];
        std::size_t i = 0;
        bool replaced = false;
        for (;;) {
            std::size_t k = i;
            // "(p" in a folded read also as "(P", which folding would give.
            for (; k + 1 < text.size(); ++k) {
                if (text[k] == '(' && (text[k + 1] == 'p' || (fold && text[k + 1] == 'P'))) break;
            }
            if (k + 1 >= text.size()) break;
            std::size_t j = k + 2;
            std::size_t number = 0;
            while (j < text.size() && text[j] >= '0' && text[j] <= '9') {
                number = std::min<std::size_t>(
                    number * 10 + static_cast<std::size_t>(text[j] - '0'), values.size() + 1);
                ++j;
            }
            if (!replaced) out.clear();
            if (j == k + 2 || j == text.size() || text[j] != ')') {
                // Not a placeholder: left as written.
                out.append(text.substr(i, k + 2 - i));
                i = k + 2;
                replaced = true;
                continue;
            }
            const std::string_view value = number >= 1 && number <= values.size()
                                               ? std::string_view(values[number - 1])
                                               : std::string_view("none");
            out.append(text.substr(i, k - i));
            if (fold) {
                for (const char c : value)
                    out += AsciiLower(c);
            } else {
                out.append(value);
            }
            i = j + 1;
            replaced = true;
        }
        if (!replaced) continue;
        out.append(text.substr(i));
        text = out;
        buffer = 1 - buffer;
    }
    return text;
}

void SimulatorReader::Include(Frame& f) {
    // The statement's own tokens come from this file only, with its own parameters.
    const std::size_t level = stack_.size() - 1;
    RawToken raw;
    if (!f.tokens.Next(raw)) return;
    std::string name(f.anyParameters ? Substitute(raw.text, level, level, true) : raw.text);
    const std::string written = name;
    if (!raw.exact) name = FoldedCopy(name);
    std::replace(name.begin(), name.end(), '\\', '/');
    std::vector<std::string> parameters;
    while (f.tokens.Next(raw)) {
        const std::string_view value =
            f.anyParameters ? Substitute(raw.text, level, level, false) : raw.text;
        if (value == "end") break;
        parameters.emplace_back(value);
    }
    Enter(IncludePath(name), written, std::move(parameters));
}

std::string SimulatorReader::IncludePath(const std::string& name) {
    const std::string fromRoot = root_ + name;
    if (resolver_.Locate(fromRoot)) return fromRoot;
    // Not in the scenery's folder: the including file's folder is tried before it is missing.
    const std::string& including = stack_.back()->path;
    const std::size_t slash = including.rfind('/');
    const std::string fromHere =
        (slash == std::string::npos ? std::string() : including.substr(0, slash + 1)) + name;
    return resolver_.Locate(fromHere) ? fromHere : fromRoot;
}

bool SimulatorReader::Enter(const std::string& path, const std::string& written,
                            std::vector<std::string> parameters) {
    if (++filesSinceProgress_ >= kProgressFiles && !stack_.empty()) ReportProgress();
    const std::optional<std::string> located = resolver_.Locate(path);
    if (!located) {
        if (!stack_.empty()) {
            Report(ProblemKind::MissingInclude,
                   FormatText(Translate("Scenery", "Brak dołączanego pliku: %1"),
                              {Cp1250ToUtf8(written)}),
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
    const SourceLine first = stack_.empty() ? 1 : HereInnermost() + 1;
    const bool anyParameters =
        !parameters.empty() || (!stack_.empty() && stack_.back()->anyParameters);
    stack_.push_back(std::make_unique<Frame>(*located, std::move(identity), std::move(source),
                                             options_.lines, static_cast<ReadMeter*>(this),
                                             static_cast<MarkedComments*>(this),
                                             std::move(parameters), anyParameters));
    Frame& entered = *stack_.back();
    entered.file = scenery_.Sources.AddFile(entered.path);
    BeginRun(entered, first, 1);
    return true;
}

void SimulatorReader::Leave() {
    const Frame& f = *stack_.back();
    const FileStamp stamp = f.reader.Source().Stamp();
    scenery_.IncFiles.push_front(TIncFile{f.path, stamp.date, stamp.size});
    reading_.erase(f.identity);
    const SourceLine next = Here(f, f.tokens.Line()) + 1;
    stack_.pop_back();
    if (stack_.empty()) return;
    // Reading goes on within the line that held the include.
    Frame& back = *stack_.back();
    BeginRun(back, next, back.tokens.Line());
    status_.StatusText(LoadingText(back.path));
}

bool SimulatorReader::NextNumbers(double* values, int count) {
    // Most of a node's numbers are plain: read where they stand, in one pass. Such a token can
    // be neither an include nor hold a parameter.
    int read = 0;
    while (read < count) {
        if (!stack_.empty()) {
            const int plain = stack_.back()->tokens.NextNumbers(values + read, count - read);
            read += plain;
            CountTokens(plain);
            if (read == count) break;
        }
        Token token;
        if (!Next(token)) return false;
        values[read++] = token.Number();
    }
    return true;
}

bool SimulatorReader::NextNumber(double& value) {
    return NextNumbers(&value, 1);
}

bool SimulatorReader::NextPoint(Point& point) {
    return NextNumbers(point.data(), 3);
}

bool SimulatorReader::NextPath(Path& path) {
    // P1, its roll, C1, C2, P2, its roll and the radius, in one run: the rolls and the radius
    // are not drawn, and reading them as numbers passes over them as skipping would.
    std::array<double, 15> numbers{};
    if (!NextNumbers(numbers.data(), 15)) return false;
    std::copy_n(numbers.begin(), 3, path.p1.begin());
    std::copy_n(numbers.begin() + 4, 3, path.c1.begin());
    std::copy_n(numbers.begin() + 7, 3, path.c2.begin());
    std::copy_n(numbers.begin() + 10, 3, path.p2.begin());
    return true;
}

bool SimulatorReader::Skip(int count) {
    // Most skipped tokens are plain: passed over where they stand.
    int skipped = 0;
    while (skipped < count) {
        if (!stack_.empty()) {
            const int plain = stack_.back()->tokens.SkipPlain(count - skipped);
            skipped += plain;
            CountTokens(plain);
            if (skipped == count) break;
        }
        Token token;
        if (!Next(token)) return false;
        ++skipped;
    }
    return true;
}

void SimulatorReader::CountTokens(int count) {
    tokensSinceProgress_ += static_cast<std::uint32_t>(count);
    if (tokensSinceProgress_ >= kProgressTokens) ReportProgress();
}

void SimulatorReader::SkipUntil(std::string_view lowerEnd) {
    // Bodies are most of a scenery's bytes: only the tokens that may end them or include a file
    // come out of the file's stream here.
    Token token;
    while (!stack_.empty()) {
        Frame& f = *stack_.back();
        if (!f.tokens.SkipTo(lowerEnd, f.anyParameters, token)) {
            Leave();
            continue;
        }
        if (!token.exact && EqualsIgnoreCase(token.text, "include")) {
            Include(f);
            continue;
        }
        if (f.anyParameters) token.text = Substitute(token.text, stack_.size() - 1, 0, true);
        if (token.Is(lowerEnd)) return;
    }
}

void SimulatorReader::Statement(const Token& token) {
    if (token.Is("node")) {
        Node(token.at);
    } else if (token.Is("origin")) {
        Point p{};
        if (!NextPoint(p)) return;
        const Point o = origins_.empty() ? Point{} : origins_.back();
        origins_.push_back({o[0] + p[0], o[1] + p[1], o[2] + p[2]});
    } else if (token.Is("endorigin")) {
        if (!origins_.empty()) origins_.pop_back();
    } else if (token.Is("trainset")) {
        Trainset(token.at);
    } else if (token.Is("endtrainset")) {
        trainsetOpen_ = false;
    } else if (token.Is("editorterrain")) {
        if (Skip(4)) SkipUntil("endeditorterrain");
    } else if (token.Is("lua")) {
        Skip(1);
    } else if (token.Is("rotate") || token.Is("scale")) {
        Skip(3);
    } else if (token.text.size() <= 11) {
        const std::string folded = token.Folded();
        if (IsOneOf(folded, kEndedByName)) SkipUntil("end" + folded);
    }
    // Anything else, "firstinit", "group" and "endscale" among it, is skipped alone.
}

void SimulatorReader::Node(SourceLine at) {
    Token token;
    if (!Skip(2) || !Next(token)) return;
    // Kept as written, in a buffer of its own, and folded only by the nodes that keep it.
    nodeName_.assign(token.text);
    const bool exactName = token.exact;
    const auto name = [&] { return exactName ? nodeName_ : FoldedCopy(nodeName_); };
    if (!Next(token)) return;
    if (token.Is("track")) {
        Track(at, name());
    } else if (token.Is("traction")) {
        Traction(at);
    } else if (token.Is("dynamic")) {
        if (trainsetOpen_) {
            Vehicle(name());
        } else {
            SkipUntil("enddynamic");
        }
    } else if (token.Is("model")) {
        SkipUntil("endmodel");
    } else if (token.Is("triangles") || token.Is("triangle_strip") || token.Is("triangle_fan")) {
        SkipUntil("endtri");
    } else if (token.Is("lines") || token.Is("line_strip") || token.Is("line_loop")) {
        SkipUntil("endline");
    } else if (token.Is("memcell")) {
        SkipUntil("endmemcell");
    } else if (token.Is("eventlauncher") || token.Is("tractionpowersource")) {
        SkipUntil("end");
    } else if (token.Is("sound")) {
        SkipUntil("endsound");
    }
}

void SimulatorReader::Track(SourceLine at, const std::string& nodeName) {
    Token token;
    if (!Next(token)) return;
    SegmentKind kind = SegmentKind::Track;
    bool twoPaths = false;
    bool stored = true;
    // Railway: "normal", "turn" and "table" (turntables) with one path, "switch" with two.
    if (token.Is("normal")) {
        // The most common kind, told first.
    } else if (token.Is("switch")) {
        twoPaths = true;
    } else if (token.Is("road")) {
        kind = SegmentKind::Road;
    } else if (token.Is("cross")) {
        kind = SegmentKind::Road;
        twoPaths = true;
    } else if (token.Is("river")) {
        kind = SegmentKind::River;
    } else if (token.Is("tributary")) {
        kind = SegmentKind::River;
        twoPaths = true;
    } else if (!token.Is("turn") && !token.Is("table")) {
        // Another word: one path is read and nothing is stored.
        stored = false;
    }
    const bool straightRule = !token.Is("cross");
    // Length, gauge, friction, sound distance, quality, damage flag, environment.
    if (!Skip(7) || !Next(token)) return;
    if (token.Is("vis") && !Skip(6)) return;
    Path first;
    Path second;
    if (!NextPath(first) || (twoPaths && !NextPath(second))) return;

    std::uint8_t velocity = 160;
    TEventList events;
    while (Next(token)) {
        if (token.Is("endtrack")) break;
        if (token.Is("velocity")) {
            double value = 0;
            if (NextNumber(value)) velocity = VelocityOf(value);
        } else if (token.Is("sleepermodel")) {
            Skip(7);
        } else if (token.text.size() <= 11) {
            const std::string folded = token.Folded();
            if (IsOneOf(folded, kEventProperties)) {
                Token event;
                if (!Next(event)) break;
                if (mode_.OwnerMode) events.push_back(TEventRef{folded, CutName(event.Folded())});
            } else if (IsOneOf(folded, kOneTokenProperties)) {
                Skip(1);
            }
        }
    }
    if (!stored) return;

    std::string name;
    if (mode_.OwnerMode) {
        // "abc@iso": the part after "@" names an isolated circuit.
        name = CutName(std::string_view(nodeName).substr(0, nodeName.find('@')));
        if (name == "none") name.clear();
    }
    // As in the classic reading, the first path of a two-path node has the default speed and no
    // events; the last carries the node's.
    if (twoPaths) {
        StorePath(kind, name, first, 160, {}, straightRule, at);
        StorePath(kind, name, second, velocity, std::move(events), straightRule, at);
    } else {
        StorePath(kind, name, first, velocity, std::move(events), straightRule, at);
    }
}

void SimulatorReader::StorePath(SegmentKind kind, const std::string& name, const Path& path,
                                std::uint8_t velocity, TEventList events, bool straightRule,
                                SourceLine at) {
    const Point o = origins_.empty() ? Point{} : origins_.back();
    const double x1 = -(path.p1[0] + o[0]);
    const double h1 = path.p1[1] + o[1];
    const double y1 = -(path.p1[2] + o[2]);
    const double x2 = -(path.p2[0] + o[0]);
    const double h2 = path.p2[1] + o[1];
    const double y2 = -(path.p2[2] + o[2]);
    Point c1 = path.c1;
    Point c2 = path.c2;
    if (straightRule) {
        // A first control vector within 2 cm of a third of the chord makes the path straight.
        double distance = 0;
        for (int i = 0; i < 3; ++i) {
            const double d = c1[i] - (path.p2[i] - path.p1[i]) / 3;
            distance += d * d;
        }
        if (distance < 0.02 * 0.02) c1 = c2 = Point{};
    }
    // Offsets and points near the end of the double range may add up beyond it: such a path
    // cannot be placed on the map.
    for (const double v : {x1, y1, x2, y2, h1, h2, c1[0], c1[2], c2[0], c2[2]}) {
        if (!std::isfinite(v)) return;
    }
    SegmentInput input{.kind = kind,
                       .name = name,
                       .x1 = x1,
                       .y1 = y1,
                       .x2 = x2,
                       .y2 = y2,
                       .height1 = h1,
                       .height2 = h2,
                       .cx1 = -c1[0],
                       .cy1 = -c1[2],
                       .cx2 = -c2[0],
                       .cy2 = -c2[2],
                       .velocity = velocity,
                       .events = std::move(events),
                       .readAt = at};
    // Nor can one whose heights are beyond rounding; the store would fail on it, on its thread.
    if (!SegmentStore::RangesRound(input)) return;
    CountSegment();
    pipe_->Add(std::move(input), true);
}

void SimulatorReader::Traction(SourceLine at) {
    // Supply, voltage, current, resistivity, material, thickness, damage flag; then the contact
    // wire's two points. The carrier wire and the rest are not drawn, nor are the heights:
    // read as numbers, these are passed over as skipping would.
    std::array<double, 6> points{};
    if (!Skip(7) || !NextNumbers(points.data(), 6)) return;
    const Point p1{points[0], points[1], points[2]};
    const Point p2{points[3], points[4], points[5]};
    SkipUntil("endtraction");
    const Point o = origins_.empty() ? Point{} : origins_.back();
    const double x1 = -(p1[0] + o[0]);
    const double y1 = -(p1[2] + o[2]);
    const double x2 = -(p2[0] + o[0]);
    const double y2 = -(p2[2] + o[2]);
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2))
        return;
    CountSegment();
    pipe_->Add(
        {.kind = SegmentKind::Traction, .x1 = x1, .y1 = y1, .x2 = x2, .y2 = y2, .readAt = at},
        false);
}

void SimulatorReader::Trainset(SourceLine at) {
    Token token;
    std::string name;
    std::string track;
    if (Next(token)) name = token.Folded();
    if (Next(token)) track = token.Folded();
    Skip(2);  // offset and velocity
    // The trainset's track is looked up among the segments made so far.
    pipe_->Flush();
    TTrainsObj& trainset = AddTrainset(scenery_, name, track, mode_.OwnerMode, dialogs_);
    trainset.ReadAt = at;
    trainsetOpen_ = true;
    if (mode_.OwnerMode && !trainset.Track && !track.empty() && track != "none") {
        Report(ProblemKind::TrainsetWithoutTrack,
               FormatText(Translate("Scenery", "Pociąg %1 nie ma toru: nie odnaleziono toru %2"),
                          {Cp1250ToUtf8(trainset.Name), Cp1250ToUtf8(CutName(track))}),
               at);
    }
}

void SimulatorReader::Vehicle(const std::string& name) {
    // The node's tokens 5 to 9: folder, skin, type, offset, driver.
    Token token;
    std::string type;
    std::string driver;
    if (Skip(2) && Next(token)) {
        type = token.Folded();
        if (Skip(1) && Next(token)) driver = token.Folded();
    }
    AddVehicle(scenery_, name, VehicleKindOf(type, driver));
    SkipUntil("enddynamic");
}

void SimulatorReader::MarkedComment(char mark, std::string_view text) {
    if (mark == 'o') {
        if (trainsetOpen_ && !scenery_.Trainsets.empty())
            scenery_.Trainsets.front().Description = text;
        return;
    }
    // The name and the description come from the scenery file itself.
    if (stack_.size() != 1) return;
    std::string& value = mark == 'n' ? scenery_.SceneryName : scenery_.SceneryDescription;
    if (value.empty()) value = text;
}

void SimulatorReader::ReportProgress() {
    tokensSinceProgress_ = 0;
    bytesSinceProgress_ = 0;
    filesSinceProgress_ = 0;
    ReportLoadProgress(status_, stack_.back()->path, stack_.back()->reader, stack_.front()->reader);
}

void SimulatorReader::Taken(std::uint64_t bytes) {
    bytesSinceProgress_ += bytes;
    if (bytesSinceProgress_ >= kProgressBytes) ReportProgress();
}

void SimulatorReader::CountSegment() {
    CheckSegmentCount(segments_, options_.limits);
    ++segments_;
}

void SimulatorReader::Report(ProblemKind kind, std::string message, SourceLine at) {
    AddLoadProblem(scenery_, kind, std::move(message), at);
}

void SimulatorReader::ReportCycle(const std::string& path) {
    ReportIncludeCycle(scenery_, dialogs_, status_, path, HereInnermost(), cycleReported_);
}

}  // namespace tarvik
