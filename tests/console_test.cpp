#include "case_name.hpp"
#include "console.hpp"
#include "cp1254.hpp"
#include "memory.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(Cp1254, TurkishLettersBecomeTheirSingleBytes) {
    constexpr auto text = cp1254("ıİşŞğĞçÇöÖüÜ a.");
    EXPECT_EQ(std::string_view(text), "\xFD\xDD\xFE\xDE\xF0\xD0\xE7\xC7\xF6\xD6\xFC\xDC a.");
}

TEST(Cp1254, LetterAfterATurkishLetterStaysItself) {
    constexpr auto text = cp1254("için");
    EXPECT_EQ(std::string_view(text), std::string("i\xE7") + "in");
}

struct ReadCase {
    const char* name;
    std::string input;
    std::vector<IntRead> reads;
};

constexpr IntRead value(std::int32_t v) {
    return {ReadOutcome::value, v};
}
constexpr IntRead invalid{ReadOutcome::invalid, 0};
constexpr IntRead end{ReadOutcome::end, 0};

const ReadCase readCases[] = {
    {"PlainNumber", "42", {value(42), end}},
    {"WhiteSpaceAndSigns", "  -7\n+8\t\r\v\f9 ", {value(-7), value(8), value(9), end}},
    {"LeadingZeros", "007 -000", {value(7), value(0), end}},
    {"JustInside32Bits", "2147483647 -2147483648", {value(2147483647), value(-2147483647 - 1), end}},
    {"JustOutside32Bits", "2147483648 -2147483649 5", {invalid, invalid, value(5), end}},
    {"FarOutside32Bits", "123456789012345678901234567890 1", {invalid, value(1), end}},
    {"WordBeforeNumber", "abc 5", {invalid, value(5), end}},
    {"NumberRunsIntoWord", "12abc 3", {value(12), invalid, value(3), end}},
    {"OverlongNumberRunsIntoWord", "99999999999x\n4", {invalid, value(4), end}},
    {"SignAlone", "+ 4 -", {invalid, value(4), invalid, end}},
    {"SignBeforeSign", "--5", {invalid, end}},
    {"NothingAtAll", "", {end, end}},
    {"OnlyWhiteSpace", " \n\t ", {end}},
    {"EndAfterInvalidStaysEnd", "x", {invalid, end, end}},
};

class ReadOutcomes : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadOutcomes, WholeAndByteByByte) {
    for (std::size_t chunk : {std::string::npos, std::size_t{1}}) {
        SCOPED_TRACE(chunk == 1 ? "one byte a read" : "all at once");
        StringStreams streams{GetParam().input, chunk};
        Console console(streams.streams());
        for (const IntRead& expected : GetParam().reads) {
            const IntRead read = console.readInt();
            EXPECT_EQ(read.outcome, expected.outcome);
            EXPECT_EQ(read.value, expected.value);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Console, ReadOutcomes, testing::ValuesIn(readCases),
                         CaseName());

TEST(ConsoleOutput, IntegersAsPrintfWritesThem) {
    struct Case {
        std::int32_t value;
        int width;
        const char* text;
    };
    const Case cases[] = {
        {0, 0, "0"},           {-1, 0, "-1"},          {2147483647, 0, "2147483647"},
        {-2147483647 - 1, 0, "-2147483648"},           {5, 3, "  5"},
        {255, 3, "255"},       {1234, 3, "1234"},      {-5, 4, "  -5"},
        {-2147483647 - 1, 4, "-2147483648"},
    };
    for (const Case& c : cases) {
        StringStreams streams;
        {
            Console console(streams.streams());
            console.writeInt(c.value, c.width);
        }
        EXPECT_EQ(streams.output, c.text) << c.value << " in width " << c.width;
    }
}

TEST(ConsoleOutput, FixedDecimalsOfWidenedSinglePrecision) {
    StringStreams streams;
    {
        Console console(streams.streams());
        console.writeFixed(16.4012203f, 2);
        console.writeChar(' ');
        console.writeFixed(18.0f, 0);
        console.writeChar(' ');
        console.writeFixed(0.004629629664f, 8);
        console.writeChar(' ');
        console.writeFixed(0.125f, 2);
    }
    EXPECT_EQ(streams.output, "16.40 18 0.00462963 0.12");
}

TEST(ConsoleOutput, TextLongerThanTheBufferArrivesWholeAndInOrder) {
    std::string large(200000, 'a');
    for (std::size_t i = 0; i < large.size(); i += 7) {
        large[i] = static_cast<char>('0' + i % 10);
    }
    StringStreams streams;
    {
        Console console(streams.streams());
        console.write("<");
        console.write(large);
        console.writeLine(">");
    }
    EXPECT_EQ(streams.output, "<" + large + ">\n");
}

TEST(ConsoleFlushing, PromptIsDeliveredBeforeTheReadWaits) {
    StringStreams streams{"5 6"};
    Console console(streams.streams());
    console.write("input 1 : ");
    EXPECT_EQ(console.readInt().value, 5);
    ASSERT_FALSE(streams.deliveredAtRead.empty());
    EXPECT_EQ(streams.deliveredAtRead.front(), 10u);
}

TEST(ConsoleFlushing, InputAlreadyThereCostsNoWrite) {
    StringStreams streams{"5 6 7\n"};
    {
        Console console(streams.streams());
        console.write("a");
        console.readInt();
        console.write("b");
        console.readInt();
        console.write("c");
        console.readInt();
        EXPECT_EQ(streams.output, "a");
    }
    EXPECT_EQ(streams.output, "abc");
}

}  // namespace
