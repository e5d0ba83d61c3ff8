#include "document/LeFile.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "shell/Checked.h"

namespace vx {

namespace {

int ClampToInt(long long v) {
    return static_cast<int>(
        std::clamp<long long>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

}  // namespace

ObjectBitmap LeFile::ob;

LeFile::LeFile(const LeFile& other) {
    other.CopyTo(*this);
}

LeFile& LeFile::operator=(const LeFile& other) {
    if (this != &other) other.CopyTo(*this);
    return *this;
}

LogoObject* LeFile::GetCurObj() {
    VX_CHECK(cur != -1, "cur!=-1");
    return cur >= 0 && cur < objs ? obj[cur].get() : nullptr;
}

int LeFile::SetCurObj(int n) {
    VX_CHECK(n >= 0 && n < objs, "n>=0&&n<objs");
    cur = n;
    return 0;
}

int LeFile::SelFstObj() {
    for (int n = objs - 1; n >= 0; --n) {
        if (obj[n]->type == SHAPE_OBJECT) {
            VX_CALL(SetCurObj(n), "SetCurObj(n)");
            break;
        }
    }
    return 0;
}

int LeFile::NextObj() {
    if (objs > 0) cur = cur < 0 ? 0 : (cur + 1) % objs;
    return 0;
}

int LeFile::PrevObj() {
    if (objs > 0) {
        --cur;
        if (cur < 0) cur = objs - 1;
    }
    return 0;
}

void LeFile::CheckOrderPreconditions() const {
    VX_CHECK(objs > 1, "objs>1");
    VX_CHECK(cur >= 0, "cur>=0");
    VX_CHECK(cur < objs, "cur<objs");
}

int LeFile::BringCloser() {
    CheckOrderPreconditions();
    if (cur >= 0 && cur + 1 < objs) {
        std::swap(obj[cur], obj[cur + 1]);
        ++cur;
    }
    return 0;
}

int LeFile::SendFarther() {
    CheckOrderPreconditions();
    if (cur - 1 >= 0 && cur < objs) {
        std::swap(obj[cur], obj[cur - 1]);
        --cur;
    }
    return 0;
}

int LeFile::Bring2Front() {
    CheckOrderPreconditions();
    while (cur >= 0 && cur < objs - 1) VX_CALL(BringCloser(), "BringCloser()");
    return 0;
}

int LeFile::Send2Back() {
    CheckOrderPreconditions();
    while (cur > 0 && cur < objs) VX_CALL(SendFarther(), "SendFarther()");
    return 0;
}

int LeFile::DuplicateCur() {
    VX_CHECK(cur >= 0, "cur>=0");
    VX_CHECK(cur < objs, "cur<objs");
    if (cur < 0 || cur >= objs) return 0;
    auto copy = std::make_unique<LogoObject>();
    obj[cur]->CopyParamsTo(*copy);
    copy->x = 0;
    copy->y = -(ob.dh / 4);
    VX_CALL(AddObj(std::move(copy)), "AddObj(o)");
    return 0;
}

int LeFile::DeleteCur() {
    VX_CHECK(cur >= 0, "cur>=0");
    VX_CHECK(cur < objs, "cur<objs");
    if (cur < 0 || cur >= objs) return 0;
    for (int n = cur; n < objs - 1; ++n) obj[n] = std::move(obj[n + 1]);
    --objs;
    obj[objs].reset();
    cur = objs > 0 ? 0 : -1;
    return 0;
}

int LeFile::Clear() {
    for (int n = 0; n < objs; ++n) {
        VX_CHECK(obj[n] != nullptr, "obj[n]!=NULL");
        obj[n].reset();
    }
    objs = 0;
    cur = -1;
    fixed_canvas = 0;
    bgc = HslF{0, 240, 240};
    return 0;
}

int LeFile::CopyTo(LeFile& target) const {
    if (&target == this) return 0;
    VX_CALL(target.Clear(), "lf.Clear()");
    target.bgc = bgc;
    target.cur = cur;
    target.fixed_canvas = fixed_canvas;
    target.canvas_w = canvas_w;
    target.canvas_h = canvas_h;
    target.objs = 0;
    for (int n = 0; n < objs; ++n) {
        VX_CHECK(obj[n] != nullptr, "obj[n]!=NULL");
        VX_CHECK(target.obj[n] == nullptr, "lf.obj[n]==NULL");
        if (!obj[n]) break;
        target.obj[n] = std::make_unique<LogoObject>();
        obj[n]->CopyParamsTo(*target.obj[n]);
        target.objs = n + 1;
    }
    return 0;
}

int LeFile::AddObj(std::unique_ptr<LogoObject> o) {
    VX_CHECK(objs < MAX_OBJS, "objs<MAX_OBJS");
    if (objs < 0 || objs >= MAX_OBJS) return 0;  // after Retry: the object is dropped
    VX_CHECK(obj[objs] == nullptr, "obj[objs]==NULL");
    if (obj[objs] != nullptr) return 0;
    obj[objs] = std::move(o);
    cur = objs;
    ++objs;
    return 0;
}

int LeFile::CenterObjects(int& w, int& h) {
    const int count = std::clamp(objs, 0, MAX_OBJS);
    long long minx = 10000, miny = 10000, maxx = -10000, maxy = -10000;
    bool any = false;
    for (int n = 0; n < count; ++n) {
        if (!obj[n]) continue;
        const ObjectBox b = BoxOf(*obj[n]);
        minx = std::min(minx, b.left);
        maxx = std::max(maxx, b.right);
        miny = std::min(miny, b.top);
        maxy = std::max(maxy, b.bottom);
        any = true;
    }
    if (!any) return 0;
    const long long dx = (minx + maxx) / 2;
    const long long dy = (miny + maxy) / 2;
    for (int n = 0; n < count; ++n) {
        if (!obj[n]) continue;
        obj[n]->x = ClampToInt(obj[n]->x - dx);
        obj[n]->y = ClampToInt(obj[n]->y - dy);
    }
    w = ClampToInt(maxx - minx);
    h = ClampToInt(maxy - miny);
    return 0;
}

}  // namespace vx
