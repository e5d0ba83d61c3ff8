// The window tests' main: one application object (offscreen) and the test
// fonts for the whole run.

#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "support/TestFonts.h"

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);  // no display needed, also when listing
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    const std::string fonts = vx::test::InstallTestFonts();
    const int result = RUN_ALL_TESTS();
    vx::test::RemoveTestFonts(fonts);
    return result;
}
