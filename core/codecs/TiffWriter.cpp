// TIFF writing with libtiff.

#include "codecs/TiffWriter.h"

#include <algorithm>

#include "codecs/ImageWriters.h"
#include "codecs/TiffMemory.h"
#include "shell/Buffers.h"

namespace vx {

namespace {

bool WriteTiff(TIFF* t, const WritePixels& in, int quality) {
    const bool alpha = in.alpha != nullptr;
    const std::uint16_t samples = alpha ? 4 : 3;
    // Quality 100, and every picture with alpha, is lossless; below it, JPEG.
    const bool lossy = !alpha && quality < 100;
    TIFFSetField(t, TIFFTAG_IMAGEWIDTH, static_cast<std::uint32_t>(in.w));
    TIFFSetField(t, TIFFTAG_IMAGELENGTH, static_cast<std::uint32_t>(in.h));
    TIFFSetField(t, TIFFTAG_BITSPERSAMPLE, 8);
    TIFFSetField(t, TIFFTAG_SAMPLESPERPIXEL, samples);
    TIFFSetField(t, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
    TIFFSetField(t, TIFFTAG_ORIENTATION, ORIENTATION_TOPLEFT);
    if (alpha) {
        const std::uint16_t extra = EXTRASAMPLE_UNASSALPHA;
        TIFFSetField(t, TIFFTAG_EXTRASAMPLES, 1, &extra);
    }
    if (lossy) {
        TIFFSetField(t, TIFFTAG_COMPRESSION, COMPRESSION_JPEG);
        TIFFSetField(t, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_YCBCR);
        TIFFSetField(t, TIFFTAG_JPEGCOLORMODE, JPEGCOLORMODE_RGB);
        TIFFSetField(t, TIFFTAG_JPEGQUALITY, std::max(quality, 1));
    } else {
        TIFFSetField(t, TIFFTAG_COMPRESSION, COMPRESSION_ADOBE_DEFLATE);
        TIFFSetField(t, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_RGB);
        TIFFSetField(t, TIFFTAG_PREDICTOR, PREDICTOR_HORIZONTAL);
    }
    TIFFSetField(t, TIFFTAG_ROWSPERSTRIP, TIFFDefaultStripSize(t, 0));
    std::vector<std::uint8_t> row;
    if (!TryResize(row, static_cast<std::size_t>(in.w) * samples)) return false;
    for (int y = 0; y < in.h; ++y) {
        const std::size_t base = static_cast<std::size_t>(y) * in.w;
        std::uint8_t* d = row.data();
        for (int x = 0; x < in.w; ++x) {
            const std::uint32_t p = in.px[base + x];
            *d++ = static_cast<std::uint8_t>(p >> 16);
            *d++ = static_cast<std::uint8_t>(p >> 8);
            *d++ = static_cast<std::uint8_t>(p);
            if (alpha) *d++ = in.alpha[base + x];
        }
        if (TIFFWriteScanline(t, row.data(), static_cast<std::uint32_t>(y), 0) < 0) return false;
    }
    return TIFFWriteDirectory(t) != 0;
}

}  // namespace

Result EncodeTiff(const WritePixels& in, int quality, std::vector<std::uint8_t>& out) {
    out.clear();
    TiffMemoryFile file{{}, &out};
    TiffPtr tif = OpenTiffMemory(file, "w");
    const bool ok = tif && WriteTiff(tif.get(), in, quality);
    tif.reset();  // closing may still write; only then is `out` complete
    if (ok) return {};
    out.clear();
    return Result::Failure("TIFF encoding failed");
}

}  // namespace vx
