#pragma once

#include "console.hpp"
#include "heap.hpp"

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

// Console streams over strings. chunk limits how much one read hands over, to reach every buffer edge.
struct StringStreams {
    explicit StringStreams(std::string given = "", std::size_t chunkSize = std::string::npos)
        : input(std::move(given)), chunk(chunkSize) {}

    std::string input;
    std::size_t chunk;
    std::size_t position = 0;
    std::string output;
    // How much output had been delivered when each read asked for input.
    std::vector<std::size_t> deliveredAtRead;

    Streams streams();
};

// A heap that refuses the allocation with the given number (counting from 0), or none, and releases
// whatever the course left behind.
class FailingHeap {
public:
    static constexpr int never = -1;

    explicit FailingHeap(int failingAllocation = never) : failingAllocation_(failingAllocation) {}
    ~FailingHeap();
    FailingHeap(const FailingHeap&) = delete;
    FailingHeap& operator=(const FailingHeap&) = delete;

    Heap heap();
    int allocations() const { return allocations_; }
    std::size_t outstanding() const { return blocks_.size(); }
    // Every request in order, as "uninitialised BYTES" or "zero-filled COUNTxSIZE".
    const std::vector<std::string>& requests() const { return requests_; }

private:
    static void* allocate(void* self, std::size_t bytes);
    static void* allocateZeroed(void* self, std::size_t count, std::size_t size);
    static void release(void* self, void* block);
    bool refuses();

    int failingAllocation_;
    int allocations_ = 0;
    std::vector<void*> blocks_;
    std::vector<std::string> requests_;
};

struct CourseRun {
    std::string output;
    int status;
};

// Runs a course in this process on the given input and heap.
CourseRun runCourse(int (*course)(Console&, const Heap&), const std::string& input, const Heap& heap);
