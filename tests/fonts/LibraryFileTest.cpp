#include <gtest/gtest.h>

#include "document/Archive.h"
#include "render/FtText.h"
#include "render/LibraryFile.h"

namespace vx {
namespace {

using Bytes = std::vector<std::uint8_t>;

// An unscrambled library stream written field by field, for malformed files.
Bytes Stream(std::int32_t magic, std::int32_t count, const std::vector<Bytes>& fonts,
             std::int32_t ffl_override = 0) {
    ArchiveWriter ar;
    ar.Int32(magic);
    ar.Int32(count);
    for (const Bytes& f : fonts) {
        ar.String("label");
        ar.Int32(ffl_override != 0 ? ffl_override : static_cast<std::int32_t>(f.size()));
        ar.Bytes(f);
    }
    return ar.Take();
}

LibraryStatus Parse(const Bytes& data, std::vector<LibraryRecordView>& records) {
    return ParseLibrary(data, records);
}

TEST(LibraryFile, TheKeyRunsOnPastTheSeventeenthByte) {
    Bytes data(18, 0);
    ScrambleLibrary(data);
    EXPECT_EQ(data[0], 'T');
    EXPECT_EQ(data[16], 'e');
    EXPECT_EQ(data[17], 'T');  // key byte 0 again, not a fresh start per record
    data[17] = 0x10;           // subtraction wraps modulo 256
    UnscrambleLibrary(data);
    EXPECT_EQ(data[17], static_cast<std::uint8_t>(0x10 - 'T'));
    EXPECT_EQ(data[0], 0);
    EXPECT_EQ(data[16], 0);
}

TEST(LibraryFile, PackedLibrariesParseBackRecordForRecord) {
    const std::vector<LibraryRecord> records = {
        {std::string(300, 'L'), Bytes{1, 2, 3}},  // a label with a three-byte length prefix
        {"", Bytes(70000, 7)},
    };
    Bytes file = PackLibrary(records);
    UnscrambleLibrary(file);
    file.insert(file.end(), {9, 9, 9});  // trailing bytes are ignored
    std::vector<LibraryRecordView> views;
    ASSERT_EQ(Parse(file, views), LibraryStatus::OK);
    ASSERT_EQ(views.size(), 2u);
    for (std::size_t i = 0; i < records.size(); ++i) {
        EXPECT_EQ(views[i].label, records[i].label);
        EXPECT_EQ(Bytes(views[i].font.begin(), views[i].font.end()), records[i].font);
    }
}

TEST(LibraryFile, CountZeroIsAnEmptyLibrary) {
    std::vector<LibraryRecordView> views;
    EXPECT_EQ(Parse(Stream(LIBRARY_MAGIC, 0, {}), views), LibraryStatus::OK);
    EXPECT_TRUE(views.empty());
}

TEST(LibraryFile, WrongMagicOrTooShortForTheHeaderIsNotALibrary) {
    std::vector<LibraryRecordView> views;
    EXPECT_EQ(Parse(Stream(LIBRARY_MAGIC + 1, 0, {}), views), LibraryStatus::BAD_MAGIC);
    Bytes shortHeader = Stream(LIBRARY_MAGIC, 0, {});
    shortHeader.resize(7);
    EXPECT_EQ(Parse(shortHeader, views), LibraryStatus::BAD_MAGIC);
}

TEST(LibraryFile, CountsTheFileCannotHoldAreRefusedBeforeAnyRecord) {
    std::vector<LibraryRecordView> views;
    EXPECT_EQ(Parse(Stream(LIBRARY_MAGIC, -1, {}), views), LibraryStatus::BAD_COUNT);
    // The 11 bytes of one real record could hold at most two minimal records.
    EXPECT_EQ(Parse(Stream(LIBRARY_MAGIC, 3, {Bytes{1}}), views), LibraryStatus::BAD_COUNT);
    EXPECT_EQ(Parse(Stream(LIBRARY_MAGIC, 0x7FFFFFFF, {Bytes{1}}), views),
              LibraryStatus::BAD_COUNT);
    EXPECT_TRUE(views.empty());
}

TEST(LibraryFile, TruncatedRecordsKeepTheGoodRecordsBeforeThem) {
    const Bytes good = Stream(LIBRARY_MAGIC, 2, {Bytes(4, 1), Bytes(40, 2)});
    std::vector<LibraryRecordView> views;

    Bytes body = good;
    body.resize(body.size() - 1);  // the second font is one byte short
    EXPECT_EQ(Parse(body, views), LibraryStatus::BAD_RECORD_BODY);
    ASSERT_EQ(views.size(), 1u);
    EXPECT_EQ(views[0].font.size(), 4u);

    Bytes head = good;
    head.resize(8 + 6 + 4 + 4 + 3);  // ends inside the second label
    EXPECT_EQ(Parse(head, views), LibraryStatus::BAD_RECORD_HEAD);
    EXPECT_EQ(views.size(), 1u);
}

TEST(LibraryFile, NegativeFontLengthsAreRefused) {
    std::vector<LibraryRecordView> views;
    EXPECT_EQ(Parse(Stream(LIBRARY_MAGIC, 1, {Bytes(8, 1)}, -4), views),
              LibraryStatus::BAD_RECORD_BODY);
    EXPECT_TRUE(views.empty());
}

}  // namespace
}  // namespace vx
