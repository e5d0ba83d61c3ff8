#pragma once

// Whole logos built from the test fonts, shared by tests and benchmarks.

#include "document/LeFile.h"

namespace vx::test {

// Outline, shadow and a gradient fill on `lt`, effects at `strength`.
void AllEffects(LogoParams& lt, int strength);

// A typical logo: a title, a slogan, a bent line and two shapes, every object
// with outline, shadow and gradient at strength 3.
void TypicalLogo(LeFile& lf);

}  // namespace vx::test
