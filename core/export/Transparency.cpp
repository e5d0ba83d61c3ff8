#include "export/Transparency.h"

#include <algorithm>

#include "render/Color.h"

namespace vx {

namespace {

int Channel(std::uint32_t p, int shift) {
    return static_cast<int>(p >> shift & 0xFF);
}

}  // namespace

void RecoverAlpha(const std::uint32_t* over_black, const std::uint32_t* over_white, std::size_t n,
                  std::uint32_t clear, std::uint32_t* colour, std::uint8_t* alpha) {
    for (std::size_t i = 0; i < n; ++i) {
        const std::uint32_t b = over_black[i];
        const std::uint32_t w = over_white[i];
        // Over black a channel is c*a/255, over white (255 - a) + c*a/255: the
        // difference is the background's share. Blending truncates per layer,
        // so the channels may disagree by a step; their mean decides.
        int shown = 0;
        for (int s = 0; s <= 16; s += 8) shown += std::clamp(Channel(w, s) - Channel(b, s), 0, 255);
        const int a = 255 - (shown + 1) / 3;
        alpha[i] = static_cast<std::uint8_t>(a);
        if (a == 0) {
            colour[i] = clear & 0xFFFFFF;
            continue;
        }
        // Both pictures hold c*a/255: over black directly, over white less the
        // background's share. Their mean, undone by alpha.
        std::uint32_t out = 0;
        for (int s = 0; s <= 16; s += 8) {
            const int premultiplied = Channel(b, s) + Channel(w, s) - (255 - a);
            const int c = std::clamp((premultiplied * 255 + a) / (2 * a), 0, 255);
            out |= static_cast<std::uint32_t>(c) << s;
        }
        colour[i] = out;
    }
}

void MatteForOneBitAlpha(std::uint32_t* colour, const std::uint8_t* alpha, std::size_t n,
                         std::uint32_t matte) {
    for (std::size_t i = 0; i < n; ++i)
        if (alpha[i] > 0 && alpha[i] < 255) colour[i] = Blend(matte, colour[i], alpha[i]);
}

}  // namespace vx
