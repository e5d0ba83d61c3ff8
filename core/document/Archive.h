#pragma once

// The stream encoding shared by project, style, template and library files:
// little-endian fixed-width numbers and length-prefixed single-byte strings,
// one after another with no padding.
//
// Strings carry a length prefix of one byte below 255; 0xFF and a 16-bit length
// up to 65533; 0xFF 0xFFFF and a 32-bit length beyond. The writer uses the
// shortest form; the reader accepts any. A masked string is a 32-bit length and
// bytes stored as (character + position) mod 256.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "document/HslF.h"

namespace vx {

class ArchiveWriter {
public:
    void Int32(std::int32_t v) { Uint32(static_cast<std::uint32_t>(v)); }
    void Uint32(std::uint32_t v);
    void Float(float v);
    void Hsl(const HslF& c);
    void String(const std::string& s);
    void MaskedString(const std::string& s);
    void Bytes(std::span<const std::uint8_t> bytes);

    const std::vector<std::uint8_t>& bytes() const { return out_; }
    std::vector<std::uint8_t> Take() { return std::move(out_); }

private:
    void Uint16(std::uint16_t v);

    std::vector<std::uint8_t> out_;
};

// Reads from a byte span. Every read checks what remains first; the first read
// that would run past the end fails, and so does every read after it, so a
// caller may read a whole record and test ok() once.
class ArchiveReader {
public:
    explicit ArchiveReader(std::span<const std::uint8_t> data) : data_(data) {}

    bool Int32(std::int32_t& v);
    bool Uint32(std::uint32_t& v);
    bool Float(float& v);
    bool Hsl(HslF& c);
    bool String(std::string& s);
    bool MaskedString(std::string& s);
    // A view of the next `n` bytes, which stay owned by the caller's buffer.
    bool Bytes(std::size_t n, std::span<const std::uint8_t>& view);

    bool ok() const { return ok_; }
    std::size_t position() const { return pos_; }
    std::size_t remaining() const { return data_.size() - pos_; }

private:
    bool Take(std::size_t n, const std::uint8_t*& p);
    bool Uint16(std::uint16_t& v);
    bool Length(std::size_t& n);

    std::span<const std::uint8_t> data_;
    std::size_t pos_ = 0;
    bool ok_ = true;
};

}  // namespace vx
