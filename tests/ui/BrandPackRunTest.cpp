// Export Brand Pack... in the window: the whole pack under one progress
// dialog, Cancel keeping what was written, and a refusal shown.

#include <gtest/gtest.h>

#include <filesystem>

#include "export/BrandPack.h"
#include "support/Recorders.h"
#include "support/TempDir.h"
#include "support/TestFonts.h"
#include "ui/BrandPackRun.h"

namespace vx::test {
namespace {

namespace fs = std::filesystem;

using BrandPackRunTest = RecordingTest;

TEST_F(BrandPackRunTest, WritesThePackAndCancelStopsIt) {
    TempDir tmp;
    LeFile lf;
    lf.AddObj(TextObject("Brand", SANS_BOLD, 40, 0, 0));
    ASSERT_EQ(BrandPackRun(nullptr, lf).Write(QString::fromStdString(tmp.Path("pack"))),
              BrandPackOutcome::WRITTEN);
    for (const BrandPackFile& file : BrandPackFiles())
        EXPECT_TRUE(fs::exists(tmp.Path("pack/") + file.name)) << file.name;

    BrandPackRun stopped(nullptr, lf);
    stopped.CancelAfter(1);
    EXPECT_EQ(stopped.Write(QString::fromStdString(tmp.Path("stopped"))),
              BrandPackOutcome::CANCELLED);
    EXPECT_FALSE(fs::exists(tmp.Path("stopped/README.txt")));
    EXPECT_TRUE(rec.messages.empty());
}

TEST_F(BrandPackRunTest, AnEmptyLogoIsRefusedWithAMessage) {
    TempDir tmp;
    LeFile empty;
    EXPECT_EQ(BrandPackRun(nullptr, empty).Write(QString::fromStdString(tmp.Path("pack"))),
              BrandPackOutcome::FAILED);
    ASSERT_EQ(rec.messages.size(), 1u);
    EXPECT_NE(rec.messages[0].find("nothing to export"), std::string::npos);
    EXPECT_FALSE(fs::exists(tmp.Path("pack")));
}

}  // namespace
}  // namespace vx::test
