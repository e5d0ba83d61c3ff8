// Start-up and the template window: the command-line project, the choice of
// template or blank project, the loading screen's wait and the library's
// order and pages.

#include <gtest/gtest.h>

#include <QTest>
#include <filesystem>

#include "document/ProjectFile.h"
#include "session/TemplateLibrary.h"
#include "shell/Messages.h"
#include "shell/ProgramFolder.h"
#include "support/ObjectKinds.h"
#include "support/Recorders.h"
#include "support/TempDir.h"
#include "support/TemplateFolder.h"
#include "ui/CZebApp.h"
#include "ui/CZebDlg.h"
#include "ui/TmpDlg.h"
#include "ui/TmpPrev.h"
#include "ui/controls/LeButton.h"

namespace vx::test {
namespace {

namespace fs = std::filesystem;

// Templates in the program folder's "templates" folder, read into the store.
class StartupTest : public RecordingTest {
protected:
    void SetUp() override { fs::create_directories(folder); }
    void TearDown() override {
        FreeTmps();
        fs::remove_all(folder);
        RecordingTest::TearDown();
    }
    void Templates(std::initializer_list<const char*> titles) {
        for (const char* t : titles)
            WriteTemplate(folder, t, {TEXT_OBJECT, SHAPE_OBJECT, TEXT_OBJECT});
        ReloadTmps();
    }
    // A project file with one text object, named on the command line.
    QStringList ProjectArgument() {
        LeFile lf;
        AddObjectsOfKinds(lf, {TEXT_OBJECT});
        const std::string path = tmp.Path("mine.zeb");
        EXPECT_TRUE(WriteProjectFile(path, lf));
        return {"vexologo", QString::fromStdString(path)};
    }
    // Runs the template window in library mode as start-up shows it, then
    // Escape (preview -1) or a click on preview `i`; the main window's result.
    std::unique_ptr<CZebDlg> Start(const QStringList& args, int preview) {
        app.ParseCommandLine(args);
        std::unique_ptr<TmpDlg> t = app.CreateTmpDlg(false);
        t->show();
        if (preview < 0) {
            QTest::keyClick(t.get(), Qt::Key_Escape);
        } else {
            QTest::mouseClick(t->prev[static_cast<std::size_t>(preview)], Qt::LeftButton);
        }
        EXPECT_FALSE(t->isVisible());
        auto main = std::make_unique<CZebDlg>();
        app.StartDocument(*main, *t);
        return main;
    }

    TempDir tmp;
    const std::string folder = ProgramPath("\\templates");
    CZebApp app;
};

TEST_F(StartupTest, EscapeKeepsTheCommandLineProjectAndATemplateReplacesIt) {
    Templates({"One"});
    const QStringList args = ProjectArgument();
    std::unique_ptr<CZebDlg> kept = Start(args, -1);
    EXPECT_EQ(kept->lf.objs, 1);
    EXPECT_EQ(kept->s.doc_name, tmp.Path("mine.zeb"));
    EXPECT_EQ(kept->windowTitle(), "Vexo Logo: mine.zeb");

    std::unique_ptr<CZebDlg> replaced = Start(args, 0);
    EXPECT_EQ(replaced->lf.objs, 3);
    // Unnamed, so that Save cannot write the template over the project.
    EXPECT_EQ(replaced->windowTitle(), "Vexo Logo: New Logo Project");
}

TEST_F(StartupTest, WithoutArgumentsEscapeIsBlankAndATemplateSelectsItsTopmostShape) {
    Templates({"One"});
    EXPECT_EQ(Start({"vexologo"}, -1)->lf.objs, 0);
    std::unique_ptr<CZebDlg> main = Start({"vexologo"}, 0);
    EXPECT_EQ(main->lf.objs, 3);
    EXPECT_EQ(main->lf.cur, 1);
    EXPECT_FALSE(main->s.Undo());  // the template is where the undo track starts
}

TEST_F(StartupTest, AnUnreadableCommandLineProjectStartsBlankWithItsMessage) {
    const std::string missing = tmp.Path("gone.zeb");
    EXPECT_EQ(Start({"vexologo", QString::fromStdString(missing)}, -1)->lf.objs, 0);
    // The test program folder has no style library, which the main window reports too.
    EXPECT_EQ(rec.messages, (std::vector<std::string>{"File could not be opened: " + missing,
                                                      MSG_STYLES_MISSING}));
}

TEST_F(StartupTest, TheLoadingCaptionChangesNoSoonerThanTheWait) {
    std::uint32_t now = 0xFFFFF000u;  // across the wrap of the clock
    TmpDlg t(nullptr, nullptr, true);
    t.SetClock([&] { return now; });
    t.SetLoadingWait(LOADING_MIN_MS);
    bool loaded = false;
    t.SetLoadingWork([&](TmpDlg& dlg) {
        dlg.SetStatus("Reading the templates...");
        Templates({"One"});
        loaded = true;
    });
    t.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return loaded; }));
    EXPECT_EQ(t.windowTitle(), "Vexo Logo: Loading... Please Wait");
    now += 5000;
    t.Tick();
    EXPECT_EQ(t.windowTitle(), "Vexo Logo: Loading... Please Wait");
    EXPECT_EQ(t.prevbt, nullptr);
    now += 1;
    t.Tick();
    EXPECT_EQ(t.windowTitle(), "Vexo Logo: Template Library");
    EXPECT_EQ(t.loading, 0);
    EXPECT_TRUE(t.prev[0]->isVisible());
}

TEST_F(StartupTest, TheEnvironmentMayShortenTheWaitButNotLengthenIt) {
    const std::pair<const char*, std::uint32_t> cases[] = {
        {"250", 250}, {"0", 0}, {"99999", LOADING_MIN_MS}, {"soon", LOADING_MIN_MS}};
    for (const auto& [value, wait] : cases) {
        setenv("VEXOLOGO_LOADING_MS", value, 1);
        EXPECT_EQ(TmpDlg::LoadingWait(), wait) << value;
    }
    unsetenv("VEXOLOGO_LOADING_MS");
    EXPECT_EQ(TmpDlg::LoadingWait(), LOADING_MIN_MS);
}

TEST_F(StartupTest, NineTemplatesPageByFourInByteOrder) {
    Templates({"Beta", "alpha", "Alpha", "d", "e", "f", "g", "h", "i"});
    const TemplateStore& store = ProgramTemplates();
    ASSERT_EQ(store.count(), 9);
    TmpDlg t(nullptr, nullptr, false);
    t.show();
    const auto visible = [&] {
        int n = 0;
        for (TmpPrev* p : t.prev) n += p->isVisible();
        return n;
    };
    EXPECT_EQ(visible(), 4);
    EXPECT_FALSE(t.prevbt->isEnabled());
    QTest::mousePress(t.nextbt, Qt::LeftButton);
    QTest::mousePress(t.nextbt, Qt::LeftButton);
    EXPECT_EQ(t.page.ctm, 8);
    EXPECT_EQ(visible(), 1);
    EXPECT_FALSE(t.nextbt->isEnabled());
    EXPECT_TRUE(t.prevbt->isEnabled());
    QTest::mousePress(t.prevbt, Qt::LeftButton);
    QTest::mouseClick(t.prev[1], Qt::LeftButton);
    ASSERT_NE(t.result, nullptr);
    EXPECT_EQ(t.result, &store.lfs[5]);
    EXPECT_EQ(t.QDialog::result(), QDialog::Accepted);
}

TEST_F(StartupTest, APreviewShowsTheHighlightedPictureOnALighterFillUnderTheCursor) {
    Templates({"One"});
    TmpDlg t(nullptr, nullptr, false);
    t.show();
    TmpPrev* p = t.prev[0];
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&t));
    const QPoint middle(p->width() / 2, p->height() / 2);
    const QImage normal = p->grab().toImage();
    QTest::mouseMove(p, middle);
    ASSERT_TRUE(QTest::qWaitFor([&] { return p->hot(); }));
    const QImage hot = p->grab().toImage();
    EXPECT_EQ(normal.pixel(0, 0), 0xFFFFFFFFu);  // the white frame
    EXPECT_EQ(normal.pixel(2, 2) & 0xFFFFFF, p->fill());
    EXPECT_EQ(hot.pixel(2, 2) & 0xFFFFFF, p->hot_fill());
    EXPECT_EQ(normal.pixel(middle) & 0xFFFFFF, 0x3366AAu);
    EXPECT_EQ(hot.pixel(middle) & 0xFFFFFF, 0x4488CCu);
}

}  // namespace
}  // namespace vx::test
