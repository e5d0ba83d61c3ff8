// Loads the packed test fonts once for every test of an executable.

#include <gtest/gtest.h>

#include "support/TestFonts.h"

namespace vx::test {

namespace {

class FontsEnvironment : public ::testing::Environment {
public:
    void SetUp() override { folder_ = InstallTestFonts(); }
    void TearDown() override { RemoveTestFonts(folder_); }

private:
    std::string folder_;
};

// gtest owns registered environments.
[[maybe_unused]] ::testing::Environment* const FONTS =
    ::testing::AddGlobalTestEnvironment(new FontsEnvironment);

}  // namespace

}  // namespace vx::test
