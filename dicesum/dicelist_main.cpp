#include "dicelist.hpp"

int main() {
    Console console(standardStreams());
    return dicelist(console, runtimeHeap());
}
