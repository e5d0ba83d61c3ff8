// The blur of outline and shadow at a scale: on screen it is the plain pass
// count; larger, the spread grows with the scale and the blur runs reduced.

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "render/EffectBlur.h"
#include "render/EffectFilter.h"

namespace vx {
namespace {

// Two discs and a bar of coverage with soft edges, w x h, drawn `k` times larger.
std::vector<std::uint8_t> Shapes(int w, int h, int k) {
    std::vector<std::uint8_t> px(static_cast<std::size_t>(w * k * h * k));
    for (int y = 0; y < h * k; ++y)
        for (int x = 0; x < w * k; ++x) {
            const double fx = (x + 0.5) / k, fy = (y + 0.5) / k;
            const double d1 = std::hypot(fx - 12, fy - 12) - 6;
            const double d2 = std::hypot(fx - 30, fy - 16) - 4;
            const double bar = std::max(std::abs(fx - 22) - 14, std::abs(fy - 25) - 1.5);
            const double d = std::min({d1, d2, bar});
            px[static_cast<std::size_t>(y) * w * k + x] =
                static_cast<std::uint8_t>(std::clamp(0.5 - d, 0.0, 1.0) * 255);
        }
    return px;
}

TEST(EffectBlur, OnScreenItIsThePlainPassesStretched) {
    const int w = 40, h = 32;
    const std::vector<std::uint8_t> cov = Shapes(w, h, 1);
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

TEST(EffectBlur, EnlargedBlurIsSmoothAndKeepsTheFullRange) {
    const int w = 44, h = 32, k = 4;
    std::vector<std::uint8_t> eff;
    ASSERT_TRUE(EffectBlur(Shapes(w, h, k), w * k, h * k, 2, 4.0f, eff));
    int lo = 255, hi = 0, jump = 0;
    for (int y = 0; y < h * k; ++y)
        for (int x = 0; x < w * k; ++x) {
            const int v = eff[static_cast<std::size_t>(y) * w * k + x];
            lo = std::min(lo, v);
            hi = std::max(hi, v);
            if (x > 0)
                jump =
                    std::max(jump, std::abs(v - eff[static_cast<std::size_t>(y) * w * k + x - 1]));
        }
    EXPECT_EQ(lo, 0);
    EXPECT_EQ(hi, 255);
    // A spread of about 6 pixels: no step between neighbours comes near an edge's.
    EXPECT_LT(jump, 40);
}

}  // namespace
}  // namespace vx
