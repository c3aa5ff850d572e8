#include "menucalc.hpp"

int main() {
    Console console(standardStreams());
    return menucalc(console);
}
