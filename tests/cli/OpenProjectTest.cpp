#include <gtest/gtest.h>

#include "cli/OpenProject.h"
#include "document/ProjectFile.h"
#include "support/Documents.h"
#include "support/TempDir.h"

namespace vx {
namespace {

TEST(OpenProject, EachStatusGivesTheToolsMessage) {
    const test::TempDir tmp;
    std::vector<std::uint8_t> newer = EncodeProject(test::MakeVariedDocument(1));
    newer[4] = 9;  // a version this program cannot read
    std::vector<std::uint8_t> cut = EncodeProject(test::MakeVariedDocument(1));
    cut.resize(6);
    const std::string refused = tmp.Write("newer.zeb", newer);
    const std::string short_file = tmp.Write("short.zeb", cut);
    const std::string missing = tmp.Path("missing.zeb");
    const struct {
        std::string path;
        std::string message_start;
    } cases[] = {
        {refused, refused + ": File could not be opened by this version of the software. ("},
        {short_file, "File could not be opened: " + short_file + " (the file ends"},
        {missing, "File could not be opened: " + missing + " (No such file or directory)"},
    };
    for (const auto& c : cases) {
        LeFile lf;
        const Result opened = cli::OpenProject(c.path, lf);
        EXPECT_EQ(opened.message().rfind(c.message_start, 0), 0u) << opened.message();
        EXPECT_EQ(opened.message().back(), ')') << opened.message();
    }

    const std::string good = tmp.Write("good.zeb", EncodeProject(test::MakeVariedDocument(3), 1));
    LeFile lf;
    std::uint32_t version = 99;
    ASSERT_TRUE(cli::OpenProject(good, lf, version));
    EXPECT_EQ(version, 1u);
    EXPECT_EQ(lf.objs, 3);
}

}  // namespace
}  // namespace vx
