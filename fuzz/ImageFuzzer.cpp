// Fuzz target for one import decoder, chosen at build time by VX_FUZZ_TYPE
// (the decoder type number): decoding and conversion to our pixel layout.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "codecs/Image.h"
#include "codecs/PngDecoder.h"
#include "codecs/PngWriter.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    vx::Image img;
    std::vector<std::uint32_t> pixels;
    if (img.Decode(bytes, VX_FUZZ_TYPE)) img.ToPixels(pixels);
    if (VX_FUZZ_TYPE == vx::IMAGE_PNG) {  // the other PNG reader shares the same code paths
        vx::PngImage png;
        static_cast<void>(vx::DecodePng(bytes, png));  // only crashes and reports matter here
    }
    return 0;
}
