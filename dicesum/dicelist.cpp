#include "dicelist.hpp"

#include "sumtable.hpp"

int dicelist(Console& console, const Heap& heap) {
    SumBin** const table = allocateTable(heap);
    if (table == nullptr) {
        console.write("Bellekte yer ayrilamadi!!");
        return -1;
    }
    fillTable(table);
    writeTable(console, table);
    releaseTable(heap, table);
    return 0;
}
