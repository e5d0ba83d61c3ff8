#pragma once

// Bounds-checked little-endian reading of an untrusted buffer. A read past the
// end yields zeros and clears ok(), so a decoder can read a whole header and
// test once; nothing is ever read outside the buffer.

#include <cstddef>
#include <cstdint>
#include <span>

namespace vx {

class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> data) : data_(data) {}

    bool ok() const { return ok_; }
    std::size_t pos() const { return pos_; }
    std::size_t size() const { return data_.size(); }
    std::size_t remaining() const { return pos_ < data_.size() ? data_.size() - pos_ : 0; }

    // Moves to `offset`; beyond the end clears ok().
    void Seek(std::size_t offset) {
        if (offset > data_.size()) ok_ = false;
        pos_ = offset;
    }
    void Skip(std::size_t n) { Seek(n <= remaining() ? pos_ + n : data_.size() + 1); }

    std::uint8_t U8() {
        if (remaining() < 1) return Fail();
        return data_[pos_++];
    }
    std::uint16_t U16() {
        if (remaining() < 2) return Fail();
        const std::uint16_t v = static_cast<std::uint16_t>(data_[pos_] | data_[pos_ + 1] << 8);
        pos_ += 2;
        return v;
    }
    std::uint32_t U32() {
        if (remaining() < 4) return Fail();
        const std::uint32_t v = static_cast<std::uint32_t>(data_[pos_]) |
                                static_cast<std::uint32_t>(data_[pos_ + 1]) << 8 |
                                static_cast<std::uint32_t>(data_[pos_ + 2]) << 16 |
                                static_cast<std::uint32_t>(data_[pos_ + 3]) << 24;
        pos_ += 4;
        return v;
    }
    std::int32_t I32() { return static_cast<std::int32_t>(U32()); }

    // The next `n` bytes, or an empty span (and ok() cleared) when fewer remain.
    std::span<const std::uint8_t> Bytes(std::size_t n) {
        if (remaining() < n) {
            Fail();
            return {};
        }
        const std::span<const std::uint8_t> out = data_.subspan(pos_, n);
        pos_ += n;
        return out;
    }

private:
    std::uint8_t Fail() {
        ok_ = false;
        pos_ = data_.size();
        return 0;
    }

    std::span<const std::uint8_t> data_;
    std::size_t pos_ = 0;
    bool ok_ = true;
};

}  // namespace vx
