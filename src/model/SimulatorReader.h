#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "FileSystem.h"
#include "IncludeCache.h"
#include "LineReader.h"
#include "PathResolver.h"
#include "Scenery.h"
#include "SceneryParser.h"
#include "Text.h"
#include "TokenStream.h"
#include "UserDialogs.h"
#include "WorkMode.h"

namespace tarvik {

// Reads a scenery the way the simulator reads it: all files are one stream of tokens, with
// includes ("include FILE params end") spliced in wherever they stand, their parameters put in
// place of "(pN)", paths taken from the scenery's folder, one origin stack for the whole load,
// and nodes read by the number of tokens they need. It stores what the classic reading stores
// (segments, trainsets, IncFiles, name and description, source lines, load problems) through the
// same store, with the same progress reports, stop, include-cycle guard and limits.
class SegmentPipe;

class SimulatorReader final : private ReadMeter, private MarkedComments {
  public:
    SimulatorReader(TScenery& scenery, const TWorkMode& mode, const FileSystem& files,
                    UserDialogs& dialogs, StatusSink& status,
                    const SceneryReadOptions& options = {});
    ~SimulatorReader() override;
    SimulatorReader(const SimulatorReader&) = delete;
    SimulatorReader& operator=(const SimulatorReader&) = delete;

    // Throws std::runtime_error with the message of an error that ends the load, and
    // LoadStopped when the status sink asks for the end.
    void Read(const std::string& path);

  private:
    struct Frame;
    // A token of the stream, with the parameters put in: exact when it is not to be folded.
    struct Token : RawToken {
        SourceLine at = kNoSourceLine;

        bool Is(std::string_view lower) const {
            return exact ? text == lower : EqualsIgnoreCase(text, lower);
        }
        std::string Folded() const;
        double Number() const;
    };
    using Point = std::array<double, 3>;
    // One path of a track: P1, C1, C2, P2 as the file gives them.
    struct Path {
        Point p1{}, c1{}, c2{}, p2{};
    };

    // The next token of the load: includes are spliced in and parameters put in.
    bool Next(Token& token);
    // Numbers as FloatPrefix reads them; false when the load ends first.
    bool NextNumbers(double* values, int count);
    bool NextNumber(double& value);
    bool NextPoint(Point& point);
    bool NextPath(Path& path);
    bool Skip(int count);
    void SkipUntil(std::string_view lowerEnd);

    void Statement(const Token& token);
    void Node(SourceLine at);
    void Track(SourceLine at, const std::string& name);
    void Traction(SourceLine at);
    void Trainset(SourceLine at);
    void Vehicle(const std::string& name);
    void StorePath(SegmentKind kind, const std::string& name, const Path& path,
                   std::uint8_t velocity, TEventList events, bool straightRule, SourceLine at);

    void Include(Frame& f);
    bool Enter(const std::string& path, const std::string& written,
               std::vector<std::string> parameters);
    void Leave();
    std::string IncludePath(const std::string& name);
    // The token with the parameters of the frames from `from` outwards put in.
    std::string_view Substitute(std::string_view text, std::size_t from, std::size_t to, bool fold);

    static SourceLine Here(const Frame& f, std::uint64_t fileLine);
    void BeginRun(Frame& f, SourceLine first, std::uint64_t firstLine);
    SourceLine HereInnermost() const;
    void Report(ProblemKind kind, std::string message, SourceLine at);
    void ReportCycle(const std::string& path);
    void ReportProgress();
    void CountTokens(int count);
    // Counts a segment made, after the check against the limit.
    void CountSegment();
    void Taken(std::uint64_t bytes) override;
    void MarkedComment(char mark, std::string_view text) override;

    static constexpr std::uint32_t kProgressTokens = 1u << 18;
    static constexpr std::uint64_t kProgressBytes = std::uint64_t{4} << 20;
    static constexpr std::uint32_t kProgressFiles = 1u << 12;

    TScenery& scenery_;
    const TWorkMode mode_;
    PathResolver resolver_;
    IncludeCache kept_;
    UserDialogs& dialogs_;
    SceneryReadOptions options_;
    StatusSink& status_;
    std::string root_;  // the scenery's folder with its "/", where include paths start
    std::vector<std::unique_ptr<Frame>> stack_;  // the open files, the innermost last
    std::unordered_set<std::string> reading_;    // identities of the files in the include chain
    std::vector<Point> origins_;                 // the origin stack; the offset is its top
    SegmentPipe* pipe_ = nullptr;                // Read's, while it reads
    std::string nodeName_;                       // Node's, as the file writes it
    std::uint64_t segments_ = 0;                 // in the store and on their way to it
    bool trainsetOpen_ = false;
    bool cycleReported_ = false;
    std::uint64_t filesRead_ = 0;
    std::uint32_t tokensSinceProgress_ = 0;
    std::uint64_t bytesSinceProgress_ = 0;
    std::uint32_t filesSinceProgress_ = 0;
    std::string substituted_[2];  // a token's text with parameters put in, by turns
};

}  // namespace tarvik
