#pragma once

// Documents for tests, with every stored field set to a distinctive value.

#include <gtest/gtest.h>

#include <string>

#include "document/LeFile.h"

namespace vx::test {

// A text object whose every field differs from the defaults; `seed` varies them.
std::unique_ptr<LogoObject> MakeVariedObject(int seed);

// A document of `count` varied objects (text, shape and bitmap kinds), with a
// non-default background, current object and fixed canvas.
LeFile MakeVariedDocument(int count);

// Field-by-field equality of what files store, floats compared by bits. A
// failure names the first field that differs (and leaves that in `why`).
::testing::AssertionResult SameStoredFields(const LogoObject& a, const LogoObject& b,
                                            std::string* why = nullptr);
::testing::AssertionResult SameStoredDocument(const LeFile& a, const LeFile& b,
                                              std::string* why = nullptr);

}  // namespace vx::test
