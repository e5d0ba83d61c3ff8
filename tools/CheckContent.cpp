// vexo-content-check: the build check of a program folder's style and
// template libraries, read through the program's own loaders.
//
//   vexo-content-check PROGRAM_DIR MIN_STYLES MIN_TEMPLATES
//
// Every style must load and render, as the style row draws it and on a text;
// every template must load, name only faces of the libraries, render, and
// have both previews as GIF pictures of the library's cell size. Any message
// or failed check is a failure; so are fewer styles or templates than asked.

#include <cstdio>
#include <cstdlib>
#include <string>

#include "document/StyleFields.h"
#include "document/StyleLibrary.h"
#include "document/TemplateStore.h"
#include "export/TemplatePreview.h"
#include "render/FtText.h"
#include "render/MissingFaces.h"
#include "session/ShippedFaces.h"
#include "session/TemplateLibrary.h"
#include "shell/FatalReport.h"
#include "shell/Messages.h"
#include "shell/ProgramFolder.h"

namespace {

int failures = 0;

void Fail(const std::string& text) {
    std::fprintf(stderr, "vexo-content-check: %s\n", text.c_str());
    ++failures;
}

// Renders `lf` as the output window does; false after a failed check.
bool Renders(vx::LeFile& lf) {
    const int before = failures;
    lf.Update(800, 600, 100, 100);
    return failures == before && vx::LeFile::ob.dw > 0 && vx::LeFile::ob.dh > 0;
}

void CheckStyles(int min_styles) {
    const std::vector<vx::LogoParams> styles = vx::LoadProgramStyles();
    if (static_cast<int>(styles.size()) < min_styles)
        Fail(std::to_string(styles.size()) + " styles, fewer than " + std::to_string(min_styles));
    for (std::size_t n = 0; n < styles.size(); ++n) {
        vx::LeFile lf;
        auto button = std::make_unique<vx::LogoObject>();
        button->type = vx::SHAPE_OBJECT;
        button->lt.font = vx::NEW_SHAPE_FACE;
        button->lt.shape = vx::NEW_SHAPE_GLYPH;
        button->lt.size = button->lt.width = 24;
        vx::CopyStyle(styles[n], button->lt);
        auto text = std::make_unique<vx::LogoObject>();
        text->lt.font = vx::NEW_TEXT_FACE;
        text->lt.size = 72;
        vx::CopyStyle(styles[n], text->lt);
        lf.AddObj(std::move(button));
        lf.AddObj(std::move(text));
        if (!Renders(lf)) Fail("style " + std::to_string(n + 1) + " does not render");
    }
    std::printf("vexo-content-check: %zu styles\n", styles.size());
}

void CheckPreview(const vx::TemplateFile& file, const char* suffix) {
    const std::string path = vx::TemplateStore::PicturePath(file.path, suffix);
    vx::TemplatePicture picture;
    if (!vx::LoadTemplatePicture(path, picture))
        Fail(path + ": not a GIF picture");
    else if (picture.w != vx::TEMPLATE_PREVIEW_W || picture.h != vx::TEMPLATE_PREVIEW_H)
        Fail(path + ": " + std::to_string(picture.w) + " x " + std::to_string(picture.h));
}

void CheckTemplates(int min_templates) {
    vx::ReloadTmps();
    vx::TemplateStore& store = vx::ProgramTemplates();
    const auto files = vx::TemplateStore::List(vx::ProgramPath("\\templates"));
    if (store.count() < min_templates)
        Fail(std::to_string(store.count()) + " templates, fewer than " +
             std::to_string(min_templates));
    for (int n = 0; n < store.count(); ++n) {
        const std::string& title = files[static_cast<std::size_t>(n)].title;
        if (store.lfs[n].objs == 0) Fail(title + ": no objects");
        for (const std::string& face : vx::MissingFaces(store.lfs[n]))
            Fail(title + ": the face \"" + face + "\" is not in the libraries");
        if (!Renders(store.lfs[n])) Fail(title + ": does not render");
        CheckPreview(files[static_cast<std::size_t>(n)], "a.bpr");
        CheckPreview(files[static_cast<std::size_t>(n)], "c.bpr");
    }
    std::printf("vexo-content-check: %d templates\n", store.count());
    vx::FreeTmps();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        Fail("usage: vexo-content-check PROGRAM_DIR MIN_STYLES MIN_TEMPLATES");
        return 2;
    }
    vx::SetFatalHandler([](const std::string& report) { Fail("fatal error\n" + report); });
    vx::SetMessageHandler([](const std::string& text) { Fail(text); });
    vx::ep = argv[1];
    vx::FtText::InitFt();
    CheckStyles(std::atoi(argv[2]));
    CheckTemplates(std::atoi(argv[3]));
    vx::FtText::FreeFt();
    return failures == 0 ? 0 : 1;
}
