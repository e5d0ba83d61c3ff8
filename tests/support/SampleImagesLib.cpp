// GIF, JPEG and TIFF samples made with giflib, libjpeg and libtiff.

#include <gif_lib.h>
#include <tiffio.h>
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include <jpeglib.h>

#include "support/SampleImages.h"

namespace vx::test {

namespace {

int AppendGif(GifFileType* gif, const GifByteType* bytes, int n) {
    auto* out = static_cast<Bytes*>(gif->UserData);
    out->insert(out->end(), bytes, bytes + n);
    return n;
}

void WriteTiffPage(TIFF* t, TiffKind kind) {
    const bool palette = kind == TiffKind::PALETTE, grey = kind == TiffKind::GREY;
    const bool tiled = kind == TiffKind::TILED;
    const int channels = palette ? 0 : grey ? 1 : kind == TiffKind::RGBA ? 4 : 3;
    TIFFSetField(t, TIFFTAG_IMAGEWIDTH, SAMPLE_W);
    TIFFSetField(t, TIFFTAG_IMAGELENGTH, SAMPLE_H);
    TIFFSetField(t, TIFFTAG_BITSPERSAMPLE, 8);
    TIFFSetField(t, TIFFTAG_SAMPLESPERPIXEL, std::max(channels, 1));
    TIFFSetField(t, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
    // Tiles are compressed: libtiff refuses uncompressed tiles of odd sizes.
    TIFFSetField(t, TIFFTAG_COMPRESSION,
                 kind == TiffKind::LZW ? COMPRESSION_LZW
                 : tiled               ? COMPRESSION_ADOBE_DEFLATE
                                       : COMPRESSION_NONE);
    TIFFSetField(t, TIFFTAG_PHOTOMETRIC,
                 palette ? PHOTOMETRIC_PALETTE
                 : grey  ? PHOTOMETRIC_MINISBLACK
                         : PHOTOMETRIC_RGB);
    const std::uint16_t extra = EXTRASAMPLE_UNASSALPHA;
    if (channels == 4) TIFFSetField(t, TIFFTAG_EXTRASAMPLES, 1, &extra);
    std::uint16_t map[3][256] = {};
    for (int i = 0; i < 4; ++i)
        for (int c = 0; c < 3; ++c)
            map[c][i] = static_cast<std::uint16_t>((SampleColour(i) >> (16 - 8 * c) & 0xFF) * 257);
    if (palette) TIFFSetField(t, TIFFTAG_COLORMAP, map[0], map[1], map[2]);
    if (tiled) {
        TIFFSetField(t, TIFFTAG_TILEWIDTH, 16);
        TIFFSetField(t, TIFFTAG_TILELENGTH, 16);
    } else {
        TIFFSetField(t, TIFFTAG_ROWSPERSTRIP, 2);
    }
    std::vector<std::uint8_t> tile(16 * 16 * 3, 0);
    for (int y = 0; y < SAMPLE_H; ++y) {
        Bytes row;
        for (int x = 0; x < SAMPLE_W; ++x) {
            const Bytes p = SamplePixel(x, y, channels);
            row.insert(row.end(), p.begin(), p.end());
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
    std::vector<std::uint8_t> row;
    while (c.next_scanline < c.image_height) {
        row.clear();
        for (int x = 0; x < SAMPLE_W * 8; ++x) {
            const Bytes p =
                SamplePixel(x / 8, static_cast<int>(c.next_scanline / 8), kind == 2 ? 1 : 3);
            row.insert(row.end(), p.begin(), p.end());
            if (kind == 3) row.push_back(255);  // Adobe's inverted CMYK: C' = R etc., K' = 255
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
    std::vector<std::uint8_t> idx = s.indices;
    for (int i = 0; s.indices.empty() && i < SAMPLE_W * SAMPLE_H; ++i)
        idx.push_back(static_cast<std::uint8_t>(SampleIndex(i % SAMPLE_W, i / SAMPLE_W)));
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
    char path[] = "/tmp/vx_sample_XXXXXX";  // libtiff writes files
    close(mkstemp(path));
    TIFF* t = TIFFOpen(path, "w");
    WriteTiffPage(t, kind);
    if (kind == TiffKind::TWO_PAGES) WriteTiffPage(t, TiffKind::GREY);
    TIFFClose(t);
    std::ifstream in(path, std::ios::binary);
    Bytes out(std::istreambuf_iterator<char>(in), {});
    std::remove(path);
    return out;
}

}  // namespace vx::test
