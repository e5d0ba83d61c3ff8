// Save As Template: where the template goes, which names it takes, and that
// the library finds what was written, beside the program's own templates.

#include <gtest/gtest.h>

#include <filesystem>

#include "session/TemplateLibrary.h"
#include "session/TemplateSave.h"
#include "support/Documents.h"
#include "support/Recorders.h"
#include "support/TempDir.h"
#include "support/TemplateFolder.h"
#include "support/TestFonts.h"

namespace vx {
namespace {

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
    lf.bgc = {100, 120, 200};
    const LeFile before = lf;
    ASSERT_FALSE(TemplateExists(user, "Charlie"));
    ASSERT_TRUE(SaveTemplate(lf, user, "Charlie"));
    EXPECT_TRUE(TemplateExists(user, "Charlie"));
    EXPECT_TRUE(test::SameStoredDocument(lf, before));

    TemplateStore store;
    store.Reload(std::vector<std::string>{program, user}, LoadTemplatePicture);
    ASSERT_EQ(store.count(), 3);
    const LeFile& saved = store.lfs[1];  // Beta, Charlie, Delta
    ASSERT_EQ(saved.objs, 1);
    EXPECT_EQ(saved.obj[0]->lt.str, "Acme");
    EXPECT_EQ(saved.bgc.l, 200.0f);
    ASSERT_TRUE(store.xia[1] && store.xib[1]);
    EXPECT_GT(store.xia[1]->w, 0);
    EXPECT_TRUE(rec.messages.empty());

    EXPECT_FALSE(SaveTemplate(lf, dir.Path("missing"), "Echo"));
}

}  // namespace
}  // namespace vx
