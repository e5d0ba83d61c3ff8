// The archive stream's string lengths; its numbers and masked strings are
// checked byte for byte in the project file's layout.

#include <gtest/gtest.h>

#include "document/Archive.h"

namespace vx {
namespace {

using Bytes = std::vector<std::uint8_t>;

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
        EXPECT_EQ(Bytes(w.bytes().begin(), w.bytes().begin() + c.prefix.size()), c.prefix);
        ArchiveReader r(w.bytes());
        std::string back;
        ASSERT_TRUE(r.String(back));
        EXPECT_EQ(back, s);
        EXPECT_EQ(r.remaining(), 0u);
    }
}

// Longer forms than needed read as well; a length beyond the data, or cut
// short itself, fails and leaves the string alone.
TEST(Archive, StringReadsAnyLengthFormWithinTheData) {
    const std::pair<Bytes, const char*> cases[] = {
        {{0xFF, 0x02, 0x00, 'h', 'i'}, "hi"},
        {{0xFF, 0xFF, 0xFF, 0x02, 0x00, 0x00, 0x00, 'h', 'i'}, "hi"},
        {{0x03, 'h', 'i'}, nullptr},
        {{0xFF, 0x02}, nullptr},
        {{0xFF, 0xFF, 0xFF, 0x02, 0x00, 0x00}, nullptr},
        {{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 'a'}, nullptr},
    };
    for (const auto& [bytes, text] : cases) {
        ArchiveReader r(bytes);
        std::string s = "unread";
        EXPECT_EQ(r.String(s), text != nullptr) << testing::PrintToString(bytes);
        EXPECT_EQ(s, text ? text : "unread") << testing::PrintToString(bytes);
    }
}

TEST(Archive, AFailedReaderStaysFailed) {
    const Bytes too_long = {5, 0, 0, 0, 1, 0, 0, 0};
    ArchiveReader r(too_long);
    std::string s;
    std::uint32_t u = 0;
    EXPECT_FALSE(r.MaskedString(s)) << "length 5 but four bytes follow";
    EXPECT_FALSE(r.Uint32(u)) << "four bytes remain, but a failed reader stays failed";
    EXPECT_FALSE(r.ok());
}

}  // namespace
}  // namespace vx
