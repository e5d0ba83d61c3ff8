// JPEG reading with libjpeg.

#include "codecs/JpegDecoder.h"

#include <jerror.h>

#include <vector>

#include "codecs/ExifOrientation.h"
#include "codecs/ImageLimits.h"
#include "codecs/ImageOrientation.h"
#include "codecs/JpegErrors.h"
#include "shell/Buffers.h"

namespace vx {

namespace {

constexpr const char* READ_FAILED = "Error reading JPEG file";
// A progressive file may hold thousands of tiny scans, each a full pass over
// the picture; real encoders use about ten.
constexpr int MAX_SCANS = 1000;

// What the warnings said about the end of the data.
struct DataEnd {
    bool ended = false;  // the data ran out (libjpeg then supplies an end marker)
};

// Warnings are quiet, except that a file whose scan data is cut is refused:
// libjpeg would fill the rest of the picture with grey. Running out of data
// alone is not enough: many files lack only their final end marker, and the
// decoder reads ahead past the last scan data. Once the data has ended, a
// decoder that still needs bits reports hitting that supplied marker.
void EmitMessage(j_common_ptr cinfo, int level) {
    if (level >= 0) return;
    auto& end = *static_cast<DataEnd*>(cinfo->client_data);
    if (cinfo->err->msg_code == JWRN_JPEG_EOF) end.ended = true;
    if (cinfo->err->msg_code == JWRN_HIT_MARKER && end.ended) JpegErrorExit(cinfo);
}

// After the data ended early: whether every scan the picture needs was read.
// A sequential picture was checked as it was decoded. A progressive one (read
// whole when the decompression starts) must have brought every coefficient of
// every component down to its last bit; otherwise whole scans are missing.
// The progression lives in the picture's memory: ask before finishing.
bool AllScansRead(const jpeg_decompress_struct& cinfo) {
    if (!cinfo.progressive_mode) return true;
    for (int c = 0; c < cinfo.num_components; ++c)
        for (int k = 0; k < DCTSIZE2; ++k)
            if (cinfo.coef_bits[c][k] != 0) return false;
    return true;
}

// The orientation the first EXIF segment records.
int FileOrientation(const jpeg_decompress_struct& cinfo) {
    for (jpeg_saved_marker_ptr m = cinfo.marker_list; m; m = m->next)
        if (m->marker == JPEG_APP0 + 1)
            if (const int o = ExifOrientation({m->data, m->data_length});
                o != ORIENTATION_AS_STORED)
                return o;
    return ORIENTATION_AS_STORED;
}

void LimitScans(j_common_ptr cinfo) {
    if (cinfo->is_decompressor &&
        reinterpret_cast<j_decompress_ptr>(cinfo)->input_scan_number > MAX_SCANS)
        JpegErrorExit(cinfo);
}

// CMYK as Adobe writes it (inverted) to blue, green, red.
void CmykToBgr(const std::uint8_t* src, std::uint8_t* dst, int w, bool inverted) {
    for (int x = 0; x < w; ++x, src += 4, dst += 3) {
        int c = src[0], m = src[1], y = src[2], k = src[3];
        if (!inverted) c = 255 - c, m = 255 - m, y = 255 - y, k = 255 - k;
        dst[0] = static_cast<std::uint8_t>(y * k / 255);
        dst[1] = static_cast<std::uint8_t>(m * k / 255);
        dst[2] = static_cast<std::uint8_t>(c * k / 255);
    }
}

bool Decompress(jpeg_decompress_struct& cinfo, JpegErrorManager& err, jpeg_progress_mgr& progress,
                DataEnd& end, std::span<const std::uint8_t> data, Image& img,
                std::vector<std::uint8_t>& cmyk, int& orientation) {
    if (setjmp(err.jump)) return false;
    jpeg_create_decompress(&cinfo);
    cinfo.client_data = &end;
    progress.progress_monitor = LimitScans;
    cinfo.progress = &progress;
    jpeg_mem_src(&cinfo, data.data(), static_cast<unsigned long>(data.size()));
    jpeg_save_markers(&cinfo, JPEG_APP0 + 1, 0xFFFF);
    jpeg_read_header(&cinfo, TRUE);
    // Saved markers live until the decompression finishes.
    orientation = FileOrientation(cinfo);
    if (!ImageSizeAllowed(cinfo.image_width, cinfo.image_height))
        return img.Fail(IMAGE_TOO_LARGE_TEXT);
    const bool four = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
    cinfo.out_color_space = four ? JCS_CMYK : JCS_EXT_BGR;
    if (!img.Create(cinfo.image_width, cinfo.image_height, false, READ_FAILED)) return false;
    if (four && !TryResize(cmyk, static_cast<std::size_t>(img.w) * 4)) return img.Fail(READ_FAILED);
    jpeg_start_decompress(&cinfo);
    if (static_cast<int>(cinfo.output_width) != img.w ||
        static_cast<int>(cinfo.output_height) != img.h)
        return img.Fail(READ_FAILED);
    while (cinfo.output_scanline < cinfo.output_height) {
        std::uint8_t* row = img.Row(static_cast<int>(cinfo.output_scanline));
        JSAMPROW target = four ? cmyk.data() : row;
        if (jpeg_read_scanlines(&cinfo, &target, 1) != 1) return img.Fail(READ_FAILED);
        if (four) CmykToBgr(cmyk.data(), row, img.w, cinfo.saw_Adobe_marker);
    }
    if (end.ended && !AllScansRead(cinfo)) return img.Fail(READ_FAILED);
    jpeg_finish_decompress(&cinfo);
    // Arithmetic decoding reports no missing data: such a file must be whole.
    if (end.ended && cinfo.arith_code) return img.Fail(READ_FAILED);
    return true;
}

}  // namespace

bool DecodeJpeg(std::span<const std::uint8_t> data, Image& img) {
    jpeg_decompress_struct cinfo{};
    JpegErrorManager err{};
    cinfo.err = InitJpegErrors(err, EmitMessage);
    jpeg_progress_mgr progress{};
    std::vector<std::uint8_t> cmyk;
    DataEnd end;
    int orientation = ORIENTATION_AS_STORED;
    bool ok = !data.empty() && Decompress(cinfo, err, progress, end, data, img, cmyk, orientation);
    if (ok && !ApplyOrientation(img, orientation)) ok = img.Fail(READ_FAILED);
    jpeg_destroy_decompress(&cinfo);
    if (!ok && img.error.empty()) img.error = READ_FAILED;
    return ok;
}

}  // namespace vx
