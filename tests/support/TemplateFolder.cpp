#include "support/TemplateFolder.h"

#include <gtest/gtest.h>

#include <vector>

#include "codecs/ImageWriters.h"
#include "document/ProjectFile.h"
#include "support/ObjectKinds.h"

namespace vx::test {

void WriteTemplate(const std::string& folder, const std::string& title,
                   std::initializer_list<int> kinds, float hue, int w, int h) {
    LeFile lf;
    AddObjectsOfKinds(lf, kinds);
    lf.bgc = {hue, 120, 200};
    const std::string base = folder + "/" + title;
    EXPECT_TRUE(WriteProjectFile(base + ".zeb", lf));
    const std::pair<const char*, std::uint32_t> pictures[] = {{"a.bpr", 0x3366AA},
                                                              {"c.bpr", 0x4488CC}};
    for (const auto& [suffix, rgb] : pictures) {
        const std::vector<std::uint32_t> px(static_cast<std::size_t>(w) * h, rgb);
        EXPECT_TRUE(
            WriteImageFile(base + suffix, ImageFormat::GIF8, WritePixels{px.data(), w, h}, 90));
    }
}

}  // namespace vx::test
