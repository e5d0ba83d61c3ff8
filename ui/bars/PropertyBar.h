#pragma once

// The frame every property bar shares: a small captioned dialog owned by the
// main window that edits the current object live. Subclasses fill body() with
// their controls, call Finish() at the end of their set-up and implement
// Apply(), which writes the bar's whole set of parameters into the object.
//
// Modeless (the main window's bar): Ok and Enter keep the edit as one undo
// step, Cancel, Esc and the close box step it back, both through
// CZebDlg::PostBarModal. Modal (a bar run over another bar with RunModal()):
// Ok and Cancel only end the dialog with their result.
//
// `inited` stays false until Finish(): filling the controls raises change
// notifications that must not write half-filled values back.

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace vx {

class CZebDlg;
class LeFile;
class LogoObject;

class PropertyBar : public QDialog {
    Q_OBJECT

public:
    // `le` is the document edited: the main window's, or a working copy.
    PropertyBar(CZebDlg& mw, LeFile& le, const QString& caption, QWidget* parent = nullptr);

    // Shows the bar modeless (the main window's one bar).
    void ShowModeless();
    // Runs the bar as a modal dialog over `owner`; true on Ok.
    bool RunModal();

    QPushButton* ok_button() const { return ok_; }
    QPushButton* cancel_button() const { return cancel_; }
    QLineEdit* object_field() const { return object_; }

protected:
    // The current object (checked "cur!=-1").
    LogoObject& Cur();
    QWidget* body() const { return body_; }
    // Title `prefix` + "'" + text + "'", the "Object:" field, then live.
    void Finish(const QString& prefix);
    void SetTitle(const QString& prefix, const QString& text);

    // Writes every parameter of the bar from its controls into the object.
    virtual void Apply() = 0;
    // A control changed: once live, apply and rebuild the output.
    void Live();
    // Rebuilds the logo canvas and redraws the output and the preview.
    void UpdateOutput();

    void keyPressEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

    CZebDlg& mw;
    LeFile& lf;
    bool inited = false;

private:
    void End(bool ok);

    QWidget* body_;
    QLineEdit* object_;
    QPushButton* ok_;
    QPushButton* cancel_;
    bool modal_ = false;
    bool ended_ = false;
};

}  // namespace vx
