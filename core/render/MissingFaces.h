#pragma once

// Faces a logo names that are not loaded: its text and shape objects then draw
// with the first text font, and the program says which faces were missing.

#include <string>
#include <vector>

#include "document/LeFile.h"

namespace vx {

// Each missing face name once, in object order.
std::vector<std::string> MissingFaces(const LeFile& lf);

// The name of the face they draw with: the first text font FreeType opens;
// empty without one.
std::string FallbackFaceName();

}  // namespace vx
