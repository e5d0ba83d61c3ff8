#pragma once

// Tests of vexologo-cli as a user runs it: a copy of the tool in a temporary
// program folder of packed test fonts, run as a separate process.

#include <cstdint>
#include <string>
#include <vector>

#include "codecs/PngDecoder.h"
#include "document/LeFile.h"
#include "support/Recorders.h"
#include "support/TestFonts.h"

namespace vx::test {

// A run the tool refuses: its arguments, exit status and a text its error output holds.
struct Refusal {
    std::string args;
    int status;
    std::string message;
};

// A logo of the test fonts: a text with outline and shadow beside a shape, on
// a coloured background; without a gradient, so drawn without dither.
LeFile ToolLogo();

class ToolTest : public RecordingTest {
    // First: the members below write into the folder.
    std::string dir_;
    std::string cli_;

protected:
    // The folder is made on construction, so that fixtures can fill it from
    // their member initialisers.
    ToolTest();
    ~ToolTest() override;

    // A file of the temporary folder.
    std::string Path(const std::string& name) const;
    // Runs the tool with `args`; returns its exit status and leaves stdout in
    // `printed`, stderr in `err`.
    int Run(const std::string& args);
    // Runs `command` + the arguments of each case; fails the test for each
    // case whose status or error output is not the one expected.
    void ExpectRefusals(const std::string& command, const std::vector<Refusal>& cases);
    // From now on runs the tool of the build's program folder, beside the
    // libraries the data build shipped there.
    void UseShippedTool();
    std::vector<std::uint8_t> Bytes(const std::string& name) const;
    std::string Text(const std::string& name) const;
    // Writes `text` as the file `name` of the temporary folder; returns its path.
    std::string Write(const std::string& name, const std::string& text) const;
    // Fails the test unless `name` is a PNG without alpha of exactly `px` (w x h).
    void ExpectPng(const std::string& name, const std::vector<std::uint32_t>& px, int w,
                   int h) const;
    // The project of `logo` as a file of the temporary folder.
    std::string Save(const LeFile& logo, const std::string& name) const;

    std::string printed;
    std::string err;
    // ToolLogo() and its project file logo.zeb.
    LeFile lf = ToolLogo();
    std::string zeb = Save(lf, "logo.zeb");
};

}  // namespace vx::test
