#include <gtest/gtest.h>

#include "shell/Cp1252.h"

namespace vx {
namespace {

TEST(Cp1252, EveryByteRoundTripsThroughUtf8) {
    std::string all;
    for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), std::optional<std::string>(all));
}

// The high controls' characters both ways; the undefined bytes keep their value.
TEST(Cp1252, HighControlsAndUndefinedBytes) {
    const std::pair<std::uint8_t, char32_t> cases[] = {
        {0x80, U'\u20AC'}, {0x9F, U'\u0178'}, {0xE9, U'\u00E9'}, {0x81, 0x81},
        {0x8D, 0x8D},      {0x8F, 0x8F},      {0x90, 0x90},      {0x9D, 0x9D}};
    for (const auto& [byte, cp] : cases) {
        EXPECT_EQ(Cp1252ToUnicode(byte), cp) << int{byte};
        EXPECT_EQ(UnicodeToCp1252(cp), std::optional<std::uint8_t>(byte)) << int{byte};
    }
    EXPECT_FALSE(UnicodeToCp1252(0x80).has_value()) << "U+0080 has no byte; 0x80 is the euro sign";
    EXPECT_FALSE(UnicodeToCp1252(U'\u0100').has_value());
}

TEST(Cp1252, RefusesWhatTheCodePageCannotHoldAndBrokenUtf8) {
    char32_t bad = 0;
    EXPECT_FALSE(Utf8ToCp1252("caf\xC3\xA9 \xE2\x98\x83", &bad).has_value());
    EXPECT_EQ(bad, U'\u2603');
    EXPECT_FALSE(Utf8ToCp1252("\xC3").has_value()) << "truncated sequence";
    EXPECT_FALSE(Utf8ToCp1252("\xC0\xAF").has_value()) << "overlong form";
    EXPECT_FALSE(Utf8ToCp1252("\xED\xA0\x80").has_value()) << "surrogate";
}

TEST(Cp1252, FilteringDropsOnlyTheCharactersItCannotHold) {
    EXPECT_EQ(Utf8ToCp1252Filtered("caf\xC3\xA9 \xE2\x98\x83 \xE2\x82\xAC"), "caf\xE9  \x80");
    EXPECT_EQ(Utf8ToCp1252Filtered("a\303b\355\240\200c"), "abc");  // a cut sequence, a surrogate
}

}  // namespace
}  // namespace vx
