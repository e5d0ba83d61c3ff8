#include "support/ExportPictures.h"

#include <algorithm>

#include "document/ProjectFile.h"
#include "render/Random.h"

namespace vx::test {

void LoadLogo(const std::string& name, LeFile& lf) {
    const std::string folder = VX_EXPORT_DATA "/";
    ASSERT_EQ(ReadProjectFile(folder + name + ".zeb", lf).status, ProjectStatus::OK) << name;
    for (int n = 0; n < lf.objs; ++n)
        if (lf.obj[n]->type == BITMAP_OBJECT) lf.obj[n]->file = folder + lf.obj[n]->file;
}

ExportImage DrawExport(LeFile& lf, const ExportLogo& logo, const ExportOptions& options,
                       std::uint32_t seed) {
    EngineRandom().Seed(seed);
    ExportImage image;
    EXPECT_TRUE(DrawLogoImage(lf, logo, options, image));
    return image;
}

::testing::AssertionResult IsPartOf(const ExportImage& part,
                                    const std::vector<std::uint32_t>& whole, int whole_w,
                                    long long left, long long top) {
    const auto rows = static_cast<long long>(whole.size()) / std::max(whole_w, 1);
    if (left < 0 || top < 0 || left + part.w > whole_w || top + part.h > rows)
        return ::testing::AssertionFailure() << "the part lies outside the picture";
    for (int y = 0; y < part.h; ++y)
        for (int x = 0; x < part.w; ++x) {
            const std::uint32_t want =
                whole[static_cast<std::size_t>(top + y) * whole_w + left + x];
            if (PixelAt(part, x, y) != want)
                return ::testing::AssertionFailure()
                       << "first difference at " << x << "," << y << ": " << std::hex
                       << PixelAt(part, x, y) << " instead of " << want;
        }
    return ::testing::AssertionSuccess();
}

PixelBox InkBox(const std::vector<std::uint32_t>& px, int w, std::uint32_t mask,
                std::uint32_t background) {
    const int h = w > 0 ? static_cast<int>(px.size()) / w : 0;
    PixelBox box{w, h, 0, 0};
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if ((px[static_cast<std::size_t>(y) * w + x] & mask) != background) {
                box.left = std::min(box.left, x);
                box.top = std::min(box.top, y);
                box.right = std::max(box.right, x + 1);
                box.bottom = std::max(box.bottom, y + 1);
            }
    return box;
}

}  // namespace vx::test
