#include "document/ProjectFile.h"

#include "document/Archive.h"
#include "document/ParamFields.h"
#include "shell/AtomicFile.h"
#include "shell/Checked.h"
#include "shell/Messages.h"
#include "shell/ReadFile.h"

namespace vx {

namespace {

// Far beyond any real project (100 objects of a few hundred bytes each), small
// enough that reading one whole never strains memory.
constexpr std::size_t MAX_PROJECT_BYTES = 64u << 20;

// Writes one stored field in the stream encoding.
struct FieldWriter {
    ArchiveWriter& ar;
    void operator()(const char*, int v) const { ar.Int32(v); }
    void operator()(const char*, float v) const { ar.Float(v); }
    void operator()(const char*, const HslF& c) const { ar.Hsl(c); }
    void operator()(const char*, const std::string& s) const { ar.String(s); }
    void operator()(const char*, MaskedField<const std::string> m) const {
        ar.MaskedString(m.value);
    }
};

// Reads one stored field; after the first read past the end every read fails,
// so a record is tested once, at its end.
struct FieldReader {
    ArchiveReader& ar;
    void operator()(const char*, int& v) const { ar.Int32(v); }
    void operator()(const char*, float& v) const { ar.Float(v); }
    void operator()(const char*, HslF& c) const { ar.Hsl(c); }
    void operator()(const char*, std::string& s) const { ar.String(s); }
    void operator()(const char*, MaskedField<std::string> m) const { ar.MaskedString(m.value); }
};

ProjectResult Outcome(ProjectStatus status, std::string detail) {
    return {status, std::move(detail)};
}

// Reads object records into `lf` until `count` are read or one fails.
ProjectResult ReadObjects(ArchiveReader& ar, int count, LeFile& lf) {
    for (int n = 0; n < count; ++n) {
        VX_CHECK(lf.obj[n] == nullptr, "obj[n]==NULL");
        auto o = std::make_unique<LogoObject>();
        std::uint32_t object_version = 0;
        std::uint32_t params_version = 0;
        ar.Uint32(object_version);
        ar.Uint32(params_version);
        if (ar.ok() && (object_version != 0 || params_version != 0))
            return Outcome(ProjectStatus::REFUSED,
                           "object " + std::to_string(n) + ": unknown record version");
        VisitParamFields(o->lt, FieldReader{ar});
        VisitObjectFields(*o, FieldReader{ar});
        if (!ar.ok())
            return Outcome(ProjectStatus::UNREADABLE,
                           "object " + std::to_string(n) + ": the file ends early");
        // An unknown kind would reach code that knows only these three.
        if (o->type < TEXT_OBJECT || o->type > BITMAP_OBJECT) o->type = TEXT_OBJECT;
        lf.obj[n] = std::move(o);
        lf.objs = n + 1;
    }
    return Outcome(ProjectStatus::OK, {});
}

}  // namespace

std::vector<std::uint8_t> EncodeProject(const LeFile& lf, std::uint32_t version) {
    ArchiveWriter ar;
    ar.Uint32(PROJECT_MAGIC);
    ar.Uint32(version);
    ar.Hsl(lf.bgc);
    ar.Int32(lf.objs);
    ar.Int32(lf.cur);
    if (version >= 2) {
        ar.Int32(lf.fixed_canvas);
        ar.Int32(lf.canvas_w);
        ar.Int32(lf.canvas_h);
    }
    for (int n = 0; n < lf.objs; ++n) {
        VX_CHECK(lf.obj[n] != nullptr, "obj[n]!=NULL");
        if (!lf.obj[n]) continue;
        const LogoObject& o = *lf.obj[n];
        ar.Uint32(0);  // object record version
        ar.Uint32(0);  // parameter record version
        VisitParamFields(o.lt, FieldWriter{ar});
        VisitObjectFields(o, FieldWriter{ar});
    }
    return ar.Take();
}

ProjectResult DecodeProject(std::span<const std::uint8_t> data, LeFile& lf) {
    ArchiveReader ar(data);
    std::uint32_t magic = 0;
    std::uint32_t version = 0;
    if (!ar.Uint32(magic) || !ar.Uint32(version))
        return Outcome(ProjectStatus::UNREADABLE, "the file ends inside its header");
    if (magic != PROJECT_MAGIC || version > PROJECT_VERSION)
        return Outcome(ProjectStatus::REFUSED, magic != PROJECT_MAGIC
                                                   ? "not a project file"
                                                   : "version " + std::to_string(version));

    VX_CALL(lf.Clear(), "lf.Clear()");
    HslF bgc;
    std::int32_t objs = 0;
    std::int32_t cur = -1;
    std::int32_t fixed_canvas = 0;
    std::int32_t canvas_w = lf.canvas_w;
    std::int32_t canvas_h = lf.canvas_h;
    ar.Hsl(bgc);
    ar.Int32(objs);
    ar.Int32(cur);
    if (version >= 2) {
        ar.Int32(fixed_canvas);
        ar.Int32(canvas_w);
        ar.Int32(canvas_h);
    }
    if (!ar.ok()) return Outcome(ProjectStatus::UNREADABLE, "the file ends inside its header");
    if (objs < 0 || objs > MAX_OBJS)
        return Outcome(ProjectStatus::UNREADABLE, "object count " + std::to_string(objs) +
                                                      " is outside 0.." + std::to_string(MAX_OBJS));
    lf.bgc = bgc;
    lf.fixed_canvas = fixed_canvas;
    lf.canvas_w = canvas_w;
    lf.canvas_h = canvas_h;

    ProjectResult result = ReadObjects(ar, objs, lf);
    lf.cur = cur >= 0 && cur < lf.objs ? cur : -1;
    result.version = version;
    result.header_read = true;
    return result;
}

ProjectResult ReadProjectFile(const std::string& path, LeFile& lf) {
    std::vector<std::uint8_t> bytes;
    const Result read = ReadWholeFile(path, MAX_PROJECT_BYTES, bytes);
    if (!read) return Outcome(ProjectStatus::CANNOT_OPEN, read.message());
    return DecodeProject(bytes, lf);
}

Result WriteProjectFile(const std::string& path, const LeFile& lf) {
    return WriteFileAtomically(path, EncodeProject(lf));
}

int LoadProject(const std::string& name, LeFile& lf) {
    const ProjectResult r = ReadProjectFile(name, lf);
    if (r.status == ProjectStatus::REFUSED) ShowMessage(MSG_WRONG_VERSION);
    if (r.status == ProjectStatus::CANNOT_OPEN || r.status == ProjectStatus::UNREADABLE)
        ShowMessage(MSG_CANNOT_OPEN + name);
    return 0;
}

int SaveProject(const std::string& name, const LeFile& lf) {
    if (!WriteProjectFile(name, lf)) ShowMessage(MSG_CANNOT_SAVE + name);
    return 0;
}

}  // namespace vx
