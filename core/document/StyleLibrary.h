#pragma once

// The style library: styles/1.zeb, 2.zeb, ... under the program folder, each a
// project file whose first object's parameters are the style.

#include <string>
#include <vector>

#include "document/LogoParams.h"
#include "shell/Messages.h"

namespace vx {

constexpr int MAX_STYLES = 1000;

// Reads styles from `folder` + "/1.zeb" upward until a file cannot be opened or
// MAX_STYLES are held. Files without objects are skipped. Problems are shown
// with ShowMessage: a missing first file or a refused header with
// MSG_STYLES_MISSING; past the header as LoadProject shows them (a record of
// an unknown version, a file that ends early), keeping the style when object
// 0 was read in full.
std::vector<LogoParams> LoadStyles(const std::string& folder);

// The program folder's style library.
std::vector<LogoParams> LoadProgramStyles();

}  // namespace vx
