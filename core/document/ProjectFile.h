#pragma once

// Project files (".zeb"): one logo document with every object's parameters. The
// same format holds the style and template libraries.
//
// Layout: magic 0x39DF, version, bgc, objs, cur, then (version 2 and later) the
// canvas fields fixed_canvas, canvas_w, canvas_h, then objs object records. The
// writer always writes version 2; the reader takes versions 0 to 2.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "document/LeFile.h"
#include "shell/Messages.h"
#include "shell/Result.h"

namespace vx {

constexpr std::uint32_t PROJECT_MAGIC = 0x39DF;
constexpr std::uint32_t PROJECT_VERSION = 2;

enum class ProjectStatus {
    OK,
    CANNOT_OPEN,  // missing, unreadable, not a regular file or absurdly large
    REFUSED,      // wrong magic, a newer version, or a non-zero record version
    UNREADABLE,   // ends early or holds counts the format cannot have
};

struct ProjectResult {
    ProjectStatus status = ProjectStatus::OK;
    std::string detail;         // what went wrong, for the command-line tool
    std::uint32_t version = 0;  // layout version of a file whose header was read
    // The header was accepted: the document was cleared and holds the records
    // read in full, whatever stopped the reading later.
    bool header_read = false;
};

// Reads a project from bytes into `lf`. A refused header leaves `lf` unchanged;
// otherwise `lf` is cleared and holds exactly the object records read in full,
// with `cur` -1 or valid, whatever the bytes hold.
ProjectResult DecodeProject(std::span<const std::uint8_t> data, LeFile& lf);
// Writes `version` 2 unless asked for an older layout (0 or 1: no canvas
// fields), which only tools and tests need.
std::vector<std::uint8_t> EncodeProject(const LeFile& lf, std::uint32_t version = PROJECT_VERSION);

// File forms of the above. Writing replaces the file only when every byte was
// written, so a failed save never destroys the previous file.
ProjectResult ReadProjectFile(const std::string& path, LeFile& lf);
Result WriteProjectFile(const std::string& path, const LeFile& lf);

// The document operations: they show the user their messages ("File could not
// be opened: " + path and so on) and return status 0.
int LoadProject(const std::string& name, LeFile& lf);
int SaveProject(const std::string& name, const LeFile& lf);

}  // namespace vx
