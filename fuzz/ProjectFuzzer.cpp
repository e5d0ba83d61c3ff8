// Fuzz target for the project file reader.

#include <cstddef>
#include <cstdint>
#include <span>

#include "document/ProjectFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vx::LeFile lf;
    vx::DecodeProject(std::span<const std::uint8_t>(data, size), lf);
    return 0;
}
