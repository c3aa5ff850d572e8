#include "memory.hpp"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

std::size_t readString(void* context, char* buffer, std::size_t capacity) {
    auto& self = *static_cast<StringStreams*>(context);
    self.deliveredAtRead.push_back(self.output.size());
    const std::size_t size = std::min({capacity, self.chunk, self.input.size() - self.position});
    self.input.copy(buffer, size, self.position);
    self.position += size;
    return size;
}

bool writeString(void* context, const char* bytes, std::size_t size) {
    static_cast<StringStreams*>(context)->output.append(bytes, size);
    return true;
}

}  // namespace

Streams StringStreams::streams() {
    return {this, readString, writeString};
}

FailingHeap::~FailingHeap() {
    for (void* block : blocks_) {
        std::free(block);
    }
}

Heap FailingHeap::heap() {
    return {this, allocate, allocateZeroed, release};
}

bool FailingHeap::refuses() {
    return allocations_++ == failingAllocation_;
}

void* FailingHeap::allocate(void* self, std::size_t bytes) {
    auto& heap = *static_cast<FailingHeap*>(self);
    heap.requests_.push_back("uninitialised " + std::to_string(bytes));
    if (heap.refuses()) {
        return nullptr;
    }
    void* block = std::malloc(bytes);
    if (block != nullptr) {
        heap.blocks_.push_back(block);
    }
    return block;
}

void* FailingHeap::allocateZeroed(void* self, std::size_t count, std::size_t size) {
    auto& heap = *static_cast<FailingHeap*>(self);
    heap.requests_.push_back("zero-filled " + std::to_string(count) + "x" + std::to_string(size));
    if (heap.refuses()) {
        return nullptr;
    }
    void* block = std::calloc(count, size);
    if (block != nullptr) {
        heap.blocks_.push_back(block);
    }
    return block;
}

void FailingHeap::release(void* self, void* block) {
    auto& blocks = static_cast<FailingHeap*>(self)->blocks_;
    blocks.erase(std::remove(blocks.begin(), blocks.end(), block), blocks.end());
    std::free(block);
}

CourseRun runCourse(int (*course)(Console&, const Heap&), const std::string& input, const Heap& heap) {
    StringStreams streams{input};
    int status;
    {
        Console console(streams.streams());
        status = course(console, heap);
    }
    return {streams.output, status};
}
