#include "common/PaidPreparerRecord.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <unistd.h>

#include "platform/basic/RuntimeError.h"
#include "platform/basic/ScopeExit.h"
#include "platform/basic/Strings.h"
#include "platform/basic/Windows1252.h"
#include "platform/files/NoRoom.h"
#include "platform/files/Paths.h"

namespace {

using R = PaidPreparerRecord;

// clang-format off
const std::array<PaidPreparerField, 10> kLayout{{
    //  name                offset  width  member
    {"FirmName",              0,     50,   &R::FirmName},
    {"FirmEIN",              50,      9,   &R::FirmEIN},
    {"FirmAddress",          59,     30,   &R::FirmAddress},
    {"FirmCity",             89,     30,   &R::FirmCity},
    {"FirmState",           119,      2,   &R::FirmState},
    {"FirmZip",             121,     10,   &R::FirmZip},
    {"FirmPhone",           131,     13,   &R::FirmPhone},
    {"FirmPTIN",            144,     15,   &R::FirmPTIN},
    {"FirmSelfEmployed",    159,      1,   &R::FirmSelfEmployed},
    {"FirmPreparerName",    160,     35,   &R::FirmPreparerName},
}};
// clang-format on

} // namespace

const std::array<PaidPreparerField, 10>& PaidPreparerLayout() { return kLayout; }

PaidPreparerRecord PaidPreparerRecord::FromBytes(std::string_view bytes) {
    std::string record(bytes.substr(0, kPaidPreparerRecordLength));
    record.resize(kPaidPreparerRecordLength, ' ');
    std::replace(record.begin(), record.end(), '\0', ' ');

    PaidPreparerRecord result;
    for (const auto& field : kLayout)
        result.*field.member = basic::Utf8FromWindows1252(std::string_view(record).substr(
            static_cast<std::size_t>(field.offset), static_cast<std::size_t>(field.width)));
    return result;
}

std::string PaidPreparerRecord::ToBytes() const {
    std::string bytes;
    bytes.reserve(kPaidPreparerRecordLength);
    for (const auto& field : kLayout)
        bytes += basic::Windows1252Field(this->*field.member, static_cast<std::size_t>(field.width));
    return bytes;
}

PaidPreparerRecord PaidPreparerRecord::Trimmed() const {
    PaidPreparerRecord result;
    for (const auto& field : kLayout) result.*field.member = basic::Trim(this->*field.member);
    return result;
}

PaidPreparerRecord ReadPaidPreparerRecord(std::string_view path) {
    const std::filesystem::path native = files::Resolve(path);
    std::error_code error;
    const auto status = std::filesystem::status(native, error);
    if (status.type() == std::filesystem::file_type::not_found) return PaidPreparerRecord::FromBytes("");
    // A folder or device of that name is a file that cannot be read.
    if (status.type() != std::filesystem::file_type::regular) basic::Raise(basic::errPathFileAccess);

    // Read by the system's calls, whose error says why it failed (a failing
    // disk is a device error, not an access error).
    const int fd = ::open(native.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) basic::Raise(files::FileErrorNumberFor(errno));
    const basic::ScopeExit closing([fd] { ::close(fd); });
    std::string bytes(static_cast<std::size_t>(kPaidPreparerRecordLength), ' ');
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t got = ::read(fd, bytes.data() + done, bytes.size() - done);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) basic::Raise(files::FileErrorNumberFor(errno));
        if (got == 0) break;
        done += static_cast<std::size_t>(got);
    }
    bytes.resize(done);
    return PaidPreparerRecord::FromBytes(bytes);
}
