#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>

#include "shell/AtomicFile.h"
#include "shell/ReadFile.h"
#include "support/TempDir.h"

namespace vx {
namespace {

namespace fs = std::filesystem;

class FilesTest : public ::testing::Test {
protected:
    test::TempDir tmp;
    const fs::path dir = tmp.path();
};

std::vector<std::uint8_t> Bytes(const std::string& s) {
    return {s.begin(), s.end()};
}

TEST_F(FilesTest, ReadRefusesFoldersFifosMissingAndOversizedFiles) {
    std::vector<std::uint8_t> out;
    EXPECT_FALSE(ReadWholeFile(dir.string(), 100, out).ok);
    const fs::path fifo = dir / "fifo";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(ReadWholeFile(fifo.string(), 100, out).error, "not a regular file");
    EXPECT_FALSE(ReadWholeFile((dir / "missing").string(), 100, out).ok);

    const fs::path file = dir / "f";
    ASSERT_TRUE(WriteFileAtomically(file.string(), Bytes("hello")));
    EXPECT_FALSE(ReadWholeFile(file.string(), 4, out).ok);
    ASSERT_TRUE(ReadWholeFile(file.string(), 5, out).ok);
    EXPECT_EQ(out, Bytes("hello"));
}

TEST_F(FilesTest, AtomicWriteReplacesOnlyOnCommitAndLeavesNoTemporary) {
    const fs::path file = dir / "doc.zeb";
    ASSERT_TRUE(WriteFileAtomically(file.string(), Bytes("old")));
    {
        AtomicFile f(file.string());
        ASSERT_TRUE(f.Open());
        ASSERT_TRUE(f.Write(Bytes("new, unfinished")));
        // destroyed without Commit, as when a writer fails half-way
    }
    std::vector<std::uint8_t> out;
    ASSERT_TRUE(ReadWholeFile(file.string(), 100, out).ok);
    EXPECT_EQ(out, Bytes("old"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

TEST_F(FilesTest, AtomicWriteOverAFolderFailsAndLeavesNoTemporary) {
    const fs::path folder = dir / "logo.png";
    ASSERT_TRUE(fs::create_directory(folder));
    std::string error;
    EXPECT_FALSE(WriteFileAtomically(folder.string(), Bytes("picture"), &error));
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(fs::is_directory(folder));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

TEST_F(FilesTest, AtomicWriteFailureKeepsThePreviousFile) {
    const fs::path file = dir / "doc.zeb";
    ASSERT_TRUE(WriteFileAtomically(file.string(), Bytes("old")));
    // A file size limit makes the write fail half-way, as a full disk would.
    rlimit old_limit{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old_limit), 0);
    const auto old_handler = signal(SIGXFSZ, SIG_IGN);
    rlimit small = old_limit;
    small.rlim_cur = 16;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    std::string error;
    const bool written =
        WriteFileAtomically(file.string(), std::vector<std::uint8_t>(4096, 'x'), &error);
    setrlimit(RLIMIT_FSIZE, &old_limit);
    signal(SIGXFSZ, old_handler);

    EXPECT_FALSE(written);
    EXPECT_FALSE(error.empty());
    std::vector<std::uint8_t> out;
    ASSERT_TRUE(ReadWholeFile(file.string(), 100, out).ok);
    EXPECT_EQ(out, Bytes("old"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

}  // namespace
}  // namespace vx
