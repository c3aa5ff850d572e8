#include "fuzz_console.hpp"
#include "menucalc.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::optional<int> status =
        runFuzzed(data, size, [](Console& console, const Heap&) { return menucalc(console); });
    require(!status || *status == 0);
    return 0;
}
