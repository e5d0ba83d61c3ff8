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

// A template (text, shape, text) chosen at start-up replaces the command
// line's project unnamed, so that Save cannot write it over the project;
// Escape keeps the project, or starts blank without one.
TEST_F(StartupTest, TheTemplateWindowDecidesTheFirstDocument) {
    struct Case {
        const char* project;  // on the command line: "" none, else a file name
        int preview, objs, cur;
        const char* title;
    };
    const Case cases[] = {
        {"mine.zeb", -1, 1, 0, "Vexo Logo: mine.zeb"},
        {"mine.zeb", 0, 3, 1, "Vexo Logo: New Logo Project"},
        {"", -1, 0, -1, "Vexo Logo: New Logo Project"},
        {"", 0, 3, 1, "Vexo Logo: New Logo Project"},
    };
    Templates({"One"});
    LeFile mine;
    AddObjectsOfKinds(mine, {TEXT_OBJECT});
    ASSERT_TRUE(WriteProjectFile(tmp.Path("mine.zeb"), mine));
    for (const Case& c : cases) {
        QStringList args{"vexologo"};
        if (*c.project) args << QString::fromStdString(tmp.Path(c.project));
        const std::unique_ptr<CZebDlg> main = Start(args, c.preview);
        SCOPED_TRACE(std::string(c.project) + " preview " + std::to_string(c.preview));
        EXPECT_EQ(main->lf.objs, c.objs);
        EXPECT_EQ(main->lf.cur, c.cur);
        EXPECT_EQ(main->windowTitle(), c.title);
        EXPECT_FALSE(main->s.Undo());  // the first document is where the undo track starts
    }
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

// The page rules are the session's; the window shows them and picks by page.
TEST_F(StartupTest, NineTemplatesPageByFourAndAClickPicksFromTheShownPage) {
    Templates({"Beta", "alpha", "Alpha", "d", "e", "f", "g", "h", "i"});
    TmpDlg t(nullptr, nullptr, false);
    t.show();
    const auto shown = [&] {
        std::string on;
        for (TmpPrev* p : t.prev) on += p->isVisible() ? '1' : '0';
        return on + (t.prevbt->isEnabled() ? " prev" : "") + (t.nextbt->isEnabled() ? " next" : "");
    };
    QTest::mousePress(t.nextbt, Qt::LeftButton);
    QTest::mousePress(t.nextbt, Qt::LeftButton);
    EXPECT_EQ(shown(), "1000 prev");
    QTest::mousePress(t.prevbt, Qt::LeftButton);
    QTest::mouseClick(t.prev[1], Qt::LeftButton);
    EXPECT_EQ(t.result, &ProgramTemplates().lfs[5]);
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
