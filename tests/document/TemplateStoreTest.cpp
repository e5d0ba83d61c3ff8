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

// A project of one object whose background hue tells templates apart.
std::vector<std::uint8_t> Project(float hue) {
    LeFile lf;
    lf.AddObj(std::make_unique<LogoObject>());
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
    std::vector<std::string> titles;
    for (const TemplateFile& f : TemplateStore::List(dir)) titles.push_back(f.title);
    ASSERT_EQ(titles.size(), static_cast<std::size_t>(MAX_TMPS));
    EXPECT_EQ(std::vector<std::string>(titles.begin(), titles.begin() + 6),
              (std::vector<std::string>{"Alpha", "Beta", "Caps", "_under", "alpha", "t0000"}));
    EXPECT_EQ(titles.back(), "t0994");
    EXPECT_TRUE(TemplateStore::List(tmp.Path("missing")).empty());
}

// Each template with its pictures "a" and "c" (marked 1 and 2) or without:
// "c" falls back to "a" silently; without "a" neither is kept and "a" is
// reported. A document that cannot be read stays as what was read.
TEST_F(TemplateStoreTest, PicturesFallBackAndWhatCannotBeReadIsReported) {
    const struct {
        const char* title;
        bool a, c;
        int xia, xib;  // 0: no picture
    } cases[] = {
        {"Both", true, true, 1, 2},
        {"Broken", true, false, 1, 1},  // its document ends inside the header
        {"Neither", false, false, 0, 0},
        {"OnlyA", true, false, 1, 1},  // "c" is a copy of "a"
        {"OnlyC", false, true, 0, 0},  // "c" is not read without "a"
    };
    for (int n = 0; n < 5; ++n) {
        const std::string title = cases[n].title;
        tmp.Write(title + ".zeb", Project(static_cast<float>(n + 1)));
        if (cases[n].a) tmp.Write(title + "a.bpr", {1});
        if (cases[n].c) tmp.Write(title + "c.bpr", {2});
    }
    tmp.Write("Broken.zeb", {0xDF, 0x39, 0, 0, 2, 0});
    TemplateStore store;
    std::vector<std::pair<int, int>> progress;
    EXPECT_EQ(store.Reload(dir, LoadMark,
                           [&](int done, int count) { progress.emplace_back(done, count); }),
              0);
    ASSERT_EQ(store.count(), 5);
    for (int n = 0; n < 5; ++n) {
        const auto& c = cases[n];
        EXPECT_EQ(store.lfs[n].objs, n == 1 ? 0 : 1) << c.title;
        if (n != 1) {
            EXPECT_EQ(store.lfs[n].bgc.h, n + 1) << c.title;
        }
        EXPECT_EQ(store.xia[n] ? store.xia[n]->w : 0, c.xia) << c.title;
        EXPECT_EQ(store.xib[n] ? store.xib[n]->w : 0, c.xib) << c.title;
    }
    EXPECT_EQ(progress, (std::vector<std::pair<int, int>>{{1, 5}, {2, 5}, {3, 5}, {4, 5}, {5, 5}}));
    EXPECT_EQ(rec.messages, (std::vector<std::string>{MSG_CANNOT_OPEN + tmp.Path("Broken.zeb"),
                                                      MSG_CANNOT_OPEN + tmp.Path("Neithera.bpr"),
                                                      MSG_CANNOT_OPEN + tmp.Path("OnlyCa.bpr")}));

    // Reloading replaces the library; freeing empties it.
    fs::remove(tmp.Path("Both.zeb"));
    store.Reload(dir, LoadMark);
    ASSERT_EQ(store.count(), 4);
    EXPECT_EQ(store.lfs[0].objs, 0);
    EXPECT_EQ(store.xib[0] ? store.xib[0]->w : 0, 1);
    store.Free();
    EXPECT_EQ(store.count(), 0);
    EXPECT_TRUE(store.xia.empty() && store.xib.empty());
}

}  // namespace
}  // namespace vx
