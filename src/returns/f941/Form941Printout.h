#pragma once
// One click on the Form 941 screen's print control: the return's three pages
// or the 941-V payment voucher of the row on the screen, never both.
#include "common/EmployerHandOver.h"

class ReturnScreen;
namespace printing {
class DMWin;
}

void PrintForm941(const ReturnScreen& returnScreen, const EmployerHandOver& employer, printing::DMWin& control);

// The questions of the Form 941 printout.
inline constexpr const char* kReturnOrVoucherPrompt =
    "Click on Yes to print Form 941 or on No to print the 941-V Payment Voucher.";
inline constexpr const char* kReturnOrVoucherTitle = "Print Form 941 or print 941-V Payment Voucher?";
inline constexpr const char* kPart6Prompt =
    "Click on Yes if you wish to print Part 6, Paid Preparer Information, Click No if you do NOT wish "
    "to print Paid Preparer Information";
inline constexpr const char* kPart6Title = "Print Part 6: For Paid Preparers only?";
inline constexpr const char* kReturnDocumentTitle = "Print Form 941 - Schedule A";
inline constexpr const char* kVoucherDocumentTitle = "Print Form 941 - Payment Voucher";
// Every voucher item sits this far below its layout row.
inline constexpr double kVoucherDrop = 0.166;
