#pragma once

// The "&Window" menu: a group of property entries per text or shape object, in
// list order, then "Logo &Image...". Texts are code page 1252, as the document
// holds them.

#include <optional>
#include <string>
#include <vector>

#include "document/LeFile.h"

namespace vx {

// Entries of 31 characters or more are cut to 26 followed by " ...".
constexpr std::size_t WND_MENU_MAX_CHARS = 31;
constexpr std::size_t WND_MENU_CUT_CHARS = 26;

struct WindowMenuEntry {
    int id = 0;  // 0 for a separator
    std::string text;
    bool separator() const { return id == 0; }
};

std::vector<WindowMenuEntry> BuildWindowMenu(const LeFile& lf);

// A "&Window" entry's object and its ObjectCmd property number.
struct WindowCommand {
    int nobj = 0;
    int k = 0;
};

// The command of entry `id`; nothing when it names no object of `lf`.
std::optional<WindowCommand> DecodeWindowCommand(int id, const LeFile& lf);

}  // namespace vx
