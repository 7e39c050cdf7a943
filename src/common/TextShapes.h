#pragma once
// How the return printouts shape the employer's, designee's and preparer's
// texts for the boxes of the printed forms. Tax ids, phones and PINs are
// shaped from their digits alone, so a value that carries a mask's literals
// ("12-3456789", "(555) 123-4567") prints the same as its plain digits.
// Pieces a short text does not have are left out; the separators stay.
#include <span>
#include <string>

// The digits of a text, in order, everything else dropped.
std::string DigitsOnly(const std::string& text);

// A phone's digits; one written with the country code before the area code
// ("1-203-555-9876": eleven digits, the first a 1) by its last ten.
std::string PhoneDigits(const std::string& phone);

// The first nine tax id digits with `gapAfter[i]` blanks after digit i + 1:
// each digit in its box of a printed form's EIN (each form has its boxes).
std::string DigitsInBoxes(const std::string& taxId, std::span<const int, 8> gapAfter);

// The nine tax id digits spread over the EIN boxes of page 1 (31 characters
// for nine digits, so that at ten characters to the inch each digit falls in
// its own box).
std::string EinBoxesText(const std::string& taxId);

// First two digits, "-", last seven: the EIN shape of the page headers and
// the voucher, whatever the tax id's type.
std::string EinText(const std::string& taxId);

// The preparer firm's EIN: first two digits, "-", digits 3 to 9.
std::string FirmEinText(const std::string& firmEin);

// A phone from the employer screen: "555 123  4567".
std::string ScreenPhoneText(const std::string& phone);

// The preparer firm's phone: "555  123  4567".
std::string FirmPhoneText(const std::string& phone);

// The designee's PIN: its five digits with two blanks between each two.
std::string PinText(const std::string& pin);

// The preparer firm's ZIP: five characters as they are, otherwise the first
// five, "-", the last four.
std::string FirmZipText(const std::string& zip);

// The employer's ZIP: the code alone, or code "-" extension when the
// extension is more than blanks (the extension as held, untrimmed).
std::string ZipText(const std::string& zipCode, const std::string& zipCodeExt);

// The city line of the vouchers: city without trailing blanks, " ", state,
// " ", ZIP text.
std::string CityLineText(const std::string& city, const std::string& state, const std::string& zipCode,
                         const std::string& zipCodeExt);

// An amount as the return printouts print it: formatted "#########.00"
// (no thousands separator, no digit before the point below one, a minus for
// negatives), or a single blank when that comes to ".00", so a zero amount
// leaves its box empty.
std::string FormatAmountOrBlank(double amount);

// A count (number of employees): " " where FormatAmountOrBlank gives " ",
// else its whole digits.
std::string CountOrBlank(double count);

// "X" for a ticked check box (Value 1), " " for clear or greyed.
std::string CheckMark(int checkBoxValue);
