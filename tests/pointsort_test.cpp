#include "pointsort.hpp"
#include "case_name.hpp"
#include "distance.hpp"
#include "memory.hpp"
#include "process.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace {

std::string sixDecimals(float value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.6f", static_cast<double>(value));
    return text;
}

TEST(Distance, FromTheOrigin) {
    struct Case {
        Point point;
        const char* shown;
    };
    const Case cases[] = {
        {{12, 10, 5}, "16.401220"}, {{2, 5, 2}, "5.744563"},    {{4, 2, 0}, "4.472136"},
        {{8, 3, 4}, "9.433981"},    {{10, 12, 1}, "15.652476"}, {{0, 0, 0}, "0.000000"},
        {{-3, -4, 0}, "5.000000"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(sixDecimals(distance(c.point.x, c.point.y, c.point.z)), c.shown)
            << c.point.x << ", " << c.point.y << ", " << c.point.z;
    }
    EXPECT_EQ(distance(12, 10, 5), static_cast<float>(std::sqrt(269.0)));
}

TEST(Distance, SumBeyond32BitsWrapsToNotANumber) {
    // 50000 squared is 2500000000, which wraps to a negative sum.
    EXPECT_TRUE(std::isnan(distance(50000, 0, 0)));
    // 65536 squared wraps to exactly 0.
    EXPECT_EQ(distance(65536, 0, 0), 0.0f);
}

TEST(Comparators, EqualDistancesAndNotANumber) {
    const float nan = std::nanf("");
    EXPECT_EQ(ascending(4, 5), 1);
    EXPECT_EQ(ascending(5, 5), 0);
    EXPECT_EQ(ascending(6, 5), 0);
    EXPECT_EQ(descending(4, 5), 0);
    EXPECT_EQ(descending(5, 5), 1);
    EXPECT_EQ(descending(6, 5), 1);
    EXPECT_EQ(ascending(nan, 5), 0);
    EXPECT_EQ(ascending(5, nan), 0);
    EXPECT_EQ(descending(nan, 5), 0);
    EXPECT_EQ(descending(5, nan), 0);
}

TEST(Swap, ExchangesAllCoordinatesAndLeavesARecordWithItselfAlone) {
    Point a{1, 2, 3};
    Point b{4, 5, 6};
    swap(&a, &b);
    EXPECT_EQ((std::vector{a.x, a.y, a.z, b.x, b.y, b.z}), (std::vector{4, 5, 6, 1, 2, 3}));
    swap(&a, &a);
    EXPECT_EQ((std::vector{a.x, a.y, a.z}), (std::vector{4, 5, 6}));
}

std::vector<std::vector<std::int32_t>> coordinates(const std::vector<Point>& points) {
    std::vector<std::vector<std::int32_t>> all;
    for (const Point& p : points) {
        all.push_back({p.x, p.y, p.z});
    }
    return all;
}

TEST(SelectionSort, TiesGoWhereTheComparatorContractPutsThem) {
    const std::vector<Point> ties{{3, 4, 0}, {0, 0, 5}, {1, 1, 1}, {5, 0, 0}};
    std::vector<Point> up = ties;
    selectionSort(up.data(), 4, ascending);
    EXPECT_EQ(coordinates(up), coordinates({{1, 1, 1}, {5, 0, 0}, {0, 0, 5}, {3, 4, 0}}));
    std::vector<Point> down = ties;
    selectionSort(down.data(), 4, descending);
    EXPECT_EQ(coordinates(down), coordinates({{3, 4, 0}, {0, 0, 5}, {5, 0, 0}, {1, 1, 1}}));
}

int comparisons = 0;
std::int32_t countingAscending(float a, float b) {
    ++comparisons;
    return ascending(a, b);
}

TEST(SelectionSort, SortedInputIsStillPassedOverInFull) {
    std::vector<Point> sorted{{0, 0, 1}, {0, 0, 2}, {0, 0, 3}, {0, 0, 4}, {0, 0, 5}};
    comparisons = 0;
    selectionSort(sorted.data(), 5, countingAscending);
    EXPECT_EQ(comparisons, 10);
    EXPECT_EQ(coordinates(sorted), coordinates({{0, 0, 1}, {0, 0, 2}, {0, 0, 3}, {0, 0, 4}, {0, 0, 5}}));
}

TEST(SelectionSort, OneOrNoRecordIsLeftUntouched) {
    for (std::int32_t count : {0, 1}) {
        Point only{7, 8, 9};
        comparisons = 0;
        selectionSort(&only, count, countingAscending);
        EXPECT_EQ(comparisons, 0) << count;
        EXPECT_EQ(coordinates({only}), coordinates({{7, 8, 9}}));
    }
}

const std::string listing =
    "Point 1: (12, 10, 5) :Distance to orijin: 16.40\n"
    "Point 2: (2, 5, 2) :Distance to orijin: 5.74\n"
    "Point 3: (4, 2, 0) :Distance to orijin: 4.47\n"
    "Point 4: (8, 3, 4) :Distance to orijin: 9.43\n"
    "Point 5: (10, 12, 1) :Distance to orijin: 15.65\n"
    "\nEnter 1 to sort ascending order,\nEnter 2 to sort in descending order:";
const std::string ascendingList = "(4, 2, 0) \n(2, 5, 2) \n(8, 3, 4) \n(10, 12, 1) \n(12, 10, 5) \n";
const std::string descendingList = "(12, 10, 5) \n(10, 12, 1) \n(8, 3, 4) \n(2, 5, 2) \n(4, 2, 0) \n";

struct AnswerCase {
    const char* name;
    std::string input;
    const std::string* list;
};

const AnswerCase answerCases[] = {
    {"One", "1\n", &ascendingList},
    {"OneWithBlanksAndSign", "  \n\t+1  ", &ascendingList},
    {"OneRunningIntoAWord", "1x\n", &ascendingList},
    {"OneAmongSeveral", "1 2 3\n", &ascendingList},
    {"Two", "2\n", &descendingList},
    {"Zero", "0\n", &descendingList},
    {"Three", "3\n", &descendingList},
    {"MinusOne", "-1\n", &descendingList},
    {"Eleven", "11\n", &descendingList},
    {"Word", "one\n", &descendingList},
    {"BeyondThirtyTwoBits", "4294967297\n", &descendingList},
    {"NoInput", "", &descendingList},
    {"OnlyBlanks", "  \n", &descendingList},
};

class PointsortAnswers : public testing::TestWithParam<AnswerCase> {};

TEST_P(PointsortAnswers, ListsSortsAndListsAgain) {
    const Finished run = runProgram(POINTSORT, GetParam().input);
    EXPECT_EQ(run.output, listing + *GetParam().list);
    EXPECT_EQ(run.errors, "");
    EXPECT_EQ(run.status, 0);
}

INSTANTIATE_TEST_SUITE_P(Pointsort, PointsortAnswers, testing::ValuesIn(answerCases), CaseName());

TEST(Pointsort, AnswersThePromptOnlyAfterItArrivesOverPipes) {
    Dialogue dialogue(POINTSORT);
    ASSERT_TRUE(dialogue.awaitEnding("in descending order:")) << dialogue.output();
    dialogue.send("1\n");
    const Finished run = dialogue.finish();
    EXPECT_EQ(run.output, listing + ascendingList);
    EXPECT_EQ(run.errors, "");
    EXPECT_EQ(run.status, 0);
}

TEST(Pointsort, ArrayThatCannotBeAllocatedEndsWithMinusOne) {
    FailingHeap heap(0);
    const CourseRun run = runCourse(pointsort, "1\n", heap.heap());
    EXPECT_EQ(run.output, "");
    EXPECT_EQ(run.status, -1);
}

TEST(Pointsort, CourseReleasesItsArray) {
    FailingHeap heap;
    const CourseRun run = runCourse(pointsort, "2\n", heap.heap());
    EXPECT_EQ(run.output, listing + descendingList);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(heap.allocations(), 1);
    EXPECT_EQ(heap.outstanding(), 0u);
}

}  // namespace
