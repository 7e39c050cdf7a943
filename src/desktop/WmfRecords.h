#pragma once
// The records of a Windows metafile held in memory, as the published layout
// has them: an optional placeable header, the standard header, then records
// of a size in words (u32), a function (u16) and parameters. Nothing here
// reads past the bytes it is given.

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace desktop::wmf {

inline constexpr std::size_t kPlaceableHeaderBytes = 22;
inline constexpr std::size_t kStandardHeaderBytes = 18;
inline constexpr std::size_t kRecordHeaderBytes = 6;
// In the standard header: the largest record's size in words (u32).
inline constexpr std::size_t kLargestRecordAt = 12;

// Little-endian values at `at`; 0 where the bytes end before the value does.
std::uint16_t Word(std::string_view bytes, std::size_t at);
std::uint32_t DoubleWord(std::string_view bytes, std::size_t at);

bool IsPlaceable(std::string_view metafile);

// Where the standard header starts: after the placeable header, if any.
std::size_t StandardHeaderAt(std::string_view metafile);

struct Record {
    std::uint16_t function;
    std::string_view whole; // its size, function and parameters
    std::string_view parameters;
};

// The records libwmf plays, in order: up to its end record (3 words,
// function 0), and before a record shorter than its own size and function
// or one running past the file's end, where libwmf stops.
std::vector<Record> RecordsOf(std::string_view metafile);

} // namespace desktop::wmf
