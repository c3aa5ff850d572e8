#include "console.hpp"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::size_t readStandardInput(void*, char* buffer, std::size_t capacity) {
    for (;;) {
        const ssize_t got = ::read(STDIN_FILENO, buffer, capacity);
        if (got >= 0) {
            return static_cast<std::size_t>(got);
        }
        if (errno != EINTR) {
            return 0;  // an input that fails to read has ended for the program
        }
    }
}

bool writeStandardOutput(void*, const char* bytes, std::size_t size) {
    while (size > 0) {
        const ssize_t put = ::write(STDOUT_FILENO, bytes, size);
        if (put < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes += put;
        size -= static_cast<std::size_t>(put);
    }
    return true;
}

bool isSpace(char c) {
    // Blank, or one of tab, line feed, vertical tab, form feed and carriage return.
    return c == ' ' || (c >= '\t' && c <= '\r');
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

Streams standardStreams() {
    // With the default pipe of 64 KiB the writer waits for the reader every few writes; a larger pipe
    // lets both run side by side. Where it cannot be had, the default serves as well.
    struct stat output {};
    if (::fstat(STDOUT_FILENO, &output) == 0 && S_ISFIFO(output.st_mode)) {
        ::fcntl(STDOUT_FILENO, F_SETPIPE_SZ, 1 << 20);
    }
    return {nullptr, readStandardInput, writeStandardOutput};
}

Console::Console(Streams streams) : streams_(streams) {}

Console::~Console() {
    flush();
}

bool Console::refill() {
    if (inputBegin_ < inputEnd_) {
        return true;
    }
    if (inputEnded_) {
        return false;
    }
    // The read may wait for the user, who must first see everything written so far.
    flush();
    inputBegin_ = 0;
    inputEnd_ = streams_.read(streams_.context, input_.data(), input_.size() - 1);
    input_[inputEnd_] = '\0';
    inputEnded_ = inputEnd_ == 0;
    return !inputEnded_;
}

template <typename Accept>
std::size_t Console::consume(Accept accept) {
    std::size_t consumed = 0;
    while (refill()) {
        const std::size_t begin = inputBegin_;
        while (inputBegin_ < inputEnd_ && accept(input_[inputBegin_])) {
            ++inputBegin_;
        }
        consumed += inputBegin_ - begin;
        if (inputBegin_ < inputEnd_) {
            break;
        }
    }
    return consumed;
}

IntRead Console::readInt() {
    // Most numbers stand whole in the buffer, with the character that ends them; those are taken here
    // in one sweep, and everything else by the careful way across refills. The stop mark behind the
    // buffered input is neither blank nor digit, so the scans need no bounds of their own.
    const char* const data = input_.data();
    const char* const end = data + inputEnd_;
    const char* next = data + inputBegin_;
    while (isSpace(*next)) {
        ++next;
    }
    const bool negative = *next == '-';
    if (negative || *next == '+') {
        ++next;
    }
    const char* const digits = next;
    std::uint64_t magnitude = 0;
    while (isDigit(*next)) {
        magnitude = magnitude * 10 + static_cast<std::uint64_t>(*next - '0');
        ++next;
    }
    const std::uint64_t limit = negative ? std::uint64_t{1} << 31 : (std::uint64_t{1} << 31) - 1;
    if (next > digits && next < end && next - digits <= 10 && magnitude <= limit) {
        inputBegin_ = static_cast<std::size_t>(next - data);
        return {ReadOutcome::value, static_cast<std::int32_t>(negative ? 0 - magnitude : magnitude)};
    }
    return readIntAcrossRefills();
}

IntRead Console::readIntAcrossRefills() {
    consume(isSpace);
    if (!refill()) {
        return {ReadOutcome::end, 0};
    }
    const bool negative = input_[inputBegin_] == '-';
    if (negative || input_[inputBegin_] == '+') {
        ++inputBegin_;
    }
    // One past the largest magnitude, so that the sum stays small however long the digits run.
    constexpr std::int64_t beyond = std::int64_t{1} << 31;
    std::int64_t magnitude = 0;
    const std::size_t digits = consume([&magnitude](char c) {
        if (!isDigit(c)) {
            return false;
        }
        magnitude = std::min(magnitude * 10 + (c - '0'), beyond + 1);
        return true;
    });
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (digits == 0 || value < -beyond || value >= beyond) {
        consume([](char c) { return !isSpace(c); });
        return {ReadOutcome::invalid, 0};
    }
    return {ReadOutcome::value, static_cast<std::int32_t>(value)};
}

void Console::reserve(std::size_t size) {
    if (output_.size() - outputSize_ < size) {
        flush();
    }
}

void Console::writeAfterFlush(std::string_view text) {
    flush();
    if (text.size() > output_.size()) {
        if (!streams_.write(streams_.context, text.data(), text.size())) {
            std::_Exit(1);
        }
        return;
    }
    std::memcpy(output_.data(), text.data(), text.size());
    outputSize_ = text.size();
}

void Console::writeInt(std::int32_t value, int width) {
    static constexpr char pairs[] =
        "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
        "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
        "8081828384858687888990919293949596979899";
    // The digits go in from the last, two at a time, at the end of a room of fixed size, which then is
    // copied whole: a copy of known size is far cheaper than one of the number's own.
    char room[2 * numberRoom];
    char* const last = room + numberRoom;
    char* first = last;
    std::uint32_t magnitude = value < 0 ? 0u - static_cast<std::uint32_t>(value)
                                        : static_cast<std::uint32_t>(value);
    while (magnitude >= 100) {
        first -= 2;
        std::memcpy(first, pairs + magnitude % 100 * 2, 2);
        magnitude /= 100;
    }
    if (magnitude >= 10) {
        first -= 2;
        std::memcpy(first, pairs + magnitude * 2, 2);
    } else {
        *--first = static_cast<char>('0' + magnitude);
    }
    if (value < 0) {
        *--first = '-';
    }
    const auto length = static_cast<std::size_t>(last - first);
    const std::size_t padding =
        width > 0 && static_cast<std::size_t>(width) > length ? static_cast<std::size_t>(width) - length : 0;
    if (padding > numberRoom / 2) {
        // Wider than any width the programs use: no need to be quick.
        for (std::size_t k = 0; k < padding; ++k) {
            writeChar(' ');
        }
        write({first, length});
        return;
    }
    reserve(numberRoom);
    char* const out = output_.data() + outputSize_;
    std::memset(out, ' ', numberRoom / 2);
    std::memcpy(out + padding, first, numberRoom / 2);
    outputSize_ += padding + length;
}

void Console::writeFixed(double value, int decimals) {
    // Room for the largest double with every decimal the programs ask for.
    char text[400];
    const int length = std::snprintf(text, sizeof text, "%.*f", decimals, value);
    if (length > 0) {
        write({text, std::min(static_cast<std::size_t>(length), sizeof text - 1)});
    }
}

void Console::flush() {
    if (outputSize_ == 0) {
        return;
    }
    const std::size_t size = outputSize_;
    outputSize_ = 0;
    if (!streams_.write(streams_.context, output_.data(), size)) {
        std::_Exit(1);
    }
}
