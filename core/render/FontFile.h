#pragma once

// A font library file, or a font file of the user's own, held open for the
// whole run and read piece by piece: the record heads and face names at
// start-up, a face's font file when it is first used. A library is
// unscrambled as it is read, so no byte is read that is not needed.

#include <cstdint>
#include <string>

#include "render/LibraryFile.h"

namespace vx {

class FontFile : public LibraryBytes {
public:
    FontFile() = default;
    ~FontFile() override;
    FontFile(const FontFile&) = delete;
    FontFile& operator=(const FontFile&) = delete;

    // Opens `path`, a library when `scrambled`; false when it is missing,
    // unreadable or not a regular file.
    bool Open(const std::string& path, bool scrambled);

    std::uint64_t size() const override { return size_; }
    // False on a read error or when the file has shrunk since it was opened.
    bool Read(std::uint64_t offset, std::size_t n, std::uint8_t* out) const override;

private:
    int fd_ = -1;
    std::uint64_t size_ = 0;
    bool scrambled_ = false;
};

}  // namespace vx
