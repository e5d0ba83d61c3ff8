#include "codecs/ExifOrientation.h"

#include <algorithm>
#include <array>
#include <cstddef>

#include "codecs/ImageOrientation.h"

namespace vx {

namespace {

constexpr std::array<std::uint8_t, 6> EXIF_ID = {'E', 'x', 'i', 'f', 0, 0};
constexpr std::uint16_t TIFF_MARK = 42;
constexpr std::uint16_t ORIENTATION_TAG = 0x0112;
constexpr std::uint16_t SHORT_TYPE = 3;
constexpr std::size_t ENTRY_BYTES = 12;

// Reads numbers of the TIFF block in its own byte order; 0 past the end.
class TiffBytes {
public:
    TiffBytes(std::span<const std::uint8_t> data, bool big_endian)
        : data_(data), big_(big_endian) {}

    std::uint32_t Get(std::size_t at, int bytes) const {
        if (at > data_.size() || data_.size() - at < static_cast<std::size_t>(bytes)) return 0;
        std::uint32_t v = 0;
        for (int i = 0; i < bytes; ++i) {
            const std::uint32_t b = data_[at + static_cast<std::size_t>(i)];
            v |= big_ ? b << (8 * (bytes - 1 - i)) : b << (8 * i);
        }
        return v;
    }

private:
    std::span<const std::uint8_t> data_;
    bool big_;
};

}  // namespace

int ExifOrientation(std::span<const std::uint8_t> app1) {
    if (app1.size() < EXIF_ID.size() + 8 ||
        !std::equal(EXIF_ID.begin(), EXIF_ID.end(), app1.begin()))
        return ORIENTATION_AS_STORED;
    const std::span<const std::uint8_t> tiff = app1.subspan(EXIF_ID.size());
    const bool big = tiff[0] == 'M' && tiff[1] == 'M';
    if (!big && !(tiff[0] == 'I' && tiff[1] == 'I')) return ORIENTATION_AS_STORED;
    const TiffBytes in(tiff, big);
    if (in.Get(2, 2) != TIFF_MARK) return ORIENTATION_AS_STORED;
    const std::size_t dir = in.Get(4, 4);
    const std::uint32_t entries = in.Get(dir, 2);
    for (std::uint32_t i = 0; i < entries; ++i) {
        const std::size_t entry = dir + 2 + i * ENTRY_BYTES;
        if (entry + ENTRY_BYTES > tiff.size()) break;
        if (in.Get(entry, 2) != ORIENTATION_TAG) continue;
        if (in.Get(entry + 2, 2) != SHORT_TYPE || in.Get(entry + 4, 4) < 1) break;
        const auto code = static_cast<int>(in.Get(entry + 8, 2));
        return code >= ORIENTATION_AS_STORED && code <= ORIENTATION_MAX ? code
                                                                        : ORIENTATION_AS_STORED;
    }
    return ORIENTATION_AS_STORED;
}

}  // namespace vx
