#pragma once
// Where the earlier Form 944 printout puts each item: rows 1 to 34 (page 1),
// 40 to 78 (page 2) and 81 to 90 (the 944-V voucher) of its layout table.
// Its items are named here; the employer's items and the page header are
// numbered as every return printout numbers them.
#include "common/PrintLayout.h"
#include "common/ReturnItemNames.h"

namespace item944early {
using returnItem::EinBoxes;
using returnItem::EmployerName;
using returnItem::TradeName;
using returnItem::Street;
using returnItem::City;
using returnItem::State;
using returnItem::Zip;
using returnItem::HeaderName;
using returnItem::HeaderEin;
// The months of line 13 stand by quarter: the first months, then the
// second, then the third.
// clang-format off
enum Item : short {
    Unused8           =  8,
    Line1             =  9,
    Line2             = 10,
    Line3Box          = 11,
    Line4aWages       = 12,
    Line4aTax         = 13,
    Line4bTips        = 14,
    Line4bTax         = 15,
    Line4cWages       = 16,
    Line4cTax         = 17,
    Line4dWages       = 18,
    Line5             = 19,
    Line6             = 20,
    Line4dTax         = 21,
    Unused22          = 22,
    Line8             = 23,
    Line6eCount       = 24,
    Unused25          = 25,
    Line7             = 26,
    Line4e            = 27,
    Line9             = 28,
    Line10            = 29,
    Line11            = 30,
    Unused31          = 31,
    ApplyBox          = 32,
    RefundBox         = 33,
    Line12            = 34,
    Unused42          = 42,
    SmallLiabilityBox = 43,
    MonthlyBox        = 44,
    January           = 45,
    April             = 46,
    July              = 47,
    October           = 48,
    February          = 49,
    May               = 50,
    August            = 51,
    November          = 52,
    March             = 53,
    June              = 54,
    September         = 55,
    December          = 56,
    YearTotal         = 57,
    Unused58          = 58,
    Unused59          = 59,
    Unused60          = 60,
    DesigneeYes       = 61,
    DesigneeName      = 62,
    DesigneePin       = 63,
    DesigneeNo        = 64,
    SignerName        = 65,
    SignerTitle       = 66,
    SignerPhone       = 67,
    PreparerName      = 68,
    PreparerPtin      = 69,
    SelfEmployedBox   = 70,
    FirmName          = 71,
    FirmEin           = 72,
    FirmAddress       = 73,
    FirmCity          = 74,
    FirmState         = 75,
    FirmZip           = 76,
    FirmPhone         = 77,
    DesigneePhone     = 78,
    VoucherTaxId      = 81,
    VoucherAmount     = 82,
    VoucherName       = 83,
    Unused84          = 84,
    Unused85          = 85,
    VoucherStreet     = 86,
    Unused87          = 87,
    Unused88          = 88,
    VoucherCityLine   = 89,
    Unused90          = 90,
};
// clang-format on
} // namespace item944early

FieldLayout EarlyForm944FieldLayout();
