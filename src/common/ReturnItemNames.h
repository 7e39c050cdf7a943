#pragma once
// The items every return printout numbers alike: the employer's texts of
// page 1, the page header of pages 2 and 3, the designee, signer and paid
// preparer, and the payment voucher. Each form's layout names its own items
// beside these, so that an item's number is written once.

namespace returnItem {
// clang-format off
enum Item : short {
    EinBoxes        = 1,  // page 1: the EIN, one digit a box
    EmployerName    = 2,
    TradeName       = 3,
    Street          = 4,
    City            = 5,
    State           = 6,
    Zip             = 7,
    HeaderName      = 40, // pages 2 and 3: the employer's name
    HeaderEin       = 41, // pages 2 and 3: the EIN
    DesigneeYes     = 53, // the designee's "Yes" box
    DesigneeName    = 54,
    SignerName      = 55,
    DesigneePin     = 56,
    DesigneeNo      = 57, // the designee's "No" box
    SignerTitle     = 58,
    PreparerName    = 59,
    SignerPhone     = 60,
    FirmName        = 61,
    FirmAddress     = 62,
    FirmEin         = 63,
    FirmCity        = 64,
    FirmState       = 65,
    FirmZip         = 66,
    FirmPhone       = 67,
    PreparerPtin    = 68,
    SelfEmployedBox = 69,
    DesigneePhone   = 70,
    VoucherEin      = 71,
    VoucherAmount   = 72, // the amount of the payment
    VoucherName     = 73,
    VoucherQuarter1 = 74, // the quarters' boxes
    VoucherQuarter3 = 75,
    VoucherStreet   = 76,
    VoucherQuarter2 = 77,
    VoucherQuarter4 = 78,
    VoucherCityLine = 79, // city, state and ZIP code
    VoucherBlank    = 80,
};
// clang-format on
} // namespace returnItem
