#include "support/Documents.h"

#include <bit>
#include <cstdint>
#include <sstream>

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

// What files store, one "name=value" line per field, floats by their bits: equal
// texts mean bit-equal fields.
struct Dump {
    std::string out;
    void operator()(const char* n, const std::string& s) { out += std::string(n) + "=" + s + "\n"; }
    void operator()(const char* n, int v) { (*this)(n, std::to_string(v)); }
    void operator()(const char* n, float v) {
        (*this)(n, std::to_string(std::bit_cast<std::uint32_t>(v)));
    }
    void operator()(const char* n, const HslF& c) {
        (*this)(n, c.h);
        (*this)(n, c.s);
        (*this)(n, c.l);
    }
    void operator()(const char* n, MaskedField<const std::string> m) { (*this)(n, m.value); }
    void Object(const LogoObject& o) {
        VisitParamFields(o.lt, *this);
        VisitObjectFields(o, *this);
    }
};

::testing::AssertionResult SameDump(const Dump& a, const Dump& b, std::string* why) {
    if (a.out == b.out) return ::testing::AssertionSuccess();
    std::istringstream in_a(a.out), in_b(b.out);
    std::string line_a, line_b;
    while (std::getline(in_a, line_a) && std::getline(in_b, line_b) && line_a == line_b) {
    }
    const std::string first = "stored fields differ first at " + line_a + " / " + line_b;
    if (why) *why = first;
    return ::testing::AssertionFailure() << first;
}

Dump DumpDocument(const LeFile& lf) {
    Dump d;
    d("objs", lf.objs);
    d("cur", lf.cur);
    d("bgc", lf.bgc);
    d("fixed_canvas", lf.fixed_canvas);
    d("canvas_w", lf.canvas_w);
    d("canvas_h", lf.canvas_h);
    for (int n = 0; n < lf.objs; ++n) d.Object(*lf.obj[n]);
    return d;
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

::testing::AssertionResult SameStoredFields(const LogoObject& a, const LogoObject& b,
                                            std::string* why) {
    Dump da, db;
    da.Object(a);
    db.Object(b);
    return SameDump(da, db, why);
}

::testing::AssertionResult SameStoredDocument(const LeFile& a, const LeFile& b, std::string* why) {
    return SameDump(DumpDocument(a), DumpDocument(b), why);
}

}  // namespace vx::test
