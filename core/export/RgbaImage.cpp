#include "export/RgbaImage.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace vx {

namespace {

// The source pixels one target column (or row) covers and how much of each.
struct Span {
    int first = 0;
    std::vector<float> weights;  // summing to 1
};

std::vector<Span> CoverageSpans(int src_len, int dst_len) {
    std::vector<Span> spans(static_cast<std::size_t>(dst_len));
    const double step = static_cast<double>(src_len) / dst_len;
    for (int i = 0; i < dst_len; ++i) {
        const double from = i * step;
        const double to = std::min<double>((i + 1) * step, src_len);
        Span& span = spans[static_cast<std::size_t>(i)];
        span.first = std::min(static_cast<int>(from), src_len - 1);
        const int last = std::max(span.first, static_cast<int>(std::ceil(to)) - 1);
        for (int s = span.first; s <= last; ++s) {
            const double covered = std::min<double>(s + 1, to) - std::max<double>(s, from);
            span.weights.push_back(static_cast<float>(std::max(covered, 0.0) / (to - from)));
        }
    }
    return spans;
}

using Premultiplied = std::array<float, 4>;  // red, green, blue times alpha; alpha

Premultiplied Unpack(std::uint32_t p) {
    const float a = static_cast<float>(p >> 24);
    return {static_cast<float>((p >> 16) & 0xFF) * a, static_cast<float>((p >> 8) & 0xFF) * a,
            static_cast<float>(p & 0xFF) * a, a};
}

std::uint32_t Pack(const Premultiplied& c) {
    const float a = c[3];
    if (a < 0.5f) return 0;
    auto channel = [a](float v) {
        return static_cast<std::uint32_t>(std::clamp(std::lround(v / a), 0L, 255L));
    };
    const auto alpha = static_cast<std::uint32_t>(std::clamp(std::lround(a), 0L, 255L));
    return alpha << 24 | channel(c[0]) << 16 | channel(c[1]) << 8 | channel(c[2]);
}

std::uint8_t Blend(std::uint32_t over, std::uint32_t under, std::uint32_t alpha) {
    return static_cast<std::uint8_t>((over * alpha + under * (255 - alpha) + 127) / 255);
}

// `top` drawn over `bottom` (unassociated alpha), the result's alpha their union.
std::uint32_t Over(std::uint32_t top, std::uint32_t bottom) {
    const std::uint32_t ta = top >> 24;
    if (ta == 255 || bottom >> 24 == 0) return top;
    if (ta == 0) return bottom;
    const Premultiplied t = Unpack(top);
    const Premultiplied b = Unpack(bottom);
    const float keep = 1.0f - t[3] / 255.0f;
    return Pack({t[0] + b[0] * keep, t[1] + b[1] * keep, t[2] + b[2] * keep, t[3] + b[3] * keep});
}

}  // namespace

RgbaImage ResampleImage(const RgbaImage& src, int w, int h) {
    RgbaImage out{w, h, std::vector<std::uint32_t>(static_cast<std::size_t>(w) * h)};
    if (src.w <= 0 || src.h <= 0 || w <= 0 || h <= 0) return out;
    const std::vector<Span> columns = CoverageSpans(src.w, w);
    const std::vector<Span> rows = CoverageSpans(src.h, h);
    // Columns first, into one premultiplied row per source row.
    std::vector<Premultiplied> narrow(static_cast<std::size_t>(src.h) * w);
    for (int y = 0; y < src.h; ++y) {
        const std::uint32_t* line = src.px.data() + static_cast<std::size_t>(y) * src.w;
        for (int x = 0; x < w; ++x) {
            const Span& span = columns[static_cast<std::size_t>(x)];
            Premultiplied sum{};
            for (std::size_t k = 0; k < span.weights.size(); ++k) {
                const Premultiplied c = Unpack(line[span.first + static_cast<int>(k)]);
                for (int i = 0; i < 4; ++i)
                    sum[static_cast<std::size_t>(i)] += c[i] * span.weights[k];
            }
            narrow[static_cast<std::size_t>(y) * w + x] = sum;
        }
    }
    for (int y = 0; y < h; ++y) {
        const Span& span = rows[static_cast<std::size_t>(y)];
        for (int x = 0; x < w; ++x) {
            Premultiplied sum{};
            for (std::size_t k = 0; k < span.weights.size(); ++k) {
                const Premultiplied& c =
                    narrow[static_cast<std::size_t>(span.first + static_cast<int>(k)) * w + x];
                for (int i = 0; i < 4; ++i)
                    sum[static_cast<std::size_t>(i)] += c[i] * span.weights[k];
            }
            out.px[static_cast<std::size_t>(y) * w + x] = Pack(sum);
        }
    }
    return out;
}

RgbaImage FitImage(const RgbaImage& src, int w, int h, int margin, std::uint32_t background) {
    RgbaImage out{w, h, std::vector<std::uint32_t>(static_cast<std::size_t>(w) * h, background)};
    const int room_w = std::max(1, w - 2 * margin);
    const int room_h = std::max(1, h - 2 * margin);
    if (src.w <= 0 || src.h <= 0) return out;
    const double scale =
        std::min(static_cast<double>(room_w) / src.w, static_cast<double>(room_h) / src.h);
    const int fit_w = std::clamp(static_cast<int>(std::lround(src.w * scale)), 1, room_w);
    const int fit_h = std::clamp(static_cast<int>(std::lround(src.h * scale)), 1, room_h);
    const RgbaImage fitted = ResampleImage(src, fit_w, fit_h);
    const int left = (w - fit_w) / 2;
    const int top = (h - fit_h) / 2;
    for (int y = 0; y < fit_h; ++y)
        for (int x = 0; x < fit_w; ++x) {
            std::uint32_t& p = out.px[static_cast<std::size_t>(top + y) * w + left + x];
            p = Over(fitted.px[static_cast<std::size_t>(y) * fit_w + x], p);
        }
    return out;
}

RgbaImage FlattenImage(const RgbaImage& src, std::uint32_t rgb) {
    RgbaImage out{src.w, src.h, src.px};
    for (std::uint32_t& p : out.px) {
        const std::uint32_t a = p >> 24;
        p = 0xFF000000u |
            static_cast<std::uint32_t>(Blend((p >> 16) & 0xFF, (rgb >> 16) & 0xFF, a)) << 16 |
            static_cast<std::uint32_t>(Blend((p >> 8) & 0xFF, (rgb >> 8) & 0xFF, a)) << 8 |
            Blend(p & 0xFF, rgb & 0xFF, a);
    }
    return out;
}

RgbaImage RecolourImage(const RgbaImage& src, std::uint32_t rgb) {
    RgbaImage out{src.w, src.h, src.px};
    for (std::uint32_t& p : out.px) p = (p & 0xFF000000u) | (rgb & 0xFFFFFFu);
    return out;
}

}  // namespace vx
