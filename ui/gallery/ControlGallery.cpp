// Draws every owner-drawn control in its normal, hover and pressed looks into
// PNG files (one per control and state, and one sheet of all), to look at them:
//   control_gallery OUT_FOLDER
// Runs offscreen; the controls' fonts come from the program folder.

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QTest>

#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

#include "render/FtText.h"
#include "shell/ProgramFolder.h"
#include "ui/controls/CaptionStyle.h"
#include "ui/controls/LeButton.h"
#include "ui/controls/LeEdit.h"
#include "ui/controls/LeStatic.h"
#include "ui/controls/SlBtn.h"
#include "ui/controls/ZebLogo.h"
#include "ui/controls/ZebSlider.h"

namespace {

using namespace vx;

enum class Look { Normal, Hover, Pressed, Disabled };
constexpr const char* LOOK_NAMES[] = {"normal", "hover", "pressed", "disabled"};

// Brings `w` into `look` the way a user would: a move over it, a press on it.
void Pose(QWidget& w, Look look) {
    const QPoint centre = w.rect().center();
    if (look == Look::Hover || look == Look::Pressed) QTest::mouseMove(&w, centre);
    if (look == Look::Pressed) QTest::mousePress(&w, Qt::LeftButton, {}, centre);
    if (look == Look::Disabled) w.setEnabled(false);
}

struct Row {
    const char* name;
    std::function<std::unique_ptr<QWidget>(QWidget* parent)> make;
};

// The controls together, placed as the main window's layout places them in a
// window of 900 x 260 (preview height 52), over the panel grey.
void SavePanel(const QString& path) {
    QWidget panel;
    panel.resize(900, 260);
    panel.setAutoFillBackground(true);
    panel.setPalette(QPalette(QColor(236, 236, 241)));
    LeButton current("Current Object", &panel), next("Next", &panel), prev("Prev", &panel);
    current.setGeometry(7, 7, 120, 30);
    next.setGeometry(132, 7, 35, 30);
    prev.setGeometry(172, 7, 35, 30);
    next.SetIcon(ARROW_GLYPH, 0.0f);
    prev.SetIcon(ARROW_GLYPH, 0.5f);
    const char* captions[] = {"Text...", "Effects...", "Gradient...", "Transform...", "Colors..."};
    std::vector<std::unique_ptr<LeButton>> props;
    const double f = (550 - 20) * 0.2;
    for (int k = 0; k < 5; ++k) {
        props.push_back(std::make_unique<LeButton>(captions[k], &panel));
        props.back()->setGeometry(static_cast<int>(217 + k * (f + 5)), 7, static_cast<int>(f), 30);
    }
    props[2]->setEnabled(false);
    ZebLogo logo(&panel);
    logo.setGeometry(893 - 126, 7, 126, 30);
    const int h = 52;
    LeStatic label({}, &panel);
    label.setGeometry(2, h + 49, 213, 17);
    ZebSlider slider(LibraryKind::Objects, &panel);
    slider.setGeometry(24, h + 68, 166, 17);
    SlBtn left(&slider, -1, &panel), right(&slider, +1, &panel);
    left.setGeometry(7, h + 68, 17, 17);
    right.setGeometry(190, h + 68, 17, 17);
    slider.SetLabel(&label);
    slider.SetPages(14, 5);
    const int bottom = 210;
    LeEdit top_strip(&panel), bottom_strip(&panel);
    top_strip.setGeometry(7, bottom + 10, 201, 1);
    bottom_strip.setGeometry(7, bottom + 31, 201, 10);
    ZebSlider styles(LibraryKind::Styles, &panel);
    SlBtn style_left(&styles, -1, &panel), style_right(&styles, +1, &panel);
    style_left.setGeometry(217, bottom + 8, 17, 17);
    styles.setGeometry(234, bottom + 8, 155, 17);
    style_right.setGeometry(389, bottom + 8, 17, 17);
    LeStatic style_label({}, &panel);
    style_label.setGeometry(209, bottom + 26, 205, 17);
    styles.SetLabel(&style_label);
    styles.SetPages(12, 11);
    panel.show();
    if (!QTest::qWaitForWindowExposed(&panel)) return;
    QTest::mouseMove(props[1].get(), QPoint(30, 15));
    panel.grab().save(path);
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: control_gallery OUT_FOLDER\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out);
    ep = VX_PROGRAM_DIR;
    FtText::InitFt();

    QWidget host;  // keeps the sliders the arrow buttons step
    ZebSlider paged(LibraryKind::Objects, &host);
    paged.SetPages(5, 2);

    const std::vector<Row> rows = {
        {"text-button", [](QWidget* p) { return std::make_unique<LeButton>("Text...", p); }},
        {"shape-button", [](QWidget* p) { return std::make_unique<LeButton>("Shape...", p); }},
        {"current-object",
         [](QWidget* p) { return std::make_unique<LeButton>("Current Object", p); }},
        {"next",
         [](QWidget* p) {
             auto b = std::make_unique<LeButton>("Next", p);
             b->SetIcon(ARROW_GLYPH, 0.0f);
             return b;
         }},
        {"prev",
         [](QWidget* p) {
             auto b = std::make_unique<LeButton>("Prev", p);
             b->SetIcon(ARROW_GLYPH, 0.5f);
             return b;
         }},
        {"slider",
         [](QWidget* p) {
             auto s = std::make_unique<ZebSlider>(LibraryKind::Objects, p);
             s->SetPages(5, 3);
             return s;
         }},
        {"left-arrow", [&](QWidget* p) { return std::make_unique<SlBtn>(&paged, -1, p); }},
        {"right-arrow", [&](QWidget* p) { return std::make_unique<SlBtn>(&paged, +1, p); }},
        {"label",
         [](QWidget* p) { return std::make_unique<LeStatic>("Objects Library: page #4 of 5", p); }},
        {"style-label",
         [](QWidget* p) {
             return std::make_unique<LeStatic>("Styles Library: page #12 of 12", p);
         }},
        {"strip", [](QWidget* p) { return std::make_unique<LeEdit>(p); }},
        {"logo", [](QWidget* p) { return std::make_unique<ZebLogo>(p); }},
    };
    const std::vector<QSize> sizes = {{120, 30}, {120, 30}, {120, 30}, {35, 30},
                                      {35, 30},  {166, 17}, {17, 17},  {17, 17},
                                      {213, 17}, {205, 17}, {201, 10}, {300, 30}};

    constexpr int SCALE = 3;  // the sheet is enlarged to judge single pixels
    const int cell_w = 310;
    QImage sheet(SCALE * (cell_w * 4 + 10), SCALE * (static_cast<int>(rows.size()) * 40 + 10),
                 QImage::Format_RGB32);
    sheet.fill(QColor(236, 236, 241));
    QPainter sp(&sheet);
    sp.scale(SCALE, SCALE);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (int l = 0; l < 4; ++l) {
            QWidget parent;
            parent.resize(400, 60);
            auto w = rows[r].make(&parent);
            w->setGeometry(QRect(QPoint(10, 10), sizes[r]));
            parent.show();
            if (!QTest::qWaitForWindowExposed(&parent)) return 1;
            Pose(*w, static_cast<Look>(l));
            const QImage shot = w->grab().toImage();
            shot.save(out + "/" + rows[r].name + "-" + LOOK_NAMES[l] + ".png");
            sp.drawImage(5 + l * cell_w, 5 + static_cast<int>(r) * 40, shot);
        }
    }
    // The resize cursor over the panel grey and over white.
    const QPixmap cursor = ControlArt::ResizeCursor().pixmap();
    const int cursor_y = 5 + 6 * 40;
    sp.fillRect(QRect(5 + 3 * cell_w + 100, cursor_y, 40, 40), Qt::white);
    sp.drawPixmap(5 + 3 * cell_w + 50, cursor_y + 4, cursor);
    sp.drawPixmap(5 + 3 * cell_w + 104, cursor_y + 4, cursor);
    cursor.save(out + "/resize-cursor.png");
    sp.end();
    sheet.save(out + "/sheet.png");
    SavePanel(out + "/panel.png");
    FtText::FreeFt();
    return 0;
}
