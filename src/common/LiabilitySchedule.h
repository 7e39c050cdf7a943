#pragma once
// The monthly summary of the tax liability on a return printout: the box of
// a small liability, the monthly depositor's box, and the months with their
// total, which print only on the monthly schedule. Whole cents make exactly
// one of the two thresholds hold.
class ReturnPrintRun;
class ReturnScreen;

inline constexpr double kSmallLiability = 2500.0;     // below it: the small liability's box
inline constexpr double kScheduleLiability = 2499.99; // above it: the monthly schedule

// The summary's items of one printout.
struct LiabilityScheduleItems {
    short smallBox;
    short monthlyBox;
};

// Stores a blank, then the item: "X" in the small liability's box when the
// tax is below 2,500; "X" in the monthly box, and the months' amounts, when
// the tax is above 2,499.99 and `monthlyChosen` (the depositor's box, where
// the form has one).
void StoreLiabilityScheduleItem(ReturnPrintRun& run, const ReturnScreen& screen, short fieldNo, double tax,
                                bool monthlyChosen, LiabilityScheduleItems items);
