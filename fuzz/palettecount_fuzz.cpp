#include "fuzz_console.hpp"
#include "palettecount.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::optional<int> status = runFuzzed(data, size, palettecount);
    require(!status || *status == 0 || *status == 1 || *status == -1);
    return 0;
}
