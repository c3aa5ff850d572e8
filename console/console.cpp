#include "console.hpp"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
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
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

Streams standardStreams() {
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
    inputEnd_ = streams_.read(streams_.context, input_.data(), input_.size());
    inputEnded_ = inputEnd_ == 0;
    return !inputEnded_;
}

IntRead Console::readInt() {
    while (refill() && isSpace(input_[inputBegin_])) {
        ++inputBegin_;
    }
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
    bool anyDigit = false;
    while (refill() && isDigit(input_[inputBegin_])) {
        anyDigit = true;
        magnitude = std::min(magnitude * 10 + (input_[inputBegin_] - '0'), beyond + 1);
        ++inputBegin_;
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (!anyDigit || value < -beyond || value >= beyond) {
        while (refill() && !isSpace(input_[inputBegin_])) {
            ++inputBegin_;
        }
        return {ReadOutcome::invalid, 0};
    }
    return {ReadOutcome::value, static_cast<std::int32_t>(value)};
}

void Console::reserve(std::size_t size) {
    if (output_.size() - outputSize_ < size) {
        flush();
    }
}

void Console::write(std::string_view text) {
    reserve(text.size());
    if (text.size() > output_.size()) {
        if (!streams_.write(streams_.context, text.data(), text.size())) {
            std::_Exit(1);
        }
        return;
    }
    std::memcpy(output_.data() + outputSize_, text.data(), text.size());
    outputSize_ += text.size();
}

void Console::writeLine(std::string_view text) {
    write(text);
    writeChar('\n');
}

void Console::writeChar(char c) {
    reserve(1);
    output_[outputSize_++] = c;
}

void Console::writeInt(std::int32_t value, int width) {
    char digits[10];
    std::size_t count = 0;
    // Unsigned, so that the magnitude of the smallest value is no overflow.
    std::uint32_t magnitude = value < 0 ? 0u - static_cast<std::uint32_t>(value)
                                        : static_cast<std::uint32_t>(value);
    do {
        digits[count++] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    const std::size_t length = count + (value < 0 ? 1 : 0);
    const std::size_t padding =
        width > 0 && static_cast<std::size_t>(width) > length ? static_cast<std::size_t>(width) - length : 0;
    reserve(padding + length);
    char* out = output_.data() + outputSize_;
    out = std::fill_n(out, padding, ' ');
    if (value < 0) {
        *out++ = '-';
    }
    while (count > 0) {
        *out++ = digits[--count];
    }
    outputSize_ = static_cast<std::size_t>(out - output_.data());
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
