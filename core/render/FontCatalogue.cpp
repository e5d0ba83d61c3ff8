#include "render/FontCatalogue.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "render/FtText.h"

namespace vx {

namespace {

constexpr std::array<const char*, FONT_CATEGORIES> TABS = {"A - A", "B - B", "C - C", "D - E",
                                                           "F - G", "H - J", "K - L", "M - O",
                                                           "P - R", "S - S", "T - Z"};

bool SameLetter(char a, char b) {
    return std::tolower(static_cast<unsigned char>(a)) ==
           std::tolower(static_cast<unsigned char>(b));
}

bool EqualsIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), SameLetter);
}

bool StartsIgnoringCase(const std::string& s, const std::string& prefix) {
    return s.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), s.begin(), SameLetter);
}

}  // namespace

const char* FontCategoryTab(int ncat) {
    return ncat >= 0 && ncat < FONT_CATEGORIES ? TABS[static_cast<std::size_t>(ncat)] : "";
}

int FontCategory(const std::string& name) {
    for (int n = 0; n < FtText::n_fonts; ++n) {
        const FontData& fd = FtText::fonts[static_cast<std::size_t>(n)];
        if (EqualsIgnoringCase(fd.name, name))
            return fd.cat >= 0 && fd.cat < FONT_CATEGORIES ? fd.cat : 0;
    }
    return 0;
}

std::vector<std::string> FontsInCategory(int ncat) {
    std::vector<std::string> names;
    for (int nf = 0; nf < FtText::TextFontCount(); ++nf) {
        const FontData& fd = FtText::TextFont(nf);
        if (fd.cat == ncat) names.push_back(fd.name);
    }
    return names;
}

int FindFontItem(const std::vector<std::string>& names, const std::string& name) {
    for (std::size_t n = 0; n < names.size(); ++n)
        if (StartsIgnoringCase(names[n], name)) return static_cast<int>(n);
    return -1;
}

}  // namespace vx
