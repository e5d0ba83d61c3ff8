#include "export/SvgText.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "export/SvgGlyphPath.h"
#include "render/Color.h"
#include "render/GradientDirection.h"
#include "render/RenderMath.h"
#include "render/ShadowOffset.h"

namespace vx {

namespace {

constexpr int MAX_STRENGTH = 10;  // as the renderer bounds it
constexpr int OUTLINE_SAMPLES = 64;

// The coverage buffer of the render, in picture pixels.
struct Box {
    double x, y, w, h;
};

std::string Ref(const char* kind, int id) {
    return std::string(kind) + std::to_string(id);
}

// The Gaussian spread of the renderer's blur: each binomial pass (1 4 6 4 1)
// has a variance of one pixel, and a scaled render widens it with the scale.
double BlurDeviation(const ScaledText& t) {
    const int passes = std::clamp(t.lt.strength, 0, MAX_STRENGTH) + 1;
    return std::sqrt(static_cast<double>(passes)) * t.ft.scale;
}

// The blurred alpha (0..1) after the renderer's stretch to the full range.
double Stretched(const StretchRange& r, double a) {
    if (r.hi - r.lo <= 0) return a;
    return std::clamp((a * 255.0 - r.lo) / (r.hi - r.lo), 0.0, 1.0);
}

void FilterHead(SvgWriter& defs, const std::string& id, const Box& region) {
    defs << "<filter id=\"" << id << "\" filterUnits=\"userSpaceOnUse\"";
    defs.Attr("x", region.x).Attr("y", region.y).Attr("width", region.w).Attr("height", region.h);
    defs << " color-interpolation-filters=\"sRGB\">";
}

void Blur(SvgWriter& defs, const ScaledText& t) {
    defs << "<feGaussianBlur in=\"SourceAlpha\"";
    defs.Attr("stdDeviation", BlurDeviation(t));
    defs << " result=\"blur\"/>";
}

// Colours `in` with the flood colour at `opacity`.
void Flood(SvgWriter& defs, std::uint32_t rgb, double opacity, const char* in) {
    defs << "<feFlood";
    defs.Colour("flood-color", rgb).Attr("flood-opacity", opacity);
    defs << "/><feComposite in2=\"" << in << "\" operator=\"in\"/></filter>";
}

void ShadowFilter(const ScaledText& t, const std::string& id, const Box& box, SvgWriter& defs) {
    const PixelOffset d = ShadowOffset(t.lt, t.ft.scale);
    // The shadow is the blurred buffer moved, cut at the moved buffer.
    FilterHead(defs, id, Box{box.x + d.dx, box.y + d.dy, box.w, box.h});
    Blur(defs, t);
    const StretchRange& r = t.ft.eff_range;
    const double gain = r.hi > r.lo ? 255.0 / (r.hi - r.lo) : 1.0;
    defs << "<feComponentTransfer in=\"blur\"><feFuncA type=\"linear\"";
    defs.Attr("slope", gain).Attr("intercept", -r.lo / 255.0 * gain);
    defs << "/></feComponentTransfer>";
    defs << "<feOffset";
    defs.Attr("dx", d.dx).Attr("dy", d.dy);
    defs << " result=\"moved\"/>";
    Flood(defs, HslToRgb(t.lt.shadow_color), UnitWeight(t.lt.shadow_opacity) / 255.0, "moved");
}

void OutlineFilter(const ScaledText& t, const std::string& id, const Box& box, SvgWriter& defs) {
    FilterHead(defs, id, box);
    Blur(defs, t);
    // The response curve over the blurred alpha, sampled finely: it is steep
    // near 0 for sharp outlines.
    defs << "<feComponentTransfer in=\"blur\"><feFuncA type=\"table\" tableValues=\"";
    for (int i = 0; i <= OUTLINE_SAMPLES; ++i) {
        const double e = Stretched(t.ft.eff_range, static_cast<double>(i) / OUTLINE_SAMPLES);
        const int index = std::clamp(static_cast<int>(std::lround(e * 255.0)), 0, 255);
        defs << (i ? " " : "") << t.ft.otab[static_cast<std::size_t>(index)] / 255.0;
    }
    defs << "\"/></feComponentTransfer>";
    // Only outside the glyphs' own coverage.
    defs << "<feComposite in2=\"SourceAlpha\" operator=\"out\" result=\"ring\"/>";
    Flood(defs, HslToRgb(t.lt.outline_color), UnitWeight(t.lt.outline_opacity) / 255.0, "ring");
}

// The gradient's colour #2 share t runs linearly over the buffer (see
// GradientDirection); the gradient vector goes from t = 0 to t = 1 along it.
void Gradient(const ScaledText& t, const std::string& id, const Box& box, SvgWriter& defs) {
    const GradientDirection dir = GradientDirectionOf(t.lt.grad_angle);
    const double steps = GRADIENT_STEPS;
    const double a = (dir.from_right ? -1.0 : 1.0) * dir.wx / steps / box.w;
    const double b = (dir.from_bottom ? -1.0 : 1.0) * dir.wy / steps / box.h;
    const double t0 =
        (dir.from_right ? dir.wx / steps : 0.0) + (dir.from_bottom ? dir.wy / steps : 0.0);
    const double norm = a * a + b * b;
    const double k0 = -t0 / norm;
    const double k1 = (1.0 - t0) / norm;
    defs << "<linearGradient id=\"" << id << "\" gradientUnits=\"userSpaceOnUse\"";
    defs.Attr("x1", box.x + a * k0).Attr("y1", box.y + b * k0);
    defs.Attr("x2", box.x + a * k1).Attr("y2", box.y + b * k1);
    defs << "><stop offset=\"0\"";
    defs.Colour("stop-color", HslToRgb(t.lt.grad_color1));
    defs.Attr("stop-opacity", UnitWeight(t.lt.grad_opacity1) / 255.0);
    defs << "/><stop offset=\"1\"";
    defs.Colour("stop-color", HslToRgb(t.lt.grad_color2));
    defs.Attr("stop-opacity", UnitWeight(t.lt.grad_opacity2) / 255.0);
    defs << "/></linearGradient>";
}

void Use(SvgWriter& body, const std::string& glyphs) {
    body << "<use xlink:href=\"#" << glyphs << "\"/>";
}

}  // namespace

void WriteSvgText(const ScaledText& text, int id, SvgWriter& defs, SvgWriter& body) {
    const FtText& ft = text.ft;
    const Box box{static_cast<double>(text.pen_x - ft.org_x),
                  static_cast<double>(text.pen_y - ft.org_y), static_cast<double>(ft.szx),
                  static_cast<double>(ft.szy)};
    const std::string glyphs = Ref("g", id);
    defs << "<path id=\"" << glyphs << "\" d=\"" << GlyphPathData(ft, box.x, box.y) << "\"/>";
    const bool effects = ft.eff.size() == ft.cov.size() && !ft.gp.empty();

    if (text.lt.has_shadow && effects) {
        ShadowFilter(text, Ref("s", id), box, defs);
        body << "<g filter=\"url(#" << Ref("s", id) << ")\">";
        Use(body, glyphs);
        body << "</g>";
    }
    if (text.lt.grad) {
        Gradient(text, Ref("f", id), box, defs);
        body << "<use xlink:href=\"#" << glyphs << "\" fill=\"url(#" << Ref("f", id) << ")\"/>";
    } else {
        body << "<use xlink:href=\"#" << glyphs << "\"";
        body.Colour("fill", HslToRgb(text.lt.color));
        body << "/>";
    }
    if (text.lt.has_outline && effects) {
        OutlineFilter(text, Ref("o", id), box, defs);
        body << "<g filter=\"url(#" << Ref("o", id) << ")\">";
        Use(body, glyphs);
        body << "</g>";
    }
}

}  // namespace vx
