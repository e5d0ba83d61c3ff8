#include "codecs/CustomBitmap.h"

#include <array>
#include <cctype>

#include "codecs/Image.h"
#include "codecs/ImageLimits.h"
#include "shell/ReadFile.h"

namespace vx {

namespace {

constexpr std::array<const char*, 7> EXTENSIONS = {"bmp", "gif", "jpg", "png", "ico", "tif", "tga"};

bool Refuse(std::string* why, std::string text) {
    if (why) *why = std::move(text);
    return false;
}

}  // namespace

int ImageTypeForPath(const std::string& path) {
    if (path.size() < 3) return -1;
    std::string ext = path.substr(path.size() - 3);
    for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (std::size_t t = 0; t < EXTENSIONS.size(); ++t)
        if (ext == EXTENSIONS[t]) return static_cast<int>(t);
    return -1;
}

bool LoadBitmapFile(const std::string& path, BitmapPixels& out, std::string* why) {
    const int type = ImageTypeForPath(path);
    if (type < 0) return Refuse(why, "not a picture type that can be imported");
    return LoadBitmapFileAs(path, type, out, why);
}

bool LoadBitmapFileAs(const std::string& path, int type, BitmapPixels& out, std::string* why) {
    std::vector<std::uint8_t> bytes;
    const ReadFileResult read = ReadWholeFile(path, MAX_IMAGE_FILE_BYTES, bytes);
    if (!read.ok) return Refuse(why, read.error);
    Image img;
    if (!img.Decode(bytes, type)) return Refuse(why, img.error);
    bytes = {};  // the file's bytes are no longer needed; free them before converting
    BitmapPixels result;
    if (!img.ToPixels(result.px)) return Refuse(why, "not enough memory");
    result.w = img.w;
    result.h = img.h;
    out = std::move(result);
    return true;
}

}  // namespace vx
