#pragma once

// Code page 1252, the single-byte text encoding of every string in our files.
// The five bytes the code page leaves undefined map to U+0081, U+008D, U+008F,
// U+0090 and U+009D, as Windows maps them, so every byte has a code point.

#include <cstdint>
#include <optional>
#include <string>

namespace vx {

char32_t Cp1252ToUnicode(std::uint8_t byte);

// The byte for `cp`, or nothing when code page 1252 cannot hold it.
std::optional<std::uint8_t> UnicodeToCp1252(char32_t cp);

std::string Cp1252ToUtf8(const std::string& text);

// Nothing when `utf8` is not valid UTF-8 or holds a character the code page
// cannot hold; `bad` then receives the offending code point (or U+FFFD).
std::optional<std::string> Utf8ToCp1252(const std::string& utf8, char32_t* bad = nullptr);

// Text typed by the user: every character the code page holds, in order; the
// others (and malformed bytes) are left out one by one.
std::string Utf8ToCp1252Filtered(const std::string& utf8);

}  // namespace vx
