#include "support/Documents.h"

#include <bit>
#include <cmath>
#include <cstdint>

#include "document/ParamFields.h"

namespace vx::test {

namespace {

// Sets every field from a running counter, so no two fields share a value.
struct Fill {
    int k;
    void operator()(const char*, int& v) { v = 1000 * k++ - 7; }
    void operator()(const char*, float& v) { v = 0.125f * static_cast<float>(k++) + 0.001f; }
    void operator()(const char*, HslF& c) {
        c = HslF{static_cast<float>(k) * 1.5f, static_cast<float>(k) + 0.25f,
                 239.75f - static_cast<float>(k)};
        ++k;
    }
    void operator()(const char*, std::string& s) { s = "text \xE9\x80 " + std::to_string(k++); }
    void operator()(const char* n, MaskedField<std::string> m) { (*this)(n, m.value); }
};

bool SameBits(float a, float b) {
    return std::bit_cast<std::uint32_t>(a) == std::bit_cast<std::uint32_t>(b);
}

// Collects the stored fields of one object as comparable text.
struct Dump {
    std::string out;
    void operator()(const char* n, int v) {
        out += std::string(n) + "=" + std::to_string(v) + "\n";
    }
    void operator()(const char* n, float v) {
        out += std::string(n) + "=" + std::to_string(std::bit_cast<std::uint32_t>(v)) + "\n";
    }
    void operator()(const char* n, const HslF& c) {
        (*this)(n, c.h);
        (*this)(n, c.s);
        (*this)(n, c.l);
    }
    void operator()(const char* n, const std::string& s) { out += std::string(n) + "=" + s + "\n"; }
    void operator()(const char* n, MaskedField<const std::string> m) { (*this)(n, m.value); }
};

std::string DumpObject(const LogoObject& o) {
    Dump d;
    VisitParamFields(o.lt, d);
    VisitObjectFields(o, d);
    return d.out;
}

}  // namespace

std::unique_ptr<LogoObject> MakeVariedObject(int seed) {
    auto o = std::make_unique<LogoObject>();
    Fill fill{seed * 100 + 1};
    VisitParamFields(o->lt, fill);
    VisitObjectFields(*o, fill);
    o->type = seed % 3;
    return o;
}

LeFile MakeVariedDocument(int count) {
    LeFile lf;
    for (int n = 0; n < count; ++n) lf.AddObj(MakeVariedObject(n));
    lf.bgc = HslF{12.5f, 100.25f, 200.0f};
    lf.cur = count > 1 ? 1 : count - 1;
    lf.fixed_canvas = 1;
    lf.canvas_w = 640;
    lf.canvas_h = 480;
    return lf;
}

bool SameStoredFields(const LogoObject& a, const LogoObject& b, std::string* why) {
    const std::string da = DumpObject(a);
    const std::string db = DumpObject(b);
    if (da != db && why) *why = "object fields differ:\n" + da + "---\n" + db;
    return da == db;
}

bool SameStoredDocument(const LeFile& a, const LeFile& b, std::string* why) {
    const auto fail = [&](const std::string& what) {
        if (why) *why = what;
        return false;
    };
    if (a.objs != b.objs)
        return fail("objs " + std::to_string(a.objs) + " != " + std::to_string(b.objs));
    if (a.cur != b.cur) return fail("cur differs");
    if (!SameBits(a.bgc.h, b.bgc.h) || !SameBits(a.bgc.s, b.bgc.s) || !SameBits(a.bgc.l, b.bgc.l))
        return fail("bgc differs");
    if (a.fixed_canvas != b.fixed_canvas || a.canvas_w != b.canvas_w || a.canvas_h != b.canvas_h)
        return fail("canvas settings differ");
    for (int n = 0; n < a.objs; ++n)
        if (!SameStoredFields(*a.obj[n], *b.obj[n], why)) return false;
    return true;
}

}  // namespace vx::test
