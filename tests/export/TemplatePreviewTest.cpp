// The template previews: drawn from a copy (the edited document and the shared
// canvas untouched), a full cell each, the logo fitted and centred, the
// highlighted one larger on the lighter hover background, written as GIF.

#include <gtest/gtest.h>

#include "codecs/GifDecoder.h"
#include "export/TemplatePreview.h"
#include "render/Color.h"
#include "support/ExportPictures.h"

namespace vx {
namespace {

// The box of the pixels that differ from the corner's colour.
test::PixelBox LogoBox(const ExportImage& image) {
    return test::InkBox(image.px, image.w, 0xFFFFFFFF, image.px[0]);
}

class TemplatePreview : public test::ExportTest {
protected:
    void SetUp() override {
        test::TypicalLogo(lf);
        lf.bgc = HslF{150, 120, 60};
        for (int n = 0; n < lf.objs; ++n) lf.obj[n]->x += 300;  // far off centre
    }
};

// Drawn from a copy: the edited document keeps its places and renderers, and
// the shared canvas its pixels.
TEST_F(TemplatePreview, DrawnFromACopyFitsTheLogoInTheCellAndGrowsItWhenHighlighted) {
    LeFile::ob.dta.assign(6, 0x123456);
    LeFile::ob.dw = 3;
    LeFile::ob.dh = 2;
    const LeFile before(lf);
    TemplatePreviews out;
    ASSERT_TRUE(DrawTemplatePreviews(lf, out));
    for (int n = 0; n < lf.objs; ++n) {
        EXPECT_EQ(std::pair(lf.obj[n]->x, lf.obj[n]->y),
                  std::pair(before.obj[n]->x, before.obj[n]->y));
        EXPECT_EQ(lf.obj[n]->ft, nullptr) << "object " << n << " was rendered";
    }
    EXPECT_EQ(LeFile::ob.dta, std::vector<std::uint32_t>(6, 0x123456));
    EXPECT_EQ(LeFile::ob.dw, 3);

    const std::uint32_t bg = HslToRgb(lf.bgc);
    for (const ExportImage* image : {&out.normal, &out.highlighted}) {
        ASSERT_EQ(image->w, TEMPLATE_PREVIEW_W);
        ASSERT_EQ(image->h, TEMPLATE_PREVIEW_H);
    }
    EXPECT_EQ(out.normal.px[0], bg);
    for (int shift : {0, 8, 16})
        EXPECT_NEAR(test::Channel(out.highlighted.px[0], shift),
                    std::min(255, test::Channel(bg, shift) + 10), 1);

    const test::PixelBox a = LogoBox(out.normal), c = LogoBox(out.highlighted);
    // Fitted: it fills the cell's width or height but keeps a margin; centred.
    EXPECT_GE(std::max(a.Width() * 100 / (TEMPLATE_PREVIEW_W - 36),
                       (a.bottom - a.top) * 100 / (TEMPLATE_PREVIEW_H - 36)),
              90);
    EXPECT_GE(a.left, 10);
    EXPECT_LE(a.right, TEMPLATE_PREVIEW_W - 10);
    EXPECT_NEAR(a.left + a.right, TEMPLATE_PREVIEW_W, 6);
    EXPECT_GT(c.Width(), a.Width());
    EXPECT_GE(c.left, 2);  // grown, but off the cell's edges
    EXPECT_LE(c.right, TEMPLATE_PREVIEW_W - 2);
}

TEST_F(TemplatePreview, AnEmptyLogoGivesTheBareBackground) {
    LeFile empty;
    empty.bgc = lf.bgc;
    TemplatePreviews out;
    ASSERT_TRUE(DrawTemplatePreviews(empty, out));
    EXPECT_EQ(out.normal.px, std::vector<std::uint32_t>(out.normal.px.size(), HslToRgb(lf.bgc)));
    EXPECT_TRUE(LogoBox(out.highlighted).Empty());
}

TEST_F(TemplatePreview, WritesBothAsGifOrReportsTheFailedPath) {
    const std::string a = tmp.Path("Ta.bpr"), c = tmp.Path("Tc.bpr");
    ASSERT_TRUE(WriteTemplatePreviews(lf, a, c));
    for (const std::string& path : {a, c}) {
        Image img;
        ASSERT_TRUE(DecodeGif(test::FileBytes(path), img)) << path << ": " << img.error;
        EXPECT_EQ(img.w, TEMPLATE_PREVIEW_W);
        EXPECT_EQ(img.h, TEMPLATE_PREVIEW_H);
    }
    const std::string missing = tmp.Path("no/such/folder/Xa.bpr");
    const Result r = WriteTemplatePreviews(lf, missing, c);
    ASSERT_FALSE(r);
    EXPECT_NE(r.message().find("File could not be saved: " + missing), std::string::npos);
}

}  // namespace
}  // namespace vx
