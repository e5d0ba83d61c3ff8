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

// The key runs on over the whole file, and a piece unscrambles by its place in it.
TEST(LibraryFile, TheKeyRunsOnPastTheSeventeenthByte) {
    Bytes data(18, 0);
    ScrambleLibrary(data);
    EXPECT_EQ(data[0], 'T');
    EXPECT_EQ(data[16], 'e');
    EXPECT_EQ(data[17], 'T');  // key byte 0 again, not a fresh start per record
    Bytes piece(data.begin() + 10, data.end());
    UnscrambleLibrary(piece, 10);
    EXPECT_EQ(piece, Bytes(8, 0));
    data[17] = 0x10;  // subtraction wraps modulo 256
    UnscrambleLibrary(data);
    EXPECT_EQ(data[17], static_cast<std::uint8_t>(0x10 - 'T'));
    EXPECT_EQ(data[0], 0);
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

// A library whose reads fail from `broken_at` on, as a failing disk would.
class FailingBytes : public LibraryBytes {
public:
    FailingBytes(Bytes data, std::uint64_t broken_at) : data_(std::move(data)), at_(broken_at) {}
    std::uint64_t size() const override { return data_.size(); }
    bool Read(std::uint64_t offset, std::size_t n, std::uint8_t* out) const override {
        EXPECT_LE(offset + n, data_.size()) << "a read past the end of the library";
        if (offset + n > at_) return false;
        std::copy_n(data_.begin() + static_cast<std::ptrdiff_t>(offset), n, out);
        return true;
    }

private:
    Bytes data_;
    std::uint64_t at_;
};

// Malformed or unreadable streams: refused with the status of what is wrong,
// keeping the whole records before the fault. Counts the file cannot hold are
// refused before any record is read; a failed read is told apart from a short file.
TEST(LibraryFile, MalformedStreamsAreRefusedKeepingTheRecordsBefore) {
    using enum LibraryStatus;
    const Bytes good = Stream(LIBRARY_MAGIC, 2, {Bytes(4, 1), Bytes(40, 2)});
    const std::size_t second_head = 8 + 6 + 4 + 4;  // where the second record starts
    const Bytes header = Stream(LIBRARY_MAGIC, 0, {});
    const struct {
        const char* what;
        Bytes stream;
        LibraryStatus status;
        std::size_t kept;
        std::uint64_t broken_at = UINT64_MAX;  // where reads start to fail
    } cases[] = {
        {"count zero is an empty library", header, OK, 0},
        {"wrong magic", Stream(LIBRARY_MAGIC + 1, 0, {}), BAD_MAGIC, 0},
        {"too short for the header", Bytes(header.begin(), header.begin() + 7), BAD_MAGIC, 0},
        {"negative count", Stream(LIBRARY_MAGIC, -1, {}), BAD_COUNT, 0},
        // the 12 bytes of one record could hold at most two minimal records
        {"count 3 in 12 bytes", Stream(LIBRARY_MAGIC, 3, {Bytes{1, 2}}), BAD_COUNT, 0},
        {"count 2^31 - 1", Stream(LIBRARY_MAGIC, 0x7FFFFFFF, {Bytes{1}}), BAD_COUNT, 0},
        {"second font one byte short", Bytes(good.begin(), good.end() - 1), BAD_RECORD_BODY, 1},
        {"ends inside the second label", Bytes(good.begin(), good.begin() + second_head + 3),
         BAD_RECORD_HEAD, 1},
        {"negative font length", Stream(LIBRARY_MAGIC, 1, {Bytes(8, 1)}, -4), BAD_RECORD_BODY, 0},
        {"the header cannot be read", good, READ_FAILED, 0, 3},
        {"the second head cannot be read", good, READ_FAILED, 1, second_head + 2},
        {"skipping a font file reads nothing of it", good, OK, 2, second_head + 6 + 4},
    };
    for (const auto& c : cases) {
        std::vector<LibraryEntry> entries;
        EXPECT_EQ(IndexLibrary(FailingBytes(c.stream, c.broken_at), entries), c.status) << c.what;
        ASSERT_EQ(entries.size(), c.kept) << c.what;
        if (c.kept >= 1) {
            EXPECT_EQ(entries[0].offset, 8u + 6 + 4) << c.what;
            EXPECT_EQ(entries[0].length, 4u) << c.what;
        }
    }
}

}  // namespace
}  // namespace vx
