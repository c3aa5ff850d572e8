#include "distance.hpp"

#include <cmath>

float distance(std::int32_t x, std::int32_t y, std::int32_t z) {
    // Unsigned arithmetic wraps without undefined behaviour; the cast back keeps two's complement.
    const auto ux = static_cast<std::uint32_t>(x);
    const auto uy = static_cast<std::uint32_t>(y);
    const auto uz = static_cast<std::uint32_t>(z);
    const auto squares = static_cast<std::int32_t>(ux * ux + uy * uy + uz * uz);
    return static_cast<float>(std::sqrt(static_cast<double>(squares)));
}

std::int32_t ascending(float a, float b) {
    return a < b ? 1 : 0;
}

std::int32_t descending(float a, float b) {
    return a >= b ? 1 : 0;
}

void swap(Point* a, Point* b) {
    const Point saved = *a;
    *a = *b;
    *b = saved;
}

void selectionSort(Point* points, std::int32_t count, DistanceComparator comparator) {
    for (std::int32_t i = 0; i < count - 1; ++i) {
        std::int32_t chosen = i;
        for (std::int32_t j = i + 1; j < count; ++j) {
            const Point& current = points[chosen];
            const Point& challenger = points[j];
            if (comparator(distance(current.x, current.y, current.z),
                           distance(challenger.x, challenger.y, challenger.z)) == 0) {
                chosen = j;
            }
        }
        swap(&points[chosen], &points[i]);
    }
}
