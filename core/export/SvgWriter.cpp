#include "export/SvgWriter.h"

#include <array>
#include <charconv>
#include <cmath>

namespace vx {

SvgWriter& SvgWriter::operator<<(std::string_view text) {
    text_.append(text);
    return *this;
}

SvgWriter& SvgWriter::operator<<(double v) {
    if (!std::isfinite(v)) v = 0.0;
    // Rounded to hundredths first, so -0.001 does not come out as "-0".
    v = std::round(v * 100.0) / 100.0;
    if (v == 0.0) v = 0.0;
    std::array<char, 64> buf{};
    const auto r =
        std::to_chars(buf.data(), buf.data() + buf.size(), v, std::chars_format::fixed, 2);
    std::string_view s(buf.data(), static_cast<std::size_t>(r.ptr - buf.data()));
    while (s.back() == '0') s.remove_suffix(1);
    if (s.back() == '.') s.remove_suffix(1);
    text_.append(s);
    return *this;
}

SvgWriter& SvgWriter::operator<<(int v) {
    text_.append(std::to_string(v));
    return *this;
}

SvgWriter& SvgWriter::Attr(std::string_view name, double v) {
    return *this << " " << name << "=\"" << v << "\"";
}

SvgWriter& SvgWriter::Colour(std::string_view name, std::uint32_t rgb) {
    constexpr char DIGITS[] = "0123456789abcdef";
    std::string hex = "#";
    for (int shift = 20; shift >= 0; shift -= 4) hex.push_back(DIGITS[(rgb >> shift) & 0xF]);
    return *this << " " << name << "=\"" << hex << "\"";
}

std::string Base64(std::span<const std::uint8_t> bytes) {
    constexpr char ALPHABET[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    std::size_t i = 0;
    for (; i + 2 < bytes.size(); i += 3) {
        const std::uint32_t v = (bytes[i] << 16) | (bytes[i + 1] << 8) | bytes[i + 2];
        for (int k = 18; k >= 0; k -= 6) out.push_back(ALPHABET[(v >> k) & 0x3F]);
    }
    if (const std::size_t rest = bytes.size() - i; rest > 0) {
        const std::uint32_t v = (bytes[i] << 16) | (rest == 2 ? bytes[i + 1] << 8 : 0);
        out.push_back(ALPHABET[(v >> 18) & 0x3F]);
        out.push_back(ALPHABET[(v >> 12) & 0x3F]);
        out.push_back(rest == 2 ? ALPHABET[(v >> 6) & 0x3F] : '=');
        out.push_back('=');
    }
    return out;
}

}  // namespace vx
