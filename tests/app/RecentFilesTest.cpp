#include <gtest/gtest.h>

#include "RecentFiles.h"

namespace tarvik {
namespace {

std::vector<std::string> Paths(const RecentFiles& r) {
    std::vector<std::string> out;
    for (int i = 0; i < RecentFiles::kItems; ++i) {
        if (r.Item(i).visible) out.push_back(r.Item(i).path);
    }
    return out;
}

TEST(RecentFilesTest, NewestFirstAndMovedToTheTop) {
    RecentFiles r;
    r.SetCount(9);
    r.Add("/s/a.scn", "");
    r.Add("/s/b.scn", "Stacja B");
    r.Add("/s/c.scn", "");
    EXPECT_EQ(Paths(r), (std::vector<std::string>{"/s/c.scn", "/s/b.scn", "/s/a.scn"}));
    EXPECT_EQ(r.Item(0).caption, "c.scn");
    EXPECT_EQ(r.Item(1).caption, "Stacja B");
    r.Add("/s/a.scn", "Nowa nazwa");
    EXPECT_EQ(Paths(r), (std::vector<std::string>{"/s/a.scn", "/s/c.scn", "/s/b.scn"}));
    EXPECT_EQ(r.Item(0).caption, "Nowa nazwa");
    // The top item keeps its caption even when the scenery's name has changed.
    r.Add("/s/a.scn", "Inna");
    EXPECT_EQ(r.Item(0).caption, "Nowa nazwa");
    EXPECT_EQ(Paths(r).size(), 3u);
    // Paths differing in letter case are different files.
    r.Add("/s/A.scn", "");
    EXPECT_EQ(Paths(r).size(), 4u);
}

TEST(RecentFilesTest, CountLimitsTheItemsInUse) {
    RecentFiles nine;
    nine.SetCount(9);
    for (int i = 1; i <= 10; ++i)
        nine.Add("/s/" + std::to_string(i) + ".scn", "");
    const std::vector<std::string> p = Paths(nine);
    ASSERT_EQ(p.size(), 9u);
    EXPECT_EQ(p.front(), "/s/10.scn");
    EXPECT_EQ(p.back(), "/s/2.scn");

    RecentFiles five;
    five.SetCount(5);
    for (int i = 1; i <= 7; ++i)
        five.Add("/s/" + std::to_string(i) + ".scn", "");
    EXPECT_EQ(Paths(five).size(), 5u);
    EXPECT_EQ(Paths(five).back(), "/s/3.scn");
    // A path beyond the items in use is new again.
    five.Add("/s/1.scn", "");
    EXPECT_EQ(Paths(five).front(), "/s/1.scn");
    EXPECT_EQ(Paths(five).size(), 5u);

    RecentFiles none;
    none.SetCount(0);
    none.Add("/s/a.scn", "");
    EXPECT_TRUE(Paths(none).empty());
    none.SetCount(12);
    EXPECT_EQ(none.Count(), 9);
}

}  // namespace
}  // namespace tarvik
