#pragma once

// The packed test fonts, loaded once for the whole benchmark run.

#include <string>

#include "support/TestFonts.h"

namespace vx::bench {

inline void LoadFonts() {
    struct Fonts {
        std::string folder = test::InstallTestFonts();
        ~Fonts() { test::RemoveTestFonts(folder); }
    };
    static Fonts fonts;
}

}  // namespace vx::bench
