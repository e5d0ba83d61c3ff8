#pragma once

// Reads a whole regular file into memory. Anything that is not a regular file (a
// folder, a FIFO, a device) is refused without blocking, and so is a file larger
// than the caller's limit, before anything is allocated.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vx {

struct ReadFileResult {
    bool ok = false;
    std::string error;  // why it failed, for messages and logs
};

ReadFileResult ReadWholeFile(const std::string& path, std::size_t max_bytes,
                             std::vector<std::uint8_t>& out);

}  // namespace vx
