#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "DumpCommand.h"

namespace {

constexpr const char* kUsage =
    "usage: tarvik COMMAND [ARGS]\n"
    "\n"
    "commands:\n"
    "  dump SCENERY [--author] [--precision 1..10] [--on-parse-error ignore|abort] [--summary]\n"
    "      load a scenery and print its model as JSON\n";

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    const std::string command = argv[1];
    if (command == "--help" || command == "-h" || command == "help") {
        std::fputs(kUsage, stdout);
        return 0;
    }
    const std::vector<std::string> args(argv + 2, argv + argc);
    if (command == "dump") return tarvik::RunDump(args, stdout, stderr);
    std::fprintf(stderr, "tarvik: unknown command '%s'\n%s", command.c_str(), kUsage);
    return 2;
}
