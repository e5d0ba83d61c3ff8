#pragma once

// The export writers: a finished picture to a file in one of the six export
// formats. Every writer encodes into memory first; the file is then written to
// a temporary name and renamed over the target, so a failed export never
// leaves a partial file or destroys an older one.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "shell/Result.h"

namespace vx {

enum class ImageFormat { PNG24, PNG8, GIF8, BMP24, JPEG, TIFF };

// A picture to write: `px` holds w x h words 0x00RRGGBB (the top byte is
// ignored), rows top first. `alpha`, when given, holds w x h bytes, 0
// transparent to 255 opaque; only the formats for which FormatHoldsAlpha is
// true accept it.
struct WritePixels {
    const std::uint32_t* px = nullptr;
    int w = 0;
    int h = 0;
    const std::uint8_t* alpha = nullptr;
};

// The format's name as the export dialog labels it ("PNG 24 Bit", ...).
const char* ImageFormatName(ImageFormat format);

// PNG 24, PNG 8, GIF and TIFF can be written with transparency. GIF holds one
// transparent colour: alpha below 128 becomes transparent, the rest opaque.
bool FormatHoldsAlpha(ImageFormat format);
// The lossy quality setting applies to JPEG and TIFF.
bool FormatUsesQuality(ImageFormat format);

// Encodes `in` as `format`. `quality` (1..100, clamped) matters for JPEG and
// TIFF only. Fails, with `out` empty, on invalid input or a library failure.
Result EncodeImage(ImageFormat format, const WritePixels& in, int quality,
                   std::vector<std::uint8_t>& out);

// EncodeImage, then an atomic write to `path`.
Result WriteImageFile(const std::string& path, ImageFormat format, const WritePixels& in,
                      int quality);

}  // namespace vx
