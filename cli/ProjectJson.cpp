#include "cli/ProjectJson.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <optional>
#include <set>

#include "document/ParamFields.h"
#include "document/ProjectFile.h"
#include "shell/Cp1252.h"

namespace vx {

using nlohmann::json;
using nlohmann::ordered_json;

namespace {

// ---- Floats: exact bits through JSON ----

// A JSON number for a finite float that reads back to the same bits; the
// shortest form when parsing through double keeps it exact, else the double's.
ordered_json FloatToJson(float f) {
    if (std::isnan(f)) {
        char text[32];
        std::snprintf(text, sizeof text, "NaN(0x%08x)", std::bit_cast<std::uint32_t>(f));
        return text;
    }
    if (std::isinf(f)) return f > 0 ? "Infinity" : "-Infinity";
    char text[64];
    const auto end = std::to_chars(text, text + sizeof text, f).ptr;
    const double shortest = std::strtod(std::string(text, end).c_str(), nullptr);
    if (std::bit_cast<std::uint32_t>(static_cast<float>(shortest)) ==
        std::bit_cast<std::uint32_t>(f))
        return shortest;
    return static_cast<double>(f);
}

std::optional<float> FloatFromJson(const json& j) {
    if (j.is_number()) {
        // Values at or above the midpoint between the largest float and 2^128
        // round to infinity: refuse them; anything below rounds to a float.
        constexpr float FMAX = std::numeric_limits<float>::max();
        const double d = j.get<double>();
        if (!std::isfinite(d) || std::fabs(d) >= 0x1.ffffffp127) return std::nullopt;
        if (std::fabs(d) > FMAX) return d > 0 ? FMAX : -FMAX;
        return static_cast<float>(d);
    }
    if (!j.is_string()) return std::nullopt;
    const std::string s = j.get<std::string>();
    if (s == "Infinity") return std::numeric_limits<float>::infinity();
    if (s == "-Infinity") return -std::numeric_limits<float>::infinity();
    if (s == "NaN") return std::numeric_limits<float>::quiet_NaN();
    unsigned bits = 0;
    char tail = 0;
    if (std::sscanf(s.c_str(), "NaN(0x%8x)%c", &bits, &tail) == 1 && s.back() == ')') {
        const float f = std::bit_cast<float>(static_cast<std::uint32_t>(bits));
        if (std::isnan(f)) return f;
    }
    return std::nullopt;
}

ordered_json HslToJson(const HslF& c) {
    return ordered_json::array({FloatToJson(c.h), FloatToJson(c.s), FloatToJson(c.l)});
}

// ---- Writing ----

struct JsonWriter {
    ordered_json& out;
    void operator()(const char* name, int v) const { out[name] = v; }
    void operator()(const char* name, float v) const { out[name] = FloatToJson(v); }
    void operator()(const char* name, const HslF& c) const { out[name] = HslToJson(c); }
    void operator()(const char* name, const std::string& s) const { out[name] = Cp1252ToUtf8(s); }
    void operator()(const char* name, MaskedField<const std::string> m) const {
        out[name] = Cp1252ToUtf8(m.value);
    }
};

// ---- Reading, with the path of the field for messages ----

class JsonReader {
public:
    JsonReader(const json& obj, std::string path) : obj_(obj), path_(std::move(path)) {}

    void operator()(const char* name, int& v) {
        const json* j = Field(name);
        if (!j) return;
        const bool fits = j->is_number_unsigned()
                              ? j->get<std::uint64_t>() <= std::numeric_limits<int>::max()
                              : j->is_number_integer() &&
                                    j->get<std::int64_t>() >= std::numeric_limits<int>::min() &&
                                    j->get<std::int64_t>() <= std::numeric_limits<int>::max();
        if (!fits) return Fail(name, "expected a 32-bit integer");
        v = static_cast<int>(j->get<std::int64_t>());
    }
    void operator()(const char* name, float& v) {
        const json* j = Field(name);
        if (!j) return;
        const std::optional<float> f = FloatFromJson(*j);
        if (!f) return Fail(name, "expected a number that fits a 32-bit float");
        v = *f;
    }
    void operator()(const char* name, HslF& c) {
        const json* j = Field(name);
        if (!j) return;
        std::optional<float> h, s, l;
        if (j->is_array() && j->size() == 3) {
            h = FloatFromJson((*j)[0]);
            s = FloatFromJson((*j)[1]);
            l = FloatFromJson((*j)[2]);
        }
        if (!h || !s || !l) return Fail(name, "expected [hue, saturation, lightness]");
        c = HslF{*h, *s, *l};
    }
    void operator()(const char* name, std::string& s) {
        const json* j = Field(name);
        if (!j) return;
        if (!j->is_string()) return Fail(name, "expected a string");
        char32_t bad = 0;
        const std::optional<std::string> text = Utf8ToCp1252(j->get<std::string>(), &bad);
        if (!text) {
            char hex[16];
            std::snprintf(hex, sizeof hex, "U+%04X", static_cast<unsigned>(bad));
            return Fail(name,
                        std::string("character ") + hex + " cannot be stored (code page 1252)");
        }
        s = *text;
    }
    void operator()(const char* name, MaskedField<std::string> m) { (*this)(name, m.value); }

    // Marks a field that the caller reads itself.
    void Known(const char* name) { seen_.insert(name); }

    // After all fields: names nothing was read for are typing mistakes.
    void RefuseUnknown() {
        if (!error_.empty()) return;
        for (const auto& item : obj_.items())
            if (!seen_.count(item.key())) return Fail(item.key().c_str(), "unknown field");
    }
    Result result() const { return error_.empty() ? Result() : Result::Failure(error_); }

private:
    const json* Field(const char* name) {
        seen_.insert(name);
        if (!error_.empty()) return nullptr;
        const auto it = obj_.find(name);
        return it == obj_.end() ? nullptr : &*it;  // a missing field keeps its default
    }
    void Fail(const char* name, const std::string& what) {
        if (error_.empty()) error_ = path_ + name + ": " + what;
    }

    const json& obj_;
    std::string path_;
    std::set<std::string> seen_;
    std::string error_;
};

Result ObjectFromJson(const json& j, const std::string& path, LogoObject& o) {
    if (!j.is_object()) return Result::Failure(path + ": expected an object");
    JsonReader reader(j, path + ".");
    VisitObjectFields(o, reader);
    reader.Known("lt");
    reader.RefuseUnknown();
    if (Result read = reader.result(); !read) return read;
    if (o.type < TEXT_OBJECT || o.type > BITMAP_OBJECT)
        return Result::Failure(path + ".type: must be 0 (text), 1 (shape) or 2 (bitmap)");

    const auto lt = j.find("lt");
    if (lt == j.end()) return {};
    if (!lt->is_object()) return Result::Failure(path + ".lt: expected an object");
    JsonReader params(*lt, path + ".lt.");
    VisitParamFields(o.lt, params);
    params.RefuseUnknown();
    return params.result();
}

}  // namespace

ordered_json ProjectToJson(const LeFile& lf, std::uint32_t version) {
    ordered_json j;
    j["version"] = version;
    j["bgc"] = HslToJson(lf.bgc);
    j["cur"] = lf.cur;
    j["fixed_canvas"] = lf.fixed_canvas;
    j["canvas_w"] = lf.canvas_w;
    j["canvas_h"] = lf.canvas_h;
    ordered_json objects = ordered_json::array();
    for (int n = 0; n < lf.objs; ++n) {
        const LogoObject& o = *lf.obj[n];
        ordered_json jo;
        jo["type"] = o.type;
        VisitObjectFields(o, JsonWriter{jo});
        ordered_json lt;
        VisitParamFields(o.lt, JsonWriter{lt});
        jo["lt"] = std::move(lt);
        objects.push_back(std::move(jo));
    }
    j["objects"] = std::move(objects);
    return j;
}

Result ProjectFromJson(const json& j, LeFile& lf, std::uint32_t& version) {
    if (!j.is_object()) return Result::Failure("expected a JSON object");
    LeFile doc;
    int file_version = static_cast<int>(PROJECT_VERSION);
    JsonReader reader(j, "");
    reader("version", file_version);
    reader("bgc", doc.bgc);
    reader("cur", doc.cur);
    reader("fixed_canvas", doc.fixed_canvas);
    reader("canvas_w", doc.canvas_w);
    reader("canvas_h", doc.canvas_h);
    reader.Known("objects");
    reader.RefuseUnknown();
    if (Result read = reader.result(); !read) return read;
    if (file_version < 0 || file_version > static_cast<int>(PROJECT_VERSION))
        return Result::Failure("version: must be 0, 1 or 2");

    const auto objects = j.find("objects");
    if (objects != j.end()) {
        if (!objects->is_array()) return Result::Failure("objects: expected an array");
        if (objects->size() > MAX_OBJS)
            return Result::Failure("objects: " + std::to_string(objects->size()) +
                                   " objects, at most " + std::to_string(MAX_OBJS) + " fit a logo");
        for (std::size_t n = 0; n < objects->size(); ++n) {
            auto o = std::make_unique<LogoObject>();
            Result read = ObjectFromJson((*objects)[n], "objects[" + std::to_string(n) + "]", *o);
            if (!read) return read;
            doc.obj[doc.objs++] = std::move(o);
        }
    }
    if (doc.cur < -1 || doc.cur >= doc.objs)
        return Result::Failure("cur: must be -1 or the index of an object (0.." +
                               std::to_string(doc.objs - 1) + ")");

    doc.CopyTo(lf);
    version = static_cast<std::uint32_t>(file_version);
    return {};
}

}  // namespace vx
