#pragma once

// Tests of vexologo-cli as a user runs it: a copy of the tool in a temporary
// program folder of packed test fonts, run as a separate process.

#include <cstdint>
#include <string>
#include <vector>

#include "codecs/PngDecoder.h"
#include "codecs/PngWriter.h"
#include "document/LeFile.h"
#include "support/Recorders.h"

namespace vx::test {

class ToolTest : public RecordingTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // A file of the temporary folder.
    std::string Path(const std::string& name) const;
    // Runs the tool with `args`; returns its exit status and leaves stdout in
    // `printed`, stderr in `err`.
    int Run(const std::string& args);
    // From now on runs the tool of the build's program folder, beside the
    // libraries the data build shipped there.
    void UseShippedTool();
    std::vector<std::uint8_t> Bytes(const std::string& name) const;
    // Fails the test unless `name` is a PNG without alpha of exactly `px` (w x h).
    void ExpectPng(const std::string& name, const std::vector<std::uint32_t>& px, int w,
                   int h) const;
    // The project of `lf` as a file of the temporary folder.
    std::string Save(const LeFile& lf, const std::string& name);

    std::string printed;
    std::string err;

private:
    std::string dir_;
    std::string cli_;
};

}  // namespace vx::test
