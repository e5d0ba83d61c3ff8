#pragma once

// The window program's handlers for fatal reports and messages: modal message
// boxes. A fatal report offers Retry, which carries on, and Cancel, which ends
// the process with exit code 0.

#include <string>

namespace vx {

void ShowFatalReportBox(const std::string& report);
void ShowMessageBox(const std::string& text);

}  // namespace vx
