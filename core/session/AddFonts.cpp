#include "session/AddFonts.h"

#include "render/AddUserFont.h"
#include "render/FontCatalogue.h"
#include "render/UserFonts.h"

namespace vx {

std::string AddFontsReport::Text() const {
    std::string text;
    if (!added.empty()) {
        text = added.size() == 1 ? "Font added:\n" : "Fonts added:\n";
        for (const std::string& name : added)
            text += "    " + name + " (text tab " + FontCategoryTab(LetterTab(name)) + ")\n";
    }
    if (!added.empty() && !refused.empty()) text += "\n";
    for (const std::string& message : refused) text += message + "\n";
    if (!text.empty()) text.pop_back();
    return text;
}

AddFontsReport AddFontFiles(const std::vector<std::string>& paths, const std::string& folder) {
    AddFontsReport report;
    for (const std::string& path : paths) {
        std::string name;
        if (const Result added = AddUserFont(path, folder, name); added)
            report.added.push_back(name);
        else
            report.refused.push_back(added.message());
    }
    return report;
}

}  // namespace vx
