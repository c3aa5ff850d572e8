#include "sumtable.hpp"

SumBin** allocateTable(const Heap& heap) {
    auto** table = static_cast<SumBin**>(heap.allocate(heap.context, sumCount * sizeof(SumBin*)));
    if (table == nullptr) {
        return nullptr;
    }
    for (std::int32_t b = 0; b < sumCount; ++b) {
        table[b] = static_cast<SumBin*>(heap.allocateZeroed(heap.context, 1, sizeof(SumBin)));
        if (table[b] == nullptr) {
            return nullptr;
        }
    }
    return table;
}

void releaseTable(const Heap& heap, SumBin** table) {
    for (std::int32_t b = 0; b < sumCount; ++b) {
        heap.release(heap.context, table[b]);
    }
    heap.release(heap.context, table);
}

void fillTable(SumBin* const* table) {
    for (std::int32_t i = 1; i <= 6; ++i) {
        for (std::int32_t j = 1; j <= 6; ++j) {
            for (std::int32_t k = 1; k <= 6; ++k) {
                const std::int32_t total = i + j + k;
                SumBin& bin = *table[total - 3];
                bin.sum = static_cast<float>(total);
                bin.probability += outcomeShare;
            }
        }
    }
}

void writeTable(Console& console, const SumBin* const* table) {
    for (std::int32_t b = 0; b < sumCount; ++b) {
        console.writeFixed(table[b]->sum, 0);
        console.writeChar('\t');
        console.writeFixed(table[b]->probability, 8);
        console.writeChar('\n');
    }
}
