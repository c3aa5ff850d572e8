#include "fuzz_console.hpp"
#include "pointsort.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::optional<int> status = runFuzzed(data, size, pointsort);
    require(status == 0);
    return 0;
}
