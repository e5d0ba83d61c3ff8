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
// key position running continuously from the first byte of the file.
void UnscrambleLibrary(std::span<std::uint8_t> data);
void ScrambleLibrary(std::span<std::uint8_t> data);

// The scrambled file for `records`: what the data build writes.
std::vector<std::uint8_t> PackLibrary(const std::vector<LibraryRecord>& records);

// One record of an unscrambled library, viewing the caller's buffer.
struct LibraryRecordView {
    std::string label;
    std::span<const std::uint8_t> font;
};

enum class LibraryStatus {
    OK,
    BAD_MAGIC,        // not a library, or scrambled with another key
    BAD_COUNT,        // a negative count, or more records than the file could hold
    BAD_RECORD_HEAD,  // a label or font length runs past the end
    BAD_RECORD_BODY,  // a font length is negative or runs past the end
};

// The smallest record: a one-byte label length and a four-byte font length.
inline constexpr std::size_t MIN_RECORD_BYTES = 5;

// Reads the records of an unscrambled library. The count and every length are
// checked against what remains, and the count sizes nothing; on a bad record
// `records` holds the good records before it.
LibraryStatus ParseLibrary(std::span<const std::uint8_t> data,
                           std::vector<LibraryRecordView>& records);

}  // namespace vx
