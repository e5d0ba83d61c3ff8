#include "document/Archive.h"

#include <bit>
#include <cstring>

namespace vx {

namespace {

constexpr std::size_t SHORT_LIMIT = 255;     // lengths below fit one byte
constexpr std::size_t MEDIUM_LIMIT = 65534;  // lengths below fit 0xFF + 16 bits

}  // namespace

void ArchiveWriter::Uint16(std::uint16_t v) {
    out_.push_back(static_cast<std::uint8_t>(v));
    out_.push_back(static_cast<std::uint8_t>(v >> 8));
}

void ArchiveWriter::Uint32(std::uint32_t v) {
    for (int shift = 0; shift < 32; shift += 8)
        out_.push_back(static_cast<std::uint8_t>(v >> shift));
}

void ArchiveWriter::Float(float v) {
    Uint32(std::bit_cast<std::uint32_t>(v));
}

void ArchiveWriter::Hsl(const HslF& c) {
    Float(c.h);
    Float(c.s);
    Float(c.l);
}

void ArchiveWriter::String(const std::string& s) {
    const std::size_t n = s.size();
    if (n < SHORT_LIMIT) {
        out_.push_back(static_cast<std::uint8_t>(n));
    } else if (n < MEDIUM_LIMIT) {
        out_.push_back(0xFF);
        Uint16(static_cast<std::uint16_t>(n));
    } else {
        out_.push_back(0xFF);
        Uint16(0xFFFF);
        Uint32(static_cast<std::uint32_t>(n));
    }
    out_.insert(out_.end(), s.begin(), s.end());
}

void ArchiveWriter::MaskedString(const std::string& s) {
    Uint32(static_cast<std::uint32_t>(s.size()));
    for (std::size_t i = 0; i < s.size(); ++i)
        out_.push_back(static_cast<std::uint8_t>(static_cast<std::uint8_t>(s[i]) + i));
}

void ArchiveWriter::Bytes(std::span<const std::uint8_t> bytes) {
    out_.insert(out_.end(), bytes.begin(), bytes.end());
}

bool ArchiveReader::Take(std::size_t n, const std::uint8_t*& p) {
    if (!ok_ || n > remaining()) {
        ok_ = false;
        return false;
    }
    p = data_.data() + pos_;
    pos_ += n;
    return true;
}

bool ArchiveReader::Uint16(std::uint16_t& v) {
    const std::uint8_t* p = nullptr;
    if (!Take(2, p)) return false;
    v = static_cast<std::uint16_t>(p[0] | (p[1] << 8));
    return true;
}

bool ArchiveReader::Uint32(std::uint32_t& v) {
    const std::uint8_t* p = nullptr;
    if (!Take(4, p)) return false;
    v = static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
        static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
    return true;
}

bool ArchiveReader::Int32(std::int32_t& v) {
    std::uint32_t u = 0;
    if (!Uint32(u)) return false;
    v = static_cast<std::int32_t>(u);
    return true;
}

bool ArchiveReader::Float(float& v) {
    std::uint32_t u = 0;
    if (!Uint32(u)) return false;
    v = std::bit_cast<float>(u);
    return true;
}

bool ArchiveReader::Hsl(HslF& c) {
    return Float(c.h) && Float(c.s) && Float(c.l);
}

bool ArchiveReader::Length(std::size_t& n) {
    const std::uint8_t* p = nullptr;
    if (!Take(1, p)) return false;
    if (*p < 0xFF) {
        n = *p;
        return true;
    }
    std::uint16_t medium = 0;
    if (!Uint16(medium)) return false;
    if (medium < 0xFFFF) {
        n = medium;
        return true;
    }
    std::uint32_t large = 0;
    if (!Uint32(large)) return false;
    n = large;
    return true;
}

bool ArchiveReader::String(std::string& s) {
    std::size_t n = 0;
    const std::uint8_t* p = nullptr;
    // The length is checked against what remains before anything is allocated.
    if (!Length(n) || !Take(n, p)) return false;
    s.assign(reinterpret_cast<const char*>(p), n);
    return true;
}

bool ArchiveReader::MaskedString(std::string& s) {
    std::uint32_t n = 0;
    const std::uint8_t* p = nullptr;
    if (!Uint32(n) || !Take(n, p)) return false;
    s.resize(n);
    for (std::size_t i = 0; i < n; ++i)
        s[i] = static_cast<char>(static_cast<std::uint8_t>(p[i] - i));
    return true;
}

bool ArchiveReader::Bytes(std::size_t n, std::span<const std::uint8_t>& view) {
    const std::uint8_t* p = nullptr;
    if (!Take(n, p)) return false;
    view = {p, n};
    return true;
}

}  // namespace vx
