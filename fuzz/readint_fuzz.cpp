// The console's reads against a plain reading of the same bytes: one read at a time and whole runs of
// reads must both give what the plain reading gives, at every buffer edge.
#include "fuzz_console.hpp"

#include <string_view>

namespace {

bool blank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

std::vector<IntRead> plainReading(std::string_view text) {
    std::vector<IntRead> reads;
    std::size_t at = 0;
    for (;;) {
        while (at < text.size() && blank(text[at])) {
            ++at;
        }
        if (at == text.size()) {
            return reads;
        }
        const bool negative = text[at] == '-';
        if (negative || text[at] == '+') {
            ++at;
        }
        std::int64_t magnitude = 0;
        std::size_t digits = 0;
        for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at, ++digits) {
            if (magnitude <= (std::int64_t{1} << 32)) {
                magnitude = magnitude * 10 + (text[at] - '0');
            }
        }
        const std::int64_t value = negative ? -magnitude : magnitude;
        if (digits == 0 || value < INT32_MIN || value > INT32_MAX) {
            while (at < text.size() && !blank(text[at])) {
                ++at;
            }
            reads.push_back({ReadOutcome::invalid, 0});
        } else {
            reads.push_back({ReadOutcome::value, static_cast<std::int32_t>(value)});
        }
    }
}

bool same(const IntRead& a, const IntRead& b) {
    return a.outcome == b.outcome && a.value == b.value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::vector<IntRead> expected = plainReading({reinterpret_cast<const char*>(data + 1), size - 1});

    FuzzStreams one(data, size);
    {
        Console console(one.streams());
        for (const IntRead& read : expected) {
            require(same(console.readInt(), read));
        }
        require(console.readInt().outcome == ReadOutcome::end);
    }

    FuzzStreams runs(data, size);
    Console console(runs.streams());
    std::vector<std::int32_t> values(expected.size() + 1);
    std::size_t k = 0;
    for (;;) {
        const ReadOutcome outcome = console.readInts(values.data(), expected.size() - k + 1);
        std::size_t read = 0;
        while (k + read < expected.size() && expected[k + read].outcome == ReadOutcome::value) {
            require(values[read] == expected[k + read].value);
            ++read;
        }
        k += read;
        if (k == expected.size()) {
            require(outcome == ReadOutcome::end);
            return 0;
        }
        require(outcome == ReadOutcome::invalid);
        ++k;
    }
}
