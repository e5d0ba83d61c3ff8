#pragma once

// "Save Logo Image...": the format, scale, margins and quality of an export,
// the output size they give, and Save. Opening it fixes the logo's size at
// 100 % (the fixed canvas, or the objects' common box, which it centres on
// the logo centre: the objects stay moved). "SVG (vector)" writes the same
// picture as an SVG document. A logo holding an imported picture
// exports at 100 % only; an empty logo cannot be saved.

#include <QDialog>
#include <array>

#include "export/LogoExport.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace vx {

class SpinEdit;

class ExportDlg : public QDialog {
    Q_OBJECT
public:
    // Control ids, for reference.
    static constexpr int IDC_FIRST_FORMAT = 1126;  // the six radios, 1126..1131
    static constexpr int FORMATS = 6;
    static constexpr int IDC_SVG = IDC_FIRST_FORMAT + FORMATS;

    ExportDlg(LeFile* le, QWidget* parent = nullptr);

    LeFile* le = nullptr;
    int w = 0;
    int h = 0;
    int inited = 0;

    // The update rule: the output size from the clamped scale and margins,
    // and the controls that depend on the format.
    void UpdateDlg();

    // The image format chosen; PNG 24 while "SVG (vector)" is.
    ImageFormat format() const;
    bool svg() const;
    ExportOptions options() const;

    // Controls, for tests.
    QRadioButton* radio(ImageFormat f) const { return radios_[static_cast<std::size_t>(f)]; }
    QRadioButton* svg_radio() const { return svg_; }
    SpinEdit* scale_edit() const { return scale_; }
    SpinEdit* margin_edit() const { return margin_; }
    SpinEdit* quality_edit() const { return quality_; }
    QLineEdit* width_edit() const { return width_; }
    QLineEdit* height_edit() const { return height_; }
    QLabel* scale_label() const { return scale_label_; }
    QLabel* percent_label() const { return percent_label_; }
    QLabel* quality_label() const { return quality_label_; }
    QCheckBox* transparent() const { return transparent_; }
    QPushButton* save_button() const { return save_; }

    // The file dialog's filter and proposed extension for `f`, or for SVG.
    static QString FileFilter(ImageFormat f, bool svg = false);

    // Save without the file dialog (the dialog's Save asks for `path` first):
    // writes the export, closing the dialog when the file was written.
    // `cancel_after` >= 0 cancels after that many progress steps (tests).
    bool SaveTo(const QString& path, int cancel_after = -1);

    // Closing waits until a running export has finished or was cancelled.
    void reject() override;

private:
    void CreateControls();
    void OnSave();

    ExportLogo logo_;
    std::array<QRadioButton*, FORMATS> radios_{};
    QRadioButton* svg_ = nullptr;
    SpinEdit* scale_ = nullptr;
    SpinEdit* margin_ = nullptr;
    SpinEdit* quality_ = nullptr;
    QLineEdit* width_ = nullptr;
    QLineEdit* height_ = nullptr;
    QLabel* scale_label_ = nullptr;
    QLabel* percent_label_ = nullptr;
    QLabel* quality_label_ = nullptr;
    QCheckBox* transparent_ = nullptr;
    QPushButton* save_ = nullptr;
    // An export is running: its progress hands events to this dialog too, so
    // another Save or a close must wait for it.
    bool busy_ = false;
};

}  // namespace vx
