#pragma once

// The window program's handler for messages to the user ("File could not be
// opened: ..."): a modal message box captioned "Vexo Logo".

#include <string>

namespace vx {

void ShowMessageBox(const std::string& text);

}  // namespace vx
