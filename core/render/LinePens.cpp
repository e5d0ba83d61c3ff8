#include "render/LinePens.h"

#include "shell/Checked.h"
#include "shell/Cp1252.h"

namespace vx {

std::vector<LinePen> MeasurePens(FT_Face face, const LogoParams& lt, int slen) {
    std::vector<LinePen> pens;
    if (slen <= 0) return pens;
    pens.reserve(static_cast<std::size_t>(slen));
    const bool shape = lt.shape != -1;
    const bool kern = FT_HAS_KERNING(face);
    // Spacing in whole pixels; 64-bit so that no spacing overflows the pen.
    const long long spacing = static_cast<long long>(lt.spacing) * 64;
    // Advances and kerning are measured upright.
    FT_Set_Transform(face, nullptr, nullptr);
    long long pen = 0;
    FT_UInt previ = 0;
    for (int n = 0; n < slen; ++n) {
        const auto byte = static_cast<std::uint8_t>(shape ? 0 : lt.str[n]);
        const FT_UInt index =
            shape ? static_cast<FT_UInt>(lt.shape) : FT_Get_Char_Index(face, Cp1252ToUnicode(byte));
        FT_Error error = 0;
        if (previ != 0 && index != 0) {
            if (kern) {
                FT_Vector delta{0, 0};
                VX_CALL(error = FT_Get_Kerning(face, previ, index, FT_KERNING_UNFITTED, &delta),
                        "FT_Get_Kerning(face,previ,gp[n].index,FT_KERNING_UNFITTED,&delta)");
                if (error == 0) pen += delta.x;
            }
            pen += spacing;
        }
        VX_CALL(error = FT_Load_Glyph(face, index, FT_LOAD_DEFAULT),
                "FT_Load_Glyph(face,gp[n].index,FT_LOAD_DEFAULT)");
        if (error != 0) break;
        const FT_Pos adv = face->glyph->metrics.horiAdvance;
        pens.push_back(LinePen{index, pen, adv});
        pen += adv;
        previ = index;
    }
    return pens;
}

}  // namespace vx
