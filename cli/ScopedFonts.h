#pragma once

// The font libraries, loaded for the length of one command. A missing or
// corrupt library ends the tool inside the constructor, through the handlers
// main installs.

#include "document/LeFile.h"

namespace vx::cli {

class ScopedFonts {
public:
    ScopedFonts();
    // The objects of `document` borrow faces from the libraries: it is
    // emptied before they are released.
    explicit ScopedFonts(LeFile& document);
    ~ScopedFonts();
    ScopedFonts(const ScopedFonts&) = delete;
    ScopedFonts& operator=(const ScopedFonts&) = delete;

private:
    LeFile* document_ = nullptr;
};

}  // namespace vx::cli
