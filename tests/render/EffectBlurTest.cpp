// The pieces of outline and shadow, and their blur at a scale: on screen it is
// the plain pass count; larger, the blur runs reduced. (That the spread grows
// with the scale the export's scale-fidelity test shows.)

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <tuple>
#include <vector>

#include "render/EffectBlur.h"
#include "render/EffectFilter.h"

namespace vx {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Coverage whose levels vary from pixel to pixel, so that sums, block means and
// interpolations fall between levels.
Bytes Varied(int w, int h) {
    Bytes cov(static_cast<std::size_t>(w * h));
    for (std::size_t i = 0; i < cov.size(); ++i)
        cov[i] = static_cast<std::uint8_t>((i * 97 + 13) % 256);
    return cov;
}

// The filter written out pixel by pixel: taps 1 4 6 4 1 both ways, truncated.
Bytes ReferenceBlur(const Bytes& s, int w, int h) {
    constexpr int TAPS[5] = {1, 4, 6, 4, 1};
    Bytes out(s.size());
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            int sum = 0;
            for (int j = 0; j < 5; ++j)
                for (int i = 0; i < 5; ++i) {
                    const int sx = x + i - 2, sy = y + j - 2;
                    if (sx >= 0 && sy >= 0 && sx < w && sy < h)
                        sum += TAPS[i] * TAPS[j] * s[sy * w + sx];
                }
            out[y * w + x] = static_cast<std::uint8_t>(sum / 256);
        }
    return out;
}

// A varied picture, an impulse in the corner (what spreads outside is lost,
// nothing wraps), zero coverage, and tiny buffers that are all edge.
TEST(BinomialBlur, MatchesTheFilterWrittenOutIncludingTheEdges) {
    Bytes corner(13 * 7, 0);
    corner[0] = 255;
    const std::tuple<Bytes, int, int> cases[] = {
        {Varied(13, 7), 13, 7}, {corner, 13, 7},       {Bytes(13 * 7, 0), 13, 7},
        {Bytes(1, 255), 1, 1},  {Bytes(2, 255), 2, 1}, {Bytes(3, 255), 1, 3},
        {Bytes(16, 255), 4, 4},
    };
    for (const auto& [src, w, h] : cases) {
        Bytes dst(src.size(), 9);
        BinomialBlur(src.data(), dst.data(), w, h);
        EXPECT_EQ(dst, ReferenceBlur(src, w, h)) << w << "x" << h;
    }
}

// 3 * 255 / 25 = 30.6 truncates.
TEST(StretchToFullRange, MapsLowestToZeroAndHighestTo255) {
    Bytes v = {10, 35, 13, 10};
    const StretchRange range = StretchToFullRange(v);
    EXPECT_EQ(v, (Bytes{0, 255, 30, 0}));
    EXPECT_EQ(std::pair(range.lo, range.hi), std::pair(10, 35));
    Bytes flat(5, 40);
    const StretchRange none = StretchToFullRange(flat);
    EXPECT_EQ(flat, Bytes(5, 40));
    EXPECT_EQ(std::pair(none.lo, none.hi), std::pair(0, 255));
}

TEST(OutlineTable, RunsFromZeroTo255AndSharperRisesFaster) {
    for (const float s : {0.0f, 0.25f, 0.5f, 1.0f}) {
        const auto t = OutlineTable(s);
        EXPECT_EQ(t[0], 0) << s;
        EXPECT_EQ(t[255], 255) << s;
        for (int i = 1; i < 256; ++i) EXPECT_GE(t[i], t[i - 1]) << s << " at " << i;
    }
    const auto soft = OutlineTable(0.0f);  // 510 log2(1 + i / 255), reaching 255 at 106
    EXPECT_EQ((std::array{soft[1], soft[10], soft[105], soft[106]}), (std::array{2, 28, 253, 255}));
    EXPECT_GT(OutlineTable(1.0f)[10], soft[10]);
    // Sharpness out of range stays defined.
    EXPECT_EQ(OutlineTable(std::nanf("")), soft);
    EXPECT_EQ(OutlineTable(1000.0f), OutlineTable(1.0f));
    EXPECT_EQ(OutlineTable(-3.0f), soft);
}

// The reduction is the nearest whole factor, less for a light blur so that a
// few passes remain; the passes give the on-screen spread times the scale
// squared, less a quarter pass for the resampling, and at least one.
TEST(EffectBlur, ReductionAndPassesFollowTheScale) {
    const struct {
        float scale;
        int passes, reduction, scaled_passes;
    } cases[] = {
        {1.0f, 4, 1, 4},  {1.4f, 4, 1, 8},  {1.99f, 4, 2, 4}, {4.0f, 4, 4, 4}, {4.5f, 4, 5, 3},
        {0.25f, 4, 1, 1}, {0.01f, 1, 1, 1}, {4.0f, 1, 2, 4},  {4.0f, 2, 3, 3}, {1.5f, 3, 1, 7},
    };
    for (const auto& c : cases) {
        const int k = BlurReduction(c.scale, c.passes);
        EXPECT_EQ(k, c.reduction) << c.passes << " passes at " << c.scale;
        EXPECT_EQ(ScaledPassCount(c.passes, c.scale, k), c.scaled_passes)
            << c.passes << " passes at " << c.scale;
    }
}

// The blur runs on a copy reduced k times: each k x k block replaced by its
// mean, blurred, stretched, then enlarged bilinearly with pixel centres aligned
// (beyond the outer centres the edge value holds). Written out here in floating
// point with weights in 256ths, each step rounded to the nearest level as the
// engine does; with k = 1 it is the plain passes stretched.
Bytes ReducedBlurWrittenOut(const Bytes& cov, int w, int h, int k, int passes) {
    const int lw = (w + k - 1) / k, lh = (h + k - 1) / k;
    Bytes low(static_cast<std::size_t>(lw * lh));
    for (int j = 0; j < lh; ++j)
        for (int i = 0; i < lw; ++i) {
            double sum = 0;  // pixels beyond the buffer count as 0
            for (int y = j * k; y < std::min(h, (j + 1) * k); ++y)
                for (int x = i * k; x < std::min(w, (i + 1) * k); ++x) sum += cov[y * w + x];
            low[j * lw + i] = static_cast<std::uint8_t>(std::floor(sum / (k * k) + 0.5));
        }
    for (int p = 0; p < passes; ++p) low = ReferenceBlur(low, lw, lh);
    StretchToFullRange(low);
    // The neighbours along one axis and the weight of the second, in whole 256ths.
    const auto at = [](double u, int n) {
        u = std::clamp(u, 0.0, n - 1.0);
        const int i0 = std::min(static_cast<int>(u), n - 1);
        return std::tuple{i0, std::min(i0 + 1, n - 1), std::floor((u - i0) * 256) / 256};
    };
    Bytes out(cov.size());
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const auto [x0, x1, fx] = at((x + 0.5) / k - 0.5, lw);
            const auto [y0, y1, fy] = at((y + 0.5) / k - 0.5, lh);
            const double top = low[y0 * lw + x0] * (1 - fx) + low[y0 * lw + x1] * fx;
            const double bottom = low[y1 * lw + x0] * (1 - fx) + low[y1 * lw + x1] * fx;
            out[y * w + x] =
                static_cast<std::uint8_t>(std::floor(top * (1 - fy) + bottom * fy + 0.5));
        }
    return out;
}

// On screen, and reduced two to five times on sizes that leave partial blocks,
// with values whose means and interpolations fall between levels: truncating
// instead of rounding would show.
TEST(EffectBlur, IsTheRoundedBlockMeanBlurredStretchedAndEnlarged) {
    for (const auto& [scale, passes, k] : {std::tuple{1.0f, 1, 1},
                                           {1.0f, 4, 1},
                                           {1.0f, 11, 1},
                                           {2.0f, 4, 2},
                                           {3.0f, 4, 3},
                                           {4.0f, 4, 4},
                                           {4.5f, 4, 5}}) {
        ASSERT_EQ(BlurReduction(scale, passes), k);
        const int w = 6 * k + 1, h = 4 * k + 3;
        const Bytes cov = Varied(w, h);
        Bytes eff;
        ASSERT_TRUE(EffectBlur(cov, w, h, passes, scale, eff));
        EXPECT_EQ(eff, ReducedBlurWrittenOut(cov, w, h, k, ScaledPassCount(passes, scale, k)))
            << "reduced " << k << " times";
    }
}

}  // namespace
}  // namespace vx
