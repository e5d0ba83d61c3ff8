// GIF, JPEG and TIFF samples made with giflib, libjpeg and libtiff.

#include <gif_lib.h>
#include <tiffio.h>
#include <unistd.h>

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include <jpeglib.h>

#include "io/SampleImages.h"

namespace vx::test {

namespace {

int AppendGif(GifFileType* gif, const GifByteType* bytes, int n) {
    auto* out = static_cast<Bytes*>(gif->UserData);
    out->insert(out->end(), bytes, bytes + n);
    return n;
}

std::vector<std::uint8_t> SampleIndices() {
    std::vector<std::uint8_t> idx;
    for (int y = 0; y < SAMPLE_H; ++y)
        for (int x = 0; x < SAMPLE_W; ++x)
            idx.push_back(static_cast<std::uint8_t>(SampleIndex(x, y)));
    return idx;
}

// A libtiff file in a temporary folder, read back whole.
class TempTiff {
public:
    TempTiff() {
        char name[] = "/tmp/vx_sample_XXXXXX";
        const int fd = mkstemp(name);
        if (fd >= 0) close(fd);
        path_ = name;
        tif_ = TIFFOpen(path_.c_str(), "w");
    }
    ~TempTiff() { std::remove(path_.c_str()); }
    TIFF* get() const { return tif_; }
    Bytes Finish() {
        TIFFClose(tif_);
        std::ifstream in(path_, std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), {});
    }

private:
    std::string path_;
    TIFF* tif_ = nullptr;
};

void WriteTiffPage(TIFF* t, TiffKind kind) {
    const bool palette = kind == TiffKind::PALETTE, grey = kind == TiffKind::GREY;
    const int samples = palette || grey ? 1 : kind == TiffKind::RGBA ? 4 : 3;
    TIFFSetField(t, TIFFTAG_IMAGEWIDTH, SAMPLE_W);
    TIFFSetField(t, TIFFTAG_IMAGELENGTH, SAMPLE_H);
    TIFFSetField(t, TIFFTAG_BITSPERSAMPLE, 8);
    TIFFSetField(t, TIFFTAG_SAMPLESPERPIXEL, samples);
    TIFFSetField(t, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
    // Tiles are compressed: libtiff refuses uncompressed tiles of odd sizes.
    const int compression = kind == TiffKind::LZW     ? COMPRESSION_LZW
                            : kind == TiffKind::TILED ? COMPRESSION_ADOBE_DEFLATE
                                                      : COMPRESSION_NONE;
    TIFFSetField(t, TIFFTAG_COMPRESSION, compression);
    TIFFSetField(t, TIFFTAG_PHOTOMETRIC,
                 palette ? PHOTOMETRIC_PALETTE
                 : grey  ? PHOTOMETRIC_MINISBLACK
                         : PHOTOMETRIC_RGB);
    if (kind == TiffKind::RGBA) {
        const std::uint16_t extra = EXTRASAMPLE_UNASSALPHA;
        TIFFSetField(t, TIFFTAG_EXTRASAMPLES, 1, &extra);
    }
    if (palette) {
        std::uint16_t r[256] = {}, g[256] = {}, b[256] = {};
        for (int i = 0; i < 4; ++i) {
            const std::uint32_t c = SampleColour(i);
            r[i] = static_cast<std::uint16_t>((c >> 16) * 257);
            g[i] = static_cast<std::uint16_t>((c >> 8 & 0xFF) * 257);
            b[i] = static_cast<std::uint16_t>((c & 0xFF) * 257);
        }
        TIFFSetField(t, TIFFTAG_COLORMAP, r, g, b);
    }
    const bool tiled = kind == TiffKind::TILED;
    if (tiled) {
        TIFFSetField(t, TIFFTAG_TILEWIDTH, 16);
        TIFFSetField(t, TIFFTAG_TILELENGTH, 16);
    } else {
        TIFFSetField(t, TIFFTAG_ROWSPERSTRIP, 2);
    }
    std::vector<std::uint8_t> tile(16 * 16 * 3, 0);
    for (int y = 0; y < SAMPLE_H; ++y) {
        std::vector<std::uint8_t> row;
        for (int x = 0; x < SAMPLE_W; ++x) {
            const std::uint32_t c = SampleColour(SampleIndex(x, y));
            if (palette) {
                row.push_back(static_cast<std::uint8_t>(SampleIndex(x, y)));
            } else if (grey) {
                row.push_back(static_cast<std::uint8_t>(c >> 8));
            } else {
                row.insert(row.end(),
                           {static_cast<std::uint8_t>(c >> 16), static_cast<std::uint8_t>(c >> 8),
                            static_cast<std::uint8_t>(c)});
                if (samples == 4) row.push_back(SampleAlpha(x, y));
            }
        }
        if (tiled)
            std::copy(row.begin(), row.end(), tile.begin() + y * 16 * 3);
        else
            TIFFWriteScanline(t, row.data(), static_cast<std::uint32_t>(y), 0);
    }
    if (tiled) TIFFWriteEncodedTile(t, 0, tile.data(), static_cast<tmsize_t>(tile.size()));
    TIFFWriteDirectory(t);
}

void WriteJpegRows(jpeg_compress_struct& c, int kind) {
    const auto big = ScaleUp8(Reference());
    const int w = SAMPLE_W * 8;
    std::vector<std::uint8_t> row;
    while (c.next_scanline < c.image_height) {
        row.clear();
        for (int x = 0; x < w; ++x) {
            const std::uint32_t p = big[c.next_scanline * w + x];
            const std::uint8_t r = p >> 16 & 0xFF, g = p >> 8 & 0xFF, b = p & 0xFF;
            if (kind == 2)
                row.push_back(g);
            else if (kind == 3)  // Adobe's inverted CMYK: stored C' = R etc., K' = 255
                row.insert(row.end(), {r, g, b, 255});
            else
                row.insert(row.end(), {r, g, b});
        }
        JSAMPROW rp = row.data();
        jpeg_write_scanlines(&c, &rp, 1);
    }
}

}  // namespace

std::uint32_t GifColour(int index) {
    return static_cast<std::uint32_t>(index) * 0x010203u ^ 0x5A3C00u;
}

Bytes MakeGif(const GifSpec& s) {
    const std::vector<std::uint8_t> idx = s.indices.empty() ? SampleIndices() : s.indices;
    const int colours = s.indices.empty() ? 4 : 256;
    std::vector<GifColorType> table;
    for (int i = 0; i < colours; ++i) {
        const std::uint32_t c = s.indices.empty() ? SampleColour(i) : GifColour(i);
        table.push_back({static_cast<GifByteType>(c >> 16), static_cast<GifByteType>(c >> 8),
                         static_cast<GifByteType>(c)});
    }
    ColorMapObject* map = GifMakeMapObject(colours, table.data());
    Bytes out;
    int err = 0;
    GifFileType* gif = EGifOpen(&out, AppendGif, &err);
    EGifSetGifVersion(gif, true);
    EGifPutScreenDesc(gif, s.w, s.h, 8, 0, s.local_table ? nullptr : map);
    if (s.transparent) {
        GraphicsControlBlock gcb{};
        gcb.TransparentColor = 1;
        GifByteType ext[4];
        EGifGCBToExtension(&gcb, ext);
        EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, ext);
    }
    EGifPutImageDesc(gif, 0, 0, s.w, s.h, s.interlaced, s.local_table ? map : nullptr);
    std::vector<int> order;
    if (s.interlaced) {
        for (const auto& [start, step] : {std::pair{0, 8}, {4, 8}, {2, 4}, {1, 2}})
            for (int y = start; y < s.h; y += step) order.push_back(y);
    } else {
        for (int y = 0; y < s.h; ++y) order.push_back(y);
    }
    for (const int y : order)
        EGifPutLine(gif, const_cast<GifPixelType*>(idx.data() + y * s.w), s.w);
    if (s.second_image) {
        // giflib leaks a local table that a following image without one
        // replaces; give the second image the same table.
        EGifPutImageDesc(gif, 0, 0, 2, 1, false, s.local_table ? map : nullptr);
        GifPixelType other[2] = {3, 3};
        EGifPutLine(gif, other, 2);
    }
    EGifCloseFile(gif, &err);
    GifFreeMapObject(map);
    return out;
}

std::vector<std::uint32_t> ScaleUp8(const std::vector<std::uint32_t>& px) {
    std::vector<std::uint32_t> big;
    for (int y = 0; y < SAMPLE_H * 8; ++y)
        for (int x = 0; x < SAMPLE_W * 8; ++x) big.push_back(px[(y / 8) * SAMPLE_W + x / 8]);
    return big;
}

Bytes MakeJpeg(int kind) {
    jpeg_compress_struct c{};
    jpeg_error_mgr err{};
    c.err = jpeg_std_error(&err);
    jpeg_create_compress(&c);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&c, &buffer, &size);
    c.image_width = SAMPLE_W * 8;
    c.image_height = SAMPLE_H * 8;
    c.input_components = kind == 2 ? 1 : kind == 3 ? 4 : 3;
    c.in_color_space = kind == 2 ? JCS_GRAYSCALE : kind == 3 ? JCS_CMYK : JCS_RGB;
    jpeg_set_defaults(&c);
    jpeg_set_quality(&c, 100, TRUE);
    for (int i = 0; i < c.num_components; ++i)
        c.comp_info[i].h_samp_factor = c.comp_info[i].v_samp_factor = 1;
    if (kind == 1) jpeg_simple_progression(&c);
    jpeg_start_compress(&c, TRUE);
    WriteJpegRows(c, kind);
    jpeg_finish_compress(&c);
    jpeg_destroy_compress(&c);
    Bytes out(buffer, buffer + size);
    std::free(buffer);
    return out;
}

Bytes MakeTiff(TiffKind kind) {
    TempTiff file;
    WriteTiffPage(file.get(), kind);
    if (kind == TiffKind::TWO_PAGES) WriteTiffPage(file.get(), TiffKind::GREY);
    return file.Finish();
}

}  // namespace vx::test
