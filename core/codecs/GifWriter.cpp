// GIF writing with giflib, from a picture reduced to 256 colours.

#include "codecs/GifWriter.h"

#include <gif_lib.h>

#include <memory>

#include "codecs/ImageWriters.h"
#include "codecs/Quantize.h"

namespace vx {

namespace {

int AppendToVector(GifFileType* gif, const GifByteType* bytes, int n) {
    auto* out = static_cast<std::vector<std::uint8_t>*>(gif->UserData);
    out->insert(out->end(), bytes, bytes + n);
    return n;
}

struct ColourMapDeleter {
    void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};

// Writes the screen, the transparency extension (when `transparent` >= 0) and
// the one image.
bool WriteGif(GifFileType* gif, const PalettePicture& pic, int w, int h, int transparent) {
    // Colour tables come in powers of two, of at least two entries.
    int size = 2;
    while (size < static_cast<int>(pic.palette.size())) size *= 2;
    const std::unique_ptr<ColorMapObject, ColourMapDeleter> map(GifMakeMapObject(size, nullptr));
    if (!map) return false;
    for (std::size_t i = 0; i < pic.palette.size(); ++i) {
        const std::uint32_t c = pic.palette[i];
        map->Colors[i] = {static_cast<GifByteType>(c >> 16), static_cast<GifByteType>(c >> 8),
                          static_cast<GifByteType>(c)};
    }
    EGifSetGifVersion(gif, true);
    if (EGifPutScreenDesc(gif, w, h, 8, 0, map.get()) != GIF_OK) return false;
    if (transparent >= 0) {
        GraphicsControlBlock gcb{};
        gcb.DisposalMode = DISPOSAL_UNSPECIFIED;
        gcb.TransparentColor = transparent;
        GifByteType ext[4];
        const std::size_t len = EGifGCBToExtension(&gcb, ext);
        if (EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(len), ext) != GIF_OK)
            return false;
    }
    if (EGifPutImageDesc(gif, 0, 0, w, h, false, nullptr) != GIF_OK) return false;
    for (int y = 0; y < h; ++y) {
        auto* row = const_cast<GifPixelType*>(pic.indices.data() + static_cast<std::size_t>(y) * w);
        if (EGifPutLine(gif, row, w) != GIF_OK) return false;
    }
    return true;
}

// Readers that ignore GIF transparency show the transparent entry's colour:
// make it the average of the pixels it stands for (the export's background).
void ShowBackgroundWhereClear(const WritePixels& in, PalettePicture& pic, int transparent) {
    std::uint64_t sum[3] = {0, 0, 0};
    std::uint64_t count = 0;
    for (std::size_t i = 0; i < pic.indices.size(); ++i) {
        if (pic.indices[i] != transparent) continue;
        for (int c = 0; c < 3; ++c) sum[c] += in.px[i] >> (8 * c) & 0xFF;
        ++count;
    }
    if (count == 0) return;
    std::uint32_t rgb = 0;
    for (int c = 0; c < 3; ++c) rgb |= static_cast<std::uint32_t>(sum[c] / count) << (8 * c);
    pic.palette[static_cast<std::size_t>(transparent)] = rgb;  // alpha 0
}

}  // namespace

Result EncodeGif(const WritePixels& in, std::vector<std::uint8_t>& out) {
    out.clear();
    PalettePicture pic;
    if (Result reduced = ReduceColours(in, true, pic); !reduced) return reduced;
    int transparent = -1;
    if (in.alpha)
        for (std::size_t i = 0; i < pic.palette.size() && transparent < 0; ++i)
            if (pic.palette[i] >> 24 == 0) transparent = static_cast<int>(i);
    if (transparent >= 0) ShowBackgroundWhereClear(in, pic, transparent);
    int status = 0;
    GifFileType* gif = EGifOpen(&out, AppendToVector, &status);
    bool ok = gif && WriteGif(gif, pic, in.w, in.h, transparent);
    if (gif && !ok) status = gif->Error;
    if (gif && EGifCloseFile(gif, ok ? &status : nullptr) != GIF_OK) ok = false;
    if (ok) return {};
    out.clear();
    const char* why = GifErrorString(status);
    return Result::Failure(std::string("GIF encoding failed") +
                           (why ? std::string(": ") + why : ""));
}

}  // namespace vx
