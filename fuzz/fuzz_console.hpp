#pragma once

#include "console.hpp"
#include "heap.hpp"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <vector>

// Console streams over a fuzzer's bytes. The first byte chooses how much one read hands over, so that
// every buffer edge is met; output beyond a cap ends the course by an exception that the harness
// catches, so that a short input asking for a huge factorial or image stays quick.
class FuzzStreams {
public:
    static constexpr std::size_t outputCap = std::size_t{1} << 20;

    FuzzStreams(const std::uint8_t* data, std::size_t size) {
        if (size > 0) {
            chunk_ = data[0] % 4 == 0 ? std::size_t{1} << 20 : 1 + data[0] % 17;
            data_ = reinterpret_cast<const char*>(data + 1);
            size_ = size - 1;
        }
    }

    Streams streams() { return {this, read, write}; }

    struct CapReached {};

private:
    static std::size_t read(void* self, char* buffer, std::size_t capacity) {
        auto& streams = *static_cast<FuzzStreams*>(self);
        const std::size_t size = std::min({capacity, streams.chunk_, streams.size_ - streams.position_});
        if (size > 0) {
            std::memcpy(buffer, streams.data_ + streams.position_, size);
            streams.position_ += size;
        }
        return size;
    }

    static bool write(void* self, const char*, std::size_t size) {
        auto& streams = *static_cast<FuzzStreams*>(self);
        streams.written_ += size;
        if (streams.written_ > outputCap && !streams.capped_) {
            // Once only: the console's own last flush, after the harness caught this, must not throw.
            streams.capped_ = true;
            throw CapReached{};
        }
        return true;
    }

    const char* data_ = nullptr;
    std::size_t size_ = 0;
    std::size_t position_ = 0;
    std::size_t chunk_ = 1;
    std::size_t written_ = 0;
    bool capped_ = false;
};

// A heap that refuses what goes beyond a total, as a small machine would, and releases whatever a
// course leaves behind when it ends at once.
class BoundedHeap {
public:
    static constexpr std::size_t limit = std::size_t{16} << 20;

    ~BoundedHeap() {
        for (void* block : blocks_) {
            std::free(block);
        }
    }

    Heap heap() { return {this, allocate, allocateZeroed, release}; }

private:
    static void* allocate(void* self, std::size_t bytes) {
        return static_cast<BoundedHeap*>(self)->take(bytes, false);
    }
    static void* allocateZeroed(void* self, std::size_t count, std::size_t size) {
        if (size != 0 && count > limit / size) {
            return nullptr;
        }
        return static_cast<BoundedHeap*>(self)->take(count * size, true);
    }
    static void release(void* self, void* block) {
        auto& blocks = static_cast<BoundedHeap*>(self)->blocks_;
        blocks.erase(std::remove(blocks.begin(), blocks.end(), block), blocks.end());
        std::free(block);
    }

    void* take(std::size_t bytes, bool zeroed) {
        if (bytes > limit - used_) {
            return nullptr;
        }
        void* block = zeroed ? std::calloc(1, bytes == 0 ? 1 : bytes) : std::malloc(bytes == 0 ? 1 : bytes);
        if (block != nullptr) {
            used_ += bytes;
            blocks_.push_back(block);
        }
        return block;
    }

    std::size_t used_ = 0;
    std::vector<void*> blocks_;
};

// Runs a course on the fuzzer's bytes; its status, or nothing when the output cap ended it.
template <typename Course>
std::optional<int> runFuzzed(const std::uint8_t* data, std::size_t size, Course course) {
    FuzzStreams streams(data, size);
    BoundedHeap heap;
    Console console(streams.streams());
    int status = 0;
    try {
        status = course(console, heap.heap());
        // Here, so that the console's own last flush has nothing left that could reach the cap.
        console.flush();
    } catch (const FuzzStreams::CapReached&) {
        return std::nullopt;
    }
    return status;
}

// A broken invariant stops the fuzzer with the input that broke it.
inline void require(bool holds) {
    if (!holds) {
        __builtin_trap();
    }
}
