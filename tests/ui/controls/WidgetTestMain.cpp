// The widget tests run in one QApplication on the offscreen platform, with the
// program folder's font libraries loaded as the program loads them.

#include <QApplication>

#include <gtest/gtest.h>

#include "render/FtText.h"
#include "shell/ProgramFolder.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    if (::testing::GTEST_FLAG(list_tests)) return RUN_ALL_TESTS();
    vx::ep = VX_PROGRAM_DIR;
    vx::FtText::InitFt();
    const int status = RUN_ALL_TESTS();
    vx::FtText::FreeFt();
    return status;
}
