#include "codecs/Quantize.h"

#include <libimagequant.h>

#include <memory>

#include "codecs/ImageLimits.h"
#include "shell/Buffers.h"

namespace vx {

namespace {

struct LiqDeleter {
    void operator()(liq_attr* p) const { liq_attr_destroy(p); }
    void operator()(liq_image* p) const { liq_image_destroy(p); }
    void operator()(liq_result* p) const { liq_result_destroy(p); }
};
template <class T>
using LiqPtr = std::unique_ptr<T, LiqDeleter>;

Result Fail(const char* text) {
    return Result::Failure(text);
}

int ColourDistance(std::uint32_t a, std::uint32_t b) {
    int d = 0;
    for (int s = 0; s < 24; s += 8) {
        const int c = int(a >> s & 0xFF) - int(b >> s & 0xFF);
        d += c * c;
    }
    return d;
}

// The reduction may give pixels that are fully opaque (or fully transparent) an
// entry that is nearly so, which would let the background show through a
// logo's solid parts. Entries serving mostly such pixels become exactly opaque
// (transparent); the few pixels still mismatched move to the nearest entry
// that is.
void KeepOpaqueAndClearExact(const std::vector<std::uint8_t>& alpha, PalettePicture& pic) {
    for (const std::uint8_t extreme : {std::uint8_t{255}, std::uint8_t{0}}) {
        const std::size_t n = pic.palette.size();
        std::vector<std::size_t> exact(n), other(n);
        for (std::size_t i = 0; i < alpha.size(); ++i)
            ++(alpha[i] == extreme ? exact : other)[pic.indices[i]];
        std::vector<std::size_t> matching;
        for (std::size_t e = 0; e < n; ++e) {
            if (exact[e] > 0 && exact[e] >= other[e])
                pic.palette[e] = (pic.palette[e] & 0xFFFFFF) | std::uint32_t{extreme} << 24;
            if (pic.palette[e] >> 24 == extreme) matching.push_back(e);
        }
        // Where each entry's mismatched pixels go: the matching entry of the
        // nearest colour (the entry itself when none matches).
        std::vector<std::uint8_t> target(n);
        for (std::size_t e = 0; e < n; ++e) {
            target[e] = static_cast<std::uint8_t>(e);
            int best = 1 << 30;
            for (const std::size_t m : matching)
                if (const int d = ColourDistance(pic.palette[e], pic.palette[m]); d < best)
                    best = d, target[e] = static_cast<std::uint8_t>(m);
        }
        for (std::size_t i = 0; i < alpha.size(); ++i)
            if (alpha[i] == extreme) pic.indices[i] = target[pic.indices[i]];
        if (matching.empty())  // no entry of that alpha at all: the entries used take it
            for (std::size_t i = 0; i < alpha.size(); ++i)
                if (alpha[i] == extreme)
                    pic.palette[pic.indices[i]] =
                        (pic.palette[pic.indices[i]] & 0xFFFFFF) | std::uint32_t{extreme} << 24;
    }
}

}  // namespace

Result ReduceColours(const WritePixels& in, bool binary_alpha, PalettePicture& out) {
    const std::size_t n = static_cast<std::size_t>(in.w) * static_cast<std::size_t>(in.h);
    std::vector<std::uint8_t> rgba;
    if (!TryResize(rgba, n * 4) || !TryResize(out.indices, n))
        return Fail("not enough memory to reduce the colours");
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
    // Speed 6 of 1..10 is as good as the slower settings on logos and
    // photographs alike, at a fraction of their time on large exports.
    if (!attr || liq_set_max_colors(attr.get(), 256) != LIQ_OK ||
        liq_set_speed(attr.get(), 6) != LIQ_OK)
        return Fail("colour reduction failed");
    const LiqPtr<liq_image> image(liq_image_create_rgba(attr.get(), rgba.data(), in.w, in.h, 0.0));
    liq_result* raw_result = nullptr;
    if (!image || liq_image_quantize(image.get(), attr.get(), &raw_result) != LIQ_OK)
        return Fail("colour reduction failed");
    const LiqPtr<liq_result> result(raw_result);
    liq_set_dithering_level(result.get(), 1.0f);
    if (liq_write_remapped_image(result.get(), image.get(), out.indices.data(), n) != LIQ_OK)
        return Fail("colour reduction failed");
    const liq_palette* palette = liq_get_palette(result.get());
    out.palette.clear();
    for (unsigned i = 0; i < palette->count; ++i) {
        const liq_color c = palette->entries[i];
        out.palette.push_back(std::uint32_t{c.a} << 24 | std::uint32_t{c.r} << 16 |
                              std::uint32_t{c.g} << 8 | c.b);
    }
    if (out.palette.empty()) return Fail("colour reduction failed");
    if (in.alpha) {
        std::vector<std::uint8_t> alpha;
        if (!TryResize(alpha, n)) return Fail("not enough memory to reduce the colours");
        for (std::size_t i = 0; i < n; ++i) alpha[i] = rgba[i * 4 + 3];
        KeepOpaqueAndClearExact(alpha, out);
    }
    return {};
}

}  // namespace vx
