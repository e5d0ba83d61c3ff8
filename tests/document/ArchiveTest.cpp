#include <gtest/gtest.h>

#include <bit>
#include <cmath>

#include "document/Archive.h"

namespace vx {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Prefix(const Bytes& b, std::size_t n) {
    return Bytes(b.begin(), b.begin() + static_cast<long>(n));
}

TEST(Archive, StringLengthPrefixesUseTheShortestForm) {
    const struct {
        std::size_t length;
        Bytes prefix;
    } cases[] = {
        {0, {0x00}},
        {254, {0xFE}},
        {255, {0xFF, 0xFF, 0x00}},
        {65533, {0xFF, 0xFD, 0xFF}},
        {65534, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
        {70000, {0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}},
    };
    for (const auto& c : cases) {
        ArchiveWriter w;
        const std::string s(c.length, 'x');
        w.String(s);
        ASSERT_EQ(w.bytes().size(), c.prefix.size() + c.length) << c.length;
        EXPECT_EQ(Prefix(w.bytes(), c.prefix.size()), c.prefix) << c.length;
        ArchiveReader r(w.bytes());
        std::string back;
        ASSERT_TRUE(r.String(back));
        EXPECT_EQ(back, s);
        EXPECT_EQ(r.remaining(), 0u);
    }
}

TEST(Archive, ReaderAcceptsLongerLengthFormsThanNeeded) {
    const Bytes medium = {0xFF, 0x02, 0x00, 'h', 'i'};
    const Bytes large = {0xFF, 0xFF, 0xFF, 0x02, 0x00, 0x00, 0x00, 'h', 'i'};
    for (const Bytes& b : {medium, large}) {
        ArchiveReader r(b);
        std::string s;
        ASSERT_TRUE(r.String(s));
        EXPECT_EQ(s, "hi");
    }
}

TEST(Archive, MaskedStringAddsThePosition) {
    ArchiveWriter w;
    w.MaskedString("Ab");
    EXPECT_EQ(w.bytes(), (Bytes{0x02, 0x00, 0x00, 0x00, 0x41, 0x63}));
    ArchiveWriter wrap;
    wrap.MaskedString(std::string(300, '\xFF'));
    EXPECT_EQ(wrap.bytes()[4 + 1], 0x00) << "(255 + 1) mod 256";
    ArchiveReader r(wrap.bytes());
    std::string s;
    ASSERT_TRUE(r.MaskedString(s));
    EXPECT_EQ(s, std::string(300, '\xFF'));
}

TEST(Archive, NumbersAreLittleEndianAndFloatsKeepTheirBits) {
    ArchiveWriter w;
    w.Int32(-2);
    w.Uint32(0x39DF);
    const float nan_with_payload = std::bit_cast<float>(0x7FA12345u);
    w.Float(nan_with_payload);
    w.Float(-0.0f);
    EXPECT_EQ(Prefix(w.bytes(), 8), (Bytes{0xFE, 0xFF, 0xFF, 0xFF, 0xDF, 0x39, 0x00, 0x00}));
    ArchiveReader r(w.bytes());
    std::int32_t i = 0;
    std::uint32_t u = 0;
    float f1 = 0, f2 = 0;
    ASSERT_TRUE(r.Int32(i) && r.Uint32(u) && r.Float(f1) && r.Float(f2));
    EXPECT_EQ(i, -2);
    EXPECT_EQ(std::bit_cast<std::uint32_t>(f1), 0x7FA12345u);
    EXPECT_EQ(std::bit_cast<std::uint32_t>(f2), 0x80000000u);
}

TEST(Archive, LengthsBeyondTheDataFailAndFailureSticks) {
    const Bytes claims_more = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 'a'};
    ArchiveReader r(claims_more);
    std::string s;
    EXPECT_FALSE(r.String(s));
    EXPECT_TRUE(s.empty());
    const Bytes too_long = {5, 0, 0, 0, 1, 0, 0, 0};
    ArchiveReader sticky(too_long);
    std::uint32_t u = 0;
    EXPECT_FALSE(sticky.MaskedString(s)) << "length 5 but four bytes follow";
    EXPECT_FALSE(sticky.Uint32(u)) << "four bytes remain, but a failed reader stays failed";
    EXPECT_FALSE(sticky.ok());
}

}  // namespace
}  // namespace vx
