// Times the checks of `tarvik check` over a loaded scenery against the load itself: loads the
// file RUNS times and checks the model RUNS times, in the user and in the author mode, and
// prints the best time of each with the number of problems found.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "FileSystem.h"
#include "Problems.h"
#include "SceneryLoader.h"
#include "WorkMode.h"

namespace {

using namespace tarvik;

// Every parse error Ignore and every question No, as the command answers them.
class QuietDialogs final : public UserDialogs {
  public:
    MessageAnswer MessageBox(std::string_view, std::string_view, MessageIcon,
                             MessageButtons buttons) override {
        return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ignore;
    }
    bool InputQuery(std::string_view, std::string_view, std::string&) override { return false; }
};

class NoStatus final : public StatusSink {
  public:
    void StatusText(std::string_view) override {}
};

double Now() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fputs("usage: tarvik-check-bench SCENERY [RUNS]\n", stderr);
        return 2;
    }
    const std::string path = argv[1];
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;
    PosixFileSystem files;
    QuietDialogs dialogs;
    NoStatus status;
    for (const bool author : {false, true}) {
        const TWorkMode mode = TWorkMode::Make(author, TWorkMode::DefaultPosition(author));
        double bestLoad = 1e300;
        double bestCheck = 1e300;
        std::size_t found = 0;
        for (int run = 0; run < runs; ++run) {
            TScenery scenery;
            const double t0 = Now();
            const LoadResult result = LoadSceneryModel(scenery, path, mode, files, dialogs, status);
            const double t1 = Now();
            if (result.status != LoadStatus::Loaded) {
                std::fprintf(stderr, "tarvik-check-bench: %s did not load\n", path.c_str());
                return 1;
            }
            found = CheckModel(scenery, ModelCheckOptions{}).size();
            const double t2 = Now();
            bestLoad = std::min(bestLoad, t1 - t0);
            bestCheck = std::min(bestCheck, t2 - t1);
        }
        std::printf("%s mode: load %.3f s, check %.3f s, %zu problems\n",
                    author ? "author" : "user", bestLoad, bestCheck, found);
        std::printf("check/load (%s mode): %.2f   target <= 1.5: %s\n", author ? "author" : "user",
                    bestCheck / bestLoad, bestCheck <= 1.5 * bestLoad ? "met" : "NOT met");
    }
    return 0;
}
