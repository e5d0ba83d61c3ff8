#include "ui/controls/EngineImage.h"

#include "shell/Buffers.h"

namespace vx {

namespace {

bool Fits(std::size_t count, int w, int h) {
    const auto area = CheckedArea(w, h);
    return w > 0 && h > 0 && area && *area <= count;
}

// Rows are packed: the stride is the width in bytes.
qsizetype Stride(int w) {
    return static_cast<qsizetype>(w) * 4;
}

}  // namespace

QImage EngineImage(std::vector<std::uint32_t>& px, int w, int h) {
    if (!Fits(px.size(), w, h)) return {};
    return QImage(reinterpret_cast<uchar*>(px.data()), w, h, Stride(w), QImage::Format_RGB32);
}

QImage EngineImage(const std::uint32_t* px, std::size_t count, int w, int h) {
    if (px == nullptr || !Fits(count, w, h)) return {};
    return QImage(reinterpret_cast<const uchar*>(px), w, h, Stride(w), QImage::Format_RGB32);
}

}  // namespace vx
