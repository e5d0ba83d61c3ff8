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

void UnscrambleLibrary(std::span<std::uint8_t> data) { ApplyKey(data, -1); }

void ScrambleLibrary(std::span<std::uint8_t> data) { ApplyKey(data, +1); }

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

}  // namespace vx
