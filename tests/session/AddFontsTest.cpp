// Add Fonts over the packed test fonts: each picked file added or refused on
// its own, and the report the window shows.

#include <gtest/gtest.h>

#include "render/UserFonts.h"
#include "session/AddFonts.h"
#include "support/Recorders.h"
#include "support/TempDir.h"

namespace vx {
namespace {

constexpr const char* DEJAVU = "/usr/share/fonts/truetype/dejavu/";

using AddFontsTest = test::RecordingTest;

TEST_F(AddFontsTest, EachFileIsAddedOrRefusedAndTheReportSaysWhich) {
    const test::TempDir tmp;
    const std::string junk = tmp.Write("junk.ttf", std::vector<std::uint8_t>(64, 1));
    const AddFontsReport report = AddFontFiles(
        {std::string(DEJAVU) + "DejaVuSerif-Bold.ttf", junk,
         std::string(DEJAVU) + "DejaVuSans.ttf",  // "DejaVu Sans Book" is loaded already
         std::string(DEJAVU) + "DejaVuSansMono-Oblique.ttf"},
        tmp.Path("fonts"));
    EXPECT_EQ(report.added,
              (std::vector<std::string>{"DejaVu Serif Bold", "DejaVu Sans Mono Oblique"}));
    ASSERT_EQ(report.refused.size(), 2u);
    EXPECT_EQ(report.refused[0], MSG_FONT_NOT_OPENED + junk);
    EXPECT_EQ(report.refused[1].rfind(MSG_FONT_NAME_TAKEN + std::string("DejaVu Sans Book"), 0),
              0u);
    EXPECT_EQ(report.Text(),
              "Fonts added:\n"
              "    DejaVu Serif Bold (text tab D - E)\n"
              "    DejaVu Sans Mono Oblique (text tab D - E)\n\n" +
                  report.refused[0] + "\n" + report.refused[1]);
    EXPECT_EQ((AddFontsReport{{"Acme"}, {}}.Text()), "Font added:\n    Acme (text tab A - A)");
    EXPECT_EQ(AddFontsReport{}.Text(), "");
}

}  // namespace
}  // namespace vx
