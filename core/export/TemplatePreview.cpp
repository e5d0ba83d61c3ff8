#include "export/TemplatePreview.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "render/Color.h"
#include "shell/Messages.h"

namespace vx {

namespace {

// Room left round the logo in the normal picture; the highlighted one grows
// the logo by HIGHLIGHT_GROWTH percent into that room.
constexpr int PREVIEW_MARGIN = 18;
constexpr int HIGHLIGHT_GROWTH = 7;
// Small logos are enlarged to fill the cell, but not beyond this.
constexpr int MAX_PREVIEW_SCALE = 400;
// What the library adds to each channel of the background under the pointer.
constexpr int HIGHLIGHT_LIFT = 10;

std::uint32_t Lighter(std::uint32_t rgb) {
    std::uint32_t out = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const int c = std::min(255, static_cast<int>((rgb >> shift) & 0xFF) + HIGHLIGHT_LIFT);
        out |= static_cast<std::uint32_t>(c) << shift;
    }
    return out;
}

// The largest whole percentage at which a w x h logo fits in room_w x room_h.
int FitPercent(const ExportLogo& logo, int room_w, int room_h) {
    const long long by_w = room_w * 100LL / logo.w;
    const long long by_h = room_h * 100LL / logo.h;
    return static_cast<int>(std::clamp<long long>(std::min(by_w, by_h), 1, MAX_PREVIEW_SCALE));
}

// Shrinks a picture by area averaging so that it fits in room_w x room_h
// (imported pictures draw at 100 % only and may be larger than a cell).
ExportImage ShrinkToFit(const ExportImage& in, int room_w, int room_h) {
    if (in.w <= room_w && in.h <= room_h) return in;
    const double f =
        std::min(static_cast<double>(room_w) / in.w, static_cast<double>(room_h) / in.h);
    ExportImage out;
    out.w = std::max(1, static_cast<int>(in.w * f));
    out.h = std::max(1, static_cast<int>(in.h * f));
    out.px.resize(static_cast<std::size_t>(out.w) * out.h);
    for (int y = 0; y < out.h; ++y) {
        const int y0 = y * in.h / out.h, y1 = std::max(y0 + 1, (y + 1) * in.h / out.h);
        for (int x = 0; x < out.w; ++x) {
            const int x0 = x * in.w / out.w, x1 = std::max(x0 + 1, (x + 1) * in.w / out.w);
            std::uint64_t sum[3] = {0, 0, 0};
            for (int sy = y0; sy < y1; ++sy)
                for (int sx = x0; sx < x1; ++sx) {
                    const std::uint32_t p = in.px[static_cast<std::size_t>(sy) * in.w + sx];
                    for (int c = 0; c < 3; ++c) sum[c] += (p >> (8 * c)) & 0xFF;
                }
            const std::uint64_t n = static_cast<std::uint64_t>(y1 - y0) * (x1 - x0);
            std::uint32_t p = 0;
            for (int c = 0; c < 3; ++c) p |= static_cast<std::uint32_t>(sum[c] / n) << (8 * c);
            out.px[static_cast<std::size_t>(y) * out.w + x] = p;
        }
    }
    return out;
}

// A full cell of `background` with `logo` centred on it.
ExportImage Cell(std::uint32_t background, const ExportImage& logo) {
    ExportImage cell;
    cell.w = TEMPLATE_PREVIEW_W;
    cell.h = TEMPLATE_PREVIEW_H;
    cell.px.assign(static_cast<std::size_t>(cell.w) * cell.h, background);
    const int left = (cell.w - logo.w) / 2, top = (cell.h - logo.h) / 2;
    for (int y = 0; y < logo.h; ++y)
        std::copy_n(logo.px.begin() + static_cast<std::ptrdiff_t>(y) * logo.w, logo.w,
                    cell.px.begin() + static_cast<std::ptrdiff_t>(top + y) * cell.w + left);
    return cell;
}

// The logo of `copy` drawn at `percent` on the copy's background, centred in a cell.
Result DrawCell(LeFile& copy, const ExportLogo& logo, int percent, ExportImage& out) {
    ExportOptions options;
    options.scale = percent;
    options.margin = 0;
    ExportImage drawn;
    if (Result r = DrawLogoImage(copy, logo, options, drawn); !r) return r;
    out = Cell(HslToRgb(copy.bgc), ShrinkToFit(drawn, TEMPLATE_PREVIEW_W, TEMPLATE_PREVIEW_H));
    return {};
}

}  // namespace

Result DrawTemplatePreviews(const LeFile& le, TemplatePreviews& out) {
    LeFile copy(le);
    const ExportLogo logo = OpenExport(copy);  // centres the copy only
    const std::uint32_t hover = Lighter(HslToRgb(copy.bgc));
    LeFile lit(copy);
    lit.bgc = RgbToHsl((hover >> 16) & 0xFF, (hover >> 8) & 0xFF, hover & 0xFF);
    if (!logo.CanSave()) {
        out.normal = Cell(HslToRgb(copy.bgc), {});
        out.highlighted = Cell(HslToRgb(lit.bgc), {});
        return {};
    }
    const int percent = FitPercent(logo, TEMPLATE_PREVIEW_W - 2 * PREVIEW_MARGIN,
                                   TEMPLATE_PREVIEW_H - 2 * PREVIEW_MARGIN);
    const int grown = std::min(percent * (100 + HIGHLIGHT_GROWTH) / 100,
                               FitPercent(logo, TEMPLATE_PREVIEW_W - 4, TEMPLATE_PREVIEW_H - 4));
    if (Result r = DrawCell(copy, logo, percent, out.normal); !r) return r;
    return DrawCell(lit, logo, std::max(percent, grown), out.highlighted);
}

Result WriteTemplatePreviews(const LeFile& le, const std::string& normal_path,
                             const std::string& highlighted_path) {
    TemplatePreviews previews;
    if (Result r = DrawTemplatePreviews(le, previews); !r) return r;
    ExportOptions gif;
    gif.format = ImageFormat::GIF8;
    for (const auto& [image, path] : {std::pair{&previews.normal, &normal_path},
                                      std::pair{&previews.highlighted, &highlighted_path}}) {
        std::vector<std::uint8_t> bytes;
        if (Result r = EncodeLogoImage(*image, gif, bytes); !r)
            return Result::Failure(std::string(MSG_CANNOT_SAVE) + *path + " (" + r.message() + ")");
        if (Result r = WriteLogoFile(*path, bytes); !r) return r;
    }
    return {};
}

}  // namespace vx
