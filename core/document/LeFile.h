#pragma once

// The logo being edited: up to MAX_OBJS objects back to front, the current
// object, the background colour and the canvas settings.
//
// Invariants kept by every operation: obj[0..objs-1] are set and the rest empty;
// cur is -1 or a valid index. Copies are deep; copying a document never copies
// rendered pixels. List operations return a status that is always 0; their
// preconditions are checked conditions.

#include <array>
#include <memory>

#include "document/HslF.h"
#include "document/LogoObject.h"
#include "document/ObjectBitmap.h"

namespace vx {

constexpr int MAX_OBJS = 100;

class LeFile {
public:
    int objs = 0;
    int cur = -1;
    std::array<std::unique_ptr<LogoObject>, MAX_OBJS> obj;
    HslF bgc{0, 0, 240};
    int fixed_canvas = 0;
    int canvas_w = 1;
    int canvas_h = 1;

    // The canvas of the last Update, shared by every document.
    static ObjectBitmap ob;

    LeFile() = default;
    LeFile(const LeFile& other);
    LeFile& operator=(const LeFile& other);
    ~LeFile() = default;

    int GetCount() const { return objs; }
    LogoObject* GetCurObj();
    int SetCurObj(int n);
    int SelFstObj();
    int NextObj();
    int PrevObj();
    int BringCloser();
    int SendFarther();
    int Bring2Front();
    int Send2Back();
    int DuplicateCur();
    int DeleteCur();
    int Clear();
    int CopyTo(LeFile& target) const;

    // Whether another object fits; the commands that add objects are disabled
    // when it does not.
    bool CanAdd() const { return objs < MAX_OBJS; }
    // Appends `o` and makes it current. A full document refuses it (checked
    // condition "objs<MAX_OBJS") and the object is dropped.
    int AddObj(std::unique_ptr<LogoObject> o);

    // Renders every object and assembles the canvas and the current-object view
    // into `ob` for a space of w x h (cw, ch: the view's size, -1 keeps it).
    int Update(int w, int h, int cw, int ch);
    // Centres the objects' common box on the logo centre; gives its size.
    int CenterObjects(int& w, int& h);

private:
    // The order-changing operations share their preconditions.
    void CheckOrderPreconditions() const;
};

}  // namespace vx
