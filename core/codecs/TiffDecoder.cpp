// TIFF reading with libtiff: the first page.

#include "codecs/TiffDecoder.h"

#include <algorithm>

#include "codecs/ImageLimits.h"
#include "codecs/TiffMemory.h"
#include "shell/Buffers.h"

namespace vx {

namespace {

constexpr const char* OPEN_FAILED = "Error encountered while opening TIFF file";
constexpr const char* NO_PAGE = "Error: page not present in TIFF file";
constexpr const char* CORRUPTED = "Corrupted TIFF file!";
constexpr const char* NO_RASTER = "No space for raster buffer";
constexpr const char* LZW_REFUSED =
    "LZW compression is no longer supported due to Unisys patent enforcement";

}  // namespace

bool DecodeTiff(std::span<const std::uint8_t> data, Image& img) {
    TiffMemoryFile file{data};
    const TiffPtr tif = OpenTiffMemory(file, "rm");
    if (!tif) return img.Fail(OPEN_FAILED);
    if (!TIFFSetDirectory(tif.get(), 0)) return img.Fail(NO_PAGE);
    std::uint16_t compression = COMPRESSION_NONE;
    TIFFGetFieldDefaulted(tif.get(), TIFFTAG_COMPRESSION, &compression);
    if (compression == COMPRESSION_LZW) return img.Fail(LZW_REFUSED);
    std::uint32_t w = 0, h = 0;
    if (!TIFFGetField(tif.get(), TIFFTAG_IMAGEWIDTH, &w) ||
        !TIFFGetField(tif.get(), TIFFTAG_IMAGELENGTH, &h))
        return img.Fail(CORRUPTED);
    if (!ImageSizeAllowed(w, h)) return img.Fail(IMAGE_TOO_LARGE_TEXT);
    char why[1024];
    if (!TIFFRGBAImageOK(tif.get(), why)) return img.Fail(CORRUPTED);
    std::vector<std::uint32_t> raster;
    if (!TryResize(raster, static_cast<std::size_t>(w) * h)) return img.Fail(NO_RASTER);
    if (!TIFFReadRGBAImageOriented(tif.get(), w, h, raster.data(), ORIENTATION_TOPLEFT, 1))
        return img.Fail(CORRUPTED);
    if (!img.Create(w, h, false, NO_RASTER)) return false;
    // TIFF imports opaque. The raster multiplies unassociated alpha into the
    // colours; divide it out again to show the colours the file stores.
    std::uint16_t extra_count = 0;
    std::uint16_t* extra = nullptr;
    TIFFGetFieldDefaulted(tif.get(), TIFFTAG_EXTRASAMPLES, &extra_count, &extra);
    const bool unassociated = extra_count > 0 && extra[0] == EXTRASAMPLE_UNASSALPHA;
    std::uint8_t* dst = img.px.data();
    for (const std::uint32_t p : raster) {
        const std::uint32_t a = TIFFGetA(p);
        const auto channel = [&](std::uint32_t c) {
            if (!unassociated || a == 255 || a == 0) return static_cast<std::uint8_t>(c);
            return static_cast<std::uint8_t>(std::min<std::uint32_t>(255, (c * 255 + a / 2) / a));
        };
        *dst++ = channel(TIFFGetB(p));
        *dst++ = channel(TIFFGetG(p));
        *dst++ = channel(TIFFGetR(p));
    }
    return true;
}

}  // namespace vx
