#pragma once

// Reads a whole regular file into memory. Anything that is not a regular file (a
// folder, a FIFO, a device) is refused without blocking, and so is a file larger
// than the caller's limit, before anything is allocated.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "shell/Result.h"

namespace vx {

// Fills `out` with the file's bytes; on failure `out` is empty and the result
// says why ("not a regular file", the system's text, ...).
Result ReadWholeFile(const std::string& path, std::size_t max_bytes,
                     std::vector<std::uint8_t>& out);

}  // namespace vx
