#include "console.hpp"
#include "case_name.hpp"
#include "cp1254.hpp"
#include "memory.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <random>
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

INSTANTIATE_TEST_SUITE_P(Console, ReadOutcomes, testing::ValuesIn(readCases), CaseName());

TEST(ConsoleOutput, IntegersAsPrintfWritesThem) {
    struct Case {
        std::int32_t value;
        int width;
        const char* text;
    };
    const Case cases[] = {
        {0, 0, "0"},
        {-1, 0, "-1"},
        {2147483647, 0, "2147483647"},
        {-2147483647 - 1, 0, "-2147483648"},
        {5, 3, "  5"},
        {255, 3, "255"},
        {1234, 3, "1234"},
        {-5, 4, "  -5"},
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

namespace {

// Inputs built from the pieces a reader has to tell apart, in every order.
std::string randomTokens(std::mt19937& random, std::size_t count) {
    static const char* const pieces[] = {
        " ",        "  ",        "\n",         "\t",          "\r\n",       "0",           "7",
        "42",       "-5",        "+9",         "255",         "1000",       "-1000",       "1234567",
        "12345678", "123456789", "2147483647", "-2147483648", "2147483648", "99999999999", "x",
        "-",        "+",         "3a",         "--1",         "007",        "abc",
    };
    std::uniform_int_distribution<std::size_t> pick(0, std::size(pieces) - 1);
    std::string text;
    for (std::size_t k = 0; k < count; ++k) {
        text += pieces[pick(random)];
    }
    return text;
}

std::vector<IntRead> readOneByOne(const std::string& input, std::size_t chunk) {
    StringStreams streams{input, chunk};
    Console console(streams.streams());
    std::vector<IntRead> reads;
    for (IntRead read = console.readInt(); read.outcome != ReadOutcome::end; read = console.readInt()) {
        reads.push_back(read);
    }
    return reads;
}

TEST(ConsoleReadInts, AgreesWithReadsOneByOne) {
    std::mt19937 random(7);
    for (int round = 0; round < 300; ++round) {
        const std::string input = randomTokens(random, static_cast<std::size_t>(1 + round % 40));
        const std::size_t chunk = round % 3 == 0 ? 1 : round % 3 == 1 ? 5 : std::string::npos;
        SCOPED_TRACE("input '" + input + "', chunk " + std::to_string(chunk));
        const std::vector<IntRead> expected = readOneByOne(input, chunk);

        StringStreams streams{input, chunk};
        Console console(streams.streams());
        std::size_t k = 0;
        while (k < expected.size()) {
            // Runs of values in one call, each stopped by the read that gives none.
            std::vector<std::int32_t> values(expected.size() - k);
            const ReadOutcome outcome = console.readInts(values.data(), values.size());
            std::size_t read = 0;
            while (k + read < expected.size() && expected[k + read].outcome == ReadOutcome::value) {
                ASSERT_EQ(values[read], expected[k + read].value);
                ++read;
            }
            k += read;
            if (k == expected.size()) {
                EXPECT_EQ(outcome, ReadOutcome::value);
                break;
            }
            ASSERT_EQ(outcome, expected[k].outcome);
            ++k;
        }
        EXPECT_EQ(console.readInt().outcome, ReadOutcome::end);
    }
}

TEST(ConsoleWriteInts, AgreesWithWritesOneByOne) {
    const std::vector<std::int32_t> values = {0,   5,    -5,   99,        100,        255,
                                              999, 1000, -999, 123456789, 2147483647, -2147483647 - 1};
    for (int width : {0, 1, 2, 3, 4, 5, 11, 12, 13, 20}) {
        for (std::string_view separator : {"", "   ", ", ", "0123456789"}) {
            StringStreams one;
            StringStreams all;
            {
                Console single(one.streams());
                Console batch(all.streams());
                for (std::int32_t value : values) {
                    single.writeInt(value, width);
                    single.write(separator);
                }
                batch.writeInts(values.data(), values.size(), width, separator);
            }
            EXPECT_EQ(all.output, one.output) << "width " << width << ", separator '" << separator << "'";
        }
    }
    char expected[64];
    StringStreams streams;
    {
        Console console(streams.streams());
        for (std::int32_t value : values) {
            for (int width : {0, 3, 4, 13, 20}) {
                console.writeInt(value, width);
                console.writeChar('|');
            }
        }
    }
    std::string printed;
    for (std::int32_t value : values) {
        for (int width : {0, 3, 4, 13, 20}) {
            std::snprintf(expected, sizeof expected, "%*d|", width, value);
            printed += expected;
        }
    }
    EXPECT_EQ(streams.output, printed);
}

TEST(ConsoleWriteInts, ManyFieldsAcrossTheBufferEdge) {
    std::vector<std::int32_t> values(300000);
    for (std::size_t k = 0; k < values.size(); ++k) {
        values[k] = static_cast<std::int32_t>(k * 7919 % 2000) - 500;
    }
    StringStreams streams;
    {
        Console console(streams.streams());
        console.writeInts(values.data(), values.size(), 3, "   ");
    }
    std::string printed;
    char field[32];
    for (std::int32_t value : values) {
        std::snprintf(field, sizeof field, "%3d   ", value);
        printed += field;
    }
    EXPECT_EQ(streams.output, printed);
}

}  // namespace
