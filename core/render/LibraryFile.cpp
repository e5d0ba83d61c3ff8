#include "render/LibraryFile.h"

#include "document/Archive.h"
#include "render/FtText.h"

namespace vx {

namespace {

constexpr char KEY[] = "Tr5+9kxPLm2=GbvQe";
constexpr std::size_t KEY_LENGTH = sizeof KEY - 1;  // 17

void ApplyKey(std::span<std::uint8_t> data, int sign) {
    std::size_t k = 0;
    for (std::uint8_t& byte : data) {
        byte = static_cast<std::uint8_t>(byte + sign * static_cast<std::uint8_t>(KEY[k]));
        if (++k == KEY_LENGTH) k = 0;
    }
}

}  // namespace

void UnscrambleLibrary(std::span<std::uint8_t> data) {
    ApplyKey(data, -1);
}

void ScrambleLibrary(std::span<std::uint8_t> data) {
    ApplyKey(data, +1);
}

std::vector<std::uint8_t> PackLibrary(const std::vector<LibraryRecord>& records) {
    ArchiveWriter ar;
    ar.Int32(LIBRARY_MAGIC);
    ar.Int32(static_cast<std::int32_t>(records.size()));
    for (const LibraryRecord& r : records) {
        ar.String(r.label);
        ar.Int32(static_cast<std::int32_t>(r.font.size()));
        ar.Bytes(r.font);
    }
    std::vector<std::uint8_t> data = ar.Take();
    ScrambleLibrary(data);
    return data;
}

LibraryStatus ParseLibrary(std::span<const std::uint8_t> data,
                           std::vector<LibraryRecordView>& records) {
    records.clear();
    ArchiveReader iar(data);
    std::int32_t magic = 0;
    std::int32_t count = 0;
    if (!iar.Int32(magic) || !iar.Int32(count) || magic != LIBRARY_MAGIC)
        return LibraryStatus::BAD_MAGIC;
    if (count < 0 || static_cast<std::size_t>(count) > iar.remaining() / MIN_RECORD_BYTES)
        return LibraryStatus::BAD_COUNT;
    for (std::int32_t i = 0; i < count; ++i) {
        LibraryRecordView r;
        std::int32_t ffl = 0;
        if (!iar.String(r.label) || !iar.Int32(ffl)) return LibraryStatus::BAD_RECORD_HEAD;
        if (ffl < 0 || !iar.Bytes(static_cast<std::size_t>(ffl), r.font))
            return LibraryStatus::BAD_RECORD_BODY;
        records.push_back(std::move(r));
    }
    return LibraryStatus::OK;
}

}  // namespace vx
