#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <functional>

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

std::string Content(const fs::path& file) {
    std::vector<std::uint8_t> out;
    if (!ReadWholeFile(file.string(), 1000, out)) return "<unreadable>";
    return {out.begin(), out.end()};
}

int Entries(const fs::path& folder) {
    return static_cast<int>(
        std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

// Runs `body` as a user whom folder permissions stop, and returns its value.
// Root passes every permission check, so as root `body` runs in a child
// process that drops to the unprivileged uid and gid 65534.
int AsOrdinaryUser(const std::function<int()>& body) {
    if (geteuid() != 0) return body();
    const pid_t pid = fork();
    if (pid == 0) {
        const bool dropped = setgroups(0, nullptr) == 0 && setgid(65534) == 0 && setuid(65534) == 0;
        _exit(dropped ? body() : 100);
    }
    int status = 0;
    if (pid < 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}

TEST_F(FilesTest, ReadRefusesFoldersFifosMissingAndOversizedFiles) {
    std::vector<std::uint8_t> out;
    EXPECT_FALSE(ReadWholeFile(dir.string(), 100, out));
    const fs::path fifo = dir / "fifo";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(ReadWholeFile(fifo.string(), 100, out).message(), "not a regular file");
    EXPECT_FALSE(ReadWholeFile((dir / "missing").string(), 100, out));

    const std::string file = tmp.Write("f", Bytes("hello"));
    EXPECT_FALSE(ReadWholeFile(file, 4, out));
    ASSERT_TRUE(ReadWholeFile(file, 5, out));
    EXPECT_EQ(out, Bytes("hello"));
}

// The temporary goes with the AtomicFile that was not committed, as when a
// writer fails half-way.
TEST_F(FilesTest, AFailedWriteKeepsThePreviousFileAndLeavesNoTemporary) {
    const std::string file = tmp.Write("doc.zeb", Bytes("old"));
    // A file size limit makes the write fail half-way, as a full disk would.
    rlimit old_limit{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old_limit), 0);
    const auto old_handler = signal(SIGXFSZ, SIG_IGN);
    rlimit small = old_limit;
    small.rlim_cur = 16;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const Result written = WriteFileAtomically(file, std::vector<std::uint8_t>(4096, 'x'));
    setrlimit(RLIMIT_FSIZE, &old_limit);
    signal(SIGXFSZ, old_handler);

    EXPECT_FALSE(written);
    EXPECT_FALSE(written.message().empty());
    EXPECT_EQ(Content(file), "old");
    EXPECT_EQ(Entries(dir), 1);
}

TEST_F(FilesTest, SavingThroughALinkWritesItsTargetAndKeepsTheLink) {
    const fs::path other = dir / "other";
    fs::create_directory(other);
    struct Case {
        const char* name;
        std::vector<std::pair<fs::path, fs::path>> links;  // link, what it points to
        fs::path target;
        bool target_exists = true;
    };
    const Case cases[] = {
        {"relative, same folder", {{dir / "a.zeb", "a-real.zeb"}}, dir / "a-real.zeb"},
        {"absolute, other folder", {{dir / "b.zeb", other / "b.zeb"}}, other / "b.zeb"},
        {"relative, other folder", {{other / "c.zeb", "../c-real.zeb"}}, dir / "c-real.zeb"},
        {"a chain",
         {{dir / "d.zeb", "d1.zeb"}, {dir / "d1.zeb", other / "d.zeb"}},
         other / "d.zeb"},
        {"pointing nowhere", {{dir / "e.zeb", "e-new.zeb"}}, dir / "e-new.zeb", false},
    };
    for (const Case& c : cases) {
        if (c.target_exists) tmp.Write(c.target.string(), Bytes("old"));  // an absolute path
        for (const auto& [link, to] : c.links) fs::create_symlink(to, link);
        const int entries = Entries(dir) + Entries(other);

        ASSERT_TRUE(WriteFileAtomically(c.links.front().first.string(), Bytes("new"))) << c.name;
        EXPECT_EQ(Content(c.target), "new") << c.name;
        for (const auto& [link, to] : c.links) EXPECT_TRUE(fs::is_symlink(link)) << c.name;
        EXPECT_EQ(Entries(dir) + Entries(other), entries + (c.target_exists ? 0 : 1))
            << c.name << ": a temporary was left";
    }
}

TEST_F(FilesTest, ALinkLoopAndAFailedRenameAreFailuresThatLeaveNoTemporary) {
    fs::create_symlink("loop2", dir / "loop1");
    fs::create_symlink("loop1", dir / "loop2");
    const Result loop = WriteFileAtomically((dir / "loop1").string(), Bytes("x"));
    EXPECT_EQ(loop.message().rfind("cannot follow the link", 0), 0u) << loop.message();

    // Saving over a folder (an export named like one) cannot rename over it.
    fs::create_directory(dir / "logo.png");
    const Result over_folder = WriteFileAtomically((dir / "logo.png").string(), Bytes("x"));
    EXPECT_EQ(over_folder.message().rfind("cannot replace the file", 0), 0u)
        << over_folder.message();
    EXPECT_TRUE(fs::is_directory(dir / "logo.png"));
    EXPECT_EQ(Entries(dir), 3);
}

// A file the user may write, in a folder where they may not create files: the
// temporary cannot be made, so the file is written in place (same inode).
TEST_F(FilesTest, AWritableFileInAFolderThatRefusesNewFilesIsWrittenInPlace) {
    fs::permissions(dir, fs::perms(0755));  // others pass through, as to a home folder
    const fs::path folder = dir / "shared";
    fs::create_directory(folder);
    const fs::path mine = folder / "mine.zeb";
    const fs::path locked = folder / "locked.zeb";
    ASSERT_TRUE(WriteFileAtomically(mine.string(), Bytes("old content")));
    ASSERT_TRUE(WriteFileAtomically(locked.string(), Bytes("old")));
    fs::permissions(mine, fs::perms(0666));
    fs::permissions(locked, fs::perms(0444));
    fs::permissions(folder, fs::perms(0555));
    struct stat before {};
    ASSERT_EQ(stat(mine.c_str(), &before), 0);

    // Which saves succeed, as bits; the folder must really refuse new files,
    // else nothing here is exercised.
    enum { MINE = 1, LOCKED = 2, MISSING = 4, FOLDER_WRITABLE = 8 };
    const int saved = AsOrdinaryUser([&] {
        if (open((folder / "probe").c_str(), O_WRONLY | O_CREAT | O_EXCL, 0600) >= 0)
            return int{FOLDER_WRITABLE};
        return (WriteFileAtomically(mine.string(), Bytes("new")) ? MINE : 0) |
               (WriteFileAtomically(locked.string(), Bytes("new")) ? LOCKED : 0) |
               (WriteFileAtomically((folder / "missing.zeb").string(), Bytes("new")) ? MISSING : 0);
    });
    fs::permissions(folder, fs::perms(0755));

    ASSERT_NE(saved, FOLDER_WRITABLE) << "the folder did not refuse new files";
    EXPECT_EQ(saved, MINE);
    EXPECT_EQ(Content(mine), "new");  // truncated: nothing of the longer old text remains
    EXPECT_EQ(Content(locked), "old");
    struct stat after {};
    ASSERT_EQ(stat(mine.c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_mode & 07777, 0666u);
    EXPECT_EQ(Entries(folder), 2);
}

}  // namespace
}  // namespace vx
