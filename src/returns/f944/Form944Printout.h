#pragma once
// One click on the Form 944 screen's print control: the return's three pages
// or the 944-V payment voucher of the row on the screen, never both.
#include "common/EmployerHandOver.h"

class ReturnScreen;
namespace printing {
class DMWin;
}

void PrintForm944(const ReturnScreen& returnScreen, const EmployerHandOver& employer, printing::DMWin& control);

// The questions and titles of the Form 944 printout, as its users know them
// (the document titles and the preparer question still name Form 941 and
// Part 5).
inline constexpr const char* kReturnOrVoucher944Prompt =
    "Click on Yes to print Form 944 or on No to print the 944-V Payment Voucher.";
inline constexpr const char* kReturnOrVoucher944Title = "Print Form 944 or print 944-V Payment Voucher?";
inline constexpr const char* kPart5Prompt =
    "Click on Yes if you wish to print Part 6, Paid Preparer Information, Click No if you do NOT wish "
    "to print Paid Preparer Information";
inline constexpr const char* kPart5Title = "Print Part 5: For Paid Preparers only?";
inline constexpr const char* kReturn944DocumentTitle = "Print Form 941 - Schedule A";
inline constexpr const char* kVoucher944DocumentTitle = "Print Form 941 - Payment Voucher";
// Every voucher item sits this far below its layout row.
inline constexpr double kVoucher944Drop = 0.166;
