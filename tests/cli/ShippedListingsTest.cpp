// The font and shape listings of the libraries the data build shipped.

#include <gtest/gtest.h>

#include <sstream>

#include "support/ToolTest.h"

namespace vx {
namespace {

// The tab-separated fields of each line of `text`.
std::vector<std::vector<std::string>> Lines(const std::string& text) {
    std::vector<std::vector<std::string>> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        std::vector<std::string> fields;
        std::istringstream cells(line);
        for (std::string f; std::getline(cells, f, '\t');) fields.push_back(f);
        lines.push_back(fields);
    }
    return lines;
}

class ShippedListings : public test::ToolTest {};

// Each line numbered from 0: fonts give category, name and file, shapes face
// and glyph; how many fonts and shapes there are and which, the library tests
// check in-process.
TEST_F(ShippedListings, ListNumberedLinesOfTabSeparatedFields) {
    UseShippedTool();
    const struct {
        const char* command;
        const char* first;
        std::size_t at_least;
        std::size_t fields;
    } listings[] = {{"fonts", "0\t0\tAndika Regular\t", 190, 4}, {"shapes", "0\t", 5000, 3}};
    for (const auto& [command, first, at_least, fields] : listings) {
        ASSERT_EQ(Run(command), 0) << err;
        EXPECT_EQ(printed.rfind(first, 0), 0u) << command;
        const auto lines = Lines(printed);
        EXPECT_GE(lines.size(), at_least) << command;
        for (std::size_t n = 0; n < lines.size(); ++n) {
            ASSERT_EQ(lines[n].size(), fields) << command << " line " << n;
            EXPECT_EQ(lines[n][0], std::to_string(n)) << command;
        }
    }
    EXPECT_NE(printed.find("\tStarburst Regular\t19\n"), std::string::npos);  // the default shape
}

}  // namespace
}  // namespace vx
