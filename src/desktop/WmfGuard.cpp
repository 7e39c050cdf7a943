#include "desktop/WmfGuard.h"

#include "desktop/WmfRecords.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>

namespace desktop {
namespace {

using wmf::DoubleWord;
using wmf::Word;

constexpr std::uint64_t kMostPixels = 2550 * 3300; // a Letter page at 300 dots an inch
constexpr std::uint32_t kMostBitsPerPixel = 32;
constexpr std::uint32_t kCoreHeaderBytes = 12, kInfoHeaderBytes = 40;
constexpr std::uint32_t kUncompressed = 0, kBitFields = 3;

// The records that carry a device-independent bitmap, and where it starts
// in their parameters, as libwmf reads them.
struct BitmapRecord {
    std::uint16_t function;
    std::size_t bitmapAt;
    // The parameters' length of the form that carries no bitmap, if any.
    std::optional<std::size_t> withoutBitmap;
    // Where the record gives the height and the width (two words) that
    // libwmf takes for the bitmap's own where they are not 0.
    std::optional<std::size_t> sizeAt;
};

// clang-format off
constexpr std::array<BitmapRecord, 5> kBitmapRecords{{
    {0x0940, 16, 18, {}}, // DibBitBlt
    {0x0B41, 20, {}, {}}, // DibStretchBlt
    {0x0D33, 18, {}, 2},  // SetDIBitsToDevice: its scan count and first scan line
    {0x0F43, 22, {}, {}}, // StretchDIBits
    {0x0142, 4,  {}, {}}, // DibCreatePatternBrush
}};
// clang-format on

// libwmf sets aside room for the largest record the header claims before it
// reads any: a claim the file cannot hold (1 GB in 89 bytes) is refused.
bool LargestRecordFits(std::string_view metafile) {
    const std::size_t header = wmf::StandardHeaderAt(metafile);
    if (metafile.size() < header + wmf::kStandardHeaderBytes) return false;
    const std::uint64_t largest = std::uint64_t{DoubleWord(metafile, header + wmf::kLargestRecordAt)} * 2;
    return largest <= metafile.size() - header - wmf::kStandardHeaderBytes;
}

// A bitmap (its header, colours and pixels, to the record's end) whose
// pixels libwmf sets aside as `width` x `height` at its bits a pixel
// (width and height 0: as its header declares them).
bool BitmapFits(std::string_view bitmap, std::uint64_t width, std::uint64_t height) {
    const std::uint32_t header = DoubleWord(bitmap, 0);
    if (header > bitmap.size() || (header != kCoreHeaderBytes && header < kInfoHeaderBytes)) return false;
    const bool core = header == kCoreHeaderBytes;
    const std::uint32_t bits = core ? Word(bitmap, 10) : Word(bitmap, 14);
    const std::uint32_t compression = core ? kUncompressed : DoubleWord(bitmap, 16);
    // libwmf reads a colour table only after an information header.
    const std::uint64_t colours = core        ? 0
                                  : bits <= 8 ? std::min(DoubleWord(bitmap, 32), 1u << bits)
                                              : DoubleWord(bitmap, 32);
    if (width == 0) width = core ? Word(bitmap, 4) : DoubleWord(bitmap, 4);
    if (height == 0) {
        const auto declared = static_cast<std::int32_t>(DoubleWord(bitmap, 8));
        height = core ? Word(bitmap, 6) : declared < 0 ? -std::int64_t{declared} : declared;
    }
    if (width * height > kMostPixels || bits > kMostBitsPerPixel) return false;
    const std::uint64_t room = bitmap.size() - header;
    if (colours * 4 > room) return false;
    const std::uint64_t paddedRow = (width * bits + 31) / 32 * 4;
    return (compression != kUncompressed && compression != kBitFields) || paddedRow * height <= room;
}

bool BitmapsFit(std::string_view metafile) {
    for (const wmf::Record& record : wmf::RecordsOf(metafile)) {
        const auto* kind = std::find_if(kBitmapRecords.begin(), kBitmapRecords.end(),
                                        [&](const BitmapRecord& r) { return r.function == record.function; });
        if (kind == kBitmapRecords.end() || record.parameters.size() == kind->withoutBitmap) continue;
        if (record.parameters.size() < kind->bitmapAt) return false;
        const std::uint64_t height = kind->sizeAt ? Word(record.parameters, *kind->sizeAt) : 0;
        const std::uint64_t width = kind->sizeAt ? Word(record.parameters, *kind->sizeAt + 2) : 0;
        if (!BitmapFits(record.parameters.substr(kind->bitmapAt), width, height)) return false;
    }
    return true;
}

} // namespace

bool LibwmfMayPlay(std::string_view metafile) { return LargestRecordFits(metafile) && BitmapsFit(metafile); }

} // namespace desktop
