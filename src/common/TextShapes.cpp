#include "common/TextShapes.h"

#include <array>
#include <cctype>

#include "platform/basic/Format.h"
#include "platform/basic/Strings.h"

using basic::Left;
using basic::Len;
using basic::Mid;
using basic::Right;
using basic::RTrim;
using basic::Trim;

std::string DigitsOnly(const std::string& text) {
    std::string digits;
    for (char c : text) {
        if (std::isdigit(static_cast<unsigned char>(c))) digits += c;
    }
    return digits;
}

std::string PhoneDigits(const std::string& phone) {
    const std::string digits = DigitsOnly(phone);
    if (digits.size() == 11 && digits.front() == '1') return digits.substr(1);
    return digits;
}

std::string DigitsInBoxes(const std::string& taxId, std::span<const int, 8> gapAfter) {
    const std::string digits = DigitsOnly(taxId);
    std::string text = Mid(digits, 1, 1);
    for (int i = 0; i < static_cast<int>(gapAfter.size()); ++i) {
        text += std::string(gapAfter[i], ' ') + Mid(digits, i + 2, 1);
    }
    return text;
}

std::string EinBoxesText(const std::string& taxId) {
    // Blanks after each digit, measured against the boxes of the printed form.
    static constexpr std::array<int, 8> kGapAfter = {3, 4, 3, 2, 3, 2, 3, 2};
    return DigitsInBoxes(taxId, kGapAfter);
}

std::string EinText(const std::string& taxId) {
    const std::string digits = DigitsOnly(taxId);
    return Left(digits, 2) + "-" + Right(digits, 7);
}

std::string FirmEinText(const std::string& firmEin) {
    const std::string digits = DigitsOnly(firmEin);
    return Left(digits, 2) + "-" + Mid(digits, 3, 7);
}

std::string ScreenPhoneText(const std::string& phone) {
    const std::string digits = DigitsOnly(phone);
    return Mid(digits, 1, 3) + " " + Mid(digits, 4, 3) + "  " + Mid(digits, 7, 4);
}

std::string FirmPhoneText(const std::string& phone) {
    const std::string digits = DigitsOnly(phone);
    return Mid(digits, 1, 3) + "  " + Mid(digits, 4, 3) + "  " + Mid(digits, 7, 4);
}

std::string PinText(const std::string& pin) {
    const std::string digits = DigitsOnly(pin);
    std::string text = Mid(digits, 1, 1);
    for (int place = 2; place <= 5; ++place) text += "  " + Mid(digits, place, 1);
    return text;
}

std::string FirmZipText(const std::string& zip) {
    if (Len(zip) == 5) return zip;
    return Left(zip, 5) + "-" + Right(zip, 4);
}

std::string ZipText(const std::string& zipCode, const std::string& zipCodeExt) {
    if (Trim(zipCodeExt).empty()) return zipCode;
    return zipCode + "-" + zipCodeExt;
}

std::string CityLineText(const std::string& city, const std::string& state, const std::string& zipCode,
                         const std::string& zipCodeExt) {
    return RTrim(city) + " " + state + " " + ZipText(zipCode, zipCodeExt);
}

std::string CheckMark(int checkBoxValue) { return checkBoxValue == 1 ? "X" : " "; }

std::string FormatAmountOrBlank(double amount) {
    std::string text = basic::Format(amount, "#########.00");
    // An amount that rounds to no cents leaves its box empty, whatever its sign.
    const std::string digits = basic::LTrim(text);
    if (digits == ".00" || digits == "-.00") return " ";
    return text;
}

std::string CountOrBlank(double count) {
    if (FormatAmountOrBlank(count) == " ") return " ";
    return basic::Format(count, "#########");
}
