#include "dicetable.hpp"

#include "cp1254.hpp"
#include "sumtable.hpp"

int dicetable(Console& console, const Heap& heap) {
    SumBin** const table = allocateTable(heap);
    if (table == nullptr) {
        console.writeLine(cp1254("Bellek ayrılamadı..."));
        return -1;
    }
    fillTable(table);
    console.write("Toplam\tOlasilik\n\n");
    writeTable(console, table);
    releaseTable(heap, table);
    return 0;
}
