#pragma once

// A project document as JSON, for scripts: every field under its own name,
// colours as [h, s, l], strings in UTF-8. Floats are written so that reading
// them back gives the same bits; NaN and the infinities, which JSON cannot
// hold, are written as strings ("NaN(0x7fc00000)", "Infinity", "-Infinity").

#include <cstdint>
#include <string>

#include <nlohmann/json.hpp>

#include "document/LeFile.h"
#include "shell/Result.h"

namespace vx {

nlohmann::ordered_json ProjectToJson(const LeFile& lf, std::uint32_t version);

// Fills `lf` and `version` from `j`. A failure names the offending field
// ("objects[2].lt.size: ...") and leaves both untouched.
Result ProjectFromJson(const nlohmann::json& j, LeFile& lf, std::uint32_t& version);

}  // namespace vx
