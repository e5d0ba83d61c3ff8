#include "cli/ScopedFonts.h"

#include "render/FtText.h"

namespace vx::cli {

ScopedFonts::ScopedFonts() {
    FtText::InitFt();
}

ScopedFonts::ScopedFonts(LeFile& document) : ScopedFonts() {
    document_ = &document;
}

ScopedFonts::~ScopedFonts() {
    if (document_) document_->Clear();
    FtText::FreeFt();
}

}  // namespace vx::cli
