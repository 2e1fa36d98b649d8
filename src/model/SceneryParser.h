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
#include "LineTokenizer.h"
#include "LoadLimits.h"
#include "PathResolver.h"
#include "Scenery.h"
#include "SceneryReading.h"
#include "Translate.h"
#include "UserDialogs.h"
#include "WorkMode.h"

namespace tarvik {

// The start of the message about a piece whose numbers could not be read; the piece is left
// out and the load goes on.
inline constexpr const char* kPieceReadError =
    TARVIK_TRANSLATE_NOOP("Scenery", "Błąd przy odczycie drogi!");

struct OriginOffsets {
    float x = 0;
    float y = 0;
    float z = 0;
};

// Thrown when the status sink asks a load to end.
struct LoadStopped {};

// How files are read and how far one load may go.
struct SceneryReadOptions {
    LineReader::Options lines{};
    LoadLimits limits{};
    SceneryReading reading = SceneryReading::Classic;
};

// Reads a scenery file with its include files into the model. Includes are read through an
// explicit stack of open files rather than recursion, so that long include chains cannot
// exhaust the call stack; the order of everything read is that of nested reading. A file
// included again is read from memory when it is small (IncludeCache).
class SceneryParser final : private ReadMeter {
  public:
    SceneryParser(TScenery& scenery, const TWorkMode& mode, const FileSystem& files,
                  UserDialogs& dialogs, StatusSink& status, const SceneryReadOptions& options = {});
    ~SceneryParser() override;
    SceneryParser(const SceneryParser&) = delete;
    SceneryParser& operator=(const SceneryParser&) = delete;

    // Throws std::runtime_error with the message of an error that ends the load; files whose
    // reading was cut by it are not recorded in IncFiles.
    void ParseSceneryFile(const std::string& path, bool firstSegment, bool firstInit,
                          OriginOffsets origin);

  private:
    struct Frame;
    struct IncludeRequest {
        std::string path;
        std::string written;  // the name as the include statement gives it
        bool firstInit = false;
        OriginOffsets origin;
    };
    enum class Next { Continue, StopFile, Include };

    bool Enter(const IncludeRequest& request, bool firstSegment);
    void Leave();
    void AfterTopLevelInclude(Frame& f);

    Next TopLevelLine(Frame& f, std::string_view line);
    Next FirstInitLine(Frame& f, std::string_view line);
    Next NodeSection(Frame& f, std::string_view line);
    Next TrackSection(Frame& f, std::string_view line, SourceLine node);
    Next TractionSection(Frame& f, std::string_view line);
    void TrainsetBlock(Frame& f);
    Next OriginStatement(Frame& f, std::string_view line);
    bool IncludePath(const Frame& f, std::string_view name, std::string& path) const;
    // Every line of a file is read here, so that progress is reported in every loop.
    std::string_view NextLine(Frame& f);
    // The load's number of the line last read from f.
    static SourceLine Here(const Frame& f);
    void BeginRun(Frame& f, SourceLine first);
    void CheckSegmentLimit() const;

    struct TrackPiece {
        SegmentKind kind = SegmentKind::Track;
        const std::string& name;
        SourceLine node = kNoSourceLine;  // the node line, for both pieces of a switch
        bool last = false;                // the speed and events follow it
    };
    // False when a short point line was not ignored: the rest of the node is abandoned.
    bool TrackSegment(Frame& f, const TrackPiece& piece, std::uint8_t& velocity,
                      TEventList& events);
    void SkipUntilIgnoreCase(Frame& f, std::string_view lowerEnd);
    bool Split(std::string_view line, std::uint8_t maxCount, std::uint8_t minCount);
    // SplitLine, recording the question about a short line with the user's answer.
    bool SplitRecorded(std::string_view line, SplitOptions options);
    // A point line, f's line last read: its numbers as the read-ahead thread read them, else
    // split with at most and at least 3 tokens and converted; false when the user did not
    // ignore a short line.
    bool ReadPoint(const Frame& f, std::string_view line, std::array<double, 3>& v,
                   bool withHeight);
    // The tokens of the last split of line, as a split with at most and at least count tokens
    // would give them.
    bool Need(std::string_view line, std::uint8_t count);
    // Enough for the keyword and a node's kind; track and traction nodes read further.
    static constexpr std::uint8_t kMostTokens = 5;
    void ReportCycle(const std::string& path);
    // Once a load: the files use syntax that only the simulator's reading understands; what
    // says which, and the problem stands at the line being read.
    void SimulatorSyntax(const char* what);
    // A line that holds more than its statement needs: the rest after the statement's last
    // token is more than blanks and a comment.
    static bool MoreOnLine(std::string_view line, std::string_view lastToken);
    // Adds to the scenery's load problems; at is a line of the innermost file.
    void Report(ProblemKind kind, std::string message, SourceLine at);
    SourceLine HereInnermost() const;
    // A progress report, and with it the question whether to stop, comes after this many lines,
    // bytes taken from the files or files looked for, whichever is reached first: a few hundred
    // reports for the largest sceneries, and many a second whatever the input.
    static constexpr std::uint32_t kProgressLines = 1u << 16;
    static constexpr std::uint64_t kProgressBytes = std::uint64_t{4} << 20;
    static constexpr std::uint32_t kProgressFiles = 1u << 12;
    void ReportProgress();
    void Taken(std::uint64_t bytes) override;

    TScenery& scenery_;
    const TWorkMode mode_;
    PathResolver resolver_;
    IncludeCache kept_;
    UserDialogs& dialogs_;
    SceneryReadOptions options_;
    StatusSink& status_;
    TokenList tokens_;
    std::uint8_t lastMaxCount_ = 0;  // maximum of the split that filled tokens_
    IncludeRequest pending_;
    std::unordered_set<std::string> reading_;  // identities of the files in the include chain
    bool cycleReported_ = false;
    bool syntaxReported_ = false;
    std::uint64_t filesRead_ = 0;
    std::uint32_t linesSinceProgress_ = 0;
    std::uint64_t bytesSinceProgress_ = 0;
    std::uint32_t filesSinceProgress_ = 0;
    std::vector<std::unique_ptr<Frame>> stack_;  // the open files, the innermost last
};

}  // namespace tarvik
