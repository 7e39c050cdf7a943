#pragma once
// Lines 2 to 10 and the monthly liability of line 16, as every Form 941
// screen computes them (the live screen and the 2020 revision's): the same
// fields, the same LineAmt slots, the same rates and the same check of the
// months against lines 12 and 10. Each screen's line table names which field
// runs which of these.
#include "common/LineAmt.h"
#include "common/MonthlyTotalCheck.h"
#include "common/ReturnLine.h"

#include <optional>
#include <string>

#include "platform/forms/CurrencyField.h"

struct Form941TaxLineFields {
    forms::CurrencyField& fpLine2;   // 2 wages, tips and other compensation
    forms::CurrencyField& fpLine3;   // 3 federal income tax withheld
    forms::CurrencyField& fpLine6A;  // 5a wages
    forms::CurrencyField& fpLine6B;  // 5a tax
    forms::CurrencyField& fpL5a1c1;  // 5a(i) wages
    forms::CurrencyField& fpL5a1c2;  // 5a(i) tax
    forms::CurrencyField& fpL5a2c1;  // 5a(ii) wages
    forms::CurrencyField& fpL5a2c2;  // 5a(ii) tax
    forms::CurrencyField& fpLine6c;  // 5b tips
    forms::CurrencyField& fpLine6D;  // 5b tax
    forms::CurrencyField& fpLine7A;  // 5c wages and tips
    forms::CurrencyField& fpLine7B;  // 5c tax
    forms::CurrencyField& fpLine5d1; // 5d wages and tips
    forms::CurrencyField& fpLine5D2; // 5d tax
    forms::CurrencyField& fpLine8;   // 5e
    forms::CurrencyField& fpLine5f;  // 5f
    forms::CurrencyField& fpLine5;   // 6
    forms::CurrencyField& fpLine9B;  // 7
    forms::CurrencyField& fpLine9A;  // 8
    forms::CurrencyField& fpLine9C;  // 9
    forms::CurrencyField& fpLine10;  // the hidden total of 7 to 9
    forms::CurrencyField& fpLine11;  // 10
};

class Form941TaxLines {
public:
    Form941TaxLines(const Form941TaxLineFields& fields, LineAmtSlots& lineAmt) : f_(fields), lineAmt_(lineAmt) {}

    void Line2_Recompute();
    void Line3_Recompute();
    void Line5a_Recompute();
    void Line5ai_Recompute();
    void Line5aii_Recompute();
    void Line5b_Recompute();
    void Line5c_Recompute();
    void Line5d_Recompute();
    void Line5f_Recompute();
    // Line 7 brings the hidden total of the adjustments up to date; line 10
    // follows when line 8 or 9 is left.
    void Line7_Recompute();
    void Line10_Recompute();
    // After the slots were loaded from a row: the hidden total shows them.
    void ShowAdjustmentsTotal();

private:
    double Sum5e() const;
    void WriteLine6();

    Form941TaxLineFields f_;
    LineAmtSlots& lineAmt_;
};

struct Form941MonthFields {
    forms::CurrencyField& fpLine17A; // month 1
    forms::CurrencyField& fpLine17B; // month 2
    forms::CurrencyField& fpLine17C; // month 3
    forms::CurrencyField& fpLine17D; // the quarter's total
    forms::CurrencyField& fpLine12;  // 12, which the total may not fall short of
    forms::CurrencyField& fpLine11;  // 10, which the total may not exceed
    forms::Control& Check6;          // the monthly depositor's box, where a passed check goes on
};

class Form941Months {
public:
    Form941Months(const Form941MonthFields& fields, LineAmtSlots& lineAmt)
        : f_(fields), lineAmt_(lineAmt), check_(fields.fpLine17A, fields.Check6) {}

    // A line table's recompute of month 1, 2 or 3; month 3 runs the check.
    LineRecompute OfMonth(int month);

    // Month 1, 2 or 3 entered or left: the quarter's total.
    void Month_Recompute(int month);
    // Enter in month 3 and leaving it: the total, then the check.
    void Month3_Enter();
    void Month3_Leave();

private:
    std::optional<std::string> CompareMonthsWithTax() const;

    Form941MonthFields f_;
    LineAmtSlots& lineAmt_;
    MonthlyTotalCheck check_;
};
