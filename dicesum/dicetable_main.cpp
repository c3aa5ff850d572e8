#include "dicetable.hpp"

int main() {
    Console console(standardStreams());
    return dicetable(console, runtimeHeap());
}
