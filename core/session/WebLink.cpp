#include "session/WebLink.h"

namespace vx {

std::string WebLinkAddress(const std::string& site, const std::string& page_word,
                           const std::string& referrer) {
    return site + "get_" + page_word + ".php?ref=" + referrer + BUILD_NUMBER;
}

}  // namespace vx
