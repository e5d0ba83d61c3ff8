#pragma once

// A library file held open for the whole run and read piece by piece: the
// record heads at start-up, a face's font file when it is first used. Every
// read is unscrambled as it arrives, so no byte is read that is not needed.

#include <cstdint>
#include <string>

#include "render/LibraryFile.h"

namespace vx {

class ScrambledFile : public LibraryBytes {
public:
    ScrambledFile() = default;
    ~ScrambledFile() override;
    ScrambledFile(const ScrambledFile&) = delete;
    ScrambledFile& operator=(const ScrambledFile&) = delete;

    // Opens `path`; false when it is missing, unreadable or not a regular file.
    bool Open(const std::string& path);

    std::uint64_t size() const override { return size_; }
    // False on a read error or when the file has shrunk since it was opened.
    bool Read(std::uint64_t offset, std::size_t n, std::uint8_t* out) const override;

private:
    int fd_ = -1;
    std::uint64_t size_ = 0;
};

}  // namespace vx
