#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "AbsolutePath.h"
#include "TestSupport.h"

namespace tarvik {
namespace {

TEST(AbsolutePathTest, JoinsWithTheFolderAndDropsOnlyEmptyAndDotComponents) {
    EXPECT_EQ(AbsolutePath("examples/demo/demo.scn", "/home/ala"),
              "/home/ala/examples/demo/demo.scn");
    EXPECT_EQ(AbsolutePath("./a//b/./c.scn", "/home/ala/"), "/home/ala/a/b/c.scn");
    // ".." beyond a symbolic link does not lead back, so it stays for the system to follow.
    EXPECT_EQ(AbsolutePath("../x/c.scn", "/home/ala"), "/home/ala/../x/c.scn");
    EXPECT_EQ(AbsolutePath("/srv//eu07/./s.scn", "/home/ala"), "/srv/eu07/s.scn");
    EXPECT_EQ(AbsolutePath("d/", "/h"), "/h/d/");
    EXPECT_EQ(AbsolutePath(".", "/"), "/");
    // Names are bytes: CP1250 letters pass unchanged.
    EXPECT_EQ(AbsolutePath("\xb3\xf3\x64\x9f.scn", "/s"), "/s/\xb3\xf3\x64\x9f.scn");
    // An empty path names no file and stays empty; without a folder nothing can be joined.
    EXPECT_EQ(AbsolutePath("", "/home/ala"), "");
    EXPECT_EQ(AbsolutePath("a.scn", ""), "a.scn");
    EXPECT_EQ(AbsolutePath("/a.scn", ""), "/a.scn");
}

TEST(WorkingFolderTest, KeepsTheSymbolicLinkTheShellEnteredBy) {
    const test::TempDir dir;
    const test::KeepWorkingFolder keep;
    const std::filesystem::path real = dir.Path() / "real";
    const std::filesystem::path link = dir.Path() / "link";
    std::filesystem::create_directories(real);
    std::filesystem::create_directory_symlink(real, link);
    test::KeepWorkingFolder::Enter(link);
    EXPECT_EQ(WorkingFolder(), link.string());
    // A $PWD that names another folder is not believed.
    setenv("PWD", dir.Path().c_str(), 1);
    EXPECT_EQ(WorkingFolder(), std::filesystem::canonical(real).string());
    unsetenv("PWD");
    EXPECT_EQ(WorkingFolder(), std::filesystem::canonical(real).string());
}

}  // namespace
}  // namespace tarvik
