#pragma once

// The libjpeg error manager shared by the JPEG decoder and writer: errors come
// back through longjmp, so the functions that call libjpeg keep nothing with a
// destructor in their frames.

// jpeglib.h needs size_t and FILE declared first.
#include <cstddef>
#include <cstdio>

#include <jpeglib.h>

#include <csetjmp>

namespace vx {

struct JpegErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
};

[[noreturn]] inline void JpegErrorExit(j_common_ptr cinfo) {
    std::longjmp(reinterpret_cast<JpegErrorManager*>(cinfo->err)->jump, 1);
}

// Installs the error manager in `err` with JpegErrorExit; warnings go to
// `emit` (libjpeg's own printing when null).
inline jpeg_error_mgr* InitJpegErrors(JpegErrorManager& err,
                                      void (*emit)(j_common_ptr, int) = nullptr) {
    jpeg_std_error(&err.pub);
    err.pub.error_exit = JpegErrorExit;
    if (emit) err.pub.emit_message = emit;
    return &err.pub;
}

}  // namespace vx
