#include "platform/data/DbaseTable.h"

#include "platform/basic/Windows1252.h"
#include "platform/data/Errors.h"

#include <iconv.h>
#include <shapefil.h>

#include <cerrno>
#include <filesystem>
#include <memory>

namespace data {

namespace {

constexpr const char* kSource = "DAO.Database";

[[noreturn]] void Malformed(const std::string& path, const std::string& problem) {
    RaiseEngineError(errUnrecognizedFormat, kSource, path + ": " + problem);
}

// shapelib reports problems through a hook; the last one names what failed.
thread_local std::string lastShapelibError;
void KeepShapelibError(const char* message) { lastShapelibError = message ? message : ""; }

struct CloseDbf {
    void operator()(DBFInfo* dbf) const { DBFClose(dbf); }
};
using DbfPtr = std::unique_ptr<DBFInfo, CloseDbf>;

// The code page the header's language driver names. A table that names
// none (driver 0, as DOS programs wrote them) holds the DOS code page's
// text, and the engine's dBASE driver reads it as such.
const char* CodePageOf(int languageDriver) {
    switch (languageDriver) {
    case 0x00:
    case 0x01: return "CP437";
    case 0x02: return "CP850";
    default: return nullptr; // 1252
    }
}

class TextDecoder {
public:
    explicit TextDecoder(const char* codePage)
        : iconv_(codePage ? iconv_open("UTF-8", codePage) : reinterpret_cast<iconv_t>(-1)) {}
    ~TextDecoder() {
        if (iconv_ != reinterpret_cast<iconv_t>(-1)) iconv_close(iconv_);
    }
    TextDecoder(const TextDecoder&) = delete;
    TextDecoder& operator=(const TextDecoder&) = delete;

    std::string Decode(const std::string& bytes) const {
        if (iconv_ == reinterpret_cast<iconv_t>(-1)) return basic::Utf8FromWindows1252(bytes);
        std::string in = bytes;
        std::string out(in.size() * 4, '\0');
        char* inPtr = in.data();
        char* outPtr = out.data();
        size_t inLeft = in.size(), outLeft = out.size();
        iconv(iconv_, nullptr, nullptr, nullptr, nullptr);
        if (iconv(iconv_, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1))
            return basic::Utf8FromWindows1252(bytes);
        out.resize(out.size() - outLeft);
        return out;
    }

private:
    iconv_t iconv_;
};

std::string WithoutTrailingBlanks(const char* start, int width) {
    int length = width;
    while (length > 0 && (start[length - 1] == ' ' || start[length - 1] == '\0')) --length;
    return std::string(start, static_cast<size_t>(length));
}

} // namespace

DbaseTable ReadDbaseTable(const std::string& nativePath) {
    std::error_code ec;
    const auto fileSize = std::filesystem::file_size(nativePath, ec);
    if (ec) RaiseEngineError(errFileNotFound, kSource, nativePath);
    if (fileSize == 0) Malformed(nativePath, "the file is empty");

    SAHooks hooks;
    SASetupDefaultHooks(&hooks);
    hooks.Error = KeepShapelibError;
    lastShapelibError.clear();
    DbfPtr dbf(DBFOpenLL(nativePath.c_str(), "rb", &hooks));
    if (!dbf)
        Malformed(nativePath,
                  "the header is incomplete" + (lastShapelibError.empty() ? "" : " (" + lastShapelibError + ")"));

    const int fieldCount = DBFGetFieldCount(dbf.get());
    const int recordCount = DBFGetRecordCount(dbf.get());
    if (fieldCount <= 0) Malformed(nativePath, "the table has no fields");
    if (recordCount < 0) Malformed(nativePath, "the record count is negative");

    DbaseTable table;
    std::vector<int> widths;
    long long widthSum = 1; // the deleted flag
    for (int f = 0; f < fieldCount; ++f) {
        char name[XBASE_FLDNAME_LEN_READ + 1] = {};
        int width = 0;
        int decimals = 0;
        DBFGetFieldInfo(dbf.get(), f, name, &width, &decimals);
        if (width <= 0) Malformed(nativePath, "field " + std::to_string(f + 1) + " has no width");
        table.fieldNames.emplace_back(name);
        widths.push_back(width);
        widthSum += width;
    }
    if (widthSum != dbf->nRecordLength)
        Malformed(nativePath, "the record length " + std::to_string(dbf->nRecordLength) +
                                  " disagrees with the fields (" + std::to_string(widthSum) + ")");
    const unsigned long long needed = static_cast<unsigned long long>(dbf->nHeaderLength) +
                                      static_cast<unsigned long long>(recordCount) * dbf->nRecordLength;
    if (fileSize < needed) Malformed(nativePath, "the file ends inside a record");

    const TextDecoder decoder(CodePageOf(dbf->iLanguageDriver));
    for (int r = 0; r < recordCount; ++r) {
        const char* record = DBFReadTuple(dbf.get(), r);
        if (record == nullptr) Malformed(nativePath, "record " + std::to_string(r + 1) + " cannot be read");
        if (DBFIsRecordDeleted(dbf.get(), r)) continue;
        std::vector<std::string> values;
        int offset = 1;
        for (int f = 0; f < fieldCount; ++f) {
            values.push_back(decoder.Decode(WithoutTrailingBlanks(record + offset, widths[f])));
            offset += widths[f];
        }
        table.records.push_back(std::move(values));
    }
    return table;
}

} // namespace data
