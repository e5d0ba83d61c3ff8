#include <gtest/gtest.h>

#include "document/ProjectFile.h"
#include "session/ObjLibRules.h"
#include "session/ShippedFaces.h"
#include "support/SessionFixture.h"

namespace vx {
namespace {

using test::SessionTest;

TEST_F(SessionTest, CancelledBarRestoresTheDocumentAndRedoBringsTheEditBack) {
    Start({TEXT_OBJECT});
    ASSERT_TRUE(s.PreBarModal(-1));
    EXPECT_FALSE(s.QuickTextChanged("ignored while a bar is open"));
    s.lf.obj[0]->lt.size = 99;
    s.PostBarModal(false);
    EXPECT_FALSE(s.bar_modal);
    EXPECT_EQ(s.lf.obj[0]->lt.size, 48);
    EXPECT_EQ(s.utrack.undoes, 0);
    ASSERT_TRUE(s.Redo());
    EXPECT_EQ(s.lf.obj[0]->lt.size, 99);
}

// Typing before the bar is a step of its own: Cancel takes only the new object.
TEST_F(SessionTest, ABarForANewObjectAddsItOnOkAndTakesOnlyItOnCancel) {
    Start({TEXT_OBJECT});
    s.QuickTextChanged("typed");
    ASSERT_TRUE(s.PreBarModal(SHAPE_OBJECT));
    s.PostBarModal(false);
    EXPECT_EQ(s.lf.objs, 1);
    EXPECT_EQ(s.lf.obj[0]->lt.str, "typed");
    ASSERT_TRUE(s.PreBarModal(SHAPE_OBJECT));
    s.PostBarModal(true);
    ASSERT_EQ(s.lf.objs, 2);
    EXPECT_EQ(s.lf.obj[1]->type, SHAPE_OBJECT);
    EXPECT_EQ(s.lf.obj[1]->lt.font, NEW_SHAPE_FACE);
    EXPECT_EQ(s.lf.obj[1]->lt.shape, NEW_SHAPE_GLYPH);
    EXPECT_EQ(s.utrack.undoes, 2);
}

TEST_F(SessionTest, AFullDocumentIsNeverGivenA101stObject) {
    for (int n = 0; n < MAX_OBJS; ++n) Start({TEXT_OBJECT});
    const std::string png = test::WriteTestPng(dir.Path("a.png"), 4, 4);
    EXPECT_FALSE(s.PreBarModal(TEXT_OBJECT));
    EXPECT_FALSE(s.bar_modal);
    EXPECT_FALSE(s.Import(png));
    EXPECT_FALSE(s.DuplicateObject());
    EXPECT_FALSE(PutLibraryShape(s, NEW_SHAPE_FACE, NEW_SHAPE_GLYPH));  // a text is current
    s.lf.cur = -1;
    EXPECT_EQ(s.QuickTextFocus(), Session::QuickFocus::SELECTED);
    EXPECT_EQ(s.lf.objs, MAX_OBJS);
    EXPECT_EQ(s.utrack.undoes, 0);
}

TEST_F(SessionTest, ImportAddsThePictureAtTheBackAsOneUndoStep) {
    Start({TEXT_OBJECT});
    ASSERT_TRUE(s.Import(test::WriteTestPng(dir.Path("a.png"), 6, 3)));
    ASSERT_EQ(s.lf.objs, 2);
    EXPECT_EQ(s.lf.obj[0]->type, BITMAP_OBJECT);
    EXPECT_EQ(s.lf.obj[0]->w, 6);
    EXPECT_EQ(s.lf.cur, 0);
    EXPECT_EQ(s.utrack.undoes, 1);

    const std::string bad = dir.Path("missing.png");
    EXPECT_FALSE(s.Import(bad));
    EXPECT_EQ(rec.messages, std::vector<std::string>{MSG_CANNOT_OPEN + bad});
    EXPECT_EQ(s.lf.objs, 2);
}

TEST_F(SessionTest, LoadNamesTheProjectOnlyWhenItWasReadWhole) {
    const LeFile file = test::DocumentOfKinds({SHAPE_OBJECT, TEXT_OBJECT}, 1);
    const std::string good = dir.Path("logo.zeb");
    ASSERT_TRUE(WriteProjectFile(good, file));
    s.utrack.Track(s.lf);

    ASSERT_TRUE(s.Load(good));
    EXPECT_EQ(s.Caption(), "Vexo Logo: logo.zeb");
    EXPECT_EQ(s.lf.cur, 0);  // the nearest shape
    EXPECT_EQ(s.utrack.undoes, 0);

    EXPECT_FALSE(s.Load(dir.Path("missing.zeb")));
    EXPECT_EQ(s.doc_name, good);
    EXPECT_EQ(s.lf.objs, 2);

    std::vector<std::uint8_t> bytes = EncodeProject(file);
    bytes.resize(bytes.size() - 10);
    ASSERT_TRUE(s.Load(dir.Write("cut.zeb", bytes)));
    EXPECT_EQ(s.lf.objs, 1);
    EXPECT_EQ(s.Caption(), "Vexo Logo: New Logo Project");
    EXPECT_EQ(rec.messages.size(), 2u);

    ASSERT_TRUE(s.Save(dir.Path("a.zeb")));
    EXPECT_FALSE(s.Save(dir.Path("no/such/folder/b.zeb")));  // keeps the name
    EXPECT_EQ(s.DocTitle(), "a.zeb");
    EXPECT_EQ(rec.messages.size(), 3u);
}

TEST_F(SessionTest, QuickTextFocusSelectsTheFirstTextObjectOrAddsOne) {
    EXPECT_EQ(s.QuickTextFocus(), Session::QuickFocus::ADDED);
    EXPECT_EQ(s.lf.objs, 1);
    EXPECT_EQ(s.utrack.undoes, 1);

    s.lf = test::DocumentOfKinds({SHAPE_OBJECT, TEXT_OBJECT, TEXT_OBJECT}, 0);
    EXPECT_EQ(s.QuickTextFocus(), Session::QuickFocus::SELECTED);
    EXPECT_EQ(s.lf.cur, 1);
    EXPECT_EQ(s.QuickTextFocus(), Session::QuickFocus::NONE);
}

// A text left blank goes; the shape below it becomes current.
TEST_F(SessionTest, TypedTextIsFilteredCutAndOneStepAndABlankTextIsRemoved) {
    Start({SHAPE_OBJECT, TEXT_OBJECT});
    // Filtered as the code page holds it (the snowman goes), then cut.
    EXPECT_TRUE(s.QuickTextChanged("\xC3\xA9\xE2\x98\x83" + std::string(600, 'x')));
    EXPECT_EQ(s.QuickText(), "\xE9" + std::string(498, 'x'));
    EXPECT_EQ(s.utrack.undoes, 0);
    EXPECT_TRUE(s.QuickTextLeft());
    EXPECT_EQ(s.utrack.undoes, 1);

    s.QuickTextChanged("  ");
    EXPECT_TRUE(s.QuickTextLeft());
    EXPECT_EQ(s.lf.objs, 1);
    EXPECT_EQ(s.lf.cur, 0);
}

TEST_F(SessionTest, ObjectCommandsChangeOrderAndRecordOneStepEach) {
    Start({TEXT_OBJECT, SHAPE_OBJECT, TEXT_OBJECT});
    s.lf.cur = 0;
    EXPECT_FALSE(s.SendFarther());  // disabled at the back
    EXPECT_FALSE(s.SelectLower());
    EXPECT_TRUE(s.BringToFront());
    EXPECT_EQ(s.lf.obj[2]->lt.str, "obj0");
    EXPECT_TRUE(s.SelectLower());
    EXPECT_EQ(s.lf.cur, 1);
    EXPECT_TRUE(s.DuplicateObject());
    EXPECT_TRUE(s.RemoveObject());
    EXPECT_EQ(s.utrack.undoes, 4);
    ASSERT_TRUE(s.Undo());
    EXPECT_EQ(s.lf.objs, 4);
}

}  // namespace
}  // namespace vx
