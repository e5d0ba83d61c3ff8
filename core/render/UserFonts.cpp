#include "render/UserFonts.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <vector>

#include "render/FontFile.h"
#include "render/FtText.h"
#include "shell/Checked.h"
#include "shell/Messages.h"

namespace vx {

namespace {

namespace fs = std::filesystem;

// The letters of the text bar's tabs, in category order.
constexpr const char* TAB_LETTERS[] = {"a",  "b",   "c",   "de", "fg",     "hij",
                                       "kl", "mno", "pqr", "s",  "tuvwxyz"};

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

bool IsFontFileName(const fs::path& path) {
    const std::string ext = Lower(path.extension().string());
    return ext == ".ttf" || ext == ".otf";
}

// The font files of `folder`, by file name; none when it does not exist.
std::vector<fs::path> FontFiles(const std::string& folder) {
    std::vector<fs::path> files;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        if (it->is_regular_file(ec) && IsFontFileName(it->path())) files.push_back(it->path());
    std::sort(files.begin(), files.end());
    return files;
}

}  // namespace

std::string UserFontFolder() {
    const char* data = std::getenv("XDG_DATA_HOME");
    std::string base;
    if (data != nullptr && data[0] == '/') {
        base = data;
    } else if (const char* home = std::getenv("HOME"); home != nullptr && home[0] == '/') {
        base = std::string(home) + "/.local/share";
    } else {
        return {};
    }
    return base + "/Vexo Logo/fonts";
}

int LetterTab(const std::string& name) {
    const char first = name.empty() ? '\0' : Lower(name.substr(0, 1))[0];
    for (int tab = 0; tab < static_cast<int>(std::size(TAB_LETTERS)); ++tab)
        if (first != '\0' && std::string(TAB_LETTERS[tab]).find(first) != std::string::npos)
            return tab;
    return 0;
}

int FtText::ReadUserFonts(const std::string& folder) {
    if (folder.empty()) return 0;
    std::vector<FontData> found;
    const auto taken = [&found](const std::string& name) {
        return HasFace(name) || std::any_of(found.begin(), found.end(),
                                            [&name](const FontData& f) { return f.name == name; });
    };
    for (const fs::path& path : FontFiles(folder)) {
        auto file = std::make_shared<FontFile>();
        if (!file->Open(path.string(), false)) {
            ShowMessage(MSG_FONT_NOT_OPENED + path.string());
            continue;
        }
        FontData fd;
        fd.file = file;
        fd.at.length = static_cast<std::size_t>(file->size());
        fd.path = path.string();
        fd.own = true;
        if (!NameFace(fd)) continue;  // reported
        if (taken(fd.name)) {
            ShowMessage(MSG_FONT_NAME_TAKEN + fd.name + " (" + fd.path + ")");
            continue;
        }
        fd.cat = LetterTab(fd.name);
        found.push_back(std::move(fd));
    }
    std::stable_sort(found.begin(), found.end(), [](const FontData& a, const FontData& b) {
        return Lower(a.name) < Lower(b.name);
    });
    const std::size_t room = static_cast<std::size_t>(MAX_FONTS - n_fonts);
    VX_CHECK(found.size() <= room, "n_fonts+count<=MAX_FONTS");
    if (found.size() > room) found.resize(room);
    for (FontData& fd : found) {
        fonts.push_back(std::move(fd));
        ++n_fonts;
    }
    return 0;
}

}  // namespace vx
