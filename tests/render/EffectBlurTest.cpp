// The blur of outline and shadow at a scale: on screen it is the plain pass
// count; larger, the spread grows with the scale and the blur runs reduced.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <tuple>
#include <vector>

#include "render/EffectBlur.h"
#include "render/EffectFilter.h"

namespace vx {
namespace {

// Coverage whose levels vary from pixel to pixel, so that block means and
// interpolations fall between levels.
std::vector<std::uint8_t> Varied(int w, int h) {
    std::vector<std::uint8_t> cov(static_cast<std::size_t>(w * h));
    for (std::size_t i = 0; i < cov.size(); ++i)
        cov[i] = static_cast<std::uint8_t>((i * 97 + 13) % 256);
    return cov;
}

TEST(EffectBlur, OnScreenItIsThePlainPassesStretched) {
    const int w = 40, h = 32;
    const std::vector<std::uint8_t> cov = Varied(w, h);
    for (const int passes : {1, 4, 11}) {
        std::vector<std::uint8_t> expected = cov, spare(cov.size());
        for (int p = 0; p < passes; ++p) {
            BinomialBlur(expected.data(), spare.data(), w, h);
            expected.swap(spare);
        }
        StretchToFullRange(expected);
        std::vector<std::uint8_t> eff;
        ASSERT_TRUE(EffectBlur(cov, w, h, passes, 1.0f, eff));
        EXPECT_EQ(eff, expected) << passes;
    }
}

TEST(EffectBlur, PassesAndReductionFollowTheScale) {
    EXPECT_EQ(BlurReduction(1.0f, 4), 1);
    EXPECT_EQ(BlurReduction(1.4f, 4), 1);
    EXPECT_EQ(BlurReduction(1.99f, 4), 2);  // the nearest whole factor
    EXPECT_EQ(BlurReduction(4.0f, 4), 4);
    EXPECT_EQ(BlurReduction(4.5f, 4), 5);
    EXPECT_EQ(BlurReduction(0.25f, 4), 1);
    // A light blur is reduced less, to leave a few passes to do.
    EXPECT_EQ(BlurReduction(4.0f, 1), 2);
    EXPECT_EQ(BlurReduction(4.0f, 2), 3);
    EXPECT_EQ(ScaledPassCount(4, 4.0f, 4), 4);  // the on-screen spread, reduced 4 times
    EXPECT_EQ(ScaledPassCount(3, 1.5f, 1), 7);  // 3 x 2.25 passes at full size
    EXPECT_EQ(ScaledPassCount(4, 4.5f, 4), 5);  // 4 x (4.5 / 4)^2
    EXPECT_EQ(ScaledPassCount(4, 0.5f, 1), 1);  // smaller objects blur less, at least once
    EXPECT_EQ(ScaledPassCount(1, 0.01f, 1), 1);
    EXPECT_EQ(ScaledPassCount(1, 4.0f, 2), 4);
}

// Larger than the screen the blur runs on a reduced copy: each k x k block
// replaced by its mean, blurred, then enlarged bilinearly with pixel centres
// aligned (beyond the outer centres the edge value holds). Written out here in
// exact arithmetic, each step rounded to the nearest level as the engine does.
std::vector<std::uint8_t> ReducedBlurWrittenOut(const std::vector<std::uint8_t>& cov, int w, int h,
                                                int k, int passes) {
    const int lw = (w + k - 1) / k, lh = (h + k - 1) / k;
    std::vector<std::uint8_t> low(static_cast<std::size_t>(lw * lh)), spare(low.size());
    for (int j = 0; j < lh; ++j)
        for (int i = 0; i < lw; ++i) {
            double sum = 0;  // pixels beyond the buffer count as 0
            for (int y = j * k; y < std::min(h, (j + 1) * k); ++y)
                for (int x = i * k; x < std::min(w, (i + 1) * k); ++x) sum += cov[y * w + x];
            low[j * lw + i] = static_cast<std::uint8_t>(std::floor(sum / (k * k) + 0.5));
        }
    for (int p = 0; p < passes; ++p) {
        BinomialBlur(low.data(), spare.data(), lw, lh);
        low.swap(spare);
    }
    StretchToFullRange(low);
    struct Tap {
        int i0, i1;
        double f;  // the weight of i1
    };
    const auto at = [](double u, int n) {  // the neighbours along one axis
        u = std::clamp(u, 0.0, n - 1.0);
        const int i0 = std::min(static_cast<int>(u), n - 1);
        return Tap{i0, std::min(i0 + 1, n - 1), u - i0};
    };
    std::vector<std::uint8_t> out(cov.size());
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const Tap tx = at((x + 0.5) / k - 0.5, lw), ty = at((y + 0.5) / k - 0.5, lh);
            const auto row = [&](int r) {
                return low[r * lw + tx.i0] * (1 - tx.f) + low[r * lw + tx.i1] * tx.f;
            };
            out[y * w + x] = static_cast<std::uint8_t>(
                std::floor(row(ty.i0) * (1 - ty.f) + row(ty.i1) * ty.f + 0.5));
        }
    return out;
}

// Reduced twice and four times, on sizes that leave partial blocks, with
// values whose means and interpolations fall between levels: truncating
// instead of rounding would show.
TEST(EffectBlur, ReducedBlurIsTheRoundedMeanBlurredAndEnlarged) {
    for (const auto& [scale, passes, k] : {std::tuple{2.0f, 4, 2}, {4.0f, 4, 4}}) {
        ASSERT_EQ(BlurReduction(scale, passes), k);
        const int w = 6 * k + 1, h = 4 * k + 3;
        const std::vector<std::uint8_t> cov = Varied(w, h);
        std::vector<std::uint8_t> eff;
        ASSERT_TRUE(EffectBlur(cov, w, h, passes, scale, eff));
        const auto expected =
            ReducedBlurWrittenOut(cov, w, h, k, ScaledPassCount(passes, scale, k));
        ASSERT_EQ(eff.size(), expected.size());
        for (std::size_t i = 0; i < eff.size(); ++i)
            ASSERT_EQ(eff[i], expected[i]) << "scale " << scale << " at " << i % w << "," << i / w;
    }
}

// The spread (variance across a blurred stripe of width 2 x scale) at `scale`.
double StripeVariance(float scale, int passes) {
    const int w = 400, h = 200;
    const int width = static_cast<int>(std::lround(2 * scale));
    std::vector<std::uint8_t> cov(static_cast<std::size_t>(w * h), 0);
    for (int y = 0; y < h; ++y)
        for (int x = w / 2; x < w / 2 + width; ++x) cov[static_cast<std::size_t>(y) * w + x] = 255;
    std::vector<std::uint8_t> eff;
    EXPECT_TRUE(EffectBlur(cov, w, h, passes, scale, eff));
    double sum = 0, mean = 0, spread = 0;
    const std::uint8_t* row = &eff[static_cast<std::size_t>(h / 2) * w];
    for (int x = 0; x < w; ++x) {
        sum += row[x];
        mean += row[x] * (x + 0.5);
    }
    mean /= sum;
    for (int x = 0; x < w; ++x) spread += row[x] * (x + 0.5 - mean) * (x + 0.5 - mean);
    return spread / sum;
}

TEST(EffectBlur, SpreadGrowsWithTheSquareOfAnyScale) {
    for (const int passes : {1, 4, 9}) {
        const double screen = StripeVariance(1.0f, passes);
        for (const float scale : {1.5f, 2.5f, 3.0f, 4.5f, 7.0f}) {
            const double ratio = StripeVariance(scale, passes) / (screen * scale * scale);
            EXPECT_NEAR(ratio, 1.0, 0.12) << passes << " passes at " << scale;
        }
    }
}

}  // namespace
}  // namespace vx
