#include "ui/bars/PropertyBar.h"

#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/Checked.h"
#include "shell/Cp1252.h"
#include "ui/CZebDlg.h"

namespace vx {

namespace {

LogoObject NO_OBJECT;

}  // namespace

PropertyBar::PropertyBar(CZebDlg& main, LeFile& le, const QString& caption, QWidget* parent)
    : QDialog(parent ? parent : &main), mw(main), lf(le) {
    setWindowTitle(caption);
    setAttribute(Qt::WA_DeleteOnClose, false);  // the main window frees it
    auto* col = new QVBoxLayout(this);
    body_ = new QWidget(this);
    col->addWidget(body_);
    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    col->addWidget(line);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(new QLabel("Object:", this));
    object_ = new QLineEdit(this);
    object_->setReadOnly(true);
    object_->setFocusPolicy(Qt::NoFocus);
    bottom->addWidget(object_, 1);
    ok_ = new QPushButton("Ok", this);
    cancel_ = new QPushButton("Cancel", this);
    ok_->setDefault(true);
    bottom->addWidget(ok_);
    bottom->addWidget(cancel_);
    col->addLayout(bottom);
    connect(ok_, &QPushButton::clicked, this, [this] { End(true); });
    connect(cancel_, &QPushButton::clicked, this, [this] { End(false); });
}

void PropertyBar::ShowModeless() {
    modal_ = false;
    show();
}

bool PropertyBar::RunModal() {
    modal_ = true;
    return exec() == QDialog::Accepted;
}

LogoObject& PropertyBar::Cur() {
    const bool valid = lf.cur >= 0 && lf.cur < lf.objs;
    VX_CHECK(valid, "cur!=-1");
    return valid ? *lf.obj[lf.cur] : NO_OBJECT;
}

void PropertyBar::SetTitle(const QString& prefix, const QString& text) {
    setWindowTitle(prefix + "'" + text + "'");
}

void PropertyBar::Finish(const QString& prefix) {
    const QString text = QString::fromStdString(Cp1252ToUtf8(Cur().lt.str));
    SetTitle(prefix, text);
    object_->setText(text);
    inited = true;
}

void PropertyBar::Live() {
    if (!inited) return;
    Apply();
    UpdateOutput();
}

void PropertyBar::UpdateOutput() {
    VX_CALL(mw.UpdateOutWnd(&lf), "UpdateOutWnd()");
}

void PropertyBar::End(bool ok) {
    if (ended_) return;
    ended_ = true;
    if (modal_) {
        ok ? accept() : reject();
        return;
    }
    hide();
    VX_CALL(mw.PostBarModal(ok), ok ? "PostBarModal(TRUE)" : "PostBarModal(FALSE)");
}

void PropertyBar::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        End(true);
    } else if (e->key() == Qt::Key_Escape) {
        End(false);
    } else {
        QDialog::keyPressEvent(e);
    }
}

void PropertyBar::closeEvent(QCloseEvent* e) {
    if (!ended_) {
        e->ignore();
        End(false);
        return;
    }
    QDialog::closeEvent(e);
}

}  // namespace vx
