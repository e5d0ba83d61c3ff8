#pragma once

// Opening the project file a command works on, with the tool's message for
// each way it can fail.

#include <cstdint>
#include <string>

#include "document/LeFile.h"
#include "shell/Result.h"

namespace vx::cli {

// Reads `path` into `lf`, and its layout version into `version`. A refused
// header fails with path + ": " + MSG_WRONG_VERSION, anything else that stops
// the read with MSG_CANNOT_OPEN + path; both end with the reason in brackets.
Result OpenProject(const std::string& path, LeFile& lf, std::uint32_t& version);
Result OpenProject(const std::string& path, LeFile& lf);

}  // namespace vx::cli
