// JPEG reading and writing with libjpeg. Errors come back through the error
// manager's longjmp; the functions that call libjpeg keep nothing with a
// destructor in their frames.

// jpeglib.h needs size_t and FILE declared first.
#include <cstddef>
#include <cstdio>

#include <jerror.h>
#include <jpeglib.h>

#include <algorithm>
#include <csetjmp>
#include <exception>
#include <vector>

#include "io/Image.h"
#include "io/ImageLimits.h"
#include "io/ImageWriters.h"
#include "shell/Buffers.h"

namespace vx {

namespace {

constexpr const char* READ_FAILED = "Error reading JPEG file";
// A progressive file may hold thousands of tiny scans, each a full pass over
// the picture; real encoders use about ten.
constexpr int MAX_SCANS = 1000;

struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
};

void ErrorExit(j_common_ptr cinfo) {
    std::longjmp(reinterpret_cast<ErrorManager*>(cinfo->err)->jump, 1);
}

// Warnings are quiet, except that a file ending early is refused: libjpeg
// would fill the rest of the picture with grey.
void EmitMessage(j_common_ptr cinfo, int level) {
    if (level < 0 && cinfo->err->msg_code == JWRN_JPEG_EOF) ErrorExit(cinfo);
}

void LimitScans(j_common_ptr cinfo) {
    if (cinfo->is_decompressor &&
        reinterpret_cast<j_decompress_ptr>(cinfo)->input_scan_number > MAX_SCANS)
        ErrorExit(cinfo);
}

void InitErrors(ErrorManager& err) {
    jpeg_std_error(&err.pub);
    err.pub.error_exit = ErrorExit;
    err.pub.emit_message = EmitMessage;
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

bool Decompress(jpeg_decompress_struct& cinfo, ErrorManager& err, jpeg_progress_mgr& progress,
                std::span<const std::uint8_t> data, Image& img, std::vector<std::uint8_t>& cmyk) {
    if (setjmp(err.jump)) return false;
    jpeg_create_decompress(&cinfo);
    progress.progress_monitor = LimitScans;
    cinfo.progress = &progress;
    jpeg_mem_src(&cinfo, data.data(), static_cast<unsigned long>(data.size()));
    jpeg_read_header(&cinfo, TRUE);
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
    jpeg_finish_decompress(&cinfo);
    return true;
}

// Collects the compressed bytes in a vector, a buffer at a time.
struct VectorDestination {
    jpeg_destination_mgr pub;
    std::vector<std::uint8_t>* out;
    JOCTET buffer[16384];
};

VectorDestination& Destination(j_compress_ptr cinfo) {
    return *reinterpret_cast<VectorDestination*>(cinfo->dest);
}

void ResetBuffer(j_compress_ptr cinfo) {
    VectorDestination& d = Destination(cinfo);
    d.pub.next_output_byte = d.buffer;
    d.pub.free_in_buffer = sizeof d.buffer;
}

// Appends the first `n` buffered bytes; running out of memory is a libjpeg
// error, so no exception crosses its frames.
void Flush(j_compress_ptr cinfo, std::size_t n) {
    VectorDestination& d = Destination(cinfo);
    try {
        d.out->insert(d.out->end(), d.buffer, d.buffer + n);
    } catch (const std::exception&) {
        ERREXIT(cinfo, JERR_OUT_OF_MEMORY);
    }
}

boolean EmptyBuffer(j_compress_ptr cinfo) {
    Flush(cinfo, sizeof Destination(cinfo).buffer);
    ResetBuffer(cinfo);
    return TRUE;
}

void FinishBuffer(j_compress_ptr cinfo) {
    Flush(cinfo, sizeof Destination(cinfo).buffer - Destination(cinfo).pub.free_in_buffer);
}

bool Compress(jpeg_compress_struct& cinfo, ErrorManager& err, const WritePixels& in, int quality,
              VectorDestination& dest) {
    if (setjmp(err.jump)) return false;
    jpeg_create_compress(&cinfo);
    dest.pub.init_destination = ResetBuffer;
    dest.pub.empty_output_buffer = EmptyBuffer;
    dest.pub.term_destination = FinishBuffer;
    cinfo.dest = &dest.pub;
    cinfo.image_width = static_cast<JDIMENSION>(in.w);
    cinfo.image_height = static_cast<JDIMENSION>(in.h);
    cinfo.input_components = 4;
    cinfo.in_color_space = JCS_EXT_BGRX;  // 0x00RRGGBB words, little-endian
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, std::clamp(quality, 1, 100), TRUE);
    if (quality >= 90) {  // keep colour edges of text and shapes sharp
        for (int c = 0; c < cinfo.num_components; ++c)
            cinfo.comp_info[c].h_samp_factor = cinfo.comp_info[c].v_samp_factor = 1;
    }
    cinfo.optimize_coding = TRUE;
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = reinterpret_cast<JSAMPROW>(const_cast<std::uint32_t*>(
            in.px + static_cast<std::size_t>(cinfo.next_scanline) * in.w));
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    return true;
}

}  // namespace

bool DecodeJpeg(std::span<const std::uint8_t> data, Image& img) {
    jpeg_decompress_struct cinfo{};
    ErrorManager err{};
    InitErrors(err);
    cinfo.err = &err.pub;
    jpeg_progress_mgr progress{};
    std::vector<std::uint8_t> cmyk;
    const bool ok = !data.empty() && Decompress(cinfo, err, progress, data, img, cmyk);
    jpeg_destroy_decompress(&cinfo);
    if (!ok && img.error.empty()) img.error = READ_FAILED;
    return ok;
}

bool EncodeJpeg(const WritePixels& in, int quality, std::vector<std::uint8_t>& out,
                std::string* error) {
    out.clear();
    jpeg_compress_struct cinfo{};
    ErrorManager err{};
    InitErrors(err);
    cinfo.err = &err.pub;
    VectorDestination dest{};
    dest.out = &out;
    const bool ok = Compress(cinfo, err, in, quality, dest);
    jpeg_destroy_compress(&cinfo);
    if (!ok) {
        out.clear();
        if (error) *error = "JPEG encoding failed";
    }
    return ok;
}

}  // namespace vx
