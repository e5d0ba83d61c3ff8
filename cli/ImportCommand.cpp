// import: decodes a picture exactly as Import Custom Bitmap does and writes its
// pixels, alpha included, as a 32-bit PNG.

#include "cli/Commands.h"
#include "codecs/CustomBitmap.h"
#include "codecs/PngWriter.h"
#include "document/ProjectFile.h"

namespace vx::cli {

int Import(Args args) {
    if (args.size() != 2) return Misuse("import");
    const std::string& in = args[0];
    const std::string& out = args[1];
    BitmapPixels bitmap;
    std::string why;
    if (!LoadBitmapFile(in, bitmap, &why)) return Fail(MSG_CANNOT_OPEN + in + " (" + why + ")");
    if (!WritePngFile(out, bitmap.px.data(), bitmap.w, bitmap.h, PngChannels::RGBA, &why))
        return Fail(MSG_CANNOT_SAVE + out + " (" + why + ")");
    return 0;
}

}  // namespace vx::cli
