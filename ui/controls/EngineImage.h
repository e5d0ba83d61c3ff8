#pragma once

// The bridge between the engine's pixel buffers and Qt: an engine buffer
// (0x00RRGGBB words, rows top to bottom, stride equal to the width) is the
// memory layout of QImage::Format_RGB32 on this platform, so a QImage is put
// over the same memory and no pixel is copied. The buffer must stay alive and
// keep its size while the image is used.
//
// The engine leaves the top byte 0 where Qt's format has 0xFF. Drawn onto an
// opaque surface (a widget with Qt::WA_OpaquePaintEvent, an RGB32 image) the
// pixels come out exactly; a surface with an alpha channel would take the 0 as
// transparency, so views that show engine buffers are opaque widgets.

#include <QImage>

#include <cstdint>
#include <vector>

namespace vx {

// A writable image over `px` (w x h), for painting into an engine buffer with
// QPainter before the engine draws over it. A null image when the sizes do not
// fit the buffer.
QImage EngineImage(std::vector<std::uint32_t>& px, int w, int h);
// A read-only image over `px` (w x h); null when w*h pixels are not available.
QImage EngineImage(const std::uint32_t* px, std::size_t count, int w, int h);

}  // namespace vx
