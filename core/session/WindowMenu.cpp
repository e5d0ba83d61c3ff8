#include "session/WindowMenu.h"

#include <array>

#include "session/CommandIds.h"
#include "shell/Checked.h"

namespace vx {

namespace {

constexpr int IDS_PER_OBJECT = 10;

constexpr std::array<const char*, 4> TEXT_ENTRIES = {
    "Text: ", "Effects: ", "Gradient: ", "Transform: "};
constexpr std::array<const char*, 4> SHAPE_ENTRIES = {
    "Image: ", "Shape: ", "Effects: ", "Gradient: "};

std::string EntryText(const char* prefix, const std::string& label) {
    std::string text = prefix + label;
    if (text.size() >= WND_MENU_MAX_CHARS) text = text.substr(0, WND_MENU_CUT_CHARS) + " ...";
    return text;
}

}  // namespace

std::vector<WindowMenuEntry> BuildWindowMenu(const LeFile& lf) {
    std::vector<WindowMenuEntry> entries;
    for (int n = 0; n < lf.objs; ++n) {
        const LogoObject& o = *lf.obj[n];
        if (o.type == BITMAP_OBJECT) continue;  // it has no property bars here
        VX_CHECK(o.type == TEXT_OBJECT || o.type == SHAPE_OBJECT, "invalid obj->type");
        const auto& prefixes = o.type == TEXT_OBJECT ? TEXT_ENTRIES : SHAPE_ENTRIES;
        for (int k = 0; k < static_cast<int>(prefixes.size()); ++k)
            entries.push_back({ID_WINDOW_FIRST + n * IDS_PER_OBJECT + k,
                               EntryText(prefixes[static_cast<std::size_t>(k)], o.lt.str)});
        entries.push_back({});
    }
    entries.push_back({ID_WINDOW_LOGOIMAGE, "Logo &Image..."});
    return entries;
}

std::optional<WindowCommand> DecodeWindowCommand(int id, const LeFile& lf) {
    if (id < ID_WINDOW_FIRST || id > ID_WINDOW_LAST) return std::nullopt;
    const int nobj = (id - ID_WINDOW_FIRST) / IDS_PER_OBJECT;
    VX_CHECK(nobj >= 0 && nobj < lf.objs, "nobj>=0&&nobj<lf.objs");
    if (nobj >= lf.objs) return std::nullopt;
    return WindowCommand{nobj, (id - ID_WINDOW_FIRST) % IDS_PER_OBJECT};
}

}  // namespace vx
