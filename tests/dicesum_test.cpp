#include "dicelist.hpp"
#include "dicetable.hpp"
#include "memory.hpp"
#include "process.hpp"
#include "sumtable.hpp"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string distribution =
    "3\t0.00462963\n"
    "4\t0.01388889\n"
    "5\t0.02777778\n"
    "6\t0.04629630\n"
    "7\t0.06944445\n"
    "8\t0.09722221\n"
    "9\t0.11574072\n"
    "10\t0.12499997\n"
    "11\t0.12499997\n"
    "12\t0.11574072\n"
    "13\t0.09722221\n"
    "14\t0.06944445\n"
    "15\t0.04629630\n"
    "16\t0.02777778\n"
    "17\t0.01388889\n"
    "18\t0.00462963\n";

TEST(SumTable, ShareIsOneOutcomeInSinglePrecision) {
    EXPECT_EQ(outcomeShare, static_cast<float>(1.0 / 216));
}

TEST(SumTable, FillsEveryTotalAndWritesItsLine) {
    FailingHeap heap;
    SumBin** table = allocateTable(heap.heap());
    ASSERT_NE(table, nullptr);
    fillTable(table);
    for (std::int32_t b = 0; b < sumCount; ++b) {
        EXPECT_EQ(table[b]->sum, static_cast<float>(b + 3));
    }
    StringStreams streams;
    {
        Console console(streams.streams());
        writeTable(console, table);
    }
    EXPECT_EQ(streams.output, distribution);
    releaseTable(heap.heap(), table);
    EXPECT_EQ(heap.outstanding(), 0u);
}

TEST(SumTable, TableIsUninitialisedAndBinsZeroFilled) {
    FailingHeap heap;
    releaseTable(heap.heap(), allocateTable(heap.heap()));
    ASSERT_EQ(heap.requests().size(), 17u);
    EXPECT_EQ(heap.requests()[0], "uninitialised " + std::to_string(16 * sizeof(SumBin*)));
    for (std::size_t k = 1; k < heap.requests().size(); ++k) {
        EXPECT_EQ(heap.requests()[k], "zero-filled 1x8");
    }
}

TEST(Dicetable, WritesTheHeaderAnEmptyLineAndTheDistribution) {
    for (const char* input : {"", "1 2 3\n"}) {
        const Finished run = runProgram(DICETABLE, input);
        EXPECT_EQ(run.output, "Toplam\tOlasilik\n\n" + distribution);
        EXPECT_EQ(run.errors, "");
        EXPECT_EQ(run.status, 0);
    }
}

TEST(Dicelist, WritesTheBareDistribution) {
    for (const char* input : {"", "x\n"}) {
        const Finished run = runProgram(DICELIST, input);
        EXPECT_EQ(run.output, distribution);
        EXPECT_EQ(run.errors, "");
        EXPECT_EQ(run.status, 0);
    }
}

TEST(DiceTablePrograms, AnAllocationThatFailsEndsTheRunWithTheProgramsMessage) {
    // The pointer table is allocation 0, the bins 1 to 16.
    for (int failing : {0, 1, 16}) {
        FailingHeap tableHeap(failing);
        const CourseRun table = runCourse(dicetable, "", tableHeap.heap());
        EXPECT_EQ(table.output, "Bellek ayr\xFDlamad\xFD...\n") << failing;
        EXPECT_EQ(table.status, -1);
        FailingHeap listHeap(failing);
        const CourseRun list = runCourse(dicelist, "", listHeap.heap());
        EXPECT_EQ(list.output, "Bellekte yer ayrilamadi!!") << failing;
        EXPECT_EQ(list.status, -1);
    }
}

TEST(DiceTablePrograms, ReleaseEverythingAfterACompleteRun) {
    for (auto course : {dicetable, dicelist}) {
        FailingHeap heap;
        EXPECT_EQ(runCourse(course, "", heap.heap()).status, 0);
        EXPECT_EQ(heap.allocations(), 17);
        EXPECT_EQ(heap.outstanding(), 0u);
    }
}

}  // namespace
