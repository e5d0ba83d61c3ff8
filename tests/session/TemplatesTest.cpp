// Templates: the template window's pages of four, its preview fills and the
// loading screen's least duration; what a choice does to the main window's
// document; and Save As Template, where it goes, which names it takes, and
// that the library finds what was written beside the program's own templates.

#include <gtest/gtest.h>

#include <filesystem>

#include "session/TemplateChoice.h"
#include "session/TemplateLibrary.h"
#include "session/TemplateSave.h"
#include "support/SessionFixture.h"
#include "support/TempDir.h"
#include "support/TemplateFolder.h"
#include "support/TestFonts.h"

namespace vx {
namespace {

TEST(TemplatePages, NineTemplatesMakePagesAtZeroFourAndEight) {
    struct Expect {
        int ctm, shown;
        bool prev, next;
    };
    TemplatePage page{0, 9};
    for (const Expect e : {Expect{0, 4, false, true}, {4, 4, true, true}, {8, 1, true, false}}) {
        EXPECT_EQ(page.ctm, e.ctm);
        int shown = 0;
        for (int i = 0; i < TEMPLATES_PER_PAGE; ++i) shown += page.Shown(i);
        EXPECT_EQ(shown, e.shown) << e.ctm;
        EXPECT_EQ(page.CanPrev(), e.prev) << e.ctm;
        EXPECT_EQ(page.CanNext(), e.next) << e.ctm;
        page.Next();
    }
    EXPECT_EQ(page.ctm, 8);  // Next on the last page stays
    page.Prev();
    EXPECT_EQ(page.Template(1), 5);  // second preview of the page at 4
    page.Prev();
    page.Prev();
    EXPECT_EQ(page.ctm, 0);

    const TemplatePage empty{0, 0};
    EXPECT_FALSE(empty.Shown(0) || empty.CanPrev() || empty.CanNext());
}

TEST(TemplatePages, HighlightAddsTenToEachChannelUpTo255) {
    EXPECT_EQ(PreviewHighlight(0x102030), 0x1A2A3Au);
    EXPECT_EQ(PreviewHighlight(0xF8FFF5), 0xFFFFFFu);
    EXPECT_EQ(PreviewFill({0, 0, 240}), 0xFFFFFFu);
    EXPECT_EQ(PreviewFill({0, 240, 120}), 0xFF0000u);
}

TEST(LoadingScreen, TheWaitIsOverAfter5001MsAlsoAcrossTheClockWrap) {
    for (const std::uint32_t start : {1000u, 0xFFFFF000u}) {
        EXPECT_FALSE(LoadingWaitOver(start, start + 5000u, LOADING_MIN_MS)) << start;
        EXPECT_TRUE(LoadingWaitOver(start, start + 5001u, LOADING_MIN_MS)) << start;
    }
}

using TemplateChoice = test::SessionTest;

// The template is text, shape, shape, text: its topmost shape is index 2.
TEST_F(TemplateChoice, TakesTheTemplateAsTheFirstUndoStepAtStartAndAsAStepFromTheMenu) {
    const LeFile tmpl =
        test::DocumentOfKinds({TEXT_OBJECT, SHAPE_OBJECT, SHAPE_OBJECT, TEXT_OBJECT}, 0);
    Start({TEXT_OBJECT});
    s.doc_name = "/home/me/mine.zeb";
    ReplaceWithTemplate(s, tmpl);
    EXPECT_EQ(s.lf.cur, 2);
    EXPECT_TRUE(s.doc_name.empty());
    ASSERT_TRUE(s.Undo());
    EXPECT_EQ(s.lf.objs, 1);

    StartWith(s, tmpl, "/home/me/project.zeb");
    EXPECT_EQ(s.lf.objs, 4);
    EXPECT_EQ(s.lf.cur, 2);
    EXPECT_EQ(s.doc_name, "/home/me/project.zeb");
    EXPECT_FALSE(s.Undo() || s.Redo());
    StartWith(s, tmpl, "");
    EXPECT_EQ(s.Caption(), "Vexo Logo: New Logo Project");
}

using TemplateSaveTest = test::RecordingTest;

TEST_F(TemplateSaveTest, GoesToTheProgramFolderUnlessItCannotBeWritten) {
    const test::TempDir dir;
    const std::string program = dir.Path("program/templates");
    const std::string user = dir.Path("user/templates");
    EXPECT_EQ(TemplateSaveFolder(program, user), program);  // made when missing
    EXPECT_TRUE(std::filesystem::is_directory(program));

    // A file where the folder should be: an installed program's folder is as
    // closed to us (permissions do not stop the tests' root user).
    const std::string blocked = dir.Write("blocked", {1});
    EXPECT_EQ(TemplateSaveFolder(blocked + "/templates", user), user);
    EXPECT_TRUE(std::filesystem::is_directory(user));
    EXPECT_EQ(TemplateSaveFolder(blocked + "/templates", blocked + "/user"), "");
}

TEST_F(TemplateSaveTest, NamesMustBeFileNamesOfTheirFolder) {
    for (const char* bad : {"", "   ", ".", "..", "a/b", "a\\b", "tab\there"})
        EXPECT_NE(TemplateNameProblem(bad), "") << bad;
    for (const char* good : {"Acme", "Café Bleu", "My logo (2)", ".hidden"})
        EXPECT_EQ(TemplateNameProblem(good), "") << good;
}

TEST_F(TemplateSaveTest, TheLibraryListsTheSavedTemplateWithBothPicturesAmongTheOthers) {
    const test::TempDir dir;
    const std::string program = dir.Path("program");
    const std::string user = dir.Path("user");
    std::filesystem::create_directories(program);
    std::filesystem::create_directories(user);
    test::WriteTemplate(program, "Beta", {0});
    test::WriteTemplate(program, "Delta", {1});

    LeFile lf;
    lf.AddObj(test::TextObject("Acme", test::SANS, 40, 0, 0));
    ASSERT_FALSE(TemplateExists(user, "Charlie"));
    ASSERT_TRUE(SaveTemplate(lf, user, "Charlie"));
    EXPECT_TRUE(TemplateExists(user, "Charlie"));

    TemplateStore store;
    store.Reload(std::vector<std::string>{program, user}, LoadTemplatePicture);
    ASSERT_EQ(store.count(), 3);
    const LeFile& saved = store.lfs[1];  // Beta, Charlie, Delta
    ASSERT_EQ(saved.objs, 1);
    EXPECT_EQ(saved.obj[0]->lt.str, "Acme");
    ASSERT_TRUE(store.xia[1] && store.xib[1]);
    EXPECT_GT(store.xia[1]->w, 0);
    EXPECT_TRUE(rec.messages.empty());

    EXPECT_FALSE(SaveTemplate(lf, dir.Path("missing"), "Echo"));
}

}  // namespace
}  // namespace vx
