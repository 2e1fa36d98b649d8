#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "FileSystem.h"
#include "LineReader.h"
#include "LineTokenizer.h"
#include "PathResolver.h"
#include "Scenery.h"
#include "UserDialogs.h"
#include "WorkMode.h"

namespace tarvik {

struct OriginOffsets {
    float x = 0;
    float y = 0;
    float z = 0;
};

// Thrown when the status sink asks a load to end.
struct LoadStopped {};

// Reads a scenery file with its include files into the model. Includes are read through an
// explicit stack of open files rather than recursion, so that long include chains cannot
// exhaust the call stack; the order of everything read is that of nested reading.
class SceneryParser {
  public:
    SceneryParser(TScenery& scenery, const TWorkMode& mode, const FileSystem& files,
                  UserDialogs& dialogs, StatusSink& status,
                  const LineReader::Options& reading = {});

    // Throws std::runtime_error with the message of an error that ends the load; files whose
    // reading was cut by it are not recorded in IncFiles.
    void ParseSceneryFile(const std::string& path, bool firstSegment, bool firstInit,
                          OriginOffsets origin);

  private:
    struct Frame;
    struct IncludeRequest {
        std::string path;
        bool firstInit = false;
        OriginOffsets origin;
    };
    enum class Next { Continue, StopFile, Include };

    bool Enter(std::vector<std::unique_ptr<Frame>>& stack, const IncludeRequest& request,
               bool firstSegment);
    void Leave(std::vector<std::unique_ptr<Frame>>& stack);
    void AfterTopLevelInclude(Frame& f);

    Next TopLevelLine(Frame& f, std::string_view line);
    Next FirstInitLine(Frame& f, std::string_view line);
    Next NodeSection(Frame& f, std::string_view line);
    Next TrackSection(Frame& f, std::string_view line);
    Next TractionSection(Frame& f, std::string_view line);
    void TrainsetBlock(Frame& f);
    Next OriginStatement(Frame& f, std::string_view line);
    bool IncludePath(const Frame& f, std::string_view name, std::string& path) const;

    // False when a short point line was not ignored: the rest of the node is abandoned.
    bool TrackSegment(Frame& f, SegmentKind kind, const std::string& name, bool last,
                      std::uint8_t& velocity, TEventList& events);
    void SkipUntilIgnoreCase(Frame& f, std::string_view lowerEnd);
    bool Split(std::string_view line, std::uint8_t maxCount, std::uint8_t minCount);
    // A point line, split with at most and at least 3 tokens and converted; false when the
    // user did not ignore a short line.
    bool ReadPoint(std::string_view line, std::array<double, 3>& v, bool withHeight);
    // The tokens of the last split of line, as a split with at most and at least count tokens
    // would give them.
    bool Need(std::string_view line, std::uint8_t count);
    // Enough for the keyword and a node's kind; track and traction nodes read further.
    static constexpr std::uint8_t kMostTokens = 5;
    void ReportCycle(const std::string& path);
    // Lines between two progress reports: a few hundred reports for the largest sceneries.
    static constexpr std::uint32_t kProgressLines = 1u << 16;
    void ReportProgress(const std::vector<std::unique_ptr<Frame>>& stack);

    TScenery& scenery_;
    const TWorkMode mode_;
    const FileSystem& files_;
    PathResolver resolver_;
    UserDialogs& dialogs_;
    LineReader::Options readerOptions_;
    StatusSink& status_;
    TokenList tokens_;
    std::uint8_t lastMaxCount_ = 0;  // maximum of the split that filled tokens_
    IncludeRequest pending_;
    std::unordered_set<std::string> reading_;  // identities of the files in the include chain
    bool cycleReported_ = false;
    std::uint32_t linesSinceProgress_ = 0;
};

}  // namespace tarvik
