#pragma once

// File > Add Fonts...: the files the user picked added to the user's fonts one
// by one (AddUserFont), and one report of the whole choice for the message box.

#include <string>
#include <vector>

namespace vx {

struct AddFontsReport {
    std::vector<std::string> added;    // face names, in the order picked
    std::vector<std::string> refused;  // a message for each file left out

    // What the window shows: the faces added and where to find them, then
    // each refusal on a line of its own.
    std::string Text() const;
};

// Adds each of `paths` to `folder` and to the loaded faces; a file refused
// does not stop the others.
AddFontsReport AddFontFiles(const std::vector<std::string>& paths, const std::string& folder);

}  // namespace vx
