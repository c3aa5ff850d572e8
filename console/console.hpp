#pragma once

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

// Where a console's bytes come from and go to: the process's standard streams, or a stand-in that a
// test or a fuzzer provides. Plain functions with a context, so no class hierarchy is needed.
struct Streams {
    void* context;
    // Fills up to capacity bytes and returns how many; 0 means the input has ended.
    std::size_t (*read)(void* context, char* buffer, std::size_t capacity);
    // Delivers all size bytes; false when they cannot be delivered.
    bool (*write)(void* context, const char* bytes, std::size_t size);
};

Streams standardStreams();

enum class ReadOutcome { value, invalid, end };

// One "%d" read. value is 0 unless outcome is ReadOutcome::value.
struct IntRead {
    ReadOutcome outcome;
    std::int32_t value;
};

// The console of one program run: buffered integer input and buffered output in the forms the
// programs write. Everything written is delivered before a read waits for input, and at destruction.
// When output cannot be delivered the process ends at once with status 1.
class Console {
public:
    explicit Console(Streams streams);
    ~Console();
    Console(const Console&) = delete;
    Console& operator=(const Console&) = delete;

    // Skips white space, then takes an optional sign and decimal digits, leaving the first other
    // character in the input. A token that is no integer, or one beyond 32 bits, is invalid and is
    // consumed up to the next white space.
    IntRead readInt();
    // count reads into values, up to the first that gives no value; returns its outcome, or
    // ReadOutcome::value when all count gave one.
    ReadOutcome readInts(std::int32_t* values, std::size_t count);

    void write(std::string_view text);
    void writeLine(std::string_view text);
    void writeChar(char c);
    // "%d" with width 0, "%3d" with width 3, and so on: right-aligned in at least width places.
    void writeInt(std::int32_t value, int width = 0);
    // Each value as writeInt writes it, each followed by separator.
    void writeInts(const std::int32_t* values, std::size_t count, int width, std::string_view separator);
    // "%.Nf" with N decimals, as printf writes it in the C locale.
    void writeFixed(double value, int decimals);

    void flush();

private:
    static bool isSpace(char c) {
        // Blank, or one of tab, line feed, vertical tab, form feed and carriage return.
        return c == ' ' || (c >= '\t' && c <= '\r');
    }
    static bool isDigit(char c) { return c >= '0' && c <= '9'; }

    struct Parsed {
        const char* after;  // null when the number does not stand whole before end
        std::int32_t value;
    };
    static Parsed parseWhole(const char* next, const char* end);
    static std::size_t format(char* field, std::int32_t value, std::size_t width);

    // Makes at least one unread byte available; false at the end of input.
    bool refill();
    // Consumes the characters that accept takes, across refills; returns how many.
    template <typename Accept>
    std::size_t consume(Accept accept);
    IntRead readIntAcrossRefills();
    void writeAfterFlush(std::string_view text);
    void writeWideInt(std::int32_t value, std::size_t width);

    Streams streams_;
    // Behind what a read fills: the stop mark that ends every scan, neither blank nor digit, so that the
    // scans need no bounds of their own, and room for a look at eight bytes from the stop mark.
    static constexpr std::size_t inputCapacity = 1 << 18;
    std::array<char, inputCapacity + 1 + sizeof(std::uint64_t)> input_{};
    std::size_t inputBegin_ = 0;
    std::size_t inputEnd_ = 0;
    bool inputEnded_ = false;
    // format fills fields of up to widestField places and may touch fieldRoom bytes; wider fields take
    // a slower way.
    static constexpr std::size_t widestField = 12;
    static constexpr std::size_t fieldRoom = 16;
    // Pipes carry large writes far more cheaply than writes of their own 64 KiB.
    std::array<char, 1 << 18> output_;
    std::size_t outputSize_ = 0;
};

static_assert(std::endian::native == std::endian::little,
              "parseWhole takes the first of eight bytes as the lowest");

// The paths that every number takes are inline, so that a program's loops make no call per number.

// Most numbers stand whole in the buffer, with the character that ends them; those of up to seven
// digits are taken here without a branch per digit, and everything else the careful way.
inline Console::Parsed Console::parseWhole(const char* next, const char* end) {
    while (isSpace(*next)) {
        ++next;
    }
    // Eight characters at once, the first in the lowest byte; a sign in front is taken as a leading
    // zero, so that one look tells everything and the next number's place waits on nothing else.
    std::uint64_t eight;
    std::memcpy(&eight, next, sizeof eight);
    const auto first = static_cast<unsigned char>(eight);
    const bool negative = first == '-';
    const std::uint64_t sign = negative || first == '+' ? 1 : 0;
    eight ^= (first ^ std::uint64_t{'0'}) & (0 - sign);
    // Less '0', a digit is a byte below 10, and adding 0x76 sets the top bit of exactly the bytes that
    // were not below 10; borrows and carries out of a byte only disturb the bytes behind it.
    constexpr std::uint64_t ones = 0x0101010101010101;
    const std::uint64_t lessZero = eight - 0x30 * ones;
    const std::uint64_t stops = ((lessZero + 0x76 * ones) | lessZero) & (0x80 * ones);
    const auto length = static_cast<std::size_t>(std::countr_zero(stops) / 8);
    if (length == sign || length == 8 || next + length >= end) {
        return {nullptr, 0};
    }
    // The digits moved to the top with zeros below them, then summed in pairs, fours and eights.
    std::uint64_t digits = lessZero << (8 * (8 - length));
    digits = (digits * 10 + (digits >> 8)) & 0x00FF00FF00FF00FF;
    digits = (digits * 100 + (digits >> 16)) & 0x0000FFFF0000FFFF;
    digits = (digits * 10000 + (digits >> 32)) & 0xFFFFFFFF;
    return {next + length, static_cast<std::int32_t>(negative ? 0 - digits : digits)};
}

inline IntRead Console::readInt() {
    const Parsed parsed = parseWhole(input_.data() + inputBegin_, input_.data() + inputEnd_);
    if (parsed.after == nullptr) {
        return readIntAcrossRefills();
    }
    inputBegin_ = static_cast<std::size_t>(parsed.after - input_.data());
    return {ReadOutcome::value, parsed.value};
}

// Writes the number right-aligned in at least width places (at most widestField) at field, where
// fieldRoom bytes are free, and returns the places it takes. Bytes behind them may change.
inline std::size_t Console::format(char* field, std::int32_t value, std::size_t width) {
    std::memset(field, ' ', fieldRoom);
    if (value >= 0 && value < 1000) {
        // The small numbers, right-aligned in three places, and in the fourth byte their length.
        static constexpr auto small = [] {
            std::array<std::uint32_t, 1000> fields{};
            for (std::uint32_t n = 0; n < 1000; ++n) {
                const std::uint32_t length = n >= 100 ? 3 : n >= 10 ? 2 : 1;
                std::uint32_t bytes = length << 24;
                for (std::uint32_t place = 0, rest = n; place < 3; ++place, rest /= 10) {
                    const std::uint32_t c = place < length ? '0' + rest % 10 : ' ';
                    bytes |= c << (8 * (2 - place));
                }
                fields[n] = bytes;
            }
            return fields;
        }();
        const std::uint32_t entry = small[static_cast<std::size_t>(value)];
        const std::size_t size = std::max<std::size_t>(entry >> 24, width);
        if (size >= 3) {
            std::memcpy(field + size - 3, &entry, sizeof entry);
            return size;
        }
        // Of the three places only as many as the field has, taken from the right.
        const std::uint32_t places = entry >> (8 * (3 - size));
        std::memcpy(field, &places, sizeof places);
        return size;
    }
    static constexpr char pairs[] =
        "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
        "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
        "8081828384858687888990919293949596979899";
    static constexpr std::uint32_t powersOfTen[] = {0,      10,      100,      1000,      10000,
                                                    100000, 1000000, 10000000, 100000000, 1000000000};
    // Unsigned, so that the magnitude of the smallest value is no overflow.
    std::uint32_t magnitude =
        value < 0 ? 0u - static_cast<std::uint32_t>(value) : static_cast<std::uint32_t>(value);
    // The count of digits from the count of bits, and one more where that guess falls short.
    const auto guess = static_cast<std::size_t>(std::bit_width(magnitude | 1) * 1233 >> 12);
    const std::size_t length = guess + (magnitude >= powersOfTen[guess] ? 1 : 0) + (value < 0 ? 1 : 0);
    const std::size_t size = std::max(length, width);
    char* first = field + size;
    while (magnitude >= 100) {
        first -= 2;
        std::memcpy(first, pairs + std::size_t{magnitude % 100} * 2, 2);
        magnitude /= 100;
    }
    if (magnitude >= 10) {
        first -= 2;
        std::memcpy(first, pairs + std::size_t{magnitude} * 2, 2);
    } else {
        *--first = static_cast<char>('0' + magnitude);
    }
    if (value < 0) {
        first[-1] = '-';
    }
    return size;
}

inline void Console::write(std::string_view text) {
    if (output_.size() - outputSize_ < text.size()) {
        writeAfterFlush(text);
        return;
    }
    std::memcpy(output_.data() + outputSize_, text.data(), text.size());
    outputSize_ += text.size();
}

inline void Console::writeLine(std::string_view text) {
    write(text);
    writeChar('\n');
}

inline void Console::writeChar(char c) {
    write({&c, 1});
}

inline void Console::writeInt(std::int32_t value, int width) {
    const auto places = static_cast<std::size_t>(std::max(width, 0));
    if (places > widestField) {
        writeWideInt(value, places);
        return;
    }
    if (output_.size() - outputSize_ < fieldRoom) {
        flush();
    }
    outputSize_ += format(output_.data() + outputSize_, value, places);
}
