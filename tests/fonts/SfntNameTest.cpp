#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <random>

#include "LibraryFolder.h"
#include "render/SfntName.h"

#include <ft2build.h>
#include FT_FREETYPE_H

namespace vx {
namespace {

using test::Bytes;

std::optional<std::string> NameOf(const Bytes& font) {
    const FontReader read = [&font](std::size_t offset, std::size_t n, std::uint8_t* out) {
        EXPECT_LE(offset + n, font.size()) << "a read past the end of the file";
        if (offset + n > font.size()) return false;
        std::memcpy(out, font.data() + offset, n);
        return true;
    };
    return SfntFaceName(read, font.size());
}

// What FreeType calls the face it opens from `font`; nothing when it refuses it.
std::optional<std::string> FreeTypeName(const Bytes& font) {
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    std::optional<std::string> name;
    const auto size = static_cast<FT_Long>(font.size());
    if (FT_Init_FreeType(&library) == 0 &&
        FT_New_Memory_Face(library, font.data(), size, 0, &face) == 0) {
        name = std::string(face->family_name ? face->family_name : "") + " " +
               (face->style_name ? face->style_name : "");
        FT_Done_Face(face);
    }
    FT_Done_FreeType(library);
    return name;
}

// Each way of naming a face: the reader gives FreeType's name without opening it.
TEST(SfntName, NamesFacesAsFreeTypeDoes) {
    const std::pair<const char*, const char*> cases[] = {
        {"text-a.ttf", "Text A Regular"},
        {"names-typo.ttf", "Names Typo Light"},    // typographic names first
        {"names-wws.ttf", "Typo Sub"},             // WWS-only face: typographic names
        {"names-no-wws-flag.ttf", "Wws Style"},    // otherwise WWS names first
        {"names-mac.ttf", "Mac Only Book"},        // Apple records only
        {"names-accent.ttf", "Caf? ?t? Regular"},  // ASCII only, '?' for the rest
    };
    for (const auto& [file, expected] : cases) {
        const Bytes font = test::TestFont(file);
        EXPECT_EQ(NameOf(font), std::optional<std::string>(expected)) << file;
        EXPECT_EQ(FreeTypeName(font), std::optional<std::string>(expected)) << file;
    }
}

// Anything it cannot vouch for is left to FreeType.
TEST(SfntName, LeavesWhatItCannotReadForCertainToFreeType) {
    const Bytes font = test::TestFont("text-a.ttf");
    Bytes collection = font;
    std::memcpy(collection.data(), "ttcf", 4);
    const std::pair<const char*, Bytes> cases[] = {
        {"not a font", Bytes(64, 0x5A)},
        {"a collection", collection},
        {"no name table", test::TestFont("text-a-no-name.ttf")},
        {"cut inside the tables", Bytes(font.begin(), font.begin() + 40)},
        {"cut one byte short of the name table's end", test::TestFont("text-a-cut-name.ttf")},
        {"empty", Bytes()},
    };
    for (const auto& [what, bytes] : cases) EXPECT_EQ(NameOf(bytes), std::nullopt) << what;
}

// Damaged files (bytes of the table directory, `name` and `OS/2` changed at
// random): the reader stays inside the file, and any name it still gives is
// the one FreeType gives when it opens the file.
TEST(SfntName, DamagedTablesNeverGiveANameFreeTypeWouldNot) {
    const Bytes font = test::TestFont("names-wws.ttf");
    std::mt19937 random(7);
    int named = 0;
    for (int round = 0; round < 3000; ++round) {
        Bytes damaged = font;
        std::uniform_int_distribution<std::size_t> where(0, round % 2 ? 300 : font.size() - 1);
        for (int n = 0; n < 1 + round % 4; ++n)
            damaged[where(random)] = static_cast<std::uint8_t>(random());
        const std::optional<std::string> name = NameOf(damaged);
        if (!name) continue;
        ++named;
        const std::optional<std::string> freetype = FreeTypeName(damaged);
        EXPECT_TRUE(!freetype || *freetype == *name) << *name << " in round " << round;
    }
    EXPECT_GT(named, 1000);  // most damage misses the tables that name the face
}

}  // namespace
}  // namespace vx
