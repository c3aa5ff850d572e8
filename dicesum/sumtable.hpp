#pragma once

#include "console.hpp"
#include "heap.hpp"

#include <bit>
#include <cstdint>

// One total of three dice and its probability.
struct SumBin {
    float sum;
    float probability;
};

// The totals 3 to 18, each with a bin of its own: the bin of total t has index t - 3.
constexpr std::int32_t sumCount = 16;

// The share of one of the 216 outcomes: 1/216 rounded to single precision.
constexpr float outcomeShare = std::bit_cast<float>(std::uint32_t{0x3B97B426});

// The table of sumCount pointers, then each bin zero-filled, in index order; null when any of them
// cannot be had, in which case what was had is kept, as the run ends at once.
SumBin** allocateTable(const Heap& heap);
// Releases the bins in index order, then the table.
void releaseTable(const Heap& heap, SumBin** table);

// Walks all 216 outcomes, setting each bin's total and adding the share of every outcome to its
// probability in single precision: the rounding after each addition shows in the eighth decimal.
void fillTable(SumBin* const* table);
// One line per total: the total without decimals, a tab, the probability with eight.
void writeTable(Console& console, const SumBin* const* table);
