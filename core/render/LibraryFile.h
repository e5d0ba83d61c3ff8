#pragma once

// Font library files (basgl.bgd, embedded/emb*.gld): a stream of magic 0x2D97,
// a record count, then per record a label string, a 32-bit length and that many
// bytes of a font file. On disk the stream is scrambled by subtracting a
// 17-byte key that runs over the whole file; packing adds it.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace vx {

struct LibraryRecord {
    std::string label;
    std::vector<std::uint8_t> font;  // a complete font file
};

// Subtracts (Unscramble) or adds (Scramble) the key in place, mod 256, with the
// key position running continuously from the first byte of the file; `position`
// is where `data` starts in the file.
void UnscrambleLibrary(std::span<std::uint8_t> data, std::uint64_t position = 0);
void ScrambleLibrary(std::span<std::uint8_t> data, std::uint64_t position = 0);

// The scrambled file for `records`: what the data build writes.
std::vector<std::uint8_t> PackLibrary(const std::vector<LibraryRecord>& records);

enum class LibraryStatus {
    OK,
    BAD_MAGIC,        // not a library, or scrambled with another key
    BAD_COUNT,        // a negative count, or more records than the file could hold
    BAD_RECORD_HEAD,  // a label or font length runs past the end
    BAD_RECORD_BODY,  // a font length is negative or runs past the end
    READ_FAILED,      // bytes inside the file could not be read
    OUT_OF_MEMORY,    // a label too large for the memory left
};

// The smallest record: a one-byte label length and a four-byte font length.
inline constexpr std::size_t MIN_RECORD_BYTES = 5;

// The unscrambled stream of a library, read by position: a file read piece by
// piece, or bytes in memory.
class LibraryBytes {
public:
    virtual ~LibraryBytes() = default;
    virtual std::uint64_t size() const = 0;
    // Copies `n` bytes from `offset` to `out`; false when they cannot be read.
    // Callers stay within size().
    virtual bool Read(std::uint64_t offset, std::size_t n, std::uint8_t* out) const = 0;
};

// One record, located: its font file is `length` bytes at `offset`.
struct LibraryEntry {
    std::string label;
    std::uint64_t offset = 0;
    std::size_t length = 0;
};

// Reads the record heads of a library, skipping the font files. The count and
// every length are checked against what remains, and the count sizes nothing;
// on a bad record `entries` holds the good records before it.
LibraryStatus IndexLibrary(const LibraryBytes& bytes, std::vector<LibraryEntry>& entries);

// One record of an unscrambled library in memory, viewing the caller's buffer.
struct LibraryRecordView {
    std::string label;
    std::span<const std::uint8_t> font;
};

// IndexLibrary over an unscrambled library in memory.
LibraryStatus ParseLibrary(std::span<const std::uint8_t> data,
                           std::vector<LibraryRecordView>& records);

}  // namespace vx
