#pragma once

// The image bar: pages through the whole shape table and sets the shape of the
// current shape object to the one clicked. Modeless from the main window, or
// modal over a working copy from the image object bar.

#include "session/ShapePaging.h"
#include "ui/bars/PropertyBar.h"

class QLabel;
class QPushButton;
class QTabBar;

namespace vx {

class ShapeList;

class ImageBar : public PropertyBar {
    Q_OBJECT

public:
    ImageBar(CZebDlg& mw, LeFile& le, QWidget* parent = nullptr);

    const ShapePages& pages() const { return p_; }
    QTabBar* tabs() const { return tabs_; }
    ShapeList* list() const { return list_; }
    QLabel* page_label() const { return label_; }
    QPushButton* prev_page() const { return prev_; }
    QPushButton* next_page() const { return next_; }

protected:
    void Apply() override {}  // a click writes the shape at once

private:
    void Open();
    void ShowPage(int page);
    void ShapeChosen(int sel);
    void UpdateLabel();

    ShapePages p_;
    QTabBar* tabs_;
    ShapeList* list_;
    QLabel* label_;
    QPushButton* prev_;
    QPushButton* next_;
    bool opened_ = false;
};

}  // namespace vx
