// The template store: which files make the library and in what order, and what
// a template keeps when its document or its pictures cannot be read.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "document/ProjectFile.h"
#include "document/TemplateStore.h"
#include "support/Recorders.h"
#include "support/TempDir.h"

namespace vx {
namespace {

namespace fs = std::filesystem;

// A project whose background hue tells templates apart.
std::vector<std::uint8_t> Project(float hue) {
    LeFile lf;
    lf.bgc = {hue, 100, 100};
    return EncodeProject(lf);
}

// Pictures "load" when their file exists; the picture's width is the file's
// first byte, so tests can tell which file it came from.
bool LoadMark(const std::string& path, TemplatePicture& out) {
    std::ifstream in(path, std::ios::binary);
    out.w = in.get();
    out.h = 1;
    return in.good();
}

class TemplateStoreTest : public test::RecordingTest {
protected:
    std::vector<std::string> Titles(const std::string& folder) {
        std::vector<std::string> titles;
        for (const TemplateFile& f : TemplateStore::List(folder)) titles.push_back(f.title);
        return titles;
    }

    test::TempDir tmp;
    const std::string dir = tmp.path().string();
};

// Titles sort byte-wise (capitals, then "_", then small letters); the
// library keeps the first thousand.
TEST_F(TemplateStoreTest, ProjectFilesMakeTheFirstThousandTitlesByteWise) {
    for (const char* name : {"Beta.zeb", "alpha.zeb", "Alpha.zeb", "Caps.ZEB", "notes.txt",
                             "Alphaa.bpr", ".zeb", "_under.zeb"})
        tmp.Write(name, Project(1));
    fs::create_directory(tmp.path() / "Folder.zeb");
    for (int n = 0; n < MAX_TMPS; ++n) {
        char name[16];
        std::snprintf(name, sizeof name, "t%04d.zeb", n);
        std::ofstream(tmp.Path(name)).put('\0');  // a plain write: a thousand fsyncs are slow
    }
    const std::vector<std::string> titles = Titles(dir);
    ASSERT_EQ(titles.size(), static_cast<std::size_t>(MAX_TMPS));
    EXPECT_EQ(std::vector<std::string>(titles.begin(), titles.begin() + 6),
              (std::vector<std::string>{"Alpha", "Beta", "Caps", "_under", "alpha", "t0000"}));
    EXPECT_EQ(titles.back(), "t0994");
    EXPECT_TRUE(Titles(tmp.Path("missing")).empty());
}

TEST_F(TemplateStoreTest, PicturesFallBackAndMissingOnesAreReported) {
    // Which of Ta.bpr (marked 1) and Tc.bpr (marked 2) exist, the pictures the
    // template ends with (0: none) and the messages shown.
    const struct {
        bool a, c;
        int xia, xib;
        std::vector<std::string> messages;
    } cases[] = {
        {true, true, 1, 2, {}},
        {true, false, 1, 1, {}},  // "c" falls back to "a" silently
        {false, true, 0, 0, {"File could not be opened: " + tmp.Path("Ta.bpr")}},
        {false, false, 0, 0, {"File could not be opened: " + tmp.Path("Ta.bpr")}},
    };
    tmp.Write("T.zeb", Project(33));
    for (const auto& c : cases) {
        fs::remove(tmp.Path("Ta.bpr"));
        fs::remove(tmp.Path("Tc.bpr"));
        if (c.a) tmp.Write("Ta.bpr", {1});
        if (c.c) tmp.Write("Tc.bpr", {2});
        rec.messages.clear();
        TemplateStore store;
        EXPECT_EQ(store.Reload(dir, LoadMark), 0);
        ASSERT_EQ(store.count(), 1);
        EXPECT_EQ(store.lfs[0].bgc.h, 33);
        EXPECT_EQ(store.xia[0] ? store.xia[0]->w : 0, c.xia) << c.a << c.c;
        EXPECT_EQ(store.xib[0] ? store.xib[0]->w : 0, c.xib) << c.a << c.c;
        EXPECT_EQ(rec.messages, c.messages);
    }
}

TEST_F(TemplateStoreTest, AnUnreadableTemplateStaysAsWhatWasReadAndReloadReplaces) {
    const std::vector<std::uint8_t> broken = Project(5);
    tmp.Write("Broken.zeb", {broken.begin(), broken.begin() + 6});
    tmp.Write("Good.zeb", Project(7));
    TemplateStore store;
    std::vector<std::pair<int, int>> progress;
    store.Reload(dir, LoadMark, [&](int done, int count) { progress.emplace_back(done, count); });
    ASSERT_EQ(store.count(), 2);
    EXPECT_EQ(store.lfs[0].objs, 0);
    EXPECT_EQ(store.lfs[1].bgc.h, 7);
    EXPECT_EQ(progress, (std::vector<std::pair<int, int>>{{1, 2}, {2, 2}}));
    EXPECT_EQ(rec.messages, (std::vector<std::string>{MSG_CANNOT_OPEN + tmp.Path("Broken.zeb"),
                                                      MSG_CANNOT_OPEN + tmp.Path("Brokena.bpr"),
                                                      MSG_CANNOT_OPEN + tmp.Path("Gooda.bpr")}));

    fs::remove(tmp.Path("Broken.zeb"));
    store.Reload(dir, LoadMark);
    ASSERT_EQ(store.count(), 1);
    EXPECT_EQ(store.lfs[0].bgc.h, 7);
    store.Free();
    EXPECT_EQ(store.count(), 0);
    EXPECT_TRUE(store.xia.empty() && store.xib.empty());
}

}  // namespace
}  // namespace vx
