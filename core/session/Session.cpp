#include "session/Session.h"

#include <filesystem>

#include "document/ProjectFile.h"
#include "session/EditMenu.h"
#include "session/NewObject.h"
#include "session/TypedText.h"
#include "shell/Checked.h"
#include "shell/Messages.h"

namespace vx {

namespace {

bool IsBlank(const std::string& s) {
    return s.find_first_not_of(" \t\r\n") == std::string::npos;
}

}  // namespace

Session::Session() {
    VX_CALL(utrack.Reset(lf), "utrack.Reset(lf)");
}

std::string Session::DocTitle() const {
    return std::filesystem::path(doc_name).filename().string();
}

std::string Session::Caption() const {
    return "Vexo Logo: " + (doc_name.empty() ? std::string("New Logo Project") : DocTitle());
}

void Session::NewBlank() {
    doc_name.clear();
    VX_CALL(lf.Clear(), "lf.Clear()");
    typing_ = false;
    VX_CALL(utrack.Reset(lf), "utrack.Reset(lf)");
}

bool Session::Load(const std::string& path) {
    LeFile read;
    const ProjectResult r = ReadProjectFile(path, read);
    switch (r.status) {
        case ProjectStatus::CANNOT_OPEN:
            ShowMessage(MSG_CANNOT_OPEN + path);
            return false;
        case ProjectStatus::REFUSED:
            ShowMessage(MSG_WRONG_VERSION);
            return false;
        case ProjectStatus::UNREADABLE:
            ShowMessage(MSG_CANNOT_OPEN + path);
            doc_name.clear();
            break;
        case ProjectStatus::OK:
            doc_name = path;
            break;
    }
    lf = read;
    VX_CALL(lf.SelFstObj(), "lf.SelFstObj()");
    typing_ = false;
    VX_CALL(utrack.Reset(lf), "utrack.Reset(lf)");
    return true;
}

bool Session::Save(const std::string& path) {
    CommitTyping();
    if (!WriteProjectFile(path, lf)) {
        ShowMessage(MSG_CANNOT_SAVE + path);
        return false;
    }
    doc_name = path;
    return true;
}

bool Session::Import(const std::string& path) {
    if (!lf.CanAdd()) return false;
    auto o = std::make_unique<LogoObject>();
    o->type = BITMAP_OBJECT;
    o->file = path;
    if (!o->LoadCustomBitmap()) {
        ShowMessage(MSG_CANNOT_OPEN + path);
        return false;
    }
    VX_CALL(lf.AddObj(std::move(o)), "lf.AddObj(o)");
    if (lf.objs >= 2) VX_CALL(lf.Send2Back(), "lf.Send2Back()");
    Track();  // the import is an edit like any other
    return true;
}

bool Session::Undo() {
    CommitTyping();
    if (utrack.undoes <= 0) return false;
    VX_CALL(utrack.Undo(lf), "utrack.Undo(lf)");
    return true;
}

bool Session::Redo() {
    if (utrack.redoes <= 0) return false;
    VX_CALL(utrack.Redo(lf), "utrack.Redo(lf)");
    return true;
}

void Session::Track() {
    typing_ = false;
    VX_CALL(utrack.Track(lf), "utrack.Track(lf)");
}

bool Session::RemoveObject() {
    if (!ComputeEditMenu(lf, utrack).remove) return false;
    VX_CALL(lf.DeleteCur(), "lf.DeleteCur()");
    Track();
    return true;
}

bool Session::DuplicateObject() {
    if (!ComputeEditMenu(lf, utrack).duplicate) return false;
    VX_CALL(lf.DuplicateCur(), "lf.DuplicateCur()");
    Track();
    return true;
}

bool Session::BringCloser() {
    if (!ComputeEditMenu(lf, utrack).closer) return false;
    VX_CALL(lf.BringCloser(), "lf.BringCloser()");
    Track();
    return true;
}

bool Session::SendFarther() {
    if (!ComputeEditMenu(lf, utrack).farther) return false;
    VX_CALL(lf.SendFarther(), "lf.SendFarther()");
    Track();
    return true;
}

bool Session::BringToFront() {
    if (!ComputeEditMenu(lf, utrack).closer) return false;
    VX_CALL(lf.Bring2Front(), "lf.Bring2Front()");
    Track();
    return true;
}

bool Session::SendToBack() {
    if (!ComputeEditMenu(lf, utrack).farther) return false;
    VX_CALL(lf.Send2Back(), "lf.Send2Back()");
    Track();
    return true;
}

bool Session::SelectLower() {
    if (!ComputeEditMenu(lf, utrack).next) return false;
    VX_CALL(lf.PrevObj(), "lf.PrevObj()");
    Track();
    return true;
}

bool Session::SelectHigher() {
    if (!ComputeEditMenu(lf, utrack).prev) return false;
    VX_CALL(lf.NextObj(), "lf.NextObj()");
    Track();
    return true;
}

bool Session::SelectObject(int n) {
    if (n < 0 || n >= lf.objs) return false;
    VX_CALL(lf.SetCurObj(n), "lf.SetCurObj(n)");
    Track();
    return true;
}

bool Session::PreBarModal(int type) {
    if (type != -1 && !lf.CanAdd()) return false;
    // Typed text is a step of its own, so a cancelled bar does not take it along.
    CommitTyping();
    if (type != -1) VX_CALL(lf.AddObj(NewObject(type)), "lf.AddObj(o)");
    bar_modal = true;
    return true;
}

void Session::PostBarModal(bool ok) {
    Track();
    if (!ok) VX_CALL(utrack.Undo(lf), "utrack.Undo(lf)");
    bar_modal = false;
}

bool Session::CurrentIsText() const {
    return HasCurrent(lf) && lf.obj[lf.cur]->type == TEXT_OBJECT;
}

Session::QuickFocus Session::QuickTextFocus() {
    if (bar_modal || CurrentIsText()) return QuickFocus::NONE;
    for (int n = 0; n < lf.objs; ++n) {
        if (lf.obj[n]->type == TEXT_OBJECT) {
            VX_CALL(lf.SetCurObj(n), "lf.SetCurObj(n)");
            return QuickFocus::SELECTED;
        }
    }
    if (!lf.CanAdd()) return QuickFocus::NONE;
    VX_CALL(lf.AddObj(NewObject(TEXT_OBJECT)), "lf.AddObj(o)");
    Track();
    return QuickFocus::ADDED;
}

bool Session::QuickTextChanged(const std::string& utf8) {
    if (bar_modal || !CurrentIsText()) return false;
    std::string text = TypedText(utf8);
    std::string& str = lf.obj[lf.cur]->lt.str;
    if (text == str) return false;
    str = std::move(text);
    typing_ = true;
    return true;
}

bool Session::QuickTextLeft() {
    if (bar_modal || !CurrentIsText()) return false;
    if (IsBlank(lf.obj[lf.cur]->lt.str)) return RemoveObject();
    const bool typed = typing_;
    CommitTyping();
    return typed;
}

std::string Session::QuickText() const {
    return CurrentIsText() ? lf.obj[lf.cur]->lt.str : std::string();
}

void Session::CommitTyping() {
    if (typing_) Track();
}

}  // namespace vx
