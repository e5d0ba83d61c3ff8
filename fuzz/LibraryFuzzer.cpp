// Fuzz target for the font library parser (the stream after unscrambling).

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "render/LibraryFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<vx::LibraryRecordView> records;
    vx::ParseLibrary(std::span<const std::uint8_t>(data, size), records);
    return 0;
}
