#include "export/SvgExport.h"

#include <algorithm>
#include <cctype>
#include <span>

#include "codecs/ImageWriters.h"
#include "export/SvgText.h"
#include "export/SvgWriter.h"
#include "render/Color.h"
#include "render/RenderMath.h"

namespace vx {

namespace {

constexpr const char* LOGO_CLIP = "logo";

// An imported picture as PNG data with its own alpha, where the raster export
// paints it. Nothing when it cannot be loaded (the raster export skips it too).
void WritePicture(const LeFile& le, LogoObject& o, const LogoPlacement& place, SvgWriter& body) {
    if (o.cbm.empty() && !o.LoadCustomBitmap()) return;
    const auto area = static_cast<std::size_t>(o.w) * static_cast<std::size_t>(o.h);
    if (o.w <= 0 || o.h <= 0 || o.cbm.size() != area) return;
    std::vector<std::uint8_t> alpha(area);
    for (std::size_t i = 0; i < area; ++i) alpha[i] = static_cast<std::uint8_t>(o.cbm[i] >> 24);
    std::vector<std::uint8_t> png;
    if (!EncodeImage(ImageFormat::PNG24, WritePixels{o.cbm.data(), o.w, o.h, alpha.data()}, 100,
                     png))
        return;
    const PicturePoint c = PictureCentre(le, o, place);
    body << "<image";
    body.Attr("x", ClampPosition(static_cast<long long>(c.x) - o.w / 2));
    body.Attr("y", ClampPosition(static_cast<long long>(c.y) - o.h / 2));
    body.Attr("width", o.w).Attr("height", o.h);
    body << " xlink:href=\"data:image/png;base64," << Base64(png) << "\"/>";
}

std::string Lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

}  // namespace

Result DrawLogoSvg(LeFile& le, const ExportLogo& logo, const ExportOptions& options,
                   std::string& out, const ExportProgress& progress) {
    if (!logo.CanSave()) return Result::Failure("The logo is empty: there is nothing to export.");
    const int percent = EffectiveScale(logo, options.scale);
    const int margin = ClampExportMargin(options.margin);
    const ExportSize size = OutputSize(logo, percent, margin);
    // The same limits as the image: the glyphs are rendered at the size to
    // place them as the image does.
    if (!ExportSizeAllowed(size)) return Result::Failure(ExportTooLargeText(size));
    UpdateExportObjects(le);
    if (const auto object = OversizedObject(le, percent))
        return Result::Failure(ExportTooLargeText(
            *object, "At " + std::to_string(percent) + " % an object of the logo"));
    const LogoPlacement place{percent, margin, static_cast<int>(size.w), static_cast<int>(size.h)};

    SvgWriter defs;
    SvgWriter body;
    const int objs = std::clamp(le.objs, 0, MAX_OBJS);
    for (int n = 0; n < objs; ++n) {
        LogoObject* o = le.obj[n].get();
        if (!o) continue;
        if (o->type == BITMAP_OBJECT) {
            WritePicture(le, *o, place, body);
        } else {
            ScaledText text;
            if (!RenderScaledText(le, *o, place, text))
                return Result::Failure("There is not enough memory to draw the logo at " +
                                       std::to_string(size.w) + " x " + std::to_string(size.h) +
                                       " pixels.");
            WriteSvgText(text, n, defs, body);
        }
        if (progress && !progress(n + 1, objs)) return Result::Failure({});
    }

    // As in the image, the logo is cut at its box and the margins show only
    // the background.
    const int logo_w = static_cast<int>(
        std::min<long long>(static_cast<long long>(logo.w) * percent / 100, size.w));
    const int logo_h = static_cast<int>(
        std::min<long long>(static_cast<long long>(logo.h) * percent / 100, size.h));
    SvgWriter svg;
    svg << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" "
           "xmlns:xlink=\"http://www.w3.org/1999/xlink\" version=\"1.1\"";
    svg.Attr("width", place.w).Attr("height", place.h);
    svg << " viewBox=\"0 0 " << place.w << " " << place.h << "\">\n<defs><clipPath id=\""
        << LOGO_CLIP << "\"><rect";
    svg.Attr("x", margin).Attr("y", margin).Attr("width", logo_w).Attr("height", logo_h);
    svg << "/></clipPath>" << defs.Text() << "</defs>\n";
    if (!options.transparent) {
        svg << "<rect width=\"100%\" height=\"100%\"";
        svg.Colour("fill", HslToRgb(le.bgc));
        svg << "/>\n";
    }
    svg << "<g clip-path=\"url(#" << LOGO_CLIP << ")\">" << body.Text() << "</g>\n</svg>\n";
    out = svg.Take();
    return {};
}

Result SaveLogoSvg(LeFile& le, const ExportLogo& logo, const ExportOptions& options,
                   const std::string& path, const ExportProgress& progress) {
    std::string text;
    if (Result drawn = DrawLogoSvg(le, logo, options, text, progress); !drawn) return drawn;
    return WriteLogoFile(
        path, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

bool IsSvgPath(const std::string& path) {
    const std::size_t dot = path.find_last_of("./");
    return dot != std::string::npos && path[dot] == '.' && Lower(path.substr(dot + 1)) == "svg";
}

}  // namespace vx
