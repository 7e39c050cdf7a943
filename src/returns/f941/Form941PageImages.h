#pragma once
// The page images the Form 941 printout lays under its pages, chosen by the
// return's period code (mskQtr_yr): the first quarter of 2022, the later
// quarters of 2022, or 2023.
#include <string>

struct Form941PageImages {
    const char* Page1;
    const char* Page2;
    const char* Page3;
    const char* Voucher;
};

const Form941PageImages& Form941PageImagesFor(const std::string& periodCode);

// The templates every Form 941 return page and every 941-V voucher use.
inline constexpr const char* kForm941Template = "TAX941.TFL";
inline constexpr const char* kVoucher941Template = "941-V.TFL";
