#include "ui/AboutDlg.h"

#include <QPainter>

#include "render/Color.h"
#include "render/FtText.h"
#include "session/ShippedFaces.h"
#include "shell/Buffers.h"
#include "shell/Checked.h"
#include "ui/controls/CaptionStyle.h"
#include "ui/controls/EngineImage.h"

namespace vx {

namespace {

// The text area: the band below the art.
constexpr int TEXT_TOP = 352;
constexpr int TEXT_LEFT = 40;
constexpr int TEXT_RIGHT = 711;

HslF Hsl(int r, int g, int b) {
    return RgbToHsl(r, g, b);
}

// Renders `lt` and paints it centred on (cx, cy).
void Paint(const LogoParams& lt, std::vector<std::uint32_t>& px, int cx, int cy) {
    FtText ft;
    VX_CALL(ft.Render(lt, 0, 1), "ft.Render(lt,0,1)");
    VX_CALL(ft.BltToBuf(lt, px.data(), AboutDlg::CLIENT_W, AboutDlg::CLIENT_H, cx, cy, 1, 1),
            "ft.BltToBuf(lt,dta,dw,dh,cx,cy,1,1)");
}

LogoParams Starburst() {
    LogoParams lt;
    lt.font = NEW_SHAPE_FACE;
    lt.shape = NEW_SHAPE_GLYPH;
    lt.size = 330;
    lt.width = 330;
    lt.color = Hsl(255, 255, 255);
    lt.grad = 1;
    lt.grad_angle = 90;
    lt.grad_color1 = Hsl(255, 255, 255);
    lt.grad_color2 = Hsl(255, 255, 255);
    lt.grad_opacity1 = 0.55f;
    lt.grad_opacity2 = 0.1f;
    return lt;
}

LogoParams Title() {
    LogoParams lt;
    lt.str = "VEXO LOGO";
    lt.font = LOGO_FACE;
    lt.size = 120;
    lt.spacing = 1;
    lt.color = Hsl(61, 97, 135);
    lt.grad = 1;
    lt.grad_angle = 90;
    lt.grad_color1 = Hsl(92, 158, 215);
    lt.grad_color2 = Hsl(41, 67, 105);
    lt.has_outline = 1;
    lt.outline_color = Hsl(255, 255, 255);
    lt.has_shadow = 1;
    lt.shadow_color = Hsl(30, 40, 60);
    lt.shadow_opacity = 0.45f;
    lt.strength = 3;
    return lt;
}

}  // namespace

AboutDlg::AboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle("Vexo Logo: About");
    setFixedSize(CLIENT_W, CLIENT_H);
    setAttribute(Qt::WA_OpaquePaintEvent);
    if (parent) move(parent->geometry().center() - rect().center());
    DrawPicture();
}

void AboutDlg::DrawPicture() {
    if (!AllocBuffer(picture_, static_cast<std::size_t>(CLIENT_W) * CLIENT_H)) return;
    // The caption art's colours, from the top left to the bottom right.
    for (int y = 0; y < CLIENT_H; ++y) {
        std::uint32_t* row = picture_.data() + static_cast<std::size_t>(y) * CLIENT_W;
        for (int x = 0; x < CLIENT_W; ++x) {
            const int t = (x + y) * 255 / (CLIENT_W + CLIENT_H);
            row[x] = PackRgb(236 - 102 * t / 255, 236 - 56 * t / 255, 241 - 39 * t / 255);
        }
    }
    Paint(Starburst(), picture_, CLIENT_W / 2, 170);
    Paint(Title(), picture_, CLIENT_W / 2, 165);
    Paint(CaptionParams("LOGO DESIGN MADE SIMPLE", CAPTION_FACE, 24, PackRgb(81, 107, 135), 0.8f),
          picture_, CLIENT_W / 2, 285);
}

void AboutDlg::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (picture_.empty()) {
        p.fillRect(rect(), QColor::fromRgb(PANEL_BACKGROUND));
    } else {
        p.drawImage(0, 0, EngineImage(picture_.data(), picture_.size(), CLIENT_W, CLIENT_H));
    }
    p.setPen(QColor(41, 67, 105));
    QFont f = font();
    f.setPixelSize(15);
    p.setFont(f);
    const QRect area(TEXT_LEFT, TEXT_TOP, TEXT_RIGHT - TEXT_LEFT, CLIENT_H - TEXT_TOP - 20);
    p.drawText(area, Qt::AlignRight | Qt::AlignTop, VERSION_TEXT);
    p.drawText(area.adjusted(0, 34, 0, 0), Qt::AlignLeft | Qt::AlignTop,
               "Vexo Logo designs logos from text, shapes and pictures.\n"
               "Every object is drawn in software by the program's own engine.\n\n"
               "The fonts and their licences are listed in font-licences.txt\n"
               "in the program folder.");
}

}  // namespace vx
