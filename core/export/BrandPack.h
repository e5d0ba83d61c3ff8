#pragma once

// The brand pack: from one logo, the files a small business needs for a web
// site, social media and print, written into one folder. Every file is drawn
// from the logo itself (the full-size pictures at their exact scale, the small
// and fixed-size ones from one large drawing, shrunk), and each is written to a
// temporary name and renamed over its target, so a file of the pack is either
// whole or absent.

#include <functional>
#include <span>
#include <string>

#include "document/LeFile.h"
#include "export/ExportSize.h"
#include "shell/Result.h"

namespace vx {

// One file of the pack and what it is for, as README.txt lists it.
struct BrandPackFile {
    const char* name;
    const char* purpose;
};

// Every file the pack writes, README.txt last.
std::span<const BrandPackFile> BrandPackFiles();

// The widths, in pixels, logo-<width>.png is written at.
inline constexpr int BRAND_PACK_WIDTHS[] = {512, 1024, 2048};
inline constexpr int FAVICON_SIZES[] = {16, 32, 48};
inline constexpr int APPLE_TOUCH_ICON_SIZE = 180;
inline constexpr int SOCIAL_CARD_W = 1200;
inline constexpr int SOCIAL_CARD_H = 630;

// Told with the steps done and the steps in all; returning false stops the
// pack (the user cancelled). Files already written stay.
using BrandPackProgress = std::function<bool(int done, int total)>;

// Writes the whole pack into `folder`, creating it if need be. The logo must
// have been opened for export (OpenExport). A failure carries the message for
// the user; it is empty when `progress` stopped the pack.
Result WriteBrandPack(LeFile& le, const ExportLogo& logo, const std::string& folder,
                      const BrandPackProgress& progress = {});

}  // namespace vx
