// The SVG text builder: short numbers without "-0" or trailing zeros, colours,
// and base64 as RFC 4648 gives it.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "export/SvgWriter.h"

namespace vx {
namespace {

TEST(SvgWriter, WritesNumbersShortAndColoursAsHex) {
    const struct {
        double v;
        const char* text;
    } cases[] = {{0.0, "0"},          {-0.001, "0"},       {12.5, "12.5"},
                 {1.0 / 3.0, "0.33"}, {-2.675, "-2.68"},   {100.0, "100"},
                 {1e6, "1000000"},    {std::nan(""), "0"}, {0.125, "0.13"}};
    for (const auto& c : cases) {
        SvgWriter w;
        w << c.v;
        EXPECT_EQ(w.Text(), c.text) << c.v;
    }
    SvgWriter w;
    w.Attr("x", 3.0).Colour("fill", 0x0A0BFCu) << 7;
    EXPECT_EQ(w.Text(), " x=\"3\" fill=\"#0a0bfc\"7");
}

TEST(SvgWriter, EncodesBase64WithPadding) {
    const std::pair<std::string, const char*> cases[] = {{"", ""},
                                                         {"f", "Zg=="},
                                                         {"fo", "Zm8="},
                                                         {"foo", "Zm9v"},
                                                         {"foob", "Zm9vYg=="},
                                                         {"fooba", "Zm9vYmE="},
                                                         {"foobar", "Zm9vYmFy"},
                                                         {std::string("\xFF\xFE\0", 3), "//4A"}};
    for (const auto& [text, base64] : cases)
        EXPECT_EQ(Base64(std::vector<std::uint8_t>(text.begin(), text.end())), base64) << base64;
}

}  // namespace
}  // namespace vx
