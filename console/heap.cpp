#include "heap.hpp"

#include <cstdlib>

namespace {

void* allocateFromRuntime(void*, std::size_t bytes) {
    return std::malloc(bytes);
}

void* allocateZeroedFromRuntime(void*, std::size_t count, std::size_t size) {
    return std::calloc(count, size);
}

void releaseToRuntime(void*, void* block) {
    std::free(block);
}

}  // namespace

Heap runtimeHeap() {
    return {nullptr, allocateFromRuntime, allocateZeroedFromRuntime, releaseToRuntime};
}
