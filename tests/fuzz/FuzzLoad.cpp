// Loads a scenery with its include files from one input, in both work modes, answering every
// question the loader asks from the input's last byte.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "MemoryFileSystem.h"
#include "SceneryLoader.h"

namespace {

class Answers final : public tarvik::UserDialogs, public tarvik::StatusSink {
  public:
    explicit Answers(std::uint8_t seed) : seed_(seed) {}
    tarvik::MessageAnswer MessageBox(std::string_view, std::string_view, tarvik::MessageIcon,
                                     tarvik::MessageButtons buttons) override {
        const bool first = (seed_ >> (turn_++ % 8)) & 1;
        switch (buttons) {
            case tarvik::MessageButtons::YesNo:
                return first ? tarvik::MessageAnswer::Yes : tarvik::MessageAnswer::No;
            case tarvik::MessageButtons::AbortRetryIgnore:
                return first ? tarvik::MessageAnswer::Abort : tarvik::MessageAnswer::Ignore;
            case tarvik::MessageButtons::Ok:
                break;
        }
        return tarvik::MessageAnswer::Ok;
    }
    bool InputQuery(std::string_view, std::string_view, std::string& value) override {
        value = "tor";
        return (seed_ & 1) != 0;
    }
    void StatusText(std::string_view) override {}

  private:
    std::uint8_t seed_;
    unsigned turn_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const tarvik::fuzz::MemoryFileSystem files = tarvik::fuzz::UnpackFiles(input);
    // The author pass reads every file ahead on a second thread, in chunks small enough that
    // lines and bodies cross their borders, yet few enough that a large input, which costs
    // two thread switches a chunk, stays quick; its lines are cut much shorter than usual, and
    // it may read only a few files and store a few segments.
    const std::size_t chunk = std::max<std::size_t>(size / 64, 1 + size % 61);
    const tarvik::SceneryReadOptions ahead{
        .lines = {.readAheadFrom = 0,
                  .chunkSize = chunk,
                  .headroom = size % 17,
                  .buffers = 2 + static_cast<int>(size % 2),
                  .longestLine = 16 + size % 113},
        .limits = {.files = 5 + size % 50, .segments = 50 + size % 500}};
    // Both readings, each in both modes.
    for (const tarvik::SceneryReading reading :
         {tarvik::SceneryReading::Classic, tarvik::SceneryReading::Simulator}) {
        for (const bool author : {false, true}) {
            Answers answers(size > 0 ? data[size - 1] : 0);
            tarvik::TScenery scenery;
            tarvik::SceneryReadOptions options = author ? ahead : tarvik::SceneryReadOptions{};
            options.reading = reading;
            tarvik::LoadSceneryModel(scenery, "main.scn", tarvik::TWorkMode::Make(author, 3), files,
                                     answers, answers, options);
        }
    }
    return 0;
}
