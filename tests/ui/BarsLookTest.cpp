// Every bar opens from its command and draws; with VX_SHOT_DIR set, each is
// also saved there as a PNG to look at.

#include <QDir>
#include <QImage>

#include "BarFixture.h"
#include "session/CommandIds.h"

namespace vx::test {
namespace {

struct Opening {
    const char* name;
    bool shape;  // on the shape object
    std::function<void(CZebDlg&)> open;
};

TEST_F(BarTest, EveryBarOpensFromItsCommandAndDraws) {
    const Opening openings[] = {
        {"text", false, [](CZebDlg& m) { m.ObjectCmd(0); }},
        {"effects", false, [](CZebDlg& m) { m.ObjectCmd(1); }},
        {"gradient", false, [](CZebDlg& m) { m.ObjectCmd(2); }},
        {"transform", false, [](CZebDlg& m) { m.ObjectCmd(3); }},
        {"colors", false, [](CZebDlg& m) { m.ObjectCmd(4); }},
        {"image_object", true, [](CZebDlg& m) { m.ObjectCmd(0); }},
        {"image", true, [](CZebDlg& m) { m.ObjectCmd(1); }},
        {"logo", false, [](CZebDlg& m) { m.OnCommand(ID_WINDOW_LOGOIMAGE); }},
        {"background", false, [](CZebDlg& m) { m.OnCommand(IDM_EDIT_BACKGROUDCOLOR); }},
        {"gradient_on", false,
         [](CZebDlg& m) {
             LogoParams& lt = m.lf.obj[0]->lt;
             lt.grad = 1;
             lt.grad_color1 = {150, 240, 100};
             lt.grad_opacity2 = 0.4f;
             lt.grad_angle = 45;
             m.ObjectCmd(2);
         }},
        {"effects_on", false,
         [](CZebDlg& m) {
             m.lf.obj[0]->lt.has_outline = m.lf.obj[0]->lt.has_shadow = 1;
             m.ObjectCmd(1);
         }},
    };
    const QString dir = qEnvironmentVariable("VX_SHOT_DIR");
    for (const Opening& o : openings) {
        if (o.shape) SelectShape();
        o.open(*w);
        QWidget* bar = w->bar();
        ASSERT_NE(bar, nullptr) << o.name;
        EXPECT_TRUE(bar->isVisible()) << o.name;
        const QImage shot = bar->grab().toImage();
        EXPECT_GT(shot.width(), 100) << o.name;
        if (!dir.isEmpty()) {
            shot.save(QDir(dir).filePath(QString(o.name) + ".png"));
            w->grab().toImage().save(QDir(dir).filePath(QString(o.name) + "_main.png"));
        }
        Key(bar, Qt::Key_Escape);
        EXPECT_FALSE(bar->isVisible()) << o.name;
        EXPECT_FALSE(w->s.bar_modal) << o.name;
    }
}

}  // namespace
}  // namespace vx::test
