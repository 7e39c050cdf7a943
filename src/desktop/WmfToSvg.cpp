#include "desktop/WmfToSvg.h"

#include "desktop/WmfGuard.h"
#include "desktop/WmfRecords.h"

#include <libwmf/api.h>
#include <libwmf/svg.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <limits>
#include <memory>
#include <utility>
#include <vector>

namespace desktop {
namespace {

using wmf::Word;

constexpr std::uint16_t kSetMapMode = 0x0103;
constexpr std::uint16_t kAnisotropic = 8;
constexpr std::uint16_t kSetWindowOrg = 0x020B;
constexpr std::uint16_t kSetWindowExt = 0x020C;
constexpr std::uint16_t kExtFloodFill = 0x0548;
constexpr std::uint16_t kEndOfFile = 0x0000;

// The records that set where the records' logical units land in the
// coordinates libwmf plays a metafile in (its mapping).
// clang-format off
constexpr std::array<std::uint16_t, 9> kMappingRecords{
    kSetMapMode,   // SetMapMode
    kSetWindowOrg, // SetWindowOrg
    kSetWindowExt, // SetWindowExt
    0x020D,        // SetViewportOrg
    0x020E,        // SetViewportExt
    0x020F,        // OffsetWindowOrg
    0x0211,        // OffsetViewportOrg
    0x0410,        // ScaleWindowExt
    0x0412,        // ScaleViewportExt
};
// clang-format on

struct ApiDeleter {
    void operator()(wmfAPI* api) const { wmf_api_destroy(api); }
};
using Api = std::unique_ptr<wmfAPI, ApiDeleter>;

// libwmf with its SVG device, given `metafile` (which must outlive it).
Api OpenWithLibwmf(std::string& metafile) {
    wmfAPI_Options options{};
    options.function = wmf_svg_function;
    wmfAPI* created = nullptr;
    // A metafile libwmf cannot play is reported to the user in the print
    // dialog; libwmf's own messages on the terminal would only add noise.
    constexpr unsigned long kFlags = WMF_OPT_FUNCTION | WMF_OPT_IGNORE_NONFATAL | WMF_OPT_NO_DEBUG | WMF_OPT_NO_ERROR;
    if (wmf_api_create(&created, kFlags, &options) != wmf_E_None) {
        if (created) wmf_api_destroy(created);
        return nullptr;
    }
    Api api(created);
    if (wmf_mem_open(api.get(), reinterpret_cast<unsigned char*>(metafile.data()),
                     static_cast<long>(metafile.size())) != wmf_E_None)
        return nullptr;
    return api;
}

// A logical point as a record stores it.
struct Point {
    std::uint16_t x, y;
};

// The window the records set (the last origin and extent set), as its two
// corners; nothing when they set no extent or its far corner is no point a
// record can hold.
std::optional<std::pair<Point, Point>> WindowSet(const std::vector<wmf::Record>& records) {
    std::optional<Point> origin, extent;
    for (const wmf::Record& record : records) {
        if (record.function == kSetWindowOrg || record.function == kSetWindowExt)
            (record.function == kSetWindowOrg ? origin : extent) =
                Point{Word(record.parameters, 2), Word(record.parameters, 0)}; // stored y first
    }
    if (!extent) return std::nullopt;
    const Point from = origin.value_or(Point{0, 0});
    const auto beyond = [](std::uint16_t start, std::uint16_t length) -> std::optional<std::uint16_t> {
        const int end = static_cast<std::int16_t>(start) + static_cast<std::int16_t>(length);
        if (end < std::numeric_limits<std::int16_t>::min() || end > std::numeric_limits<std::int16_t>::max())
            return std::nullopt;
        return static_cast<std::uint16_t>(end);
    };
    const auto right = beyond(from.x, extent->x), bottom = beyond(from.y, extent->y);
    if (!right || !bottom) return std::nullopt;
    return std::pair{from, Point{*right, *bottom}};
}

bool SetsAnisotropicMapping(const std::vector<wmf::Record>& records) {
    std::uint16_t mode = 0;
    for (const wmf::Record& record : records) {
        if (record.function == kSetMapMode) mode = Word(record.parameters, 0);
    }
    return mode == kAnisotropic;
}

// The metafile's page in logical units: the placeable header's box, or else
// the window its records set. Under the anisotropic mapping the window is
// the page whatever the header's box says: its records draw in the window's
// units, stretched over the whole picture, as players show such a file.
std::optional<std::pair<Point, Point>> LogicalFrame(std::string_view metafile,
                                                    const std::vector<wmf::Record>& records) {
    const bool placeable = wmf::IsPlaceable(metafile);
    if (!placeable || SetsAnisotropicMapping(records)) {
        if (auto window = WindowSet(records)) return window;
    }
    if (!placeable) return std::nullopt;
    return std::pair{Point{Word(metafile, 6), Word(metafile, 8)}, Point{Word(metafile, 10), Word(metafile, 12)}};
}

void AppendRecord(std::string& metafile, std::uint16_t function, std::initializer_list<std::uint16_t> parameters) {
    const auto words = static_cast<std::uint32_t>(3 + parameters.size());
    std::vector<std::uint16_t> record{static_cast<std::uint16_t>(words & 0xFFFF),
                                      static_cast<std::uint16_t>(words >> 16), function};
    record.insert(record.end(), parameters);
    for (std::uint16_t word : record) {
        metafile.push_back(static_cast<char>(word & 0xFF));
        metafile.push_back(static_cast<char>(word >> 8));
    }
}

// A metafile of `metafile`'s headers and mapping records, then the frame's
// corners, each in a record whose place alone libwmf counts in what is drawn
// (a flood fill from it): scanning it, libwmf reports the frame in the
// coordinates it plays the metafile in, whatever mapping the file sets.
std::string FrameProbe(std::string_view metafile, const std::vector<wmf::Record>& records,
                       const std::pair<Point, Point>& frame) {
    const std::size_t header = wmf::StandardHeaderAt(metafile);
    std::string probe(metafile.substr(0, header + wmf::kStandardHeaderBytes));
    std::size_t largest = 8; // a flood fill's words
    for (const wmf::Record& record : records) {
        if (std::find(kMappingRecords.begin(), kMappingRecords.end(), record.function) == kMappingRecords.end())
            continue;
        probe += record.whole;
        largest = std::max(largest, record.whole.size() / 2);
    }
    for (const Point& corner : {frame.first, frame.second})
        AppendRecord(probe, kExtFloodFill, {0 /* type */, 0, 0 /* colour */, corner.y, corner.x});
    AppendRecord(probe, kEndOfFile, {});
    for (std::size_t i = 0; i < 4; ++i)
        probe[header + wmf::kLargestRecordAt + i] = static_cast<char>(largest >> (8 * i) & 0xFF);
    return probe;
}

// A frame libwmf's SVG device draws in: larger than nothing, and no larger
// than its whole units count (neither is true of infinity or NaN, which a
// placeable header of 0 units an inch gives).
bool Drawable(const wmfD_Rect& frame) {
    constexpr float kLargest = 1e9f;
    const float width = frame.BR.x - frame.TL.x, height = frame.BR.y - frame.TL.y;
    return width > 0 && height > 0 && width <= kLargest && height <= kLargest;
}

// The metafile's page in the coordinates libwmf plays it in, as libwmf
// itself maps it; nothing when the file names no page or libwmf cannot map it.
std::optional<wmfD_Rect> FrameOf(std::string_view metafile) {
    if (metafile.size() < wmf::StandardHeaderAt(metafile) + wmf::kStandardHeaderBytes) return std::nullopt;
    const std::vector<wmf::Record> records = wmf::RecordsOf(metafile);
    const auto logical = LogicalFrame(metafile, records);
    if (!logical) return std::nullopt;
    std::string probe = FrameProbe(metafile, records, *logical);
    Api api = OpenWithLibwmf(probe);
    wmfD_Rect frame;
    if (!api || wmf_scan(api.get(), 0, &frame) != wmf_E_None || !Drawable(frame)) return std::nullopt;
    return frame;
}

} // namespace

std::optional<std::string> WmfToSvg(const std::filesystem::path& wmf) {
    std::ifstream file(wmf, std::ios::binary);
    if (!file) return std::nullopt;
    std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    if (!LibwmfMayPlay(bytes)) return std::nullopt;

    Api api = OpenWithLibwmf(bytes);
    wmfD_Rect drawn;
    if (!api || wmf_scan(api.get(), 0, &drawn) != wmf_E_None) return std::nullopt;
    wmfD_Rect frame = FrameOf(bytes).value_or(drawn);
    if (!Drawable(frame)) return std::nullopt;

    wmf_svg_t* svg = WMF_SVG_GetData(api.get());
    svg->out = wmf_stream_create(api.get(), nullptr);
    svg->bbox = frame;
    svg->width = static_cast<unsigned>(std::max(1.0f, frame.BR.x - frame.TL.x));
    svg->height = static_cast<unsigned>(std::max(1.0f, frame.BR.y - frame.TL.y));
    const wmf_error_t played = wmf_play(api.get(), 0, &frame);
    char* text = nullptr;
    unsigned long length = 0;
    wmf_stream_destroy(api.get(), svg->out, &text, &length);
    if (played != wmf_E_None || !text) return std::nullopt;
    return std::string(text, length); // copied: libwmf frees its memory with the API
}

} // namespace desktop
