// The bounds-checked reader every decoder parses headers with: a read that
// does not fit yields 0, clears ok() and reads nothing beyond the buffer.

#include <gtest/gtest.h>

#include <array>
#include <functional>

#include "codecs/ByteReader.h"

namespace vx {
namespace {

TEST(ByteReader, ReadsLittleEndianAndRefusesWhatDoesNotFit) {
    // The reader sees only the first `size` bytes; the rest must stay unread.
    const std::array<std::uint8_t, 8> bytes = {0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC, 0xDE, 0xF0};
    const struct {
        const char* what;
        std::size_t size, skip;
        std::function<std::uint32_t(ByteReader&)> read;
        std::uint32_t value;
        bool ok;
    } cases[] = {
        {"8 bits", 1, 0, [](ByteReader& r) { return r.U8(); }, 0x12, true},
        {"16 bits", 2, 0, [](ByteReader& r) { return r.U16(); }, 0x3412, true},
        {"32 bits", 4, 0, [](ByteReader& r) { return r.U32(); }, 0x78563412, true},
        {"signed 32 bits", 8, 4, [](ByteReader& r) { return r.I32(); }, 0xF0DEBC9A, true},
        {"8 bits at the end", 1, 1, [](ByteReader& r) { return r.U8(); }, 0, false},
        {"16 bits with one byte left", 3, 2, [](ByteReader& r) { return r.U16(); }, 0, false},
        {"16 bits of none", 0, 0, [](ByteReader& r) { return r.U16(); }, 0, false},
        {"32 bits with three left", 3, 0, [](ByteReader& r) { return r.U32(); }, 0, false},
        {"bytes that fit", 4, 1, [](ByteReader& r) { return r.Bytes(3)[2]; }, 0x78, true},
        {"bytes that do not", 4, 1, [](ByteReader& r) { return r.Bytes(4).size(); }, 0, false},
        {"skip past the end", 4, 5, [](ByteReader& r) { return r.U8(); }, 0, false},
        {"seek to the end", 4, 0, [](ByteReader& r) { return r.Seek(4), r.remaining(); }, 0, true},
        {"seek back", 4, 3, [](ByteReader& r) { return r.Seek(2), r.U16(); }, 0x7856, true},
        {"seek past the end", 4, 0, [](ByteReader& r) { return r.Seek(5), r.U8(); }, 0, false},
    };
    for (const auto& c : cases) {
        ByteReader r{std::span(bytes).first(c.size)};
        r.Skip(c.skip);
        EXPECT_EQ(c.read(r), c.value) << c.what;
        EXPECT_EQ(r.ok(), c.ok) << c.what;
        if (!c.ok) {
            EXPECT_EQ(r.remaining(), 0u) << c.what;  // later reads fail too
        }
    }
}

}  // namespace
}  // namespace vx
