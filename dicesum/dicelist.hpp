#pragma once

#include "console.hpp"
#include "heap.hpp"

// The whole run of the bare dice list; returns the exit status.
int dicelist(Console& console, const Heap& heap);
