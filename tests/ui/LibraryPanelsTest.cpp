// The object library grid, the style row and Save As Template in the main
// window, driven as a user would.

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <filesystem>

#include "WindowFixture.h"
#include "document/ProjectFile.h"
#include "render/FtText.h"
#include "session/CommandIds.h"
#include "session/StyleRow.h"
#include "session/TemplateLibrary.h"
#include "shell/ProgramFolder.h"
#include "support/Documents.h"
#include "support/TestFonts.h"
#include "ui/ObjLib.h"
#include "ui/SaveTemplateDlg.h"
#include "ui/StyleBtn.h"
#include "ui/controls/SlBtn.h"
#include "ui/controls/ZebSlider.h"

namespace vx::test {
namespace {

TEST_F(WindowTest, TheGridPagesForItsSizeAndAClickPutsTheShapeIntoTheLogo) {
    ObjLib* lib = w->obj_lib();
    ASSERT_TRUE(lib->isVisible());
    const ShapePages& p = lib->pages();
    ASSERT_GT(p.itmpp, 0);
    EXPECT_EQ(p.columns, 5);
    EXPECT_EQ(w->obj_slider()->pages(), p.pages);

    Show(LeFile{});
    QTest::mouseClick(w->obj_arrow(+1), Qt::LeftButton);
    QTest::mouseClick(w->obj_arrow(+1), Qt::LeftButton);
    QTest::mouseClick(w->obj_arrow(-1), Qt::LeftButton);
    EXPECT_EQ(lib->pages().page, 1);
    QTest::mouseClick(lib, Qt::LeftButton, {},
                      lib->CellCentre(3));  // an empty logo: its first shape
    ASSERT_EQ(w->lf.objs, 1);
    EXPECT_EQ(w->lf.obj[0]->type, SHAPE_OBJECT);
    EXPECT_EQ(w->lf.obj[0]->lt.shape, FtText::Shape(p.itmpp + 3).glyph);
    EXPECT_EQ(lib->pages().sel, 3);
    EXPECT_EQ(w->utrack.undoes, 1);

    QTest::mouseClick(lib, Qt::LeftButton, {}, QPoint(-5, 5));  // outside: nothing chosen
    EXPECT_EQ(lib->pages().sel, -1);
    EXPECT_EQ(w->utrack.undoes, 1);

    // The grid and its slider follow the current shape to its page.
    Show(Holding(ShapeObject(FtText::Shape(2 * p.itmpp + 1).glyph, 60, 60, 0, 0)));
    EXPECT_EQ(lib->pages().page, 2);
    EXPECT_EQ(lib->pages().sel, 1);
    EXPECT_EQ(w->obj_slider()->page(), 2);
}

// The test program folder has no styles: the row is there, empty and usable.
TEST_F(WindowTest, AnEmptyStyleLibraryLeavesAnEmptyRowThatOnlyMovesTheMark) {
    EXPECT_TRUE(w->styles().empty());
    EXPECT_EQ(w->style_slider()->pages(), 0);
    const std::vector<StyleBtn*>& row = w->style_buttons();
    ASSERT_GE(row.size(), 2u);
    EXPECT_TRUE(row[0]->selected());
    Show(Holding(TextObject("Title", SANS, 40, 0, 0)));
    const LeFile before = w->lf;
    QTest::mouseClick(row[1], Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(row[1]->selected());
    EXPECT_FALSE(row[0]->selected());
    EXPECT_EQ(w->selected_style(), 1);
    EXPECT_TRUE(SameStoredDocument(w->lf, before));
    rec.messages.clear();  // the missing library was reported
}

class StyleRowTest : public WindowTest {
protected:
    void SetUp() override {
        const std::string folder = ep + "/styles";
        std::filesystem::create_directories(folder);
        for (int n = 1; n <= 2; ++n) {
            LeFile style;
            style.AddObj(ShapeObject(40, 30, 30, 0, 0));
            LogoParams& lt = style.obj[0]->lt;
            lt.color = {230.0f - static_cast<float>(n) * 100.0f, 200, 120};
            lt.has_outline = n == 1;
            ASSERT_EQ(SaveProject(folder + "/" + std::to_string(n) + ".zeb", style), 0);
        }
        WindowTest::SetUp();
    }
    void TearDown() override {
        std::filesystem::remove_all(ep + "/styles");
        WindowTest::TearDown();
    }
};

TEST_F(StyleRowTest, ButtonsShowThePageInHueVariantsAndAClickStylesTheCurrentObject) {
    ASSERT_EQ(w->styles().size(), 2u);
    EXPECT_EQ(w->style_slider()->pages(), 2);
    const std::vector<StyleBtn*>& row = w->style_buttons();
    const int nb = static_cast<int>(row.size());
    ASSERT_GE(nb, 2);
    EXPECT_EQ(row[1]->lt().color.h, StyleVariant(w->styles()[0], 1, nb).color.h);

    // What a style keeps of the object is the session's rule.
    Show(Holding(TextObject("Title", SANS, 40, 0, 0)));
    QTest::mouseClick(row[1], Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(w->lf.obj[0]->lt.color.h, row[1]->lt().color.h);
    EXPECT_EQ(w->lf.obj[0]->lt.has_outline, 1);
    EXPECT_EQ(w->utrack.undoes, 1);

    ASSERT_TRUE(w->style_slider()->Step(+1));  // the right arrow: the second style
    EXPECT_EQ(row[0]->lt().color.h, w->styles()[1].color.h);
    EXPECT_EQ(row[0]->lt().has_outline, 0);
    EXPECT_TRUE(row[1]->selected());  // the mark stays until the next click or resize
}

// Answers the modal dialogs of one command while it lives: the name dialog
// gets `name`, a question gets `answer`.
std::unique_ptr<QTimer> AnswerDialogs(const QString& name, QMessageBox::StandardButton answer) {
    auto poll = std::make_unique<QTimer>();
    QObject::connect(poll.get(), &QTimer::timeout, [=] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* dlg = qobject_cast<SaveTemplateDlg*>(modal)) {
            dlg->edit()->setText(name);
            dlg->accept();
        } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            box->button(answer)->click();
        }
    });
    poll->start(10);
    return poll;
}

TEST_F(WindowTest, SaveAsTemplateAddsItToTheLibraryAndAsksBeforeReplacing) {
    const std::string folder = ep + "/templates";
    rec.messages.clear();  // the empty style library's
    LeFile lf = Holding(TextObject("Acme", SANS, 40, 0, 0));
    lf.bgc = {10, 20, 30};
    Show(lf);
    {
        const auto answers = AnswerDialogs("Acme Studio", QMessageBox::No);
        w->OnCommand(ID_FILE_SAVE_TEMPLATE);
    }
    EXPECT_EQ(ProgramTemplates().count(), 1);  // the library is read again

    for (const auto answer : {QMessageBox::No, QMessageBox::Yes}) {
        w->lf.bgc.h = answer == QMessageBox::No ? 50.0f : 60.0f;
        const auto answers = AnswerDialogs("Acme Studio", answer);
        w->OnCommand(ID_FILE_SAVE_TEMPLATE);
        LeFile saved;
        ASSERT_EQ(LoadProject(folder + "/Acme Studio.zeb", saved), 0);
        EXPECT_EQ(saved.bgc.h, answer == QMessageBox::No ? 10.0f : 60.0f);
    }
    EXPECT_TRUE(rec.messages.empty());
    std::filesystem::remove_all(folder);
    FreeTmps();
}

}  // namespace
}  // namespace vx::test
