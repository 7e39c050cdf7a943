#pragma once
// The paid preparer's record: record 1 of PdPreparer.DAT, 195 bytes of ten
// fixed-width text fields, one byte a character in code page 1252, each
// left-aligned and filled up with blanks, without separators.
//
// Usage (a return printout):
//   PaidPreparerRecord preparer = ReadPaidPreparerRecord().Trimmed();
//   preparer.FirmName, preparer.FirmEIN, ...
// The preparer screen writes it through a files::RecordFile:
//   file.Put(1, record.ToBytes());
#include <array>
#include <string>
#include <string_view>

// The file's bare name: it lies in the current folder.
inline constexpr const char* kPaidPreparerFileName = "PdPreparer.DAT";
inline constexpr int kPaidPreparerRecordLength = 195;

struct PaidPreparerRecord {
    // The fields as UTF-8 texts. Decoded from the file they hold their full
    // width, trailing blanks included; ToBytes fills up or cuts each field.
    std::string FirmName;
    std::string FirmEIN;
    std::string FirmAddress;
    std::string FirmCity;
    std::string FirmState;
    std::string FirmZip;
    std::string FirmPhone;
    std::string FirmPTIN;
    std::string FirmSelfEmployed;
    std::string FirmPreparerName;

    // A record's bytes; a shorter buffer reads as if filled up with blanks,
    // and NUL bytes (never written) read as blanks.
    static PaidPreparerRecord FromBytes(std::string_view bytes);
    // Exactly kPaidPreparerRecordLength bytes in code page 1252.
    std::string ToBytes() const;
    // Every field without its leading and trailing blanks, as the screen and
    // the printouts use them.
    PaidPreparerRecord Trimmed() const;

    friend bool operator==(const PaidPreparerRecord&, const PaidPreparerRecord&) = default;
};

// One field of the record's layout.
struct PaidPreparerField {
    const char* name;
    int offset;
    int width;
    std::string PaidPreparerRecord::*member;
};

// The ten fields in the order they lie in the record.
const std::array<PaidPreparerField, 10>& PaidPreparerLayout();

// Reads record 1 of the file at `path` (a bare name resolves in the current
// folder, found without regard to case). Never creates the file: a missing
// file or one shorter than a record gives blank fields. A file that exists
// but cannot be read, or is no regular file (a folder), raises
// basic::RuntimeError 75, or 57 when the device failed; a drive letter
// without a folder raises 52.
PaidPreparerRecord ReadPaidPreparerRecord(std::string_view path = kPaidPreparerFileName);
