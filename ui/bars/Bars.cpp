#include "ui/bars/Bars.h"

#include "ui/CZebDlg.h"
#include "ui/bars/ColorBar.h"
#include "ui/bars/EffectsBar.h"
#include "ui/bars/GradientBar.h"
#include "ui/bars/ImageBar.h"
#include "ui/bars/Imopt.h"
#include "ui/bars/LogoBar.h"
#include "ui/bars/TextBar.h"
#include "ui/bars/TransformBar.h"

namespace vx {

namespace {

template <class Bar>
std::unique_ptr<QWidget> Show(CZebDlg& mw) {
    auto bar = std::make_unique<Bar>(mw, mw.lf);
    bar->ShowModeless();
    return bar;
}

}  // namespace

std::unique_ptr<QWidget> MakeBar(BarKind kind, CZebDlg& mw, int nc) {
    switch (kind) {
        case BarKind::TEXT:
            return Show<TextBar>(mw);
        case BarKind::IMAGE:
            return Show<Imopt>(mw);
        case BarKind::SHAPE:
            return Show<ImageBar>(mw);
        case BarKind::EFFECTS:
            return Show<EffectsBar>(mw);
        case BarKind::GRADIENT:
            return Show<GradientBar>(mw);
        case BarKind::TRANSFORM:
            return Show<TransformBar>(mw);
        case BarKind::COLOR:
            return ColorBar::Create(mw, nc);
        case BarKind::LOGO:
            return Show<LogoBar>(mw);
        case BarKind::NONE:
            break;
    }
    return nullptr;
}

}  // namespace vx
