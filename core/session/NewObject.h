#pragma once

// The objects the window's commands add: "New Text" in a face of the text
// libraries, or the starburst shape, placed at the logo centre a quarter of
// the last canvas height up, as a duplicate is.

#include <memory>

#include "document/LogoObject.h"

namespace vx {

// A new object of `type` (TEXT_OBJECT or SHAPE_OBJECT).
std::unique_ptr<LogoObject> NewObject(int type);

// The face of new text objects: NEW_TEXT_FACE when the text libraries hold it,
// else their first face, so the text bar always finds it in its list.
std::string NewTextFace();

}  // namespace vx
