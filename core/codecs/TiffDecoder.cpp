// TIFF reading with libtiff: the first page.

#include "codecs/TiffDecoder.h"

#include <vector>

#include "codecs/ImageLimits.h"
#include "codecs/ImageOrientation.h"
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

// libtiff's RGBA reader multiplies unassociated alpha into the colours, and
// the colours of transparent pixels are lost. Alpha is not imported, so the
// colours are wanted as stored: the reader is told the alpha is associated
// (already multiplied), which it copies through. The change stays in memory.
void KeepStoredColours(TIFF* tif) {
    std::uint16_t count = 0;
    std::uint16_t* kinds = nullptr;
    if (!TIFFGetField(tif, TIFFTAG_EXTRASAMPLES, &count, &kinds) || count == 0 ||
        kinds[0] != EXTRASAMPLE_UNASSALPHA)
        return;
    std::vector<std::uint16_t> associated(kinds, kinds + count);
    associated[0] = EXTRASAMPLE_ASSOCALPHA;
    TIFFSetField(tif, TIFFTAG_EXTRASAMPLES, count, associated.data());
}

// The RGBA raster in the file's stored row and column order. The reader
// turns pictures of orientations 1 to 4 into any of those four, but takes 5
// to 8 (rows and columns swapped) for 1 to 4 and never swaps them; asking for
// the code the file holds (or its unswapped partner) leaves the order alone.
std::uint16_t StoredOrder(std::uint16_t orientation) {
    return orientation > ORIENTATION_BOTLEFT ? orientation - ORIENTATION_BOTLEFT : orientation;
}

// Grey samples stored as signed integers. The reader takes them as unsigned,
// which moves the top bit of every 8- and 16-bit sample: the grey it gives
// back, with that bit flipped, is the signed range shifted up by half.
bool SignedGrey(TIFF* tif) {
    std::uint16_t photometric = 0, format = SAMPLEFORMAT_UINT, bits = 1;
    TIFFGetFieldDefaulted(tif, TIFFTAG_SAMPLEFORMAT, &format);
    TIFFGetFieldDefaulted(tif, TIFFTAG_BITSPERSAMPLE, &bits);
    return TIFFGetField(tif, TIFFTAG_PHOTOMETRIC, &photometric) &&
           (photometric == PHOTOMETRIC_MINISBLACK || photometric == PHOTOMETRIC_MINISWHITE) &&
           format == SAMPLEFORMAT_INT && (bits == 8 || bits == 16);
}

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
    KeepStoredColours(tif.get());
    char why[1024];
    if (!TIFFRGBAImageOK(tif.get(), why)) return img.Fail(CORRUPTED);
    std::vector<std::uint32_t> raster;
    if (!TryResize(raster, static_cast<std::size_t>(w) * h)) return img.Fail(NO_RASTER);
    std::uint16_t orientation = ORIENTATION_TOPLEFT;
    TIFFGetFieldDefaulted(tif.get(), TIFFTAG_ORIENTATION, &orientation);
    if (!TIFFReadRGBAImageOriented(tif.get(), w, h, raster.data(), StoredOrder(orientation), 1))
        return img.Fail(CORRUPTED);
    if (!img.Create(w, h, false, NO_RASTER)) return false;
    // TIFF imports opaque: alpha is dropped.
    const std::uint8_t sign = SignedGrey(tif.get()) ? 0x80 : 0;
    std::uint8_t* dst = img.px.data();
    for (const std::uint32_t p : raster) {
        *dst++ = static_cast<std::uint8_t>(TIFFGetB(p) ^ sign);
        *dst++ = static_cast<std::uint8_t>(TIFFGetG(p) ^ sign);
        *dst++ = static_cast<std::uint8_t>(TIFFGetR(p) ^ sign);
    }
    if (!ApplyOrientation(img, orientation)) return img.Fail(NO_RASTER);
    return true;
}

}  // namespace vx
