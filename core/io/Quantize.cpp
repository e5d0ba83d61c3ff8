#include "io/Quantize.h"

#include <libimagequant.h>

#include <memory>

#include "io/ImageLimits.h"

namespace vx {

namespace {

struct LiqDeleter {
    void operator()(liq_attr* p) const { liq_attr_destroy(p); }
    void operator()(liq_image* p) const { liq_image_destroy(p); }
    void operator()(liq_result* p) const { liq_result_destroy(p); }
};
template <class T>
using LiqPtr = std::unique_ptr<T, LiqDeleter>;

bool Fail(std::string* error, const char* text) {
    if (error) *error = text;
    return false;
}

}  // namespace

bool ReduceColours(const WritePixels& in, bool binary_alpha, PalettePicture& out,
                   std::string* error) {
    const std::size_t n = static_cast<std::size_t>(in.w) * static_cast<std::size_t>(in.h);
    std::vector<std::uint8_t> rgba;
    if (!TryResize(rgba, n * 4) || !TryResize(out.indices, n))
        return Fail(error, "not enough memory to reduce the colours");
    for (std::size_t i = 0; i < n; ++i) {
        const std::uint32_t p = in.px[i];
        std::uint8_t a = in.alpha ? in.alpha[i] : 255;
        if (binary_alpha) a = a < 128 ? 0 : 255;
        std::uint8_t* d = &rgba[i * 4];
        d[0] = static_cast<std::uint8_t>(p >> 16);
        d[1] = static_cast<std::uint8_t>(p >> 8);
        d[2] = static_cast<std::uint8_t>(p);
        d[3] = a;
    }
    const LiqPtr<liq_attr> attr(liq_attr_create());
    if (!attr || liq_set_max_colors(attr.get(), 256) != LIQ_OK)
        return Fail(error, "colour reduction failed");
    const LiqPtr<liq_image> image(liq_image_create_rgba(attr.get(), rgba.data(), in.w, in.h, 0.0));
    liq_result* raw_result = nullptr;
    if (!image || liq_image_quantize(image.get(), attr.get(), &raw_result) != LIQ_OK)
        return Fail(error, "colour reduction failed");
    const LiqPtr<liq_result> result(raw_result);
    liq_set_dithering_level(result.get(), 1.0f);
    if (liq_write_remapped_image(result.get(), image.get(), out.indices.data(), n) != LIQ_OK)
        return Fail(error, "colour reduction failed");
    const liq_palette* palette = liq_get_palette(result.get());
    out.palette.clear();
    for (unsigned i = 0; i < palette->count; ++i) {
        const liq_color c = palette->entries[i];
        out.palette.push_back(std::uint32_t{c.a} << 24 | std::uint32_t{c.r} << 16 |
                              std::uint32_t{c.g} << 8 | c.b);
    }
    return !out.palette.empty() || Fail(error, "colour reduction failed");
}

}  // namespace vx
