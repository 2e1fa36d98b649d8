#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <limits>
#include <string>
#include <vector>

#include "SceneryJson.h"
#include "TestSupport.h"

namespace tarvik {
namespace {

// The whole model as the dump prints it, loaded with the given way of reading the files.
std::string LoadedJson(const std::string& path, const TWorkMode& mode,
                       const LineReader::Options& reading) {
    TScenery scenery;
    test::ScriptedDialogs dialogs;
    test::RecordingStatus status;
    const PosixFileSystem files;
    const LoadResult result =
        LoadSceneryModel(scenery, path, mode, files, dialogs, status, {.lines = reading});
    std::FILE* out = std::tmpfile();
    WriteSceneryJson(out, scenery, result, false);
    std::string text = test::ReadAndClose(out);
    for (const auto& m : dialogs.messages)
        text += "\n" + m.caption + ": " + m.text;
    return text;
}

// Every file read ahead on the second thread, in chunks small enough that nodes, long lines
// and the unfinished lines carried between buffers all cross chunk borders.
TEST(ReadAheadLoad, TheModelIsTheSameAsReadingOnOneThread) {
    std::vector<std::string> paths = {std::string(TARVIK_SOURCE_DIR) + "/examples/demo/demo.scn"};
    if (const auto shared = test::SharedSceneries()) {
        paths.push_back((*shared / "TD.scn").string());
        paths.push_back((*shared / "linia053-misja5.scm").string());
    }
    LineReader::Options oneThread;
    oneThread.readAheadFrom = std::numeric_limits<std::int64_t>::max();
    for (const LineReader::Options& ahead :
         {LineReader::Options{0, 61, 16, 2}, LineReader::Options{0, 4096, 80, 3}}) {
        for (const std::string& path : paths) {
            for (const TWorkMode& mode : {test::UserMode(), test::AuthorMode()}) {
                const std::string expected = LoadedJson(path, mode, oneThread);
                EXPECT_GT(expected.size(), 1000u);
                EXPECT_EQ(LoadedJson(path, mode, ahead), expected)
                    << path << ", chunks of " << ahead.chunkSize;
            }
        }
    }
}

}  // namespace
}  // namespace tarvik
