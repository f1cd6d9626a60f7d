#include <gtest/gtest.h>

#include "app/files/program_files.h"
#include "app/sim/sim_runtime.h"

namespace vclock::testing {
namespace {

TEST(ProgramFilesTest, OnlyABareNameIsLookedUp) {
    const auto check = [](std::string_view name, bool bare) { EXPECT_EQ(program_files::isBareName(name), bare) << name; };
    check("buttfly01.ico", true);  // control row
    check("butterfly wings.ico", true);
    check("", false);
    check(".", false);
    check("..", false);
    check("../buttfly01.ico", false);
    check("icons/buttfly01.ico", false);
    check("icons\\buttfly01.ico", false);
    check("C:buttfly01.ico", false);
    check("buttfly01.ico:stream", false);
    check(std::string_view("buttfly01.ico\0x", 15), false);
    check("line\nbreak.ico", false);
}

TEST(ProgramFilesTest, AFileLargerThanTheLimitIsNotRead) {
    SimRuntime sim;
    sim.setProgramFile("small.ico", std::vector<std::uint8_t>(program_files::kLargest, 1));
    sim.setProgramFile("large.ico", std::vector<std::uint8_t>(program_files::kLargest + 1, 1));
    sim.setProgramFile("../small.ico", {1});
    EXPECT_TRUE(sim.readProgramFile("small.ico"));
    EXPECT_FALSE(sim.readProgramFile("large.ico"));
    EXPECT_FALSE(sim.readProgramFile("../small.ico"));
    EXPECT_FALSE(sim.readProgramFile("missing.ico"));
}

}  // namespace
}  // namespace vclock::testing
