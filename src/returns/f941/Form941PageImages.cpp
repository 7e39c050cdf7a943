#include "returns/f941/Form941PageImages.h"

#include "platform/basic/Strings.h"

namespace {

// clang-format off
constexpr Form941PageImages kFirstQuarter2022 = {"TF1P122C.wmf", "TF1P222C.wmf", "TF1P322C.wmf", "TF1V22.wmf"};
constexpr Form941PageImages kLaterQuarters2022 = {"TF1P1226.wmf", "TF1P2226.wmf", "TF1P3226.wmf", "TF1V22.wmf"};
constexpr Form941PageImages kYear2023 = {"TF1P123C.wmf", "TF1P223C.wmf", "TF1P323C.wmf", "TF1V23.wmf"};
// clang-format on

} // namespace

const Form941PageImages& Form941PageImagesFor(const std::string& periodCode) {
    if (basic::Right(periodCode, 2) != "22") return kYear2023;
    const std::string quarter = basic::Left(periodCode, 1);
    if (quarter == "2" || quarter == "3" || quarter == "4") return kLaterQuarters2022;
    return kFirstQuarter2022;
}
