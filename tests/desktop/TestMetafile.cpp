#include "TestMetafile.h"

#include "EdgeMarks.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

namespace desktop_test {
namespace {

constexpr int kUnitsPerInch = 100;
constexpr int kPageWidth = 850, kPageHeight = 1100;

enum Function : std::uint16_t {
    EndOfFile = 0x0000,
    SelectObject = 0x012D,
    SetWindowOrg = 0x020B,
    SetWindowExt = 0x020C,
    LineTo = 0x0213,
    MoveTo = 0x0214,
    CreatePenIndirect = 0x02FA,
    CreateBrushIndirect = 0x02FC,
    Rectangle = 0x041B,
};

using Words = std::vector<std::uint16_t>;

// A record: its size in words (u32), its function, its parameters.
Words Record(Function function, std::initializer_list<int> parameters) {
    const auto size = static_cast<std::uint32_t>(3 + parameters.size());
    Words record{static_cast<std::uint16_t>(size & 0xFFFF), static_cast<std::uint16_t>(size >> 16), function};
    for (int p : parameters) record.push_back(static_cast<std::uint16_t>(p));
    return record;
}

// Light grey as a COLORREF (0x00BBGGRR), in the two words it is stored in.
constexpr int kGreyRedGreen = 200 | 200 << 8, kGreyBlue = 200;

// The placeable header's box, in metafile units.
struct Box {
    int left, top, right, bottom, unitsPerInch;
};

void WriteMetafile(const std::filesystem::path& file, const std::vector<Words>& records, std::optional<Box> placeable) {
    Words body;
    std::uint32_t largest = 0;
    for (const auto& r : records) {
        body.insert(body.end(), r.begin(), r.end());
        largest = std::max<std::uint32_t>(largest, static_cast<std::uint32_t>(r.size()));
    }
    const auto total = static_cast<std::uint32_t>(9 + body.size());
    Words words;
    if (placeable) {
        const auto word = [](int value) { return static_cast<std::uint16_t>(value); };
        Words header{0xCDD7,
                     0x9AC6,
                     0 /* handle */,
                     word(placeable->left),
                     word(placeable->top),
                     word(placeable->right),
                     word(placeable->bottom),
                     word(placeable->unitsPerInch),
                     0,
                     0};
        std::uint16_t checksum = 0;
        for (auto w : header) checksum ^= w;
        header.push_back(checksum);
        words = header;
    }
    const Words standard{1 /* in memory */,
                         9 /* header words */,
                         0x0300,
                         static_cast<std::uint16_t>(total & 0xFFFF),
                         static_cast<std::uint16_t>(total >> 16),
                         2 /* objects */,
                         static_cast<std::uint16_t>(largest & 0xFFFF),
                         static_cast<std::uint16_t>(largest >> 16),
                         0};
    words.insert(words.end(), standard.begin(), standard.end());
    words.insert(words.end(), body.begin(), body.end());

    std::string bytes;
    for (auto w : words) {
        bytes.push_back(static_cast<char>(w & 0xFF));
        bytes.push_back(static_cast<char>(w >> 8));
    }
    std::ofstream(file, std::ios::binary) << bytes;
}

} // namespace

void WriteTestMetafile(const std::filesystem::path& file, bool placeable) {
    const std::vector<Words> records{
        Record(SetWindowOrg, {0, 0}), // y, x
        Record(SetWindowExt, {kPageHeight, kPageWidth}),
        Record(CreateBrushIndirect, {0 /* solid */, kGreyRedGreen, kGreyBlue, 0}),
        Record(SelectObject, {0}),
        Record(CreatePenIndirect, {0 /* solid */, 5, 0 /* width 0.05 in */, 0, 0 /* black */}),
        Record(SelectObject, {1}),
        Record(Rectangle, {250, 300, 200, 100}), // bottom, right, top, left
        Record(MoveTo, {500, 100}),              // y, x
        Record(LineTo, {500, 700}),
        Record(EndOfFile, {}),
    };
    WriteMetafile(file, records,
                  placeable ? std::optional<Box>(Box{0, 0, kPageWidth, kPageHeight, kUnitsPerInch}) : std::nullopt);
}

void WriteEdgeMarkedMetafile(const std::filesystem::path& file, bool placeable) {
    constexpr int kWidth = 10000, kHeight = 20000, kOriginX = -3000, kOriginY = 1000;
    std::vector<Words> records{
        Record(SetWindowOrg, {kOriginY, kOriginX}),
        Record(SetWindowExt, {kHeight, kWidth}),
        Record(CreateBrushIndirect, {0 /* solid */, 0, 0 /* black */, 0}),
        Record(SelectObject, {0}),
        Record(CreatePenIndirect, {5 /* none */, 0, 0, 0, 0}),
        Record(SelectObject, {1}),
    };
    for (const EdgeBar& bar : kEdgeBars) {
        records.push_back(
            Record(Rectangle,
                   {kOriginY + static_cast<int>(bar.bottom * kHeight), kOriginX + static_cast<int>(bar.right * kWidth),
                    kOriginY + static_cast<int>(bar.top * kHeight), kOriginX + static_cast<int>(bar.left * kWidth)}));
    }
    records.push_back(Record(EndOfFile, {}));
    WriteMetafile(file, records,
                  placeable ? std::optional<Box>(Box{kOriginX, kOriginY, kOriginX + kWidth, kOriginY + kHeight, 2000})
                            : std::nullopt);
}

} // namespace desktop_test
