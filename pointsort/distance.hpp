#pragma once

#include <cstdint>

struct Point {
    std::int32_t x;
    std::int32_t y;
    std::int32_t z;
};

// Takes the distance of the record that holds the chosen place, then that of the challenger; non-zero
// keeps the chosen record, zero hands its place to the challenger.
using DistanceComparator = std::int32_t (*)(float chosen, float challenger);

// The distance from the origin. The sum of squares is formed in 32 bits and wraps, so coordinates
// beyond its range give a root that is not a number.
float distance(std::int32_t x, std::int32_t y, std::int32_t z);

std::int32_t ascending(float a, float b);
std::int32_t descending(float a, float b);

void swap(Point* a, Point* b);

// Orders the count records by distance under the comparator, in place; not stable.
void selectionSort(Point* points, std::int32_t count, DistanceComparator comparator);
