#include "render/LibraryFile.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "document/Archive.h"
#include "render/FtText.h"
#include "shell/Buffers.h"

namespace vx {

namespace {

constexpr char KEY[] = "Tr5+9kxPLm2=GbvQe";
constexpr std::size_t KEY_LENGTH = sizeof KEY - 1;  // 17

// The key repeated, so that a run of bytes is one plain loop of a fixed length
// the compiler vectorizes: byte i of a run starting at key position k uses
// KEY_RUN[k + i]. A run is a whole number of keys, so k is the same for the next.
constexpr std::size_t RUN = 64 * KEY_LENGTH;
constexpr std::array<std::uint8_t, RUN + KEY_LENGTH> KEY_RUN = [] {
    std::array<std::uint8_t, RUN + KEY_LENGTH> run{};
    for (std::size_t i = 0; i < run.size(); ++i)
        run[i] = static_cast<std::uint8_t>(KEY[i % KEY_LENGTH]);
    return run;
}();

template <class Op>
void ApplyKey(std::span<std::uint8_t> data, std::uint64_t position, Op op) {
    const std::uint8_t* __restrict key = KEY_RUN.data() + position % KEY_LENGTH;
    std::uint8_t* __restrict p = data.data();
    std::size_t left = data.size();
    for (; left >= RUN; left -= RUN, p += RUN)
        for (std::size_t i = 0; i < RUN; ++i) p[i] = op(p[i], key[i]);
    for (std::size_t i = 0; i < left; ++i) p[i] = op(p[i], key[i]);
}

// Reads the heads of the stream in order, never holding more than one label.
class HeadReader {
public:
    explicit HeadReader(const LibraryBytes& bytes) : bytes_(bytes) {}

    std::uint64_t remaining() const { return bytes_.size() - pos_; }
    bool failed() const { return failed_; }
    bool out_of_memory() const { return out_of_memory_; }

    bool Take(std::size_t n, std::uint8_t* out) {
        if (failed_ || n > remaining()) return false;
        if (n > 0 && !bytes_.Read(pos_, n, out)) {
            failed_ = true;
            return false;
        }
        pos_ += n;
        return true;
    }
    bool Int32(std::int32_t& v) {
        std::uint8_t b[4];
        if (!Take(4, b)) return false;
        std::uint32_t u = 0;
        for (int i = 3; i >= 0; --i) u = u << 8 | b[i];
        v = static_cast<std::int32_t>(u);
        return true;
    }
    // The length prefix and the characters, read as ArchiveReader reads them.
    bool String(std::string& s) {
        std::uint8_t prefix[7];
        if (!Take(1, prefix)) return false;
        std::uint64_t n = prefix[0];
        if (n == 0xFF) {
            if (!Take(2, prefix + 1)) return false;
            n = prefix[1] | prefix[2] << 8;
            if (n == 0xFFFF) {
                if (!Take(4, prefix + 3)) return false;
                n = static_cast<std::uint64_t>(prefix[3]) | prefix[4] << 8 | prefix[5] << 16 |
                    static_cast<std::uint64_t>(prefix[6]) << 24;
            }
        }
        if (n > remaining()) return false;  // before anything is allocated
        std::vector<std::uint8_t> bytes;
        if (!TryResize(bytes, static_cast<std::size_t>(n))) {
            out_of_memory_ = true;
            return false;
        }
        if (!Take(bytes.size(), bytes.data())) return false;
        s.assign(bytes.begin(), bytes.end());
        return true;
    }
    bool Skip(std::uint64_t n) {
        if (failed_ || n > remaining()) return false;
        pos_ += n;
        return true;
    }
    std::uint64_t position() const { return pos_; }

private:
    const LibraryBytes& bytes_;
    std::uint64_t pos_ = 0;
    bool failed_ = false;
    bool out_of_memory_ = false;
};

class MemoryBytes : public LibraryBytes {
public:
    explicit MemoryBytes(std::span<const std::uint8_t> data) : data_(data) {}
    std::uint64_t size() const override { return data_.size(); }
    bool Read(std::uint64_t offset, std::size_t n, std::uint8_t* out) const override {
        std::memcpy(out, data_.data() + offset, n);
        return true;
    }

private:
    std::span<const std::uint8_t> data_;
};

}  // namespace

void UnscrambleLibrary(std::span<std::uint8_t> data, std::uint64_t position) {
    ApplyKey(data, position, [](std::uint8_t b, std::uint8_t k) -> std::uint8_t { return b - k; });
}

void ScrambleLibrary(std::span<std::uint8_t> data, std::uint64_t position) {
    ApplyKey(data, position, [](std::uint8_t b, std::uint8_t k) -> std::uint8_t { return b + k; });
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

LibraryStatus IndexLibrary(const LibraryBytes& bytes, std::vector<LibraryEntry>& entries) {
    entries.clear();
    HeadReader iar(bytes);
    const auto fault = [&iar](LibraryStatus status) {
        if (iar.out_of_memory()) return LibraryStatus::OUT_OF_MEMORY;
        return iar.failed() ? LibraryStatus::READ_FAILED : status;
    };
    std::int32_t magic = 0;
    std::int32_t count = 0;
    if (!iar.Int32(magic) || !iar.Int32(count) || magic != LIBRARY_MAGIC)
        return fault(LibraryStatus::BAD_MAGIC);
    if (count < 0 || static_cast<std::uint64_t>(count) > iar.remaining() / MIN_RECORD_BYTES)
        return LibraryStatus::BAD_COUNT;
    for (std::int32_t i = 0; i < count; ++i) {
        LibraryEntry e;
        std::int32_t ffl = 0;
        if (!iar.String(e.label) || !iar.Int32(ffl)) return fault(LibraryStatus::BAD_RECORD_HEAD);
        e.offset = iar.position();
        e.length = static_cast<std::size_t>(std::max(ffl, 0));
        if (ffl < 0 || !iar.Skip(e.length)) return LibraryStatus::BAD_RECORD_BODY;
        entries.push_back(std::move(e));
    }
    return LibraryStatus::OK;
}

LibraryStatus ParseLibrary(std::span<const std::uint8_t> data,
                           std::vector<LibraryRecordView>& records) {
    records.clear();
    std::vector<LibraryEntry> entries;
    const LibraryStatus status = IndexLibrary(MemoryBytes(data), entries);
    for (LibraryEntry& e : entries)
        records.push_back({std::move(e.label), data.subspan(e.offset, e.length)});
    return status;
}

}  // namespace vx
