#include "palettecount.hpp"

int main() {
    Console console(standardStreams());
    return palettecount(console, runtimeHeap());
}
