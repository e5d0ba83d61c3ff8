#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "document/ParamFields.h"
#include "document/StyleFields.h"
#include "support/Documents.h"

namespace vx {
namespace {

std::vector<std::string> Names(auto visit) {
    std::vector<std::string> names;
    visit([&](const char* name, auto&&...) { names.emplace_back(name); });
    return names;
}

// The style list is the run of the stored list from `color` to `grad_opacity2`.
TEST(StyleFields, AreTheStoredRunFromColorToSecondGradientOpacity) {
    LogoParams lt;
    const std::vector<std::string> all = Names([&](auto f) { VisitParamFields(lt, f); });
    const std::vector<std::string> style = Names([&](auto f) { VisitStyleFields(f, lt); });
    const auto first = std::find(all.begin(), all.end(), "color");
    ASSERT_NE(first, all.end());
    EXPECT_EQ(std::vector<std::string>(first, first + static_cast<long>(style.size())), style);
    EXPECT_EQ(style.back(), "grad_opacity2");
    EXPECT_EQ(Names([&](auto f) { VisitColorFields(f, lt); }),
              (std::vector<std::string>{"color", "outline_color", "shadow_color", "grad_color1",
                                        "grad_color2"}));
}

TEST(StyleFields, CopyTakesTheStyleAndKeepsTextFaceSizeAndTransform) {
    const LogoParams from = test::MakeVariedObject(3)->lt;
    LogoParams to = test::MakeVariedObject(7)->lt;
    const LogoParams before = to;
    CopyStyle(from, to);
    VisitStyleFields([](const char* name, const auto& a,
                        const auto& b) { EXPECT_EQ(std::memcmp(&a, &b, sizeof a), 0) << name; },
                     to, from);
    EXPECT_EQ(to.str, before.str);
    EXPECT_EQ(to.font, before.font);
    EXPECT_EQ(to.size, before.size);
    EXPECT_EQ(to.angle, before.angle);
    EXPECT_EQ(to.aspect, before.aspect);

    LogoParams shape;
    CopyStyleForNewShape(from, shape);
    EXPECT_EQ(shape.has_outline, 0);
    EXPECT_EQ(shape.has_shadow, 0);
    EXPECT_EQ(shape.strength, from.strength);
    EXPECT_EQ(shape.grad_angle, from.grad_angle);
}

// Ten buttons: button 1 adds 23.9; 230 wraps by 239 to 14.9.
TEST(StyleFields, HueOffsetRaisesEveryColourAndWrapsBy239) {
    LogoParams lt;
    lt.color.h = 230;
    lt.outline_color.h = 10;
    lt.grad_color2 = {100, 50, 60};
    ShiftStyleHue(lt, 239.0f / 10);
    EXPECT_NEAR(lt.color.h, 14.9f, 1e-4);
    EXPECT_NEAR(lt.outline_color.h, 33.9f, 1e-4);
    EXPECT_NEAR(lt.grad_color2.h, 123.9f, 1e-4);
    EXPECT_EQ(lt.grad_color2.s, 50);
    EXPECT_EQ(lt.grad_color2.l, 60);
}

}  // namespace
}  // namespace vx
