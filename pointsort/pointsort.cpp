#include "pointsort.hpp"

#include "distance.hpp"

namespace {

void writeCoordinates(Console& console, const Point& point) {
    console.writeChar('(');
    console.writeInt(point.x);
    console.write(", ");
    console.writeInt(point.y);
    console.write(", ");
    console.writeInt(point.z);
    console.writeChar(')');
}

}  // namespace

int pointsort(Console& console, const Heap& heap) {
    constexpr std::int32_t count = 5;
    constexpr std::int32_t xs[count] = {12, 2, 4, 8, 10};
    constexpr std::int32_t ys[count] = {10, 5, 2, 3, 12};
    constexpr std::int32_t zs[count] = {5, 2, 0, 4, 1};

    auto* points = static_cast<Point*>(heap.allocate(heap.context, count * sizeof(Point)));
    if (points == nullptr) {
        return -1;
    }
    for (std::int32_t k = 0; k < count; ++k) {
        points[k] = {xs[k], ys[k], zs[k]};
        console.write("Point ");
        console.writeInt(k + 1);
        console.write(": ");
        writeCoordinates(console, points[k]);
        console.write(" :Distance to orijin: ");
        console.writeFixed(distance(points[k].x, points[k].y, points[k].z), 2);
        console.writeChar('\n');
    }

    console.write("\nEnter 1 to sort ascending order,\nEnter 2 to sort in descending order:");
    // An answer that cannot be read is one of the many that are not 1.
    const IntRead answer = console.readInt();
    const bool sortAscending = answer.outcome == ReadOutcome::value && answer.value == 1;
    selectionSort(points, count, sortAscending ? ascending : descending);

    for (std::int32_t k = 0; k < count; ++k) {
        writeCoordinates(console, points[k]);
        console.write(" \n");
    }
    heap.release(heap.context, points);
    return 0;
}
