#pragma once

#include "console.hpp"
#include "heap.hpp"

// The whole run of the palette counter; returns the exit status.
int palettecount(Console& console, const Heap& heap);
