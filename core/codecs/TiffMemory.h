#pragma once

// A file in memory that libtiff reads, writes and seeks, shared by the TIFF
// decoder and writer.

#include <tiffio.h>

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace vx {

// Reads `input`, or, with `output`, writes a file growing in that vector.
struct TiffMemoryFile {
    std::span<const std::uint8_t> input;
    std::vector<std::uint8_t>* output = nullptr;
    std::size_t pos = 0;

    std::size_t Size() const { return output ? output->size() : input.size(); }
    const std::uint8_t* Data() const { return output ? output->data() : input.data(); }
};

struct TiffCloser {
    void operator()(TIFF* tif) const { TIFFClose(tif); }
};
using TiffPtr = std::unique_ptr<TIFF, TiffCloser>;

// Opens `file` with `mode` ("r...", "w"), quiet handlers (callers report
// failures themselves) and a bound on any single allocation; null on failure.
TiffPtr OpenTiffMemory(TiffMemoryFile& file, const char* mode);

}  // namespace vx
