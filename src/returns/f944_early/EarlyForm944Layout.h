#pragma once
// Where things stand on the earlier Form 944 screen, in twips: one row per
// line of the form from line 1 to 12, then the months four to a row.

namespace layout944early {

// The top of a row, and the heights of an amount and of a check box.
constexpr long RowTop(int row) { return 600 + 330 * row; }
inline constexpr long kHigh = 300;
inline constexpr long kBoxHigh = 255;

// The columns: captions, the amounts of 4a to 4d, their rate captions, and
// every right-hand amount.
inline constexpr long kLeft = 120;
inline constexpr long kWages = 4200;
inline constexpr long kRate = 5700;
inline constexpr long kRight = 8800;
inline constexpr long kAmountWide = 1400;
// The widths of a caption across the row, of the caption before 4a to 4d's
// amounts, and of their rate captions.
inline constexpr long kLineWide = kRight - kLeft - 100;
inline constexpr long kTaxCaptionWide = kWages - kLeft - 100;
inline constexpr long kRateWide = kRight - kRate - 100;
// Line 6 and line 12 share their rows with line 7 and the two boxes.
inline constexpr long kLine6 = 2400;
inline constexpr long kLine7Caption = 3900;
inline constexpr long kLine12 = 1700;
inline constexpr long kApplyBox = 3300;
inline constexpr long kRefundBox = 7100;

// Line 13: its caption's row, then the months in calendar order, four to a
// row, each after its month caption; the total at the right of the last row.
inline constexpr int kLine13Row = 15;
inline constexpr long kMonthCaptionWide = 500;
constexpr int MonthRow(int month) { return kLine13Row + 1 + month / 4; }
constexpr long MonthCaptionLeft(int month) { return kLeft + 2100 * (month % 4); }
constexpr long MonthLeft(int month) { return MonthCaptionLeft(month) + kMonthCaptionWide + 20; }

// The button row under the months.
inline constexpr long kButtonTop = RowTop(kLine13Row + 5);

} // namespace layout944early
