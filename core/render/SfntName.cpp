#include "render/SfntName.h"

#include <vector>

namespace vx {

namespace {

constexpr std::uint32_t Tag(const char (&t)[5]) {
    return static_cast<std::uint32_t>(t[0]) << 24 | static_cast<std::uint32_t>(t[1]) << 16 |
           static_cast<std::uint32_t>(t[2]) << 8 | static_cast<std::uint32_t>(t[3]);
}

// Name ids, platforms and encodings of the `name` table.
enum NameId : std::uint16_t {
    FONT_FAMILY = 1,
    FONT_SUBFAMILY = 2,
    TYPOGRAPHIC_FAMILY = 16,
    TYPOGRAPHIC_SUBFAMILY = 17,
    WWS_FAMILY = 21,
    WWS_SUBFAMILY = 22,
};
constexpr std::uint16_t PLATFORM_UNICODE = 0, PLATFORM_MAC = 1, PLATFORM_ISO = 2,
                        PLATFORM_WINDOWS = 3;
constexpr std::uint16_t MAC_ROMAN = 0, MAC_ENGLISH = 0;
constexpr std::uint16_t WIN_SYMBOL = 0, WIN_UNICODE_BMP = 1, WIN_UNICODE_FULL = 10;
constexpr std::uint16_t FS_SELECTION_WWS = 1u << 8;
// Far beyond any real `name` table; a larger one is left to FreeType.
constexpr std::size_t MAX_NAME_TABLE = 1u << 20;

std::uint16_t U16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] << 8 | p[1]);
}
std::uint32_t U32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(U16(p)) << 16 | U16(p + 2);
}

struct NameRecord {
    std::uint16_t platform, encoding, language, id;
    std::size_t offset, length;  // within the table
};

class NameTable {
public:
    // False when the table is not one this reader knows FreeType reads alike.
    bool Parse(std::vector<std::uint8_t> table) {
        table_ = std::move(table);
        if (table_.size() < 6 || U16(table_.data()) != 0) return false;  // format 0 only
        const std::size_t count = U16(table_.data() + 2);
        const std::size_t storage = U16(table_.data() + 4);
        const std::size_t first_string = 6 + 12 * count;
        if (first_string > table_.size()) return false;
        for (std::size_t n = 0; n < count; ++n) {
            const std::uint8_t* r = table_.data() + 6 + 12 * n;
            NameRecord rec{U16(r),    U16(r + 2), U16(r + 4), U16(r + 6), storage + U16(r + 10),
                           U16(r + 8)};
            if (rec.length == 0) continue;  // FreeType drops empty records
            if (rec.offset < first_string || rec.offset + rec.length > table_.size()) return false;
            records_.push_back(rec);
        }
        return true;
    }

    // The record FreeType takes for `id`: an English Windows name before an
    // Apple one, any Windows name before a non-English Apple one, then Apple,
    // then Unicode; converted to ASCII with '?' for anything else.
    std::optional<std::string> Get(std::uint16_t id) const {
        int win = -1, apple_english = -1, apple_roman = -1, unicode = -1;
        bool win_is_english = false;
        for (int n = 0; n < static_cast<int>(records_.size()); ++n) {
            const NameRecord& r = records_[n];
            if (r.id != id) continue;
            switch (r.platform) {
                case PLATFORM_UNICODE:
                case PLATFORM_ISO:
                    unicode = n;
                    break;
                case PLATFORM_MAC:
                    if (r.language == MAC_ENGLISH)
                        apple_english = n;
                    else if (r.encoding == MAC_ROMAN)
                        apple_roman = n;
                    break;
                case PLATFORM_WINDOWS: {
                    const bool english = (r.language & 0x3FF) == 0x009;
                    const bool unicode_encoding = r.encoding == WIN_SYMBOL ||
                                                  r.encoding == WIN_UNICODE_BMP ||
                                                  r.encoding == WIN_UNICODE_FULL;
                    if ((win == -1 || english) && unicode_encoding) {
                        win_is_english = english;
                        win = n;
                    }
                    break;
                }
                default:
                    break;
            }
        }
        const int apple = apple_english >= 0 ? apple_english : apple_roman;
        if (win >= 0 && !(apple >= 0 && !win_is_english)) return Ascii(records_[win], true);
        if (apple >= 0) return Ascii(records_[apple], false);
        if (unicode >= 0) return Ascii(records_[unicode], true);
        return std::nullopt;
    }

private:
    std::string Ascii(const NameRecord& r, bool utf16) const {
        const std::uint8_t* p = table_.data() + r.offset;
        const std::size_t step = utf16 ? 2 : 1;
        std::string s;
        for (std::size_t i = 0; i + step <= r.length; i += step) {
            const unsigned code = utf16 ? U16(p + i) : p[i];
            if (code == 0) break;
            s += code < 32 || code > 127 ? '?' : static_cast<char>(code);
        }
        return s;
    }

    std::vector<std::uint8_t> table_;
    std::vector<NameRecord> records_;
};

struct TableSpan {
    std::size_t offset = 0, length = 0;
    bool found = false;
};

// Reads a table whole; false when it lies outside the file or cannot be read.
bool ReadTable(const FontReader& read, std::size_t size, const TableSpan& t,
               std::vector<std::uint8_t>& out) {
    if (t.length == 0 || t.offset > size || t.length > size - t.offset || t.length > MAX_NAME_TABLE)
        return false;
    out.resize(t.length);
    return read(t.offset, t.length, out.data());
}

// The OS/2 table as FreeType reads it: its length must cover its version.
std::optional<bool> WwsFlag(const std::vector<std::uint8_t>& os2) {
    if (os2.size() < 2) return std::nullopt;
    const unsigned version = U16(os2.data());
    const std::size_t needed = version == 0 ? 78 : version < 2 ? 86 : version < 5 ? 96 : 100;
    if (os2.size() < needed) return std::nullopt;
    return (U16(os2.data() + 62) & FS_SELECTION_WWS) != 0;
}

}  // namespace

std::optional<std::string> SfntFaceName(const FontReader& read, std::size_t size) {
    std::uint8_t head[12];
    if (size < sizeof head || !read(0, sizeof head, head)) return std::nullopt;
    const std::uint32_t version = U32(head);
    if (version != 0x00010000 && version != Tag("true") && version != Tag("OTTO"))
        return std::nullopt;
    const std::size_t tables = U16(head + 4);
    if (tables == 0) return std::nullopt;
    std::vector<std::uint8_t> dir(16 * tables);
    if (sizeof head + dir.size() > size || !read(sizeof head, dir.size(), dir.data()))
        return std::nullopt;

    TableSpan name, os2;
    bool outlines = false;
    for (std::size_t n = 0; n < tables; ++n) {
        const std::uint8_t* e = dir.data() + 16 * n;
        const std::uint32_t tag = U32(e);
        const TableSpan span{U32(e + 8), U32(e + 12), true};
        if (tag == Tag("name")) name = span;
        if (tag == Tag("OS/2")) os2 = span;
        if (tag == Tag("glyf") || tag == Tag("CFF ")) outlines = true;
        if (tag == Tag("fvar")) return std::nullopt;  // named instances rename faces
    }
    if (!name.found || !outlines) return std::nullopt;

    std::vector<std::uint8_t> bytes;
    NameTable names;
    if (!ReadTable(read, size, name, bytes) || !names.Parse(std::move(bytes))) return std::nullopt;
    bool wws = false;
    if (os2.found) {
        std::vector<std::uint8_t> os2_bytes;
        if (!ReadTable(read, size, os2, os2_bytes)) return std::nullopt;
        const std::optional<bool> flag = WwsFlag(os2_bytes);
        if (!flag) return std::nullopt;
        wws = *flag;
    }

    // A face marked WWS-only takes the typographic names; any other takes
    // the WWS names first.
    const auto first = [&names](std::initializer_list<std::uint16_t> ids) {
        for (const std::uint16_t id : ids)
            if (std::optional<std::string> s = names.Get(id)) return s;
        return std::optional<std::string>();
    };
    const std::optional<std::string> family =
        wws ? first({TYPOGRAPHIC_FAMILY, FONT_FAMILY})
            : first({WWS_FAMILY, TYPOGRAPHIC_FAMILY, FONT_FAMILY});
    const std::optional<std::string> style =
        wws ? first({TYPOGRAPHIC_SUBFAMILY, FONT_SUBFAMILY})
            : first({WWS_SUBFAMILY, TYPOGRAPHIC_SUBFAMILY, FONT_SUBFAMILY});
    if (!family || !style) return std::nullopt;
    return *family + " " + *style;
}

}  // namespace vx
