#pragma once

// The text fonts by category, as the text bar offers them: one category per
// letter tab, the faces of a category in load order, and a face found by name
// whatever its case. Reads the loaded libraries (FtText) only.

#include <string>
#include <vector>

namespace vx {

constexpr int FONT_CATEGORIES = 11;

// The caption of category tab `ncat` ("A - A" ... "T - Z"); empty out of range.
const char* FontCategoryTab(int ncat);

// The category of the first loaded face named `name`, ignoring case; 0 when
// no face has that name or the face is a symbol face.
int FontCategory(const std::string& name);

// The names of the text faces of category `ncat`, in load order.
std::vector<std::string> FontsInCategory(int ncat);

// The first of `names` that begins with `name`, ignoring case (a list box's
// select-string); -1 when none does.
int FindFontItem(const std::vector<std::string>& names, const std::string& name);

}  // namespace vx
