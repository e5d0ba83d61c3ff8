// JPEG writing with libjpeg.

#include "codecs/JpegWriter.h"

#include <jerror.h>

#include <algorithm>
#include <exception>
#include <vector>

#include "codecs/ImageWriters.h"
#include "codecs/JpegErrors.h"

namespace vx {

namespace {

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

bool Compress(jpeg_compress_struct& cinfo, JpegErrorManager& err, const WritePixels& in,
              int quality, VectorDestination& dest) {
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

Result EncodeJpeg(const WritePixels& in, int quality, std::vector<std::uint8_t>& out) {
    out.clear();
    jpeg_compress_struct cinfo{};
    JpegErrorManager err{};
    cinfo.err = InitJpegErrors(err);
    VectorDestination dest{};
    dest.out = &out;
    const bool ok = Compress(cinfo, err, in, quality, dest);
    jpeg_destroy_compress(&cinfo);
    if (ok) return {};
    out.clear();
    return Result::Failure("JPEG encoding failed");
}

}  // namespace vx
