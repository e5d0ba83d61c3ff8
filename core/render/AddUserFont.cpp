#include "render/AddUserFont.h"

#include <filesystem>
#include <memory>
#include <vector>

#include "render/FontFile.h"
#include "render/FtText.h"
#include "render/UserFonts.h"
#include "shell/AtomicFile.h"
#include "shell/Messages.h"
#include "shell/ReadFile.h"

namespace vx {

namespace {

namespace fs = std::filesystem;

// Font files larger than this are not fonts anyone designs logos with.
constexpr std::size_t MAX_FONT_BYTES = 64u << 20;

// Whether FreeType opens the whole font, as drawing with it will.
bool FreeTypeOpens(const std::vector<std::uint8_t>& bytes) {
    FT_Face face = nullptr;
    const FT_Error error = FT_New_Memory_Face(FtText::library, bytes.data(),
                                              static_cast<FT_Long>(bytes.size()), 0, &face);
    if (error != 0) return false;
    FT_Done_Face(face);
    return true;
}

// `folder`/`file`, or with " (2)", " (3)" ... before the extension when a
// file of that name is already there (a font that was left out, say).
fs::path FreeTarget(const fs::path& folder, const fs::path& file) {
    fs::path target = folder / file;
    std::error_code ec;
    for (int n = 2; fs::exists(target, ec); ++n)
        target = folder / (file.stem().string() + " (" + std::to_string(n) + ")" +
                           file.extension().string());
    return target;
}

}  // namespace

Result AddUserFont(const std::string& source, const std::string& folder, std::string& name) {
    const auto not_opened = [&source] { return Result::Failure(MSG_FONT_NOT_OPENED + source); };
    std::vector<std::uint8_t> bytes;
    if (!ReadWholeFile(source, MAX_FONT_BYTES, bytes) || bytes.empty() || !FreeTypeOpens(bytes))
        return not_opened();

    // Named from the file where it lies now, exactly as a start-up would name it.
    FontData fd;
    auto file = std::make_shared<FontFile>();
    if (!file->Open(source, false)) return not_opened();
    fd.file = file;
    fd.at.length = static_cast<std::size_t>(file->size());
    fd.path = source;
    fd.own = true;
    if (!FtText::NameFace(fd)) return not_opened();
    name = fd.name;
    if (FtText::HasFace(fd.name))
        return Result::Failure(MSG_FONT_NAME_TAKEN + fd.name + " (" + source + ")");
    if (FtText::n_fonts >= MAX_FONTS)
        return Result::Failure("Font left out, no more fonts can be loaded: " + source);

    std::error_code ec;
    if (folder.empty() || (fs::create_directories(folder, ec), ec))
        return Result::Failure(MSG_CANNOT_SAVE + folder + (ec ? " (" + ec.message() + ")" : ""));
    const fs::path target = FreeTarget(folder, fs::path(source).filename());
    if (Result written = WriteFileAtomically(target.string(), bytes); !written)
        return Result::Failure(MSG_CANNOT_SAVE + target.string() + " (" + written.message() + ")");

    // From now on the face is read from its copy, as after a restart.
    auto copy = std::make_shared<FontFile>();
    if (!copy->Open(target.string(), false))
        return Result::Failure(MSG_FONT_NOT_OPENED + target.string());
    FontData added;
    added.file = copy;
    added.at.length = static_cast<std::size_t>(copy->size());
    added.path = target.string();
    added.own = true;
    added.name = fd.name;
    added.cat = LetterTab(fd.name);
    FtText::fonts.push_back(std::move(added));
    ++FtText::n_fonts;
    return {};
}

}  // namespace vx
