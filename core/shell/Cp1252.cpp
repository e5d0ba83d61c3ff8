#include "shell/Cp1252.h"

#include <array>

namespace vx {

namespace {

// 0x80..0x9F; the rest of the code page is Latin-1.
constexpr std::array<char16_t, 32> HIGH_CONTROLS = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Decodes one UTF-8 sequence at `i`, advancing it; nothing when malformed.
std::optional<char32_t> NextCodePoint(const std::string& s, std::size_t& i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char lead = byte(i);
    int extra = 0;
    char32_t cp = 0;
    if (lead < 0x80) {
        cp = lead;
    } else if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        cp = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        cp = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3;
        cp = lead & 0x07;
    } else {
        return std::nullopt;
    }
    if (i + static_cast<std::size_t>(extra) >= s.size()) return std::nullopt;
    for (int k = 1; k <= extra; ++k) {
        const unsigned char c = byte(i + static_cast<std::size_t>(k));
        if ((c & 0xC0) != 0x80) return std::nullopt;
        cp = (cp << 6) | (c & 0x3F);
    }
    static constexpr char32_t MIN_FOR_LENGTH[] = {0, 0x80, 0x800, 0x10000};
    if (cp < MIN_FOR_LENGTH[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return std::nullopt;
    i += static_cast<std::size_t>(extra) + 1;
    return cp;
}

}  // namespace

char32_t Cp1252ToUnicode(std::uint8_t byte) {
    if (byte >= 0x80 && byte < 0xA0) return HIGH_CONTROLS[byte - 0x80];
    return byte;
}

std::optional<std::uint8_t> UnicodeToCp1252(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<std::uint8_t>(cp);
    for (std::size_t i = 0; i < HIGH_CONTROLS.size(); ++i)
        if (HIGH_CONTROLS[i] == cp) return static_cast<std::uint8_t>(0x80 + i);
    return std::nullopt;
}

std::string Cp1252ToUtf8(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) AppendUtf8(out, Cp1252ToUnicode(static_cast<std::uint8_t>(c)));
    return out;
}

std::optional<std::string> Utf8ToCp1252(const std::string& utf8, char32_t* bad) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const std::optional<char32_t> cp = NextCodePoint(utf8, i);
        const std::optional<std::uint8_t> byte = cp ? UnicodeToCp1252(*cp) : std::nullopt;
        if (!byte) {
            if (bad) *bad = cp.value_or(0xFFFD);
            return std::nullopt;
        }
        out += static_cast<char>(*byte);
    }
    return out;
}

std::string Utf8ToCp1252Filtered(const std::string& utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const std::optional<char32_t> cp = NextCodePoint(utf8, i);
        if (!cp) {
            ++i;  // a malformed byte: skip it alone
            continue;
        }
        if (const std::optional<std::uint8_t> byte = UnicodeToCp1252(*cp))
            out += static_cast<char>(*byte);
    }
    return out;
}

}  // namespace vx
