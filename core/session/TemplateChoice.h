#pragma once

// What the template window's choice does to the main window's document, and
// the rules of the window itself: its pages of four previews, the preview
// fill colours and the loading screen's least duration.

#include <cstdint>
#include <string>

#include "document/HslF.h"
#include "document/LeFile.h"

namespace vx {

class Session;

// ---- The choice ----

// Start-up: the document the main window starts with is a copy of `doc` (the
// template picked, or the project named on the command line) with its topmost
// shape selected, named `name` ("" for an unnamed project), as the first undo
// step.
void StartWith(Session& s, const LeFile& doc, const std::string& name);

// File > New From Template: the template replaces the document as an unnamed
// project with its topmost shape selected; one undo step.
void ReplaceWithTemplate(Session& s, const LeFile& doc);

// ---- The pages ----

constexpr int TEMPLATES_PER_PAGE = 4;

// A page of the library: `ctm`, the first template shown (a multiple of four),
// of `count`.
struct TemplatePage {
    int ctm = 0;
    int count = 0;

    bool Shown(int i) const { return ctm + i < count; }
    bool CanPrev() const { return ctm > 3; }
    bool CanNext() const { return ctm + TEMPLATES_PER_PAGE < count; }
    // The template preview `i` of the page shows.
    int Template(int i) const { return ctm + i; }
    void Prev() {
        if (CanPrev()) ctm -= TEMPLATES_PER_PAGE;
    }
    void Next() {
        if (CanNext()) ctm += TEMPLATES_PER_PAGE;
    }
};

// A preview's fill: the template's background, and each channel of it plus 10
// (at most 255) while the cursor is over the preview. 0x00RRGGBB.
std::uint32_t PreviewFill(const HslF& bgc);
std::uint32_t PreviewHighlight(std::uint32_t fill);

// ---- The loading screen ----

// The loading screen stays up at least this long, however fast the loading.
constexpr std::uint32_t LOADING_MIN_MS = 5001;

// Whether `wait` ms have passed from `start` to `now` on a 32-bit millisecond
// clock; the unsigned difference makes its wrap-around harmless.
inline bool LoadingWaitOver(std::uint32_t start, std::uint32_t now, std::uint32_t wait) {
    return now - start >= wait;
}

}  // namespace vx
