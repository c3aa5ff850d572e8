#pragma once

#include <array>
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

    void write(std::string_view text) {
        if (output_.size() - outputSize_ < text.size()) {
            writeAfterFlush(text);
            return;
        }
        std::memcpy(output_.data() + outputSize_, text.data(), text.size());
        outputSize_ += text.size();
    }
    void writeLine(std::string_view text) {
        write(text);
        writeChar('\n');
    }
    void writeChar(char c) {
        if (outputSize_ == output_.size()) {
            flush();
        }
        output_[outputSize_++] = c;
    }
    // "%d" with width 0, "%3d" with width 3, and so on: right-aligned in at least width places.
    void writeInt(std::int32_t value, int width = 0);
    // "%.Nf" with N decimals, as printf writes it in the C locale.
    void writeFixed(double value, int decimals);

    void flush();

private:
    // Makes at least one unread byte available; false at the end of input.
    bool refill();
    IntRead readIntAcrossRefills();
    void writeAfterFlush(std::string_view text);
    // Consumes the characters that accept takes, across refills; returns how many.
    template <typename Accept>
    std::size_t consume(Accept accept);
    void reserve(std::size_t size);

    Streams streams_;
    // One place more than a read fills, for the stop mark that ends every scan of the buffer.
    std::array<char, (1 << 16) + 1> input_;
    std::size_t inputBegin_ = 0;
    std::size_t inputEnd_ = 0;
    bool inputEnded_ = false;
    // A number is formed in a few bytes more room than it takes.
    static constexpr std::size_t numberRoom = 32;
    std::array<char, 1 << 16> output_;
    std::size_t outputSize_ = 0;
};
