#include <gtest/gtest.h>

#include <filesystem>

#include "FileChanges.h"
#include "TestSupport.h"

namespace tarvik {
namespace {

TEST(FileChangesTest, ChangesAreStoredSoThatTheyCountOnce) {
    test::TempDir dir;
    const std::string top = dir.Write("a.scn", "abc");
    const std::string inc = dir.Write("b.inc", "xyz");
    PosixFileSystem files;
    std::forward_list<TIncFile> list;
    for (const std::string& p : {inc, top}) {
        const FileStamp s = *files.Stamp(p);
        list.push_front({p, s.date, s.size});
    }
    EXPECT_FALSE(UpdateFileStamps(list, files));

    dir.Write("b.inc", "longer text");
    EXPECT_TRUE(UpdateFileStamps(list, files));
    EXPECT_EQ(std::next(list.begin())->FileSize, 11);
    EXPECT_FALSE(UpdateFileStamps(list, files));

    // Same size, another time.
    std::filesystem::last_write_time(top,
                                     std::filesystem::last_write_time(top) - std::chrono::hours(1));
    EXPECT_TRUE(UpdateFileStamps(list, files));
    EXPECT_FALSE(UpdateFileStamps(list, files));

    std::filesystem::remove(inc);
    EXPECT_TRUE(UpdateFileStamps(list, files));
    EXPECT_TRUE(std::next(list.begin())->FileName.empty());
    EXPECT_EQ(list.front().FileName, top);
    EXPECT_FALSE(UpdateFileStamps(list, files));
}

}  // namespace
}  // namespace tarvik
