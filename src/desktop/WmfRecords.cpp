#include "desktop/WmfRecords.h"

namespace desktop::wmf {
namespace {

constexpr std::uint32_t kPlaceableKey = 0x9AC6CDD7;
constexpr std::uint16_t kEndOfFile = 0x0000;
constexpr std::uint32_t kEndOfFileWords = 3;

} // namespace

std::uint16_t Word(std::string_view bytes, std::size_t at) {
    if (at > bytes.size() || bytes.size() - at < 2) return 0;
    return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[at]) | static_cast<unsigned char>(bytes[at + 1])
                                                                                  << 8);
}

std::uint32_t DoubleWord(std::string_view bytes, std::size_t at) {
    if (at > bytes.size() || bytes.size() - at < 4) return 0;
    return Word(bytes, at) | static_cast<std::uint32_t>(Word(bytes, at + 2)) << 16;
}

bool IsPlaceable(std::string_view metafile) {
    return metafile.size() >= kPlaceableHeaderBytes && DoubleWord(metafile, 0) == kPlaceableKey;
}

std::size_t StandardHeaderAt(std::string_view metafile) { return IsPlaceable(metafile) ? kPlaceableHeaderBytes : 0; }

std::vector<Record> RecordsOf(std::string_view metafile) {
    std::vector<Record> records;
    std::size_t at = StandardHeaderAt(metafile) + kStandardHeaderBytes;
    while (at <= metafile.size() && metafile.size() - at >= kRecordHeaderBytes) {
        const std::uint32_t words = DoubleWord(metafile, at);
        const std::uint16_t function = Word(metafile, at + 4);
        if (words == kEndOfFileWords && function == kEndOfFile) break;
        if (words < kEndOfFileWords || words > (metafile.size() - at) / 2) break;
        const std::string_view whole = metafile.substr(at, std::size_t{words} * 2);
        records.push_back({function, whole, whole.substr(kRecordHeaderBytes)});
        at += whole.size();
    }
    return records;
}

} // namespace desktop::wmf
