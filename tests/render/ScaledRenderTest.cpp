// Rendering an object larger for export: the glyphs are drawn at the scaled
// size, along the line's on-screen pens. (That the effects grow with them,
// shadow distance and blur spread, the export's scale-fidelity test shows.)

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "render/FtText.h"
#include "support/Recorders.h"
#include "support/TestFonts.h"

namespace vx {
namespace {

LogoParams Text(const std::string& str, int size = 40) {
    LogoParams lt;
    lt.font = test::SANS;
    lt.str = str;
    lt.size = size;
    return lt;
}

FtText Rendered(const LogoParams& lt, float scale, int mode = 0, int effects = 1) {
    FtText ft;
    ft.scale = scale;
    ft.Render(lt, mode, effects);
    return ft;
}

class ScaledRender : public test::RecordingTest {};

TEST_F(ScaledRender, TheObjectAndItsMarginGrowWithTheScale) {
    const LogoParams lt = Text("Scaled");
    const FtText one = Rendered(lt, 1.0f);
    for (const double scale : {0.5, 2.0, 3.0, 4.5}) {
        const FtText big = Rendered(lt, static_cast<float>(scale));
        EXPECT_NEAR(big.szx, one.szx * scale, 2 * scale + 2) << scale;
        EXPECT_NEAR(big.szy, one.szy * scale, 2 * scale + 2) << scale;
        EXPECT_NEAR(big.org_x, one.org_x * scale, scale + 2) << scale;
        EXPECT_NEAR(big.org_y, one.org_y * scale, scale + 2) << scale;
    }
}

// A kerned line with extra spacing, and a bent one, keep their pens' places
// and turns.
TEST_F(ScaledRender, GlyphsFollowTheOnScreenPensAlongTheLineOrItsArc) {
    LogoParams kerned = Text("AVATAR WAVE", 23);  // kerned pairs at a small size
    kerned.spacing = 3;
    LogoParams bent = Text("Around the arc");
    bent.has_transform = bent.has_bend = 1;
    bent.bend = 0.8f;
    for (const LogoParams& lt : {kerned, bent}) {
        const FtText one = Rendered(lt, 1.0f, 0, 0), big = Rendered(lt, 3.0f, 0, 0);
        ASSERT_EQ(big.gp.size(), one.gp.size());
        for (std::size_t n = 1; n < one.gp.size(); ++n) {
            EXPECT_NEAR(big.gp[n].x - big.gp[0].x, 3 * (one.gp[n].x - one.gp[0].x), 4) << n;
            EXPECT_NEAR(big.gp[n].y - big.gp[0].y, 3 * (one.gp[n].y - one.gp[0].y), 4) << n;
            EXPECT_EQ(big.gp[n].matrix.xy, one.gp[n].matrix.xy) << lt.str << " " << n;
        }
    }
}

TEST_F(ScaledRender, FittingModesScaleTheFittedSize) {
    const LogoParams lt = Text("Wg", 30);
    const FtText one = Rendered(lt, 1.0f, 2, 0);
    const FtText big = Rendered(lt, 2.0f, 2, 0);
    EXPECT_NEAR(big.szy, 2 * one.szy, 4);
    EXPECT_NEAR(big.szx, 2 * one.szx, 4);
}

}  // namespace
}  // namespace vx
