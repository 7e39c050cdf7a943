#include "desktop/WmfToSvg.h"

#include <libwmf/api.h>
#include <libwmf/svg.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <memory>

namespace desktop {
namespace {

constexpr double kPointsPerInch = 72.0;
constexpr std::size_t kPlaceableHeaderBytes = 22;
constexpr std::size_t kStandardHeaderBytes = 18;
constexpr std::uint16_t kSetWindowOrg = 0x020B;
constexpr std::uint16_t kSetWindowExt = 0x020C;
constexpr std::uint16_t kEndOfFile = 0x0000;
constexpr std::uint32_t kPlaceableKey = 0x9AC6CDD7;
constexpr std::size_t kLargestRecordAt = 12; // in the standard header: its size in words

std::uint16_t Word(const std::string& bytes, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[at]) | static_cast<unsigned char>(bytes[at + 1])
                                                                                  << 8);
}

std::int16_t SignedWord(const std::string& bytes, std::size_t at) { return static_cast<std::int16_t>(Word(bytes, at)); }

std::uint32_t DoubleWord(const std::string& bytes, std::size_t at) {
    return Word(bytes, at) | static_cast<std::uint32_t>(Word(bytes, at + 2)) << 16;
}

// libwmf sets aside room for the largest record the header claims before it
// reads any: a claim the file cannot hold (1 GB in 89 bytes) is refused.
bool LargestRecordFits(const std::string& bytes) {
    const std::size_t header =
        bytes.size() >= kPlaceableHeaderBytes && DoubleWord(bytes, 0) == kPlaceableKey ? kPlaceableHeaderBytes : 0;
    if (bytes.size() < header + kStandardHeaderBytes) return false;
    const std::uint64_t largest = std::uint64_t{DoubleWord(bytes, header + kLargestRecordAt)} * 2;
    return largest <= bytes.size() - header - kStandardHeaderBytes;
}

// The window the records set first (origin and extent, in logical units);
// libwmf reports only the extent of what is drawn, so it is read here.
struct Window {
    std::optional<wmfD_Coord> origin, extent;
};

Window WindowOfRecords(const std::string& bytes, std::size_t firstRecord) {
    Window window;
    std::size_t at = firstRecord;
    while (at + 6 <= static_cast<std::size_t>(bytes.size())) {
        const std::uint32_t words = DoubleWord(bytes, at);
        const std::uint16_t function = Word(bytes, at + 4);
        if (function == kEndOfFile || words < 3 || words > (bytes.size() - at) / 2) break;
        if ((function == kSetWindowOrg || function == kSetWindowExt) && words >= 5) {
            // Parameters are stored y first.
            wmfD_Coord point{static_cast<float>(SignedWord(bytes, at + 8)),
                             static_cast<float>(SignedWord(bytes, at + 6))};
            (function == kSetWindowOrg ? window.origin : window.extent) = point;
        }
        if (window.origin && window.extent) break;
        at += std::size_t{words} * 2;
    }
    return window;
}

// The metafile's page in the coordinates libwmf plays it in: a logical point
// goes there as its distance from the window's origin, in points at the
// placeable header's units an inch (logical units as they are without that
// header), each axis turned where the window's extent is negative. The page
// is the placeable header's box, or else the window itself.
std::optional<wmfD_Rect> FrameOf(const std::string& bytes, const wmfPlaceableMetaHeader* placeable) {
    const Window window =
        WindowOfRecords(bytes, placeable ? kPlaceableHeaderBytes + kStandardHeaderBytes : kStandardHeaderBytes);
    if (!placeable && (!window.extent || window.extent->x == 0 || window.extent->y == 0)) return std::nullopt;
    const double scale = placeable ? kPointsPerInch / (placeable->Inch ? placeable->Inch : 1440) : 1.0;
    const auto direction = [&](float extent) { return extent < 0 ? -scale : scale; };
    const double xScale = direction(window.extent ? window.extent->x : 1);
    const double yScale = direction(window.extent ? window.extent->y : 1);
    const wmfD_Coord origin = window.origin.value_or(wmfD_Coord{0, 0});
    const auto played = [&](double x, double y) {
        return wmfD_Coord{static_cast<float>((x - origin.x) * xScale), static_cast<float>((y - origin.y) * yScale)};
    };
    const wmfD_Coord from = placeable ? played(placeable->Left, placeable->Top) : played(origin.x, origin.y);
    const wmfD_Coord to = placeable ? played(placeable->Right, placeable->Bottom)
                                    : played(origin.x + window.extent->x, origin.y + window.extent->y);
    return wmfD_Rect{{std::min(from.x, to.x), std::min(from.y, to.y)},
                     {std::max(from.x, to.x), std::max(from.y, to.y)}};
}

struct ApiDeleter {
    void operator()(wmfAPI* api) const { wmf_api_destroy(api); }
};

} // namespace

std::optional<std::string> WmfToSvg(const std::filesystem::path& wmf) {
    std::ifstream file(wmf, std::ios::binary);
    if (!file) return std::nullopt;
    std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    if (!LargestRecordFits(bytes)) return std::nullopt;

    wmfAPI_Options options{};
    options.function = wmf_svg_function;
    wmfAPI* created = nullptr;
    // A metafile libwmf cannot play is reported to the user in the print
    // dialog; libwmf's own messages on the terminal would only add noise.
    constexpr unsigned long kFlags = WMF_OPT_FUNCTION | WMF_OPT_IGNORE_NONFATAL | WMF_OPT_NO_DEBUG | WMF_OPT_NO_ERROR;
    if (wmf_api_create(&created, kFlags, &options) != wmf_E_None) {
        if (created) wmf_api_destroy(created);
        return std::nullopt;
    }
    std::unique_ptr<wmfAPI, ApiDeleter> api(created);
    if (wmf_mem_open(api.get(), reinterpret_cast<unsigned char*>(bytes.data()), static_cast<long>(bytes.size())) !=
        wmf_E_None)
        return std::nullopt;

    wmfD_Rect drawn;
    if (wmf_scan(api.get(), 0, &drawn) != wmf_E_None) return std::nullopt;
    std::optional<wmfD_Rect> frame = FrameOf(bytes, api->File->placeable ? api->File->pmh : nullptr);
    if (!frame || frame->BR.x <= frame->TL.x || frame->BR.y <= frame->TL.y) frame = drawn;

    wmf_svg_t* svg = WMF_SVG_GetData(api.get());
    svg->out = wmf_stream_create(api.get(), nullptr);
    svg->bbox = *frame;
    svg->width = static_cast<unsigned>(std::max(1.0f, frame->BR.x - frame->TL.x));
    svg->height = static_cast<unsigned>(std::max(1.0f, frame->BR.y - frame->TL.y));
    const wmf_error_t played = wmf_play(api.get(), 0, &*frame);
    char* text = nullptr;
    unsigned long length = 0;
    wmf_stream_destroy(api.get(), svg->out, &text, &length);
    if (played != wmf_E_None || !text) return std::nullopt;
    return std::string(text, length); // copied: libwmf frees its memory with the API
}

} // namespace desktop
