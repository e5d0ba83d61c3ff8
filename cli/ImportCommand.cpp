// import: decodes a picture exactly as Import Custom Bitmap does and writes its
// pixels, alpha included, as a 32-bit PNG.

#include "cli/Commands.h"
#include "codecs/CustomBitmap.h"
#include "codecs/PngWriter.h"
#include "shell/Messages.h"

namespace vx::cli {

int Import(Args args) {
    if (args.size() != 2) return Misuse("import");
    const std::string& in = args[0];
    const std::string& out = args[1];
    BitmapPixels bitmap;
    if (const Result read = LoadBitmapFile(in, bitmap); !read)
        return Fail(MSG_CANNOT_OPEN + in + " (" + read.message() + ")");
    const Result written =
        WritePngFile(out, bitmap.px.data(), bitmap.w, bitmap.h, PngChannels::RGBA);
    if (!written) return Fail(MSG_CANNOT_SAVE + out + " (" + written.message() + ")");
    return 0;
}

}  // namespace vx::cli
