// The window tests' main: one application object (offscreen) and the test
// fonts for the whole run.

#include <gtest/gtest.h>

#include <QApplication>
#include <QStandardPaths>
#include <cstdlib>

#include "support/TestFonts.h"

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);  // no display needed, also when listing
    QApplication app(argc, argv);
    // The user's own templates folder of a test run is not the user's.
    QStandardPaths::setTestModeEnabled(true);
    ::testing::InitGoogleTest(&argc, argv);
    const std::string fonts = vx::test::InstallTestFonts();
    const int result = RUN_ALL_TESTS();
    vx::test::RemoveTestFonts(fonts);
    return result;
}
