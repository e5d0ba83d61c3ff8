#pragma once

// The template library: the project files "*.zeb" of a templates folder, each
// with two preview pictures beside it, T.zeb with Ta.bpr (normal) and Tc.bpr
// (highlighted). The store is filled once, during the loading screen, and read
// by every template window until the program ends.
//
// The document layer reads no pictures: the caller passes the decoder.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "document/LeFile.h"

namespace vx {

// The library holds at most this many templates: the first ones by title.
constexpr int MAX_TMPS = 1000;

// A decoded preview: (A << 24) | (R << 16) | (G << 8) | B, top row first.
struct TemplatePicture {
    int w = 0;
    int h = 0;
    std::vector<std::uint32_t> px;
};

// Decodes the picture at `path` into `out`; false when it cannot.
using PictureLoader = std::function<bool(const std::string& path, TemplatePicture& out)>;
// Told after each template is read: `done` of `count`.
using TemplateProgress = std::function<void(int done, int count)>;

// One template file: its full path and its title (the name without ".zeb").
struct TemplateFile {
    std::string path;
    std::string title;
};

class TemplateStore {
public:
    // In library order; xia/xib are null where a picture could not be read.
    std::vector<LeFile> lfs;
    std::vector<std::unique_ptr<TemplatePicture>> xia;
    std::vector<std::unique_ptr<TemplatePicture>> xib;

    int count() const { return static_cast<int>(lfs.size()); }

    // Replaces the store with the templates of `folder` (ReloadTmps): each
    // document read with LoadProject, whose messages the user sees, and kept
    // as whatever was read. A missing "a" picture shows "File could not be
    // opened: " and its path; a missing "c" picture falls back to the "a"
    // picture silently. A missing folder gives an empty store. Returns 0.
    int Reload(const std::string& folder, const PictureLoader& load,
               const TemplateProgress& progress = {});
    // The same over the templates of several folders, listed together.
    int Reload(const std::vector<std::string>& folders, const PictureLoader& load,
               const TemplateProgress& progress = {});
    // Releases the documents and pictures (FreeTmps). Returns 0.
    int Free();

    // The regular files "*.zeb" (the extension in any case) of `folder`,
    // sorted by title byte by byte, case-sensitive, the first MAX_TMPS of them.
    static std::vector<TemplateFile> List(const std::string& folder);
    // The same over several folders, sorted together.
    static std::vector<TemplateFile> List(const std::vector<std::string>& folders);
    // The picture beside template `path`: its ".zeb" replaced by `suffix`
    // ("a.bpr" or "c.bpr").
    static std::string PicturePath(const std::string& path, const char* suffix);
};

}  // namespace vx
