// The font and shape listings of the libraries the data build shipped.

#include <gmock/gmock.h>

#include <algorithm>
#include <sstream>

#include "support/ToolTest.h"

namespace vx {
namespace {

using ShippedListings = test::ToolTest;

// Each line numbered from 0: fonts give category, name and file, shapes face
// and glyph; how many fonts and shapes there are and which, the library tests
// check in-process.
TEST_F(ShippedListings, ListNumberedLinesOfTabSeparatedFields) {
    UseShippedTool();
    const struct {
        const char* command;
        const char* first;
        std::size_t at_least;
        long tabs;
    } listings[] = {{"fonts", "0\t0\tAndika Regular\t", 190, 3}, {"shapes", "0\t", 5000, 2}};
    for (const auto& [command, first, at_least, tabs] : listings) {
        ASSERT_EQ(Run(command), 0) << err;
        EXPECT_THAT(printed, testing::StartsWith(first));
        std::istringstream in(printed);
        std::size_t n = 0;
        for (std::string line; std::getline(in, line); ++n) {
            ASSERT_EQ(std::count(line.begin(), line.end(), '\t'), tabs) << command << " " << line;
            EXPECT_THAT(line, testing::StartsWith(std::to_string(n) + "\t")) << command;
        }
        EXPECT_GE(n, at_least) << command;
    }
    EXPECT_THAT(printed, testing::HasSubstr("\tStarburst Regular\t19\n"));  // the default shape
}

}  // namespace
}  // namespace vx
