#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "render/EffectFilter.h"

namespace vx {
namespace {

constexpr int TAPS[5] = {1, 4, 6, 4, 1};

// The filter written out pixel by pixel, as the reference.
std::vector<std::uint8_t> ReferenceBlur(const std::vector<std::uint8_t>& s, int w, int h) {
    std::vector<std::uint8_t> out(s.size());
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            int sum = 0;
            for (int j = 0; j < 5; ++j)
                for (int i = 0; i < 5; ++i) {
                    const int sx = x + i - 2;
                    const int sy = y + j - 2;
                    if (sx >= 0 && sy >= 0 && sx < w && sy < h)
                        sum += TAPS[i] * TAPS[j] * s[sy * w + sx];
                }
            out[y * w + x] = static_cast<std::uint8_t>(sum / 256);
        }
    return out;
}

// Against the filter written out: every pixel of a varied picture, of an
// impulse in the corner (what spreads outside is lost, nothing wraps), of zero
// coverage, and of tiny buffers that are all edge.
TEST(BinomialBlur, MatchesTheFilterWrittenOutIncludingTheEdges) {
    const int w = 13, h = 7;
    std::vector<std::uint8_t> varied(w * h), corner(w * h, 0), zero(w * h, 0);
    for (int i = 0; i < w * h; ++i) varied[i] = static_cast<std::uint8_t>((i * 97 + 13) % 256);
    corner[0] = 255;
    for (const auto* src : {&varied, &corner, &zero}) {
        std::vector<std::uint8_t> dst(w * h, 9);
        BinomialBlur(src->data(), dst.data(), w, h);
        EXPECT_EQ(dst, ReferenceBlur(*src, w, h));
        if (src == &corner) {
            EXPECT_EQ(dst[0], 35);
        }
    }
    for (const auto& [tw, th] : {std::pair{1, 1}, {2, 1}, {1, 3}, {4, 4}}) {
        std::vector<std::uint8_t> s(tw * th, 255), d(tw * th);
        BinomialBlur(s.data(), d.data(), tw, th);
        EXPECT_EQ(d, ReferenceBlur(s, tw, th)) << tw << "x" << th;
    }
}

TEST(StretchToFullRange, MapsLowestToZeroAndHighestTo255) {
    std::vector<std::uint8_t> v = {10, 35, 20, 10};
    StretchToFullRange(v);
    EXPECT_EQ(v, (std::vector<std::uint8_t>{0, 255, 102, 0}));  // 10 * 255 / 25
    std::vector<std::uint8_t> flat(5, 40);
    StretchToFullRange(flat);
    EXPECT_EQ(flat, std::vector<std::uint8_t>(5, 40));
}

TEST(OutlineTable, RunsFromZeroTo255AndSharperRisesFaster) {
    for (const float s : {0.0f, 0.25f, 0.5f, 1.0f}) {
        const auto t = OutlineTable(s);
        EXPECT_EQ(t[0], 0) << s;
        EXPECT_EQ(t[255], 255) << s;
        for (int i = 1; i < 256; ++i) EXPECT_GE(t[i], t[i - 1]) << s << " at " << i;
    }
    const auto soft = OutlineTable(0.0f);  // reaches 255 at 106
    EXPECT_EQ(soft[105], 253);
    EXPECT_EQ(soft[106], 255);
    EXPECT_EQ(soft[1], static_cast<int>(510.0 * std::log(1.0 + 1.0 / 255.0) / std::log(2.0)));
    EXPECT_GT(OutlineTable(1.0f)[10], soft[10]);
    // Sharpness out of range stays defined.
    EXPECT_EQ(OutlineTable(std::nanf("")), soft);
    EXPECT_EQ(OutlineTable(1000.0f), OutlineTable(1.0f));
    EXPECT_EQ(OutlineTable(-3.0f), soft);
}

}  // namespace
}  // namespace vx
