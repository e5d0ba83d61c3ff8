#pragma once

// The text bar: the line of text, its font chosen by category tab, the size,
// character spacing and aspect ratio, and the solid colour. The title follows
// the text as it is typed.

#include "ui/bars/PropertyBar.h"

class QLabel;
class QLineEdit;
class QTabBar;

namespace vx {

class ColorBtn;
class FontsBox;
class NumberTrio;

class TextBar : public PropertyBar {
    Q_OBJECT

public:
    TextBar(CZebDlg& mw, LeFile& le);

    QLineEdit* text_line() const { return text_; }
    QTabBar* tabs() const { return tabs_; }
    FontsBox* fonts() const { return fonts_; }
    NumberTrio* size() const { return size_; }
    NumberTrio* spacing() const { return spacing_; }
    NumberTrio* aspect() const { return aspect_; }
    ColorBtn* swatch() const { return swatch_; }

protected:
    void Apply() override;

private:
    void FillFntList(int ncat);
    void TextChanged();
    void EditColor();

    QLineEdit* text_;
    QTabBar* tabs_;
    FontsBox* fonts_;
    NumberTrio* size_;
    NumberTrio* spacing_;
    NumberTrio* aspect_;
    QLabel* swatch_label_;
    ColorBtn* swatch_;
};

}  // namespace vx
