// CZebDlg: file commands, the clipboard, web links and the caption.

#include <QClipboard>
#include <QDesktopServices>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QSettings>
#include <QTimer>
#include <QUrl>

#include "session/WebLink.h"
#include "shell/Checked.h"
#include "ui/CZebDlg.h"
#include "ui/controls/EngineImage.h"

namespace vx {

namespace {

const QString PROJECT_FILTER = "Logo Design Project (*.zeb)";
const QString IMAGE_FILTER =
    "All Formats (*.*);;PNG (*.png);;GIF (*.gif);;JPEG (*.jpg);;Bitmap (*.bmp);;TIFF (*.tif);;"
    "ICO (*.ico);;TGA (*.tga)";

std::string Local(const QString& path) {
    return path.toLocal8Bit().toStdString();
}

}  // namespace

void CZebDlg::NewBlank() {
    s.NewBlank();
    SetCaption();
    RefreshAll();
}

void CZebDlg::LoadProjectDlg() {
    const QString path =
        QFileDialog::getOpenFileName(this, "Load Logo Project File", {}, PROJECT_FILTER);
    if (!path.isEmpty()) OpenProject(path);
}

bool CZebDlg::OpenProject(const QString& path) {
    if (!s.Load(Local(path))) return false;
    SetCaption();
    RefreshAll();
    return true;
}

void CZebDlg::SaveProjectDlg(bool ask) {
    QString path = QString::fromLocal8Bit(s.doc_name.c_str());
    if (ask || path.isEmpty()) {
        QFileDialog dlg(this, "Save Logo Project As", {}, PROJECT_FILTER);
        dlg.setAcceptMode(QFileDialog::AcceptSave);
        dlg.setDefaultSuffix("zeb");
        if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return;
        path = dlg.selectedFiles().front();
    }
    if (s.Save(Local(path))) SetCaption();
}

void CZebDlg::ImportBitmap() {
    const QString path = QFileDialog::getOpenFileName(this, {}, {}, IMAGE_FILTER);
    if (path.isEmpty()) return;
    if (!s.Import(Local(path))) return;
    RefreshAll();
}

void CZebDlg::CopyLogoImage() {
    const ObjectBitmap& ob = LeFile::ob;
    const QImage img = EngineImage(ob.dta.data(), ob.dta.size(), ob.dw, ob.dh);
    // The clipboard keeps its own copy; the canvas changes with the next edit.
    if (!img.isNull()) QGuiApplication::clipboard()->setImage(img.copy());
}

void CZebDlg::OpenWebLink(const char* page_word) {
    const QSettings profile;
    const QString ref = profile.value("Ref/str", DEFAULT_REFERRER).toString();
    const std::string address = WebLinkAddress(site_.toStdString(), page_word, ref.toStdString());
    if (!QDesktopServices::openUrl(QUrl(QString::fromStdString(address))))
        QMessageBox::information(this, "Vexo Logo",
                                 "The web page could not be shown. Please visit " + site_);
}

void CZebDlg::SetCaption() {
    setWindowTitle(QString::fromLocal8Bit(s.Caption().c_str()));
}

void CZebDlg::closeEvent(QCloseEvent* e) {
    timer_->stop();
    QMainWindow::closeEvent(e);
}

}  // namespace vx
