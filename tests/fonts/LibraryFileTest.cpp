#include <gtest/gtest.h>

#include <algorithm>

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

TEST(LibraryFile, APieceUnscramblesAsItDoesInTheWholeFile) {
    Bytes whole(100);
    for (std::size_t i = 0; i < whole.size(); ++i) whole[i] = static_cast<std::uint8_t>(i * 7);
    Bytes piece(whole.begin() + 40, whole.begin() + 75);
    UnscrambleLibrary(whole);
    UnscrambleLibrary(piece, 40);
    EXPECT_EQ(piece, Bytes(whole.begin() + 40, whole.begin() + 75));
}

// A library whose reads fail from `broken_at` on, as a failing disk would.
class FailingBytes : public LibraryBytes {
public:
    FailingBytes(Bytes data, std::uint64_t broken_at) : data_(std::move(data)), at_(broken_at) {}
    std::uint64_t size() const override { return data_.size(); }
    bool Read(std::uint64_t offset, std::size_t n, std::uint8_t* out) const override {
        if (offset + n > at_) return false;
        std::copy_n(data_.begin() + static_cast<std::ptrdiff_t>(offset), n, out);
        return true;
    }

private:
    Bytes data_;
    std::uint64_t at_;
};

TEST(LibraryFile, AFailedReadIsToldApartFromAShortFile) {
    const Bytes stream = Stream(LIBRARY_MAGIC, 2, {Bytes(4, 1), Bytes(40, 2)});
    std::vector<LibraryEntry> entries;
    // The second record's head (after 8 + 6 + 4 + 4 bytes) cannot be read.
    EXPECT_EQ(IndexLibrary(FailingBytes(stream, 8 + 6 + 4 + 4 + 2), entries),
              LibraryStatus::READ_FAILED);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].offset, 8u + 6 + 4);
    EXPECT_EQ(IndexLibrary(FailingBytes(stream, 3), entries), LibraryStatus::READ_FAILED);
    // Skipping a font file reads nothing of it.
    EXPECT_EQ(IndexLibrary(FailingBytes(stream, 8 + 6 + 4 + 4 + 6 + 4), entries),
              LibraryStatus::OK);
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
    ASSERT_EQ(ParseLibrary(file, views), LibraryStatus::OK);
    ASSERT_EQ(views.size(), 2u);
    for (std::size_t i = 0; i < records.size(); ++i) {
        EXPECT_EQ(views[i].label, records[i].label);
        EXPECT_EQ(Bytes(views[i].font.begin(), views[i].font.end()), records[i].font);
    }
}

// Malformed streams: refused with the status of what is wrong, keeping the
// whole records before the fault. Counts the file cannot hold are refused
// before any record is read.
TEST(LibraryFile, MalformedStreamsAreRefusedKeepingTheRecordsBefore) {
    const Bytes good = Stream(LIBRARY_MAGIC, 2, {Bytes(4, 1), Bytes(40, 2)});
    const Bytes header = Stream(LIBRARY_MAGIC, 0, {});
    const struct {
        const char* what;
        Bytes stream;
        LibraryStatus status;
        std::size_t kept;
    } cases[] = {
        {"count zero is an empty library", header, LibraryStatus::OK, 0},
        {"wrong magic", Stream(LIBRARY_MAGIC + 1, 0, {}), LibraryStatus::BAD_MAGIC, 0},
        {"too short for the header", Bytes(header.begin(), header.begin() + 7),
         LibraryStatus::BAD_MAGIC, 0},
        {"negative count", Stream(LIBRARY_MAGIC, -1, {}), LibraryStatus::BAD_COUNT, 0},
        // the 12 bytes of one record could hold at most two minimal records
        {"count 3 in 12 bytes", Stream(LIBRARY_MAGIC, 3, {Bytes{1, 2}}), LibraryStatus::BAD_COUNT,
         0},
        {"count 2^31 - 1", Stream(LIBRARY_MAGIC, 0x7FFFFFFF, {Bytes{1}}), LibraryStatus::BAD_COUNT,
         0},
        {"second font one byte short", Bytes(good.begin(), good.end() - 1),
         LibraryStatus::BAD_RECORD_BODY, 1},
        {"ends inside the second label", Bytes(good.begin(), good.begin() + 8 + 6 + 4 + 4 + 3),
         LibraryStatus::BAD_RECORD_HEAD, 1},
        {"negative font length", Stream(LIBRARY_MAGIC, 1, {Bytes(8, 1)}, -4),
         LibraryStatus::BAD_RECORD_BODY, 0},
    };
    for (const auto& c : cases) {
        std::vector<LibraryRecordView> views;
        EXPECT_EQ(ParseLibrary(c.stream, views), c.status) << c.what;
        ASSERT_EQ(views.size(), c.kept) << c.what;
        if (c.kept == 1) {
            EXPECT_EQ(views[0].font.size(), 4u) << c.what;
        }
    }
}

}  // namespace
}  // namespace vx
