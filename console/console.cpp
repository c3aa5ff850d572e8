#include "console.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

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
    inputEnd_ = streams_.read(streams_.context, input_.data(), inputCapacity);
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

void Console::writeWideInt(std::int32_t value, std::size_t width) {
    // Wider than any number: the blanks beyond the widest field, then the number in that field.
    for (std::size_t k = widestField; k < width; ++k) {
        writeChar(' ');
    }
    writeInt(value, static_cast<int>(widestField));
}

ReadOutcome Console::readInts(std::int32_t* values, std::size_t count) {
    for (std::size_t k = 0; k < count; ++k) {
        const IntRead read = readInt();
        if (read.outcome != ReadOutcome::value) {
            return read.outcome;
        }
        values[k] = read.value;
    }
    return ReadOutcome::value;
}

void Console::writeInts(const std::int32_t* values, std::size_t count, int width,
                        std::string_view separator) {
    const auto places = static_cast<std::size_t>(std::max(width, 0));
    char gap[8];
    if (places > widestField || separator.size() > sizeof gap) {
        for (std::size_t k = 0; k < count; ++k) {
            writeInt(values[k], width);
            write(separator);
        }
        return;
    }
    // The separator is copied in a piece of fixed size too; what lands behind it is overwritten next.
    std::memcpy(gap, separator.data(), separator.size());
    char* const out = output_.data();
    std::size_t size = outputSize_;
    for (std::size_t k = 0; k < count; ++k) {
        if (output_.size() - size < fieldRoom + sizeof gap) {
            outputSize_ = size;
            flush();
            size = 0;
        }
        size += format(out + size, values[k], places);
        std::memcpy(out + size, gap, sizeof gap);
        size += separator.size();
    }
    outputSize_ = size;
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
