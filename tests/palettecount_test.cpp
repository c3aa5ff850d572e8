#include "palettecount.hpp"
#include "case_name.hpp"
#include "memory.hpp"
#include "process.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::string opening =
    "Renk Paleti: 0, 128, 255\n"
    "Lutfen resim boyutlarini satir ve sutun olarak siraiyla giriniz: \n";
const std::string matrixHeading = "Resim Matrisi: \n";
const std::string emptyBin = "   0      0   \n";
const std::string outOfMemory = "Bellekte yer ayrilamadi!!";
const std::string unreadable = "Gecersiz giris!!\n";

std::string rowRequests(int rows) {
    std::string text;
    for (int r = 0; r < rows; ++r) {
        text += std::to_string(r) + ". satir elemanlarini giriniz: \n";
    }
    return text;
}

// A run: standard input, what follows the opening lines, and the exit status.
struct Run {
    const char* name;
    std::string input;
    std::string afterOpening;
    int status;
};

const Run runs[] = {
    {"WorkedExample", "2 3\n0 128 255\n255 0 128\n",
     rowRequests(2) + matrixHeading + "  0   128   255   \n255     0   128   \n" +
         "   0      2   \n 128      2   \n 255      2   \n",
     0},
    {"LaterPixelSetsTheValue", "1 2\n10 20\n",
     rowRequests(1) + matrixHeading + " 10    20   \n" + "  20      2   \n" + emptyBin + emptyBin, 0},
    {"BinBoundaries", "1 6\n126 127 253 254 -1 -126\n",
     rowRequests(1) + matrixHeading + "126   127   253   254    -1   -126   \n" +
         "-126      3   \n 253      2   \n 254      1   \n",
     0},
    {"PixelsBeyondTheBinsCountInTheNearest", "2 2\n-127 381\n1000 -5000\n",
     rowRequests(2) + matrixHeading + "-127   381   \n1000   -5000   \n" + "-5000      2   \n" + emptyBin +
         "1000      2   \n",
     0},
    {"WideValuesAreNotCut", "1 2 2147483647 -2147483648",
     rowRequests(1) + matrixHeading + "2147483647   -2147483648   \n" + "-2147483648      1   \n" + emptyBin +
         "2147483647      1   \n",
     0},
    {"NumbersAnywhereOnTheLines", "2\n2 1\n2 3 4",
     rowRequests(2) + matrixHeading + "  1     2   \n  3     4   \n" + "   4      4   \n" + emptyBin +
         emptyBin,
     0},
    {"LastPixelsOfTheBinsStandFarApart", "2 3\n1 200 300\n2 3 4\n",
     rowRequests(2) + matrixHeading + "  1   200   300   \n  2     3     4   \n" +
         "   4      4   \n 200      1   \n 300      1   \n",
     0},
    {"ZeroRows", "0 5\n", matrixHeading + emptyBin + emptyBin + emptyBin, 0},
    {"ZeroRowsWithNegativeColumns", "0 -3\n", matrixHeading + emptyBin + emptyBin + emptyBin, 0},
    {"ZeroColumns", "2 0\n", rowRequests(2) + matrixHeading + "\n\n" + emptyBin + emptyBin + emptyBin, 0},
    {"NegativeRows", "-1 5\n", outOfMemory, 255},
    {"NegativeColumns", "2 -1\n", outOfMemory, 255},
    {"SizeNotANumber", "x 2\n", unreadable, 1},
    {"SizeBeyond32Bits", "2147483648 1\n", unreadable, 1},
    {"ColumnsMissing", "2", unreadable, 1},
    {"NoInput", "", unreadable, 1},
    {"PixelNotANumber", "2 2\n1 2\n3 x\n", rowRequests(2) + unreadable, 1},
    {"PixelRunsIntoAWord", "1 3\n1 2x 3\n", rowRequests(1) + unreadable, 1},
    {"PixelsMissing", "2 2\n1 2\n3", rowRequests(2) + unreadable, 1},
};

class PalettecountRuns : public testing::TestWithParam<Run> {};

TEST_P(PalettecountRuns, WritesExactlyThis) {
    const Finished run = runProgram(PALETTECOUNT, GetParam().input);
    EXPECT_EQ(run.output, opening + GetParam().afterOpening);
    EXPECT_EQ(run.errors, "");
    EXPECT_EQ(run.status, GetParam().status);
}

INSTANTIATE_TEST_SUITE_P(Palettecount, PalettecountRuns, testing::ValuesIn(runs), CaseName());

TEST(Palettecount, SizesBeyondAMemoryLimitEndInTheMessage) {
#ifdef SANITIZED_BUILD
    GTEST_SKIP() << "the sanitizers need more address space than the limit leaves";
#endif
    // The row table of the first cannot be had; in the second a row late in the image cannot.
    for (const char* size : {"2147483647 2147483647", "100000 100000"}) {
        const Finished run = runShell("ulimit -v 200000; exec " + std::string(PALETTECOUNT), size);
        EXPECT_EQ(run.output, opening + outOfMemory) << size;
        EXPECT_EQ(run.errors, "");
        EXPECT_EQ(run.status, 255);
    }
}

TEST(Palettecount, RowsAreUninitialisedAndBinsZeroFilledAndAllReleased) {
    FailingHeap heap;
    const CourseRun run = runCourse(palettecount, "2 3\n0 128 255\n255 0 128\n", heap.heap());
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(heap.requests(),
              (std::vector<std::string>{"uninitialised 16", "uninitialised 12", "uninitialised 12",
                                        "zero-filled 3x8", "zero-filled 1x8", "zero-filled 1x8",
                                        "zero-filled 1x8"}));
    EXPECT_EQ(heap.outstanding(), 0u);
}

TEST(Palettecount, EmptyRowsAskForNoBlock) {
    FailingHeap heap;
    const CourseRun run = runCourse(palettecount, "3 0\n", heap.heap());
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(heap.requests().front(), "uninitialised 24");
    EXPECT_EQ(heap.requests().size(), 5u);
    EXPECT_EQ(heap.outstanding(), 0u);
}

TEST(Palettecount, EachAllocationThatFailsEndsTheRunWithTheMessage) {
    const std::string input = "2 3\n0 128 255\n255 0 128\n";
    const std::string printed = rowRequests(2) + matrixHeading + "  0   128   255   \n255     0   128   \n";
    struct Failure {
        const char* what;
        int allocation;
        std::string before;
    };
    const Failure failures[] = {
        {"row table", 0, ""},          {"first row", 1, ""},      {"last row", 2, ""},
        {"palette table", 3, printed}, {"first bin", 4, printed}, {"last bin", 6, printed},
    };
    for (const Failure& failure : failures) {
        FailingHeap heap(failure.allocation);
        const CourseRun run = runCourse(palettecount, input, heap.heap());
        EXPECT_EQ(run.output, opening + failure.before + outOfMemory) << failure.what;
        EXPECT_EQ(run.status, -1) << failure.what;
    }
}

}  // namespace
