#include "export/SvgGlyphPath.h"

#include FT_OUTLINE_H
#include "export/SvgWriter.h"

namespace vx {

namespace {

// The decomposition's state: where the current glyph's pen sits in the
// picture and whether a contour is open.
struct PathSink {
    SvgWriter svg;
    double x0 = 0.0;
    double y0 = 0.0;
    bool open = false;

    void Point(const FT_Vector* v) {
        svg << static_cast<double>(v->x) / 64.0 + x0 << " "
            << y0 - static_cast<double>(v->y) / 64.0;
    }
};

PathSink& Sink(void* user) {
    return *static_cast<PathSink*>(user);
}

int MoveTo(const FT_Vector* to, void* user) {
    PathSink& s = Sink(user);
    s.svg << (s.open ? "ZM" : "M");
    s.Point(to);
    s.open = true;
    return 0;
}

int LineTo(const FT_Vector* to, void* user) {
    Sink(user).svg << "L";
    Sink(user).Point(to);
    return 0;
}

int ConicTo(const FT_Vector* control, const FT_Vector* to, void* user) {
    PathSink& s = Sink(user);
    s.svg << "Q";
    s.Point(control);
    s.svg << " ";
    s.Point(to);
    return 0;
}

int CubicTo(const FT_Vector* c1, const FT_Vector* c2, const FT_Vector* to, void* user) {
    PathSink& s = Sink(user);
    s.svg << "C";
    s.Point(c1);
    s.svg << " ";
    s.Point(c2);
    s.svg << " ";
    s.Point(to);
    return 0;
}

}  // namespace

std::string GlyphPathData(const FtText& ft, double left, double top) {
    static const FT_Outline_Funcs FUNCS{MoveTo, LineTo, ConicTo, CubicTo, 0, 0};
    PathSink sink;
    FT_Face face = ft.face;
    if (face == nullptr) return {};
    for (const GlyphPos& g : ft.gp) {
        // The transform the renderer set for this glyph: FreeType turns the
        // hinted outline by it, so the outline is exactly the rasterized one.
        FT_Matrix matrix = g.matrix;
        FT_Set_Transform(face, &matrix, nullptr);
        if (FT_Load_Glyph(face, static_cast<FT_UInt>(g.index), FT_LOAD_DEFAULT) != 0) continue;
        if (face->glyph->format != FT_GLYPH_FORMAT_OUTLINE) continue;
        sink.x0 = left + g.x;
        sink.y0 = top + g.y;
        FT_Outline_Decompose(&face->glyph->outline, &FUNCS, &sink);
        if (sink.open) sink.svg << "Z";
        sink.open = false;
    }
    FT_Set_Transform(face, nullptr, nullptr);
    return sink.svg.Take();
}

}  // namespace vx
