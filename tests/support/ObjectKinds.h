#pragma once

// Documents of given object kinds, for the window's rules and widgets.

#include <initializer_list>
#include <string>

#include "document/LeFile.h"

namespace vx::test {

// Appends one object per kind (TEXT_OBJECT, SHAPE_OBJECT, BITMAP_OBJECT) with
// the texts "obj0", "obj1", ...; the last one is current. Objects are
// w x h boxes at the origin, as if rendered, so no fonts are needed.
void AddObjectsOfKinds(LeFile& lf, std::initializer_list<int> kinds, int w = 40, int h = 20);

// Writes a w x h opaque PNG of one colour; returns its path.
std::string WriteTestPng(const std::string& path, int w, int h, std::uint32_t rgb = 0x336699);

}  // namespace vx::test
