#pragma once

#include "console.hpp"
#include "heap.hpp"

// The whole run of the dice table with its header; returns the exit status.
int dicetable(Console& console, const Heap& heap);
