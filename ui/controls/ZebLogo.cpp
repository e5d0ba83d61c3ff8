#include "ui/controls/ZebLogo.h"

#include <QPainter>

#include "render/Random.h"
#include "shell/Buffers.h"
#include "shell/Checked.h"
#include "ui/controls/CaptionStyle.h"
#include "ui/controls/EngineImage.h"

namespace vx {

namespace {
constexpr int LOGO_TEXT_SIZE = 20;
constexpr int RIGHT_MARGIN = 2;
}  // namespace

ZebLogo::ZebLogo(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ZebLogo::paintEvent(QPaintEvent*) {
    const int dx = width();
    const int dy = height();
    const auto area = CheckedArea(dx, dy);
    if (!area || *area == 0 || !AllocBuffer(picture_, *area)) return;
    // Grey at the left towards steel blue at the right, with the same light
    // grain as the output window's background.
    RandomSource& random = EngineRandom();
    for (int y = 0; y < dy; ++y) {
        std::uint32_t* row = picture_.data() + static_cast<std::size_t>(y) * dx;
        for (int x = 0; x < dx; ++x) {
            const int n = 5 * random.Next() / RandomSource::MAX;
            row[x] = PackRgb(236 - 102 * x / dx + n, 236 - 56 * x / dx + n, 241 - 39 * x / dx + n);
        }
    }
    const LogoParams lt =
        CaptionParams("VEXO LOGO", LOGO_FACE, LOGO_TEXT_SIZE, PackRgb(255, 255, 255));
    VX_CALL(text_.Render(lt, 0, 0), "ft.Render(lt,0,0)");
    VX_CALL(text_.BltToBuf(lt, picture_.data(), dx, dy, dx - text_.szx / 2 - RIGHT_MARGIN, dy / 2,
                           1, 1),
            "ft.BltToBuf(lt,out,dx,dy,dx-ft.szx/2-2,dy/2,1,1)");
    QPainter(this).drawImage(0, 0, EngineImage(picture_, dx, dy));
}

}  // namespace vx
