#pragma once

// A templates folder for tests: project files with their GIF previews, as the
// template library reads them.

#include <initializer_list>
#include <string>

namespace vx::test {

// Writes folder/title.zeb, a project of one object per kind (as
// AddObjectsOfKinds makes them) on background hue `hue`, and the previews
// title + "a.bpr" and title + "c.bpr": w x h GIF pictures of one colour.
void WriteTemplate(const std::string& folder, const std::string& title,
                   std::initializer_list<int> kinds, float hue = 0, int w = 40, int h = 20);

}  // namespace vx::test
