#pragma once
// The texts the Form 944 printout shapes its own way: the EIN spread over
// the boxes of its page 1, the paid preparer's ZIP code, and the page images
// chosen by the period code.
#include <string>

// The first nine tax id digits with the blanks that put each in its box of
// the printed Form 944 (different from the Form 941's boxes).
std::string Form944EinBoxesText(const std::string& taxId);

// The preparer firm's ZIP: nine digits as ZIP+4 with a hyphen; five digits,
// and anything else, exactly as stored.
std::string Form944FirmZipText(const std::string& zip);

struct Form944PageImages {
    const char* Page1;
    const char* Page2;
    const char* Page3;
    const char* Voucher;
};

// The 2021 images for a period code ending "21", the 2022 images otherwise.
const Form944PageImages& Form944PageImagesFor(const std::string& periodCode);

// The templates the return pages and the 944-V voucher use (the print
// control's files keep their Form 941 names).
inline constexpr const char* kForm944Template = "TAX941.TFL";
inline constexpr const char* kVoucher944Template = "941-V.TFL";
