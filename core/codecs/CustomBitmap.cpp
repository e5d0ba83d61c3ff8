#include "codecs/CustomBitmap.h"

#include <array>
#include <cctype>

#include "codecs/Image.h"
#include "codecs/ImageLimits.h"
#include "shell/ReadFile.h"

namespace vx {

namespace {

constexpr std::array<const char*, 7> EXTENSIONS = {"bmp", "gif", "jpg", "png", "ico", "tif", "tga"};

}  // namespace

int ImageTypeForPath(const std::string& path) {
    if (path.size() < 3) return -1;
    std::string ext = path.substr(path.size() - 3);
    for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (std::size_t t = 0; t < EXTENSIONS.size(); ++t)
        if (ext == EXTENSIONS[t]) return static_cast<int>(t);
    return -1;
}

Result LoadBitmapFile(const std::string& path, BitmapPixels& out) {
    const int type = ImageTypeForPath(path);
    if (type < 0) return Result::Failure("not a picture type that can be imported");
    return LoadBitmapFileAs(path, type, out);
}

Result LoadBitmapFileAs(const std::string& path, int type, BitmapPixels& out) {
    std::vector<std::uint8_t> bytes;
    if (Result read = ReadWholeFile(path, MAX_IMAGE_FILE_BYTES, bytes); !read) return read;
    Image img;
    if (!img.Decode(bytes, type)) return Result::Failure(img.error);
    bytes = {};  // the file's bytes are no longer needed; free them before converting
    BitmapPixels result;
    if (!img.ToPixels(result.px)) return Result::Failure("not enough memory");
    result.w = img.w;
    result.h = img.h;
    out = std::move(result);
    return {};
}

}  // namespace vx
