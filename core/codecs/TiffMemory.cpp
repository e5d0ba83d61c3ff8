#include "codecs/TiffMemory.h"

#include <algorithm>
#include <cstdarg>
#include <cstring>

#include "codecs/ImageLimits.h"

namespace vx {

namespace {

TiffMemoryFile& File(thandle_t handle) {
    return *static_cast<TiffMemoryFile*>(handle);
}

tmsize_t Read(thandle_t handle, void* buf, tmsize_t n) {
    TiffMemoryFile& f = File(handle);
    if (n < 0 || f.pos >= f.Size()) return 0;
    const std::size_t count = std::min(static_cast<std::size_t>(n), f.Size() - f.pos);
    std::memcpy(buf, f.Data() + f.pos, count);
    f.pos += count;
    return static_cast<tmsize_t>(count);
}

tmsize_t Write(thandle_t handle, void* buf, tmsize_t n) {
    TiffMemoryFile& f = File(handle);
    if (!f.output || n < 0) return -1;
    const std::size_t count = static_cast<std::size_t>(n);
    if (f.output->size() < f.pos + count) f.output->resize(f.pos + count);
    std::memcpy(f.output->data() + f.pos, buf, count);
    f.pos += count;
    return n;
}

toff_t Seek(thandle_t handle, toff_t offset, int whence) {
    TiffMemoryFile& f = File(handle);
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

}  // namespace

TiffPtr OpenTiffMemory(TiffMemoryFile& file, const char* mode) {
    TIFFOpenOptions* opts = TIFFOpenOptionsAlloc();
    if (!opts) return nullptr;
    TIFFOpenOptionsSetErrorHandlerExtR(opts, Quiet, nullptr);
    TIFFOpenOptionsSetWarningHandlerExtR(opts, Quiet, nullptr);
    TIFFOpenOptionsSetMaxSingleMemAlloc(opts, static_cast<tmsize_t>(MAX_IMAGE_PIXELS * 4));
    TIFF* tif = TIFFClientOpenExt("memory", mode, &file, Read, Write, Seek, Close, Size, NoMap,
                                  NoUnmap, opts);
    TIFFOpenOptionsFree(opts);
    return TiffPtr(tif);
}

}  // namespace vx
