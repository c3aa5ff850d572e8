#include "case_name.hpp"
#include "process.hpp"

#include <gtest/gtest.h>

#include <string>

namespace {

// A program and an input that makes it write.
struct Writer {
    const char* name;
    std::string program;
    std::string input;
};

const Writer writers[] = {
    {"Pointsort", POINTSORT, "1\n"},
    {"Menucalc", MENUCALC, "1 2 3\n6\n"},
    {"Palettecount", PALETTECOUNT, "1 1\n5\n"},
    {"PalettecountFailing", PALETTECOUNT, "1 -1\n"},
    {"Dicetable", DICETABLE, ""},
    {"Dicelist", DICELIST, ""},
};

class FullDisk : public testing::TestWithParam<Writer> {};

TEST_P(FullDisk, OutputThatCannotBeWrittenEndsTheRunWithStatusOne) {
    const Finished run = runShell("exec " + GetParam().program + " > /dev/full", GetParam().input);
    EXPECT_EQ(run.errors, "");
    EXPECT_EQ(run.status, 1);
}

INSTANTIATE_TEST_SUITE_P(Programs, FullDisk, testing::ValuesIn(writers), CaseName());

// Each of these would write gigabytes: the run ends soon after its reader has gone, or the test's
// own time limit stops it.
TEST(ReaderGoesAway, EndsTheProgramSoonAfter) {
    const std::string huge[][2] = {
        {MENUCALC, "5 2000000000\n"},
        {PALETTECOUNT, "10000000 0\n"},
    };
    for (const auto& [program, input] : huge) {
        const Finished run = runShell(program + " | head -c 1", input);
        EXPECT_EQ(run.output.size(), 1u) << program;
        EXPECT_EQ(run.errors, "");
        EXPECT_EQ(run.status, 0);
    }
}

}  // namespace
