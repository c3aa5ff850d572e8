#pragma once

#include <cstddef>

// The runtime heap as plain functions, so that a test can make any one allocation fail.
struct Heap {
    void* context;
    // Uninitialised room for bytes; null when the heap cannot give it.
    void* (*allocate)(void* context, std::size_t bytes);
    // Zero-filled room for count elements of size bytes each; null when the heap cannot give it.
    void* (*allocateZeroed)(void* context, std::size_t count, std::size_t size);
    void (*release)(void* context, void* block);
};

Heap runtimeHeap();
