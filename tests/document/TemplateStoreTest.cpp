// The template store: which files make the library and in what order, and what
// a template keeps when its document or its pictures cannot be read.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>

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

class TemplateStoreTest : public test::RecordingTest {
protected:
    // Pictures "load" when their file exists; the picture's width is the
    // length of the file's name, so tests can tell which file it came from.
    PictureLoader Loader() {
        return [this](const std::string& path, TemplatePicture& out) {
            loaded.push_back(fs::path(path).filename().string());
            if (!fs::exists(path)) return false;
            out.w = static_cast<int>(loaded.back().size());
            out.h = 1;
            return true;
        };
    }
    std::vector<std::string> Titles(const std::string& folder) {
        std::vector<std::string> titles;
        for (const TemplateFile& f : TemplateStore::List(folder)) titles.push_back(f.title);
        return titles;
    }

    test::TempDir tmp;
    std::vector<std::string> loaded;
};

TEST_F(TemplateStoreTest, TitlesSortByteWiseAndOnlyProjectFilesCount) {
    for (const char* name : {"Beta.zeb", "alpha.zeb", "Alpha.zeb", "Caps.ZEB", "notes.txt",
                             "Alphaa.bpr", ".zeb", "_under.zeb"})
        tmp.Write(name, Project(1));
    fs::create_directory(tmp.path() / "Folder.zeb");
    EXPECT_EQ(Titles(tmp.path().string()),
              (std::vector<std::string>{"Alpha", "Beta", "Caps", "_under", "alpha"}));
    EXPECT_TRUE(Titles(tmp.Path("missing")).empty());
}

TEST_F(TemplateStoreTest, TheLibraryKeepsTheFirstThousandByTitle) {
    for (int n = 0; n < MAX_TMPS + 3; ++n) {
        char name[16];
        std::snprintf(name, sizeof name, "t%04d.zeb", n);
        std::ofstream(tmp.Path(name)).put('\0');  // a plain write: a thousand fsyncs are slow
    }
    const std::vector<std::string> titles = Titles(tmp.path().string());
    ASSERT_EQ(titles.size(), static_cast<std::size_t>(MAX_TMPS));
    EXPECT_EQ(titles.front(), "t0000");
    EXPECT_EQ(titles.back(), "t0999");
}

// Each case: which of T.zeb, Ta.bpr, Tc.bpr exist, the pictures the
// template ends with and the messages shown.
struct PictureCase {
    bool a, c;
    int xia_w, xib_w;  // 0: no picture
    std::vector<std::string> messages;
};

TEST_F(TemplateStoreTest, PicturesFallBackAndMissingOnesAreReported) {
    const std::string a_path = tmp.Path("Ta.bpr");
    const PictureCase cases[] = {
        {true, true, 6, 6, {}},
        {true, false, 6, 6, {}},  // "c" falls back to "a" silently
        {false, true, 0, 0, {"File could not be opened: " + a_path}},
        {false, false, 0, 0, {"File could not be opened: " + a_path}},
    };
    tmp.Write("T.zeb", Project(33));
    for (const PictureCase& pc : cases) {
        fs::remove(tmp.Path("Ta.bpr"));
        fs::remove(tmp.Path("Tc.bpr"));
        if (pc.a) tmp.Write("Ta.bpr", {1});
        if (pc.c) tmp.Write("Tc.bpr", {1});
        rec.messages.clear();
        TemplateStore store;
        EXPECT_EQ(store.Reload(tmp.path().string(), Loader()), 0);
        ASSERT_EQ(store.count(), 1);
        EXPECT_EQ(store.lfs[0].bgc.h, 33);
        EXPECT_EQ(store.xia[0] ? store.xia[0]->w : 0, pc.xia_w) << pc.a << pc.c;
        EXPECT_EQ(store.xib[0] ? store.xib[0]->w : 0, pc.xib_w) << pc.a << pc.c;
        EXPECT_EQ(rec.messages, pc.messages);
    }
}

TEST_F(TemplateStoreTest, AnUnreadableTemplateStaysAsWhatWasReadAndReloadReplaces) {
    std::vector<std::uint8_t> cut = Project(5);
    cut.resize(6);
    tmp.Write("Broken.zeb", cut);
    tmp.Write("Good.zeb", Project(7));
    TemplateStore store;
    std::vector<std::pair<int, int>> progress;
    store.Reload(tmp.path().string(), Loader(),
                 [&](int done, int count) { progress.emplace_back(done, count); });
    ASSERT_EQ(store.count(), 2);
    EXPECT_EQ(store.lfs[0].objs, 0);
    EXPECT_EQ(store.lfs[1].bgc.h, 7);
    EXPECT_EQ(progress, (std::vector<std::pair<int, int>>{{1, 2}, {2, 2}}));
    const std::set<std::string> shown(rec.messages.begin(), rec.messages.end());
    EXPECT_TRUE(shown.count("File could not be opened: " + tmp.Path("Broken.zeb")));

    fs::remove(tmp.Path("Broken.zeb"));
    store.Reload(tmp.path().string(), Loader());
    ASSERT_EQ(store.count(), 1);
    EXPECT_EQ(store.lfs[0].bgc.h, 7);
    store.Free();
    EXPECT_EQ(store.count(), 0);
    EXPECT_TRUE(store.xia.empty() && store.xib.empty());
}

}  // namespace
}  // namespace vx
