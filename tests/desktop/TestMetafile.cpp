#include "TestMetafile.h"

#include "EdgeMarks.h"

#include <algorithm>
#include <cmath>
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
    SetMapMode = 0x0103,
    SelectObject = 0x012D,
    DibCreatePatternBrush = 0x0142,
    SetWindowOrg = 0x020B,
    SetWindowExt = 0x020C,
    SetViewportOrg = 0x020D,
    SetViewportExt = 0x020E,
    StretchDib = 0x0F43,
    LineTo = 0x0213,
    MoveTo = 0x0214,
    CreatePenIndirect = 0x02FA,
    CreateBrushIndirect = 0x02FC,
    Rectangle = 0x041B,
};

using Words = std::vector<std::uint16_t>;

// SetMapMode's modes that stretch the window over the viewport.
constexpr int kIsotropic = 7, kAnisotropic = 8;

// A record: its size in words (u32), its function, its parameters.
Words Record(Function function, std::initializer_list<int> parameters) {
    const auto size = static_cast<std::uint32_t>(3 + parameters.size());
    Words record{static_cast<std::uint16_t>(size & 0xFFFF), static_cast<std::uint16_t>(size >> 16), function};
    for (int p : parameters) record.push_back(static_cast<std::uint16_t>(p));
    return record;
}

// The record with `more` words after its parameters.
Words Extended(Words record, const Words& more) {
    record.insert(record.end(), more.begin(), more.end());
    record[0] = static_cast<std::uint16_t>(record.size() & 0xFFFF);
    record[1] = static_cast<std::uint16_t>(record.size() >> 16);
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

void WriteEdgeMarkedMetafile(const std::filesystem::path& file, bool placeable, Mapping mapping) {
    constexpr int kWidth = 10000, kHeight = 20000, kOriginX = -3000, kOriginY = 1000;
    std::vector<Words> records{
        Record(SetWindowOrg, {kOriginY, kOriginX}),
        Record(SetWindowExt, {kHeight, kWidth}),
        Record(CreateBrushIndirect, {0 /* solid */, 0, 0 /* black */, 0}),
        Record(SelectObject, {0}),
        Record(CreatePenIndirect, {5 /* none */, 0, 0, 0, 0}),
        Record(SelectObject, {1}),
    };
    if (mapping == Mapping::Isotropic)
        records.insert(records.begin() + 2, {Record(SetViewportOrg, {70, 50}), Record(SetViewportExt, {800, 600})});
    if (mapping != Mapping::Default)
        records.insert(records.begin(),
                       Record(SetMapMode, {mapping == Mapping::Isotropic ? kIsotropic : kAnisotropic}));
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

void WriteWindowedMetafile(const std::filesystem::path& file, const MetafileWindow& window) {
    std::vector<Words> records{
        Record(SetMapMode, {kAnisotropic}),
        Record(SetWindowOrg, {window.top, window.left}),
        Record(SetWindowExt, {window.height, window.width}),
        Record(CreateBrushIndirect, {0 /* solid */, 0, 0 /* black */, 0}),
        Record(SelectObject, {0}),
        Record(CreatePenIndirect, {5 /* none */, 0, 0, 0, 0}),
        Record(SelectObject, {1}),
    };
    // A point of the page, in inches, in the window's units.
    const auto x = [&](double inches) {
        return window.left + static_cast<int>(std::lround(inches / 8.5 * window.width));
    };
    const auto y = [&](double inches) {
        return window.top + static_cast<int>(std::lround(inches / 11 * window.height));
    };
    for (const PageMark& mark : kPageMarks) {
        records.push_back(Record(Rectangle, {y(mark.y + kPageMarkHalf), x(mark.x + kPageMarkHalf),
                                             y(mark.y - kPageMarkHalf), x(mark.x - kPageMarkHalf)}));
    }
    records.push_back(Record(EndOfFile, {}));
    WriteMetafile(file, records, Box{0, 0, 8500, 11000, 1000});
}

void WriteBitmapMetafile(const std::filesystem::path& file, BitmapRecord record, const TestBitmap& bitmap) {
    const auto low = [](int value) { return static_cast<std::uint16_t>(value & 0xFFFF); };
    const auto high = [](int value) { return static_cast<std::uint16_t>(static_cast<std::uint32_t>(value) >> 16); };
    Words dib{low(bitmap.headerBytes),
              high(bitmap.headerBytes),
              low(bitmap.width),
              high(bitmap.width),
              low(bitmap.height),
              high(bitmap.height),
              1, // planes
              8, // bits a pixel
              static_cast<std::uint16_t>(bitmap.runLength ? 1 : 0),
              0};
    dib.resize(20 + (bitmap.bytesHeld + 1) / 2); // the rest of the header and the pixels: 0
    const std::uint16_t width = low(bitmap.width), height = low(bitmap.height);
    const Words carrier = record == BitmapRecord::StretchDib
                              ? Record(StretchDib, {0x0020, 0x00CC /* copy */, 0 /* RGB colours */, height, width, 0, 0,
                                                    100, 100, 100, 100})
                              : Record(DibCreatePatternBrush, {5 /* pattern of a bitmap */, 0 /* RGB colours */});
    WriteMetafile(file, {Extended(carrier, dib), Record(EndOfFile, {})},
                  Box{0, 0, kPageWidth, kPageHeight, kUnitsPerInch});
}

} // namespace desktop_test
