#include <gmock/gmock.h>

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
    const std::string refused = tmp.Write("newer.zeb", newer);
    const std::string cut = tmp.Write("short.zeb", {newer.begin(), newer.begin() + 6});
    const std::string missing = tmp.Path("missing.zeb");
    const std::pair<std::string, std::string> cases[] = {
        {refused, refused + ": File could not be opened by this version of the software. ("},
        {cut, "File could not be opened: " + cut + " (the file ends"},
        {missing, "File could not be opened: " + missing + " (No such file or directory)"},
    };
    for (const auto& [path, start] : cases) {
        LeFile lf;
        const std::string message = cli::OpenProject(path, lf).message();
        EXPECT_THAT(message, testing::StartsWith(start));
        EXPECT_EQ(message.back(), ')') << message;
    }

    LeFile lf;
    std::uint32_t version = 99;
    const std::string v1 = tmp.Write("v1.zeb", EncodeProject(test::MakeVariedDocument(3), 1));
    ASSERT_TRUE(cli::OpenProject(v1, lf, version));
    EXPECT_EQ(version, 1u);
    EXPECT_EQ(lf.objs, 3);
}

}  // namespace
}  // namespace vx
