#include "palettecount.hpp"

#include <algorithm>
#include <cstdint>
#include <optional>

namespace {

struct PaletteBin {
    std::int32_t value;
    std::int32_t count;
};

constexpr std::int32_t paletteLevels[] = {0, 128, 255};
constexpr std::int32_t binCount = 3;
constexpr std::int32_t binWidth = 127;

constexpr std::string_view outOfMemory = "Bellekte yer ayrilamadi!!";
constexpr std::string_view unreadable = "Gecersiz giris!!";

// Uninitialised room for count elements, or nothing when the heap cannot give it. A negative count
// asks for more than any heap holds; no element needs no block, whatever the heap gives for zero bytes.
template <typename Element>
std::optional<Element*> allocateArray(const Heap& heap, std::int32_t count) {
    if (count < 0) {
        return std::nullopt;
    }
    if (count == 0) {
        return nullptr;
    }
    void* block = heap.allocate(heap.context, static_cast<std::size_t>(count) * sizeof(Element));
    if (block == nullptr) {
        return std::nullopt;
    }
    return static_cast<Element*>(block);
}

// The bin of a pixel. Pixels beyond the three bins count in the nearest one.
std::int32_t binOf(std::int32_t pixel) {
    return std::clamp(pixel / binWidth, 0, binCount - 1);
}

// Adds the pixels of a row to the counts of their bins, in sums that stay in registers and without a
// branch per pixel.
void countBins(const std::int32_t* row, std::int32_t cols, std::int32_t (&counts)[binCount]) {
    static_assert(binCount == 3);
    std::int32_t first = 0;
    std::int32_t second = 0;
    std::int32_t third = 0;
    for (std::int32_t c = 0; c < cols; ++c) {
        const std::int32_t bin = binOf(row[c]);
        first += bin == 0;
        second += bin == 1;
        third += bin == 2;
    }
    counts[0] += first;
    counts[1] += second;
    counts[2] += third;
}

// Gives each bin the count of its pixels and the last of them in row-major order, as one pass that sets
// value and count pixel by pixel would. The counts come from one sweep whose sums stay in registers;
// the last pixels are then looked for from the image's end, where each non-empty bin is met soon.
void binPixels(std::int32_t* const* matrix, std::int32_t rows, std::int32_t cols,
               PaletteBin* const* palette) {
    std::int32_t counts[binCount] = {};
    for (std::int32_t r = 0; r < rows; ++r) {
        countBins(matrix[r], cols, counts);
    }
    std::int32_t unmet = 0;
    for (std::int32_t b = 0; b < binCount; ++b) {
        palette[b]->count = counts[b];
        unmet += counts[b] > 0 ? 1 : 0;
    }
    bool met[binCount] = {};
    for (std::int32_t r = rows - 1; r >= 0 && unmet > 0; --r) {
        for (std::int32_t c = cols - 1; c >= 0 && unmet > 0; --c) {
            const std::int32_t bin = binOf(matrix[r][c]);
            if (!met[bin]) {
                met[bin] = true;
                palette[bin]->value = matrix[r][c];
                --unmet;
            }
        }
    }
}

}  // namespace

int palettecount(Console& console, const Heap& heap) {
    console.write("Renk Paleti: ");
    console.writeInt(paletteLevels[0]);
    console.write(", ");
    console.writeInt(paletteLevels[1]);
    console.write(", ");
    console.writeInt(paletteLevels[2]);
    console.writeChar('\n');
    console.writeLine("Lutfen resim boyutlarini satir ve sutun olarak siraiyla giriniz: ");
    const IntRead rowsRead = console.readInt();
    const IntRead colsRead = rowsRead.outcome == ReadOutcome::value ? console.readInt() : rowsRead;
    if (colsRead.outcome != ReadOutcome::value) {
        console.writeLine(unreadable);
        return 1;
    }
    const std::int32_t rows = rowsRead.value;
    const std::int32_t cols = colsRead.value;

    // After a failure the run ends at once; the process gives back whatever it holds.
    const std::optional<std::int32_t**> rowTable = allocateArray<std::int32_t*>(heap, rows);
    if (!rowTable) {
        console.write(outOfMemory);
        return -1;
    }
    std::int32_t** const matrix = *rowTable;
    for (std::int32_t r = 0; r < rows; ++r) {
        const std::optional<std::int32_t*> row = allocateArray<std::int32_t>(heap, cols);
        if (!row) {
            console.write(outOfMemory);
            return -1;
        }
        matrix[r] = *row;
    }

    for (std::int32_t r = 0; r < rows; ++r) {
        console.writeInt(r);
        console.write(". satir elemanlarini giriniz: \n");
        if (console.readInts(matrix[r], static_cast<std::size_t>(cols)) != ReadOutcome::value) {
            console.writeLine(unreadable);
            return 1;
        }
    }

    console.writeLine("Resim Matrisi: ");
    for (std::int32_t r = 0; r < rows; ++r) {
        console.writeInts(matrix[r], static_cast<std::size_t>(cols), 3, "   ");
        console.writeChar('\n');
    }

    auto** palette =
        static_cast<PaletteBin**>(heap.allocateZeroed(heap.context, binCount, sizeof(PaletteBin*)));
    if (palette == nullptr) {
        console.write(outOfMemory);
        return -1;
    }
    for (std::int32_t b = 0; b < binCount; ++b) {
        palette[b] = static_cast<PaletteBin*>(heap.allocateZeroed(heap.context, 1, sizeof(PaletteBin)));
        if (palette[b] == nullptr) {
            console.write(outOfMemory);
            return -1;
        }
    }
    binPixels(matrix, rows, cols, palette);
    for (std::int32_t b = 0; b < binCount; ++b) {
        console.writeInt(palette[b]->value, 4);
        console.write("   ");
        console.writeInt(palette[b]->count, 4);
        console.write("   \n");
    }

    for (std::int32_t r = 0; r < rows; ++r) {
        heap.release(heap.context, matrix[r]);
    }
    heap.release(heap.context, matrix);
    for (std::int32_t b = 0; b < binCount; ++b) {
        heap.release(heap.context, palette[b]);
    }
    heap.release(heap.context, palette);
    return 0;
}
