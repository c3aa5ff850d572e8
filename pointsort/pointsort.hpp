#pragma once

#include "console.hpp"
#include "heap.hpp"

// The whole run of the point sorter; returns the exit status.
int pointsort(Console& console, const Heap& heap);
