#pragma once

// The user's own fonts: TrueType and OpenType files the user has added to the
// fonts folder of the user's data folder, loaded beside the built-in libraries
// (FtText::ReadUserFonts).

#include <string>

namespace vx {

inline constexpr const char* MSG_FONT_NOT_OPENED = "Font could not be opened: ";
inline constexpr const char* MSG_FONT_NAME_TAKEN = "Font left out, a font of its name is loaded: ";

// $XDG_DATA_HOME (when absolute, else ~/.local/share) + "/Vexo Logo/fonts":
// where the window's Add Fonts copies files. Empty without a home folder.
std::string UserFontFolder();

// The letter tab (text category 0..10) of a face name, by its first letter;
// a name that starts with anything else goes to the first tab.
int LetterTab(const std::string& name);

}  // namespace vx
