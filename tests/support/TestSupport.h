#pragma once

#include <cstdio>
#include <deque>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "FileSystem.h"
#include "Scenery.h"
#include "SceneryLoader.h"
#include "UserDialogs.h"
#include "WorkMode.h"

namespace tarvik::test {

// Records every message box and answers from a script; without a scripted answer it picks
// Ignore for the parse question, No for questions and OK otherwise.
class ScriptedDialogs final : public UserDialogs {
  public:
    struct Message {
        std::string text;
        std::string caption;
        MessageIcon icon;
        MessageButtons buttons;
    };
    struct Query {
        std::string caption;
        std::string prompt;
        std::string initial;
    };

    MessageAnswer MessageBox(std::string_view text, std::string_view caption, MessageIcon icon,
                             MessageButtons buttons) override;
    bool InputQuery(std::string_view caption, std::string_view prompt, std::string& value) override;

    std::vector<Message> messages;
    std::vector<Query> queries;
    std::deque<MessageAnswer> answers;
    std::deque<std::optional<std::string>> inputs;  // nullopt cancels
    // Runs while each box is up: the user's time passing, say.
    std::function<void()> whileAsked;
};

class RecordingStatus final : public StatusSink {
  public:
    void StatusText(std::string_view text) override { texts.emplace_back(text); }
    std::vector<std::string> texts;
};

// A temporary folder, removed with its contents.
class TempDir {
  public:
    enum class Place { Temp, Memory };
    // Memory puts it on /dev/shm where there is one: writing many files there takes a
    // fraction of the time it may take on a disk.
    explicit TempDir(Place place = Place::Temp);
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    // Writes bytes as they are (no line-end conversion); creates folders on the way.
    std::string Write(const std::string& relative, std::string_view bytes) const;

  private:
    std::filesystem::path path_;
};

// Puts the working folder and $PWD back as they were when it was made, so that a test may
// change them.
class KeepWorkingFolder {
  public:
    KeepWorkingFolder();
    ~KeepWorkingFolder();
    KeepWorkingFolder(const KeepWorkingFolder&) = delete;
    KeepWorkingFolder& operator=(const KeepWorkingFolder&) = delete;

    // Enters folder as a shell does, with $PWD naming it as written.
    static void Enter(const std::filesystem::path& folder);

  private:
    std::filesystem::path folder_;
    std::optional<std::string> pwd_;
};

// Loads a scenery from disk into the model, asking through the dialogs given.
LoadResult LoadFile(TScenery& scenery, const std::string& path, const TWorkMode& mode,
                    UserDialogs& dialogs, RecordingStatus* status = nullptr);

inline TWorkMode UserMode() {
    return TWorkMode::Make(false, 2);
}
inline TWorkMode AuthorMode() {
    return TWorkMode::Make(true, 7);
}

// Lines joined with CR LF, as scenery files are written.
std::string CrLf(std::initializer_list<std::string_view> lines);

// The text of a straight or curved track node in file coordinates (x, height, z).
struct PieceSpec {
    std::string name = "none";
    std::string subKind = "normal";
    double x1 = 0, h1 = 0, z1 = 0;
    double x2 = 0, h2 = 0, z2 = 0;
    double c1x = 0, c1z = 0, c2x = 0, c2z = 0;
    std::vector<std::string> extraLines;  // velocity and event lines
};
std::string TrackNode(const PieceSpec& p);

std::vector<const TSegmentObj*> Segments(const SegmentList& list);

std::optional<std::filesystem::path> SharedSceneries();

// Everything written to a temporary file; closes it.
std::string ReadAndClose(std::FILE* file);

}  // namespace tarvik::test
