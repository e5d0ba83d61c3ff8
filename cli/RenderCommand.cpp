// render: the logo canvas of a project file as the output window would assemble
// it for a given space, written as a 24-bit PNG.

#include <charconv>
#include <cstdint>

#include "cli/Commands.h"
#include "cli/OpenProject.h"
#include "cli/ScopedFonts.h"
#include "codecs/PngWriter.h"
#include "render/Random.h"
#include "shell/Messages.h"

namespace vx::cli {

namespace {

constexpr int DEFAULT_W = 800;
constexpr int DEFAULT_H = 600;
// The canvas assembly does nothing below 10; the top bounds the buffer.
constexpr int MIN_SPACE = 10;
constexpr int MAX_SPACE = 8192;

template <class T>
bool ParseNumber(const std::string& text, T& out) {
    const char* end = text.data() + text.size();
    const auto r = std::from_chars(text.data(), end, out);
    return r.ec == std::errc() && r.ptr == end;
}

// "WxH" with both sides in MIN_SPACE..MAX_SPACE.
bool ParseSize(const std::string& text, int& w, int& h) {
    const std::size_t x = text.find('x');
    if (x == std::string::npos) return false;
    return ParseNumber(text.substr(0, x), w) && ParseNumber(text.substr(x + 1), h) &&
           w >= MIN_SPACE && h >= MIN_SPACE && w <= MAX_SPACE && h <= MAX_SPACE;
}

}  // namespace

int Render(Args args) {
    if (args.size() < 2) return Misuse("render");
    const std::string& in = args[0];
    const std::string& out = args[1];
    int w = DEFAULT_W;
    int h = DEFAULT_H;
    bool seeded = false;
    std::uint32_t seed = 0;
    for (std::size_t i = 2; i < args.size(); i += 2) {
        if (i + 1 >= args.size()) return Misuse("render");
        if (args[i] == "--size") {
            if (!ParseSize(args[i + 1], w, h))
                return Fail("--size must be WxH with each side " + std::to_string(MIN_SPACE) +
                            " to " + std::to_string(MAX_SPACE) + ": " + args[i + 1]);
        } else if (args[i] == "--seed") {
            if (!ParseNumber(args[i + 1], seed))
                return Fail("--seed must be a number 0 to 4294967295: " + args[i + 1]);
            seeded = true;
        } else {
            return Misuse("render");
        }
    }

    LeFile lf;
    if (const Result opened = OpenProject(in, lf); !opened) return Fail(opened.message());

    const ScopedFonts fonts(lf);
    if (seeded) EngineRandom().Seed(seed);
    lf.Update(w, h, -1, -1);
    const ObjectBitmap& ob = LeFile::ob;
    if (ob.dta.empty()) return Fail(MSG_CANNOT_SAVE + out);
    const Result written = WritePngFile(out, ob.dta.data(), ob.dw, ob.dh, PngChannels::RGB);
    if (!written) return Fail(MSG_CANNOT_SAVE + out + " (" + written.message() + ")");
    return 0;
}

}  // namespace vx::cli
