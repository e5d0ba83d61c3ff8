// FtText::RenderStr: rasterizes the laid-out glyphs, each turned by its own
// matrix, into the coverage buffer. Overlapping glyphs combine by maximum, so
// touching letters leave no darker seams.

#include <algorithm>

#include "render/FtText.h"

#include FT_BITMAP_H
#include "render/RenderMath.h"
#include "shell/Buffers.h"
#include "shell/Checked.h"

namespace vx {

namespace {

// A rendered glyph bitmap as 8-bit coverage rows, top row first. Anti-aliased
// bitmaps are read in place; others (embedded monochrome strikes, for example)
// are converted to 0..255 first.
class GreyRows {
public:
    GreyRows(FT_Library library, const FT_Bitmap& bitmap) {
        width_ = static_cast<int>(bitmap.width);
        rows_ = static_cast<int>(bitmap.rows);
        if (bitmap.pixel_mode == FT_PIXEL_MODE_GRAY && bitmap.num_grays == 256) {
            Point(bitmap);
            return;
        }
        FT_Bitmap grey;
        FT_Bitmap_Init(&grey);
        bool converted = false;
        if (FT_Bitmap_Convert(library, &bitmap, &grey, 1) == 0 && grey.num_grays > 1) {
            const int top = grey.num_grays - 1;
            const auto area = CheckedArea(width_, rows_);
            if (area && AllocBuffer(own_, *area)) {
                Point(grey);
                for (int r = 0; r < rows_; ++r)
                    for (int c = 0; c < width_; ++c)
                        own_[static_cast<std::size_t>(r) * width_ + c] =
                            static_cast<std::uint8_t>(Row(r)[c] * 255 / top);
                top_ = own_.data();
                pitch_ = width_;
                converted = true;
            }
        }
        if (!converted) width_ = rows_ = 0;  // nothing readable
        FT_Bitmap_Done(library, &grey);
    }

    int width() const { return width_; }
    int rows() const { return rows_; }
    const std::uint8_t* Row(int r) const { return top_ + static_cast<std::ptrdiff_t>(r) * pitch_; }

private:
    // A negative pitch means the rows are stored bottom-up.
    void Point(const FT_Bitmap& b) {
        pitch_ = b.pitch;
        top_ =
            b.pitch >= 0 ? b.buffer : b.buffer + static_cast<std::ptrdiff_t>(b.rows - 1) * -b.pitch;
    }

    const std::uint8_t* top_ = nullptr;
    int pitch_ = 0;
    int width_ = 0;
    int rows_ = 0;
    std::vector<std::uint8_t> own_;
};

}  // namespace

bool FtText::RenderStr() {
    const auto area = CheckedArea(szx, szy);
    if (!area || !AllocBuffer(cov, *area, std::uint8_t{0})) return false;
    for (GlyphPos& g : gp) {
        FT_Set_Transform(face, &g.matrix, nullptr);
        FT_Error error = 0;
        VX_CALL(error = FT_Load_Glyph(face, static_cast<FT_UInt>(g.index), FT_LOAD_RENDER),
                "FT_Load_Glyph(face,gp[n].index,FT_LOAD_RENDER)");
        if (error != 0) continue;
        const FT_GlyphSlot slot = face->glyph;
        const GreyRows bitmap(library, slot->bitmap);
        const int ox = g.x + slot->bitmap_left;
        const int oy = g.y - slot->bitmap_top;
        VX_CHECK(!(ox < 0 || oy < 0 || ox + bitmap.width() > szx || oy + bitmap.rows() > szy),
                 "ox<0 || oy<0 || ox+bitmap->width>szx || oy+bitmap->rows>szy");
        // After a Retry only the part inside the buffer is drawn.
        const ClipRange cols = Clip(ox, bitmap.width(), szx);
        const ClipRange rows = Clip(oy, bitmap.rows(), szy);
        if (cols.empty() || rows.empty()) continue;
        for (int r = rows.from; r < rows.to; ++r) {
            const std::uint8_t* src = bitmap.Row(r);
            std::uint8_t* dst = &cov[static_cast<std::size_t>(oy + r) * szx + ox];
            for (int c = cols.from; c < cols.to; ++c) dst[c] = std::max(dst[c], src[c]);
        }
    }
    return true;
}

}  // namespace vx
