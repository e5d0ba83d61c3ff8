#include "export/BrandPack.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <system_error>
#include <vector>

#include "codecs/IcoWriter.h"
#include "codecs/PngWriter.h"
#include "export/LogoExport.h"
#include "export/RgbaImage.h"
#include "export/SvgExport.h"
#include "render/Color.h"
#include "shell/Messages.h"

namespace vx {

namespace {

constexpr BrandPackFile FILES[] = {
    {"logo.svg",
     "The logo as a vector drawing: print, signs, shirts; scales to any size without loss."},
    {"logo.png", "The logo at its own size on its background: documents, e-mail signatures."},
    {"logo-512.png", "512 pixels wide on its background: web pages."},
    {"logo-1024.png", "1024 pixels wide on its background: presentations, high-density screens."},
    {"logo-2048.png", "2048 pixels wide on its background: print and large displays."},
    {"logo-transparent.png",
     "The logo at its own size on a transparent background: over photos and coloured pages."},
    {"logo-mono.png",
     "All ink black on a transparent background: one-colour print, stamps, engraving."},
    {"logo-inverse.png", "All ink white on a transparent background: dark pages and photos."},
    {"favicon.ico", "Browser tab icon, 16, 32 and 48 pixels: put it at the root of the web site."},
    {"favicon-32.png",
     "Browser tab icon as a 32 x 32 PNG: <link rel=\"icon\" type=\"image/png\" href=...>."},
    {"apple-touch-icon.png",
     "180 x 180 home-screen icon for phones and tablets: <link rel=\"apple-touch-icon\">."},
    {"social-card.png",
     "1200 x 630 preview of links shared on social media and in chats (og:image)."},
    {"README.txt", "This list."},
};

constexpr std::uint32_t INK_BLACK = 0x000000;
constexpr std::uint32_t INK_WHITE = 0xFFFFFF;
constexpr int DRAW_STEPS = 20;  // progress steps for each drawing of the logo

// The largest width the pack needs from one drawing.
constexpr int LARGE_WIDTH =
    *std::max_element(std::begin(BRAND_PACK_WIDTHS), std::end(BRAND_PACK_WIDTHS));

RgbaImage ToRgba(const ExportImage& image) {
    RgbaImage out{image.w, image.h, image.px};
    for (std::size_t i = 0; i < out.px.size(); ++i)
        out.px[i] =
            (out.px[i] & 0xFFFFFFu) |
            (image.alpha.empty() ? 0xFF000000u : static_cast<std::uint32_t>(image.alpha[i]) << 24);
    return out;
}

// The scale at which the logo is LARGE_WIDTH pixels wide or, where that is
// beyond the export's limits, the largest within them.
int LargeScale(const ExportLogo& logo) {
    int percent = ClampExportScale((LARGE_WIDTH * 100 + logo.w - 1) / logo.w);
    while (percent > 100 && !ExportSizeAllowed(OutputSize(logo, percent, 0)))
        percent = std::max(100, percent * 3 / 4);
    return EffectiveScale(logo, percent);
}

int ScaledHeight(const RgbaImage& image, int width) {
    return std::max(1,
                    static_cast<int>(std::lround(static_cast<double>(image.h) * width / image.w)));
}

class PackWriter {
public:
    PackWriter(LeFile& le, const ExportLogo& logo, std::string folder,
               const BrandPackProgress& progress)
        : le_(le), logo_(logo), folder_(std::move(folder)), progress_(progress) {}

    Result Write();

private:
    Result Draw(int percent, bool transparent, RgbaImage& out);
    Result Png(const char* name, const RgbaImage& image, PngChannels channels);
    Result Favicon(const RgbaImage& large);
    Result Svg();
    Result Readme();
    Result Save(const char* name, std::span<const std::uint8_t> bytes);
    bool Step(int done) {
        done_ = done;
        stopped_ = progress_ && !progress_(done_, total_);
        return !stopped_;
    }
    Result Stopped() const { return Result::Failure({}); }

    LeFile& le_;
    const ExportLogo& logo_;
    std::string folder_;
    const BrandPackProgress& progress_;
    std::uint32_t background_ = 0;         // 0x00RRGGBB
    std::uint32_t opaque_background_ = 0;  // 0xFFRRGGBB
    int done_ = 0;
    int total_ = 3 * DRAW_STEPS + static_cast<int>(std::size(FILES));
    bool stopped_ = false;
};

Result PackWriter::Draw(int percent, bool transparent, RgbaImage& out) {
    ExportOptions options;
    options.scale = percent;
    options.transparent = transparent;
    const int base = done_;
    ExportImage image;
    Result drawn = DrawLogoImage(le_, logo_, options, image, [&](int done, int total) {
        return Step(base + (total > 0 ? done * DRAW_STEPS / total : DRAW_STEPS));
    });
    if (!drawn) return drawn;
    out = ToRgba(image);
    return Step(base + DRAW_STEPS) ? Result() : Stopped();
}

Result PackWriter::Save(const char* name, std::span<const std::uint8_t> bytes) {
    if (Result written = WriteLogoFile((std::filesystem::path(folder_) / name).string(), bytes);
        !written)
        return written;
    return Step(done_ + 1) ? Result() : Stopped();
}

Result PackWriter::Png(const char* name, const RgbaImage& image, PngChannels channels) {
    std::vector<std::uint8_t> bytes;
    if (Result encoded = EncodePng(image.px.data(), image.w, image.h, channels, bytes); !encoded)
        return Result::Failure(MSG_CANNOT_SAVE + (std::filesystem::path(folder_) / name).string() +
                               " (" + encoded.message() + ")");
    return Save(name, bytes);
}

// The logo fitted into squares on its background with a margin of a
// sixteenth, so it never touches the edge of a tab. The smaller pictures are
// bitmaps, which every reader takes; the largest a PNG.
Result PackWriter::Favicon(const RgbaImage& large) {
    std::vector<RgbaImage> squares;
    std::vector<IcoPicture> pictures;
    for (const int size : FAVICON_SIZES)
        squares.push_back(FitImage(large, size, size, std::max(1, size / 16), opaque_background_));
    for (std::size_t i = 0; i < squares.size(); ++i)
        pictures.push_back({squares[i].px.data(), squares[i].w,
                            i + 1 < squares.size() ? IcoEntryFormat::BMP : IcoEntryFormat::PNG});
    std::vector<std::uint8_t> bytes;
    if (Result encoded = EncodeIco(pictures, bytes); !encoded)
        return Result::Failure(MSG_CANNOT_SAVE + folder_ + "/favicon.ico (" + encoded.message() +
                               ")");
    if (Result saved = Save("favicon.ico", bytes); !saved) return saved;
    return Png("favicon-32.png", FitImage(large, 32, 32, 2, opaque_background_), PngChannels::RGB);
}

// The vector drawing at the logo's own size, on its background.
Result PackWriter::Svg() {
    std::string svg;
    if (Result drawn = DrawLogoSvg(le_, logo_, {}, svg); !drawn) return drawn;
    return Save("logo.svg",
                std::span(reinterpret_cast<const std::uint8_t*>(svg.data()), svg.size()));
}

Result PackWriter::Readme() {
    std::string text =
        "Brand pack: the logo in the files a web site, social media and print "
        "need.\n\n";
    for (const BrandPackFile& file : FILES)
        text += std::string(file.name) + std::string(24 - std::string(file.name).size(), ' ') +
                file.purpose + "\n";
    return Save("README.txt",
                std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

Result PackWriter::Write() {
    if (!logo_.CanSave()) return Result::Failure("The logo is empty: there is nothing to export.");
    std::error_code error;
    std::filesystem::create_directories(folder_, error);
    if (error) return Result::Failure(MSG_CANNOT_SAVE + folder_ + " (" + error.message() + ")");
    background_ = HslToRgb(le_.bgc);
    opaque_background_ = 0xFF000000u | background_;

    // logo.png is exactly what the export draws; the pictures with alpha
    // come from a drawing over transparency.
    RgbaImage own_opaque;
    if (Result drawn = Draw(100, false, own_opaque); !drawn) return drawn;
    RgbaImage own;
    if (Result drawn = Draw(100, true, own); !drawn) return drawn;
    // Shrinking one large drawing gives every smaller size; a logo that cannot
    // be drawn that large (an imported picture, an object beyond the limits)
    // is enlarged from its own size instead.
    RgbaImage large;
    if (const int percent = LargeScale(logo_); percent > 100) {
        if (Result drawn = Draw(percent, true, large); !drawn && stopped_) return drawn;
    }
    if (large.px.empty()) large = own;
    if (!Step(3 * DRAW_STEPS)) return Stopped();

    if (Result r = Svg(); !r) return r;
    if (Result r = Png("logo.png", own_opaque, PngChannels::RGB); !r) return r;
    for (const int width : BRAND_PACK_WIDTHS) {
        const std::string name = "logo-" + std::to_string(width) + ".png";
        const RgbaImage sized = ResampleImage(large, width, ScaledHeight(large, width));
        if (Result r = Png(name.c_str(), FlattenImage(sized, background_), PngChannels::RGB); !r)
            return r;
    }
    if (Result r = Png("logo-transparent.png", own, PngChannels::RGBA); !r) return r;
    if (Result r = Png("logo-mono.png", RecolourImage(own, INK_BLACK), PngChannels::RGBA); !r)
        return r;
    if (Result r = Png("logo-inverse.png", RecolourImage(own, INK_WHITE), PngChannels::RGBA); !r)
        return r;
    if (Result r = Favicon(large); !r) return r;
    const int icon = APPLE_TOUCH_ICON_SIZE;
    if (Result r =
            Png("apple-touch-icon.png", FitImage(large, icon, icon, icon / 10, opaque_background_),
                PngChannels::RGB);
        !r)
        return r;
    if (Result r = Png(
            "social-card.png",
            FitImage(large, SOCIAL_CARD_W, SOCIAL_CARD_H, SOCIAL_CARD_H / 8, opaque_background_),
            PngChannels::RGB);
        !r)
        return r;
    return Readme();
}

}  // namespace

std::span<const BrandPackFile> BrandPackFiles() {
    return FILES;
}

Result WriteBrandPack(LeFile& le, const ExportLogo& logo, const std::string& folder,
                      const BrandPackProgress& progress) {
    return PackWriter(le, logo, folder, progress).Write();
}

}  // namespace vx
