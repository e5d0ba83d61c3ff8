#pragma once

// A small SVG text builder: numbers written short and exact enough for
// drawing (two decimals at most), colours as #rrggbb, and base64 data.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace vx {

class SvgWriter {
public:
    // Appends raw markup.
    SvgWriter& operator<<(std::string_view text);
    // Appends a number with at most two decimals and no trailing zeros.
    SvgWriter& operator<<(double v);
    SvgWriter& operator<<(int v);

    // ` name="value"` with a number value.
    SvgWriter& Attr(std::string_view name, double v);
    // ` name="#rrggbb"` from 0x00RRGGBB.
    SvgWriter& Colour(std::string_view name, std::uint32_t rgb);

    const std::string& Text() const { return text_; }
    std::string Take() { return std::move(text_); }

private:
    std::string text_;
};

// `bytes` in base64 (RFC 4648, with padding).
std::string Base64(std::span<const std::uint8_t> bytes);

}  // namespace vx
