#pragma once

// The help and home page addresses: the site's base address, "get_", the page
// word, ".php?ref=", the referrer tag and the build number.

#include <string>

namespace vx {

inline constexpr const char* DEFAULT_SITE = "https://www.vexologo.org/";
inline constexpr const char* DEFAULT_REFERRER = "unref_prog";
inline constexpr const char* BUILD_NUMBER = "1201";

std::string WebLinkAddress(const std::string& site, const std::string& page_word,
                           const std::string& referrer);

}  // namespace vx
