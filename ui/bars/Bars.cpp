#include "ui/bars/Bars.h"

#include <memory>

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

void InstallBars(CZebDlg& mw) {
    mw.SetBarFactory(BarKind::TEXT, [](CZebDlg& m, int) { return Show<TextBar>(m); });
    mw.SetBarFactory(BarKind::IMAGE, [](CZebDlg& m, int) { return Show<Imopt>(m); });
    mw.SetBarFactory(BarKind::SHAPE, [](CZebDlg& m, int) { return Show<ImageBar>(m); });
    mw.SetBarFactory(BarKind::EFFECTS, [](CZebDlg& m, int) { return Show<EffectsBar>(m); });
    mw.SetBarFactory(BarKind::GRADIENT, [](CZebDlg& m, int) { return Show<GradientBar>(m); });
    mw.SetBarFactory(BarKind::TRANSFORM, [](CZebDlg& m, int) { return Show<TransformBar>(m); });
    mw.SetBarFactory(BarKind::COLOR, [](CZebDlg& m, int nc) -> std::unique_ptr<QWidget> {
        return ColorBar::Create(m, nc);
    });
    mw.SetBarFactory(BarKind::LOGO, [](CZebDlg& m, int) { return Show<LogoBar>(m); });
}

}  // namespace vx
