#include "support/SampleImages.h"

#include "codecs/Image.h"
#include "support/TempDir.h"

namespace vx::test {

std::vector<std::uint32_t> Reference(int colours, const std::uint32_t* palette) {
    std::vector<std::uint32_t> px;
    for (int y = 0; y < SAMPLE_H; ++y)
        for (int x = 0; x < SAMPLE_W; ++x)
            px.push_back(0xFF000000u | palette[(x + 2 * y + (x * y) % 3) % colours]);
    return px;
}

std::vector<std::uint32_t> ReferenceGrey() {
    std::vector<std::uint32_t> px = Reference();
    for (std::uint32_t& p : px) p = 0xFF000000u | (p >> 8 & 0xFF) * 0x010101u;
    return px;
}

std::vector<std::uint32_t> WithSampleAlpha(std::vector<std::uint32_t> px) {
    for (std::size_t i = 0; i < px.size(); ++i) {
        const std::size_t alpha = i % SAMPLE_W * 40 + i / SAMPLE_W * 10;
        px[i] = (px[i] & 0xFFFFFF) | static_cast<std::uint32_t>(alpha) << 24;
    }
    return px;
}

std::vector<std::uint32_t> ScaleUp8(const std::vector<std::uint32_t>& px, int w) {
    const std::size_t width = static_cast<std::size_t>(w);
    std::vector<std::uint32_t> big;
    for (std::size_t y = 0; y < px.size() / width * 8; ++y)
        for (std::size_t x = 0; x < width * 8; ++x) big.push_back(px[y / 8 * width + x / 8]);
    return big;
}

std::uint32_t GifColour(int index) {
    return static_cast<std::uint32_t>(index) * 0x010203u ^ 0x5A3C00u;
}

std::vector<std::uint32_t> Decoded(const Bytes& file, int type, std::string* error) {
    Image img;
    std::vector<std::uint32_t> px;
    const bool ok = img.Decode(file, type) && img.ToPixels(px);
    if (error) *error = img.error;
    return ok ? px : std::vector<std::uint32_t>{};
}

std::string SamplePath(const std::string& name) {
    return VX_SAMPLE_IMAGES_DIR "/" + name;
}

Bytes ReadSample(const std::string& name) {
    return FileBytes(SamplePath(name));
}

}  // namespace vx::test
