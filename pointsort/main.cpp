#include "pointsort.hpp"

int main() {
    Console console(standardStreams());
    return pointsort(console, runtimeHeap());
}
