// TIFF reading (the first page) and writing with libtiff, through memory.

#include <tiffio.h>

#include <algorithm>
#include <cstdarg>
#include <cstring>
#include <memory>

#include "io/Image.h"
#include "io/ImageLimits.h"
#include "io/ImageWriters.h"
#include "shell/Buffers.h"

namespace vx {

namespace {

constexpr const char* OPEN_FAILED = "Error encountered while opening TIFF file";
constexpr const char* NO_PAGE = "Error: page not present in TIFF file";
constexpr const char* CORRUPTED = "Corrupted TIFF file!";
constexpr const char* NO_RASTER = "No space for raster buffer";
constexpr const char* LZW_REFUSED =
    "LZW compression is no longer supported due to Unisys patent enforcement";

// A growable file in memory that libtiff reads, writes and seeks.
struct MemoryFile {
    std::span<const std::uint8_t> input;
    std::vector<std::uint8_t>* output = nullptr;
    std::size_t pos = 0;

    std::size_t Size() const { return output ? output->size() : input.size(); }
    const std::uint8_t* Data() const { return output ? output->data() : input.data(); }
};

MemoryFile& File(thandle_t handle) {
    return *static_cast<MemoryFile*>(handle);
}

tmsize_t Read(thandle_t handle, void* buf, tmsize_t n) {
    MemoryFile& f = File(handle);
    if (n < 0 || f.pos >= f.Size()) return 0;
    const std::size_t count = std::min(static_cast<std::size_t>(n), f.Size() - f.pos);
    std::memcpy(buf, f.Data() + f.pos, count);
    f.pos += count;
    return static_cast<tmsize_t>(count);
}

tmsize_t Write(thandle_t handle, void* buf, tmsize_t n) {
    MemoryFile& f = File(handle);
    if (!f.output || n < 0) return -1;
    const std::size_t count = static_cast<std::size_t>(n);
    if (f.output->size() < f.pos + count) f.output->resize(f.pos + count);
    std::memcpy(f.output->data() + f.pos, buf, count);
    f.pos += count;
    return n;
}

toff_t Seek(thandle_t handle, toff_t offset, int whence) {
    MemoryFile& f = File(handle);
    const long long base = whence == SEEK_CUR   ? static_cast<long long>(f.pos)
                           : whence == SEEK_END ? static_cast<long long>(f.Size())
                                                : 0;
    const long long to = base + static_cast<long long>(offset);
    if (to < 0) return static_cast<toff_t>(-1);
    f.pos = static_cast<std::size_t>(to);
    return static_cast<toff_t>(to);
}

int Close(thandle_t) {
    return 0;
}
toff_t Size(thandle_t handle) {
    return File(handle).Size();
}
int NoMap(thandle_t, void**, toff_t*) {
    return 0;
}
void NoUnmap(thandle_t, void*, toff_t) {}

// libtiff's default handlers print; our callers report failures themselves.
int Quiet(TIFF*, void*, const char*, const char*, va_list) {
    return 1;
}

// Opens `file` with quiet handlers and a bound on any single allocation.
TIFF* Open(MemoryFile& file, const char* mode) {
    TIFFOpenOptions* opts = TIFFOpenOptionsAlloc();
    if (!opts) return nullptr;
    TIFFOpenOptionsSetErrorHandlerExtR(opts, Quiet, nullptr);
    TIFFOpenOptionsSetWarningHandlerExtR(opts, Quiet, nullptr);
    TIFFOpenOptionsSetMaxSingleMemAlloc(opts, static_cast<tmsize_t>(MAX_IMAGE_PIXELS * 4));
    TIFF* tif = TIFFClientOpenExt("memory", mode, &file, Read, Write, Seek, Close, Size, NoMap,
                                  NoUnmap, opts);
    TIFFOpenOptionsFree(opts);
    return tif;
}

struct TiffCloser {
    void operator()(TIFF* tif) const { TIFFClose(tif); }
};
using TiffPtr = std::unique_ptr<TIFF, TiffCloser>;

}  // namespace

bool DecodeTiff(std::span<const std::uint8_t> data, Image& img) {
    MemoryFile file{data};
    const TiffPtr tif(Open(file, "rm"));
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

bool EncodeTiff(const WritePixels& in, int quality, std::vector<std::uint8_t>& out,
                std::string* error) {
    out.clear();
    MemoryFile file{{}, &out};
    TiffPtr tif(Open(file, "w"));
    const bool ok = tif && WriteTiff(tif.get(), in, quality);
    tif.reset();  // closing may still write; only then is `out` complete
    if (!ok) {
        out.clear();
        if (error) *error = "TIFF encoding failed";
    }
    return ok;
}

}  // namespace vx
