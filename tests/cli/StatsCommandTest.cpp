#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "StatsCommand.h"
#include "TestSupport.h"

namespace tarvik {
namespace {

std::string Stats(const std::vector<std::string>& args, int& status) {
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    status = RunStats(args, out, err);
    std::fclose(err);
    return test::ReadAndClose(out);
}

TEST(TarvikStats, PrintsTheFiguresOfTheDemo) {
    int status = -1;
    const std::string json =
        Stats({std::string(TARVIK_SOURCE_DIR) + "/examples/demo/demo.scn"}, status);
    EXPECT_EQ(status, 0);
    EXPECT_NE(json.find("\"counts\":{\"tracks\":16,\"roads\":3,\"rivers\":2,\"tractions\":1}"),
              std::string::npos)
        << json;
    for (const char* key :
         {"\"files\":[{\"path\":", "\"lengths_km\":{", "\"mean_speed\":", "\"mean_gradient\":",
          "\"area_km2\":", "\"memory_mb\":", "\"speed_classes\":[", "\"gradient_classes\":["}) {
        EXPECT_NE(json.find(key), std::string::npos) << key;
    }
    // 161 speed classes and 51 gradient classes.
    const std::size_t speeds = json.find("\"speed_classes\":[");
    const std::size_t gradients = json.find("\"gradient_classes\":[");
    const auto commas = [&](std::size_t from, std::size_t to) {
        return std::count(json.begin() + static_cast<std::ptrdiff_t>(from),
                          json.begin() + static_cast<std::ptrdiff_t>(to), ',');
    };
    EXPECT_EQ(commas(speeds, gradients), 161);
    EXPECT_EQ(commas(gradients, json.size()), 50);

    Stats({"/no/such.scn"}, status);
    EXPECT_EQ(status, 1);
    Stats({"--bogus"}, status);
    EXPECT_EQ(status, 2);
}

}  // namespace
}  // namespace tarvik
