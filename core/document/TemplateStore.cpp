#include "document/TemplateStore.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "document/ProjectFile.h"
#include "shell/Checked.h"
#include "shell/Messages.h"

namespace vx {

namespace {

namespace fs = std::filesystem;

bool IsTemplateName(const std::string& name) {
    if (name.size() <= 4) return false;
    std::string ext = name.substr(name.size() - 4);
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) {
        return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    });
    return ext == ".zeb";
}

std::unique_ptr<TemplatePicture> LoadPicture(const PictureLoader& load, const std::string& path) {
    auto pic = std::make_unique<TemplatePicture>();
    if (!load || !load(path, *pic)) return nullptr;
    return pic;
}

}  // namespace

std::vector<TemplateFile> TemplateStore::List(const std::string& folder) {
    return List(std::vector<std::string>{folder});
}

std::vector<TemplateFile> TemplateStore::List(const std::vector<std::string>& folders) {
    std::vector<TemplateFile> files;
    for (const std::string& folder : folders) {
        std::error_code ec;
        // Every error (a missing folder included) ends that folder's listing.
        for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
            const std::string name = it->path().filename().string();
            if (!IsTemplateName(name) || !it->is_regular_file(ec)) continue;
            files.push_back({it->path().string(), name.substr(0, name.size() - 4)});
        }
    }
    // std::string compares its chars as unsigned bytes: "Alpha" < "Beta" < "alpha".
    std::sort(files.begin(), files.end(),
              [](const TemplateFile& a, const TemplateFile& b) { return a.title < b.title; });
    if (files.size() > static_cast<std::size_t>(MAX_TMPS)) files.resize(MAX_TMPS);
    return files;
}

std::string TemplateStore::PicturePath(const std::string& path, const char* suffix) {
    return path.substr(0, path.size() - 4) + suffix;
}

int TemplateStore::Reload(const std::string& folder, const PictureLoader& load,
                          const TemplateProgress& progress) {
    return Reload(std::vector<std::string>{folder}, load, progress);
}

int TemplateStore::Reload(const std::vector<std::string>& folders, const PictureLoader& load,
                          const TemplateProgress& progress) {
    VX_CALL(Free(), "FreeTmps()");
    const std::vector<TemplateFile> files = List(folders);
    lfs.resize(files.size());
    xia.resize(files.size());
    xib.resize(files.size());
    for (std::size_t n = 0; n < files.size(); ++n) {
        const std::string& fp = files[n].path;
        VX_CALL(LoadProject(fp, lfs[n]), "CZebDlg::LoadProject(fp,lfs[n])");
        const std::string a = PicturePath(fp, "a.bpr");
        xia[n] = LoadPicture(load, a);
        if (!xia[n]) {
            ShowMessage(MSG_CANNOT_OPEN + a);
        } else {
            const std::string c = PicturePath(fp, "c.bpr");
            xib[n] = LoadPicture(load, c);
            // The "a" picture decoded a moment ago: the fallback is its copy.
            if (!xib[n]) xib[n] = std::make_unique<TemplatePicture>(*xia[n]);
        }
        if (progress) progress(static_cast<int>(n) + 1, static_cast<int>(files.size()));
    }
    return 0;
}

int TemplateStore::Free() {
    lfs.clear();
    xia.clear();
    xib.clear();
    return 0;
}

}  // namespace vx
