// The Form 941 screen's controls: where each stands, its caption, the column
// it is bound to, its hint and the amounts it accepts.

#include "returns/f941/frmDet941Covid0621.h"

namespace {

constexpr long Row(int row) { return 800 + 270 * row; }

// Column positions within a page.
constexpr long kLabelLeft = 120;
constexpr long kColumn1 = 4300;  // typed amounts of line 5, line 1
constexpr long kRateLeft = 5950;
constexpr long kColumn2 = 9000;  // computed taxes and the right-hand amounts
constexpr long kFieldWidth = 1600;

} // namespace

frmDet941Covid0621::frmDet941Covid0621() : ReturnScreen("frmDet941Covid0621") {
    SetCaption("Form 941- Data Entry");
    LayOutLines();
    BindLines();
    BuildEnterKeyChain();
    DMWin2.PrintRequest = [this] { DMWin2_PrintRequest(); };
}

void frmDet941Covid0621::LayOutLines() {
    SSTab1.SetTabCaption(0, "Form 941 Page 1 Part 1:");
    SSTab1.SetTabCaption(1, "Form 941 Page 2 Parts 1 and 2:");
    SSTab1.SetTabCaption(2, "Form 941 Page 3 Part 3:");

    lblTaxId.SetCaption("Tax ID:");
    lblTaxId.Move(5400, 120, 1100, 285);

    struct Caption {
        forms::Label* label;
        int page;
        long left, top, width;
        const char* text;
    };
    // clang-format off
    const Caption captions[] = {
        // page 0: lines 1 to 11g
        {&Label5(0),       0, kLabelLeft, Row(0),  4100, ""},
        {&lblLine2,        0, kLabelLeft, Row(1),  4100, "2  Wages, tips and other compensation..... (2)"},
        {&lblLine3,        0, kLabelLeft, Row(2),  4100, "3  Inc. tax withheld.... (3) "},
        {&lblLine5a,       0, kLabelLeft, Row(3),  4100, "5  Taxable social security wages..............  (5a)"},
        {&lblRate5a,       0, kRateLeft,  Row(3),  3000, " X 12.4%  (.124)   =   (5a)               "},
        {&lblLine5ai,      0, kLabelLeft, Row(4),  4100, "5a(i) Qualifed sick leaves wages..............(5a(i))"},
        {&lblRate5ai,      0, kRateLeft,  Row(4),  3000, " X  6.2%   (.062)  =  (5a(i)"},
        {&lblLine5aii,     0, kLabelLeft, Row(5),  4100, "5a(ii) Qualified family leave wages...........(5a(ii))"},
        {&lblRate5aii,     0, kRateLeft,  Row(5),  3000, " X  6.2%   (.062)  =  (5a(ii)"},
        {&lblLine5b,       0, kLabelLeft, Row(6),  4100, "5b Taxable social security tips................... (5b)"},
        {&lblRate5b,       0, kRateLeft,  Row(6),  3000, " X 12.4%  (.124)   =   (5b)                "},
        {&lblLine5c,       0, kLabelLeft, Row(7),  4100, "5c Taxable Medicare wages and tips.........(5c)"},
        {&lblRate5c,       0, kRateLeft,  Row(7),  3000, " X  2.9%   (.029)   =   (5c)                "},
        {&lblLine5d,       0, kLabelLeft, Row(8),  4100, "5d Taxable wages & tips subject to"},
        {&lblLine5dMore,   0, kLabelLeft, Row(9),  4100, "Additional Medicare Tax withholding.....(5d)"},
        {&lblRate5d,       0, kRateLeft,  Row(8),  3000, " X  0.9%   (.009)   =  (5d)"},
        {&lblLine5e,       0, kLabelLeft, Row(10), 8800, "5e  Total soc. sec. and Med. taxes (5a + 5a(i) + 5a(ii) +5b + 5c + 5d)  =  (5e)"},
        {&lblLine5f,       0, kLabelLeft, Row(11), 8800, "5f Section 312(g) Notice and Demand -- Tax due on unreported tips (see instructions)................... (5f)"},
        {&lblLine6,        0, kLabelLeft, Row(12), 8800, "6 Total taxes before adjustmnets:     lines 3 + 5e + 5f  =   (6)"},
        {&lblLine7,        0, kLabelLeft, Row(13), 8800, "7  Current quarter's adjustment for fractions of cents.."},
        {&lblLine8,        0, kLabelLeft, Row(14), 8800, "8 Adjustment for sick pay ...."},
        {&lblLine9,        0, kLabelLeft, Row(15), 8800, "9  Curr. quarter's adjustments - tips/group-term life ins.."},
        {&lblLine10,       0, kLabelLeft, Row(16), 8800, "10  Total taxes after adjust (combine lines 6 thru 9).."},
        {&lblLine11a,      0, kLabelLeft, Row(17), 8800, "11a Qualified small business payroll tax credit for increasing research activities. Attach Form 8974  (11a) "},
        {&lblLine11b,      0, kLabelLeft, Row(18), 8800, "11b Nonrefundable portion of credit for qualified sick/ family leave wages taken bf 04/01/2021     (11b)"},
        {&lblLine11c,      0, kLabelLeft, Row(19), 8800, "11c Nonrefundable portion of employee retention credit ..............................................................    (11c)"},
        {&lblLine11d,      0, kLabelLeft, Row(20), 8800, "11d Nonrefundable portion of qual. sick/family leave wages for leave taken after 03/31/2021...    (11d)"},
        {&lblLine11e,      0, kLabelLeft, Row(21), 8800, "11e Nonrefundable portion of COBRA premium assistance credit (see instructions for app. qtrs...    (11e)"},
        {&lblLine11f,      0, kLabelLeft, Row(22), 8800, "11f Number of individuals provided COBRA premium assistance credit ........................................    (11f)"},
        {&lblLine11g,      0, kLabelLeft, Row(23), 8800, "11g Total nonrefundable credits. Add lines 11a, 11b, 11c, 11d and 11e.......................................... (11g)"},
        // page 1: lines 12 to 16
        {&lblLine12,       1, kLabelLeft, Row(0),  8800, "12   Total taxes after adjustments and nonrefundable credits. Subtract line 11g from line 10..................... (12  )"},
        {&lblLine13a,      1, kLabelLeft, Row(1),  8800, "13a Total deposits for this quarter, including overpayment applied from a prior quarter.......... (13a)"},
        {&lblLine13b,      1, kLabelLeft, Row(2),  8800, "13b Reserved for future use ............................................................. (13b)"},
        {&lblLine13c,      1, kLabelLeft, Row(3),  8800, "13c Refundable portion of credit for qualified sick/family leave wages taken bf 04/01/2021..... (13c)"},
        {&lblLine13d,      1, kLabelLeft, Row(4),  8800, "13d Reserved for future use ............................................................. (13d)"},
        {&lblLine13e,      1, kLabelLeft, Row(5),  8800, "13e Refundable portion of qual. sick/family leave wages for leave taken after 03/31/2021....... (13e)"},
        {&lblLine13f,      1, kLabelLeft, Row(6),  8800, "13f Refundable portion of COBRA premium assistance credit (see instructions for app. qtrs)..... (13f)"},
        {&lblLine13g,      1, kLabelLeft, Row(7),  8800, "13g Total deposits and refundable credits. Add lines 13a, 13c, 13e and 13f.................... (13g)"},
        {&lblLine13h,      1, kLabelLeft, Row(8),  8800, "13h Reserved for future use ............................................................. (13h)"},
        {&lblLine13i,      1, kLabelLeft, Row(9),  8800, "13i Total deposits and refundable credits less advances. Subtract line 13h from line 13g....... (13i)"},
        {&lblLine14,       1, kLabelLeft, Row(10), 8800, "14  Balance due. If line 12 is more than line 13i, enter the difference......................... (14)"},
        {&lblLine15,       1, kLabelLeft, Row(11), 8800, "15  Overpayment. If line 13i is more than line 12, enter the difference........................ (15)"},
        {&lblLine16,       1, kLabelLeft, Row(13), 5000, "16  Monthly Summary of Fed. Tax Liability:"},
        {&lblMonth1,       1, kLabelLeft, Row(15), 1800, "Month 1"},
        {&lblMonth2,       1, kLabelLeft, Row(16), 1800, "Month 2"},
        {&lblMonth3,       1, kLabelLeft, Row(17), 1800, "Month 3"},
        {&lblQuarterTotal, 1, kLabelLeft, Row(18), 2800, "Total liability for quarter"},
        {&lblMustEqual,    1, 5000,       Row(18), 2800, "Total must equal line 12."},
        // page 2: lines 19 to 28
        {&lblLine19,       2, kLabelLeft, Row(4),  8800, "19  Qualified health plan expenses allocable to qualified sick leave wages (before 04/01/2021)....... (19)"},
        {&lblLine20,       2, kLabelLeft, Row(5),  8800, "20  Qualified health plan expenses allocable to qualified family leave wages (before 04/01/2021).... (20)"},
        {&lblLine21,       2, kLabelLeft, Row(6),  8800, "21  Reserved for future use.......................................................... (21)"},
        {&lblLine22,       2, kLabelLeft, Row(7),  8800, "22  Reserved for future use.......................................................... (22)"},
        {&lblLine23,       2, kLabelLeft, Row(8),  8800, "23  Qualified sick leave wages for leave taken after 03/31/2021 and before 10/01/2021........ (23)"},
        {&lblLine24,       2, kLabelLeft, Row(9),  8800, "24  Qualified health plan expenses allocable to the qualified sick leave wages on line 23...... (24)"},
        {&lblLine25,       2, kLabelLeft, Row(10), 8800, "25  Amounts under certain collectively bargained agreements allocable to line 23.............. (25)"},
        {&lblLine26,       2, kLabelLeft, Row(11), 8800, "26  Qualified family leave wages for leave taken after 03/31/2021 and before 10/01/2021...... (26)"},
        {&lblLine27,       2, kLabelLeft, Row(12), 8800, "27  Qualified health plan expenses allocable to the qualified family leave wages on line 26.... (27)"},
        {&lblLine28,       2, kLabelLeft, Row(13), 8800, "28  Amounts under certain collectively bargained agreements allocable to line 26.............. (28)"},
    };
    // clang-format on
    for (const Caption& c : captions) {
        c.label->SetCaption(c.text);
        OnPage(*c.label, c.page, c.left, c.top, c.width);
    }

    struct CheckBoxPlace {
        forms::CheckBox* box;
        int page;
        long left, top, width;
        const char* caption;
    };
    // clang-format off
    const CheckBoxPlace boxes[] = {
        {&Check2,  0, 6200,       Row(0),  4400, "Check if Wages not subject to Fica/Medicare:"},
        {&Check3,  1, kLabelLeft, Row(12), 4000, "Check if to be applied to next return"},
        {&Check10, 1, 4300,       Row(12), 2000, "or Refunded"},
        {&Check6,  1, kLabelLeft, Row(14), 4000, "Check one  -  Monthly Depositor:"},
        {&Check5,  1, 4300,       Row(14), 3000, "Semiweekly depositor:"},
        {&Check8,  2, kLabelLeft, Row(0),  9800, "17  If your business has closed or you stopped paying wages, check here"},
        {&Check1,  2, kLabelLeft, Row(1),  9800, "18a If you are a seasonal employer, check here"},
        {&Check9,  2, kLabelLeft, Row(2),  9800, "18b If you are eligible for the employee retention credit solely as a recovery startup business, check here"},
    };
    // clang-format on
    for (const CheckBoxPlace& b : boxes) {
        b.box->SetCaption(b.caption);
        OnPage(*b.box, b.page, b.left, b.top, b.width);
    }

    struct FieldPlace {
        forms::Control* field;
        int page;
        long left, top, width;
    };
    // clang-format off
    const FieldPlace fields[] = {
        {&mskNo_Employee, 0, kColumn1, Row(0),  800},
        {&fpLine2,        0, kColumn1, Row(1),  kFieldWidth},
        {&fpLine3,        0, kColumn1, Row(2),  kFieldWidth},
        {&fpLine6A,       0, kColumn1, Row(3),  kFieldWidth},
        {&fpLine6B,       0, kColumn2, Row(3),  kFieldWidth},
        {&fpL5a1c1,       0, kColumn1, Row(4),  kFieldWidth},
        {&fpL5a1c2,       0, kColumn2, Row(4),  kFieldWidth},
        {&fpL5a2c1,       0, kColumn1, Row(5),  kFieldWidth},
        {&fpL5a2c2,       0, kColumn2, Row(5),  kFieldWidth},
        {&fpLine6c,       0, kColumn1, Row(6),  kFieldWidth},
        {&fpLine6D,       0, kColumn2, Row(6),  kFieldWidth},
        {&fpLine7A,       0, kColumn1, Row(7),  kFieldWidth},
        {&fpLine7B,       0, kColumn2, Row(7),  kFieldWidth},
        {&fpLine5d1,      0, kColumn1, Row(8),  kFieldWidth},
        {&fpLine5D2,      0, kColumn2, Row(8),  kFieldWidth},
        {&fpLine8,        0, kColumn2, Row(10), kFieldWidth},
        {&fpLine5f,       0, kColumn2, Row(11), kFieldWidth},
        {&fpLine5,        0, kColumn2, Row(12), kFieldWidth},
        {&fpLine9B,       0, kColumn2, Row(13), kFieldWidth},
        {&fpLine9A,       0, kColumn2, Row(14), kFieldWidth},
        {&fpLine9C,       0, kColumn2, Row(15), kFieldWidth},
        {&fpLine10,       0, kColumn1, Row(15), kFieldWidth},
        {&fpLine11,       0, kColumn2, Row(16), kFieldWidth},
        {&fpLine11a,      0, kColumn2, Row(17), kFieldWidth},
        {&fpLine11b,      0, kColumn2, Row(18), kFieldWidth},
        {&fpLine11c,      0, kColumn2, Row(19), kFieldWidth},
        {&fpLine11d,      0, kColumn2, Row(20), kFieldWidth},
        {&fpL12aCobra,    0, kColumn2, Row(21), kFieldWidth},
        {&MaskEdBox2,     0, kColumn2, Row(22), 800},
        {&fpLine11g,      0, kColumn2, Row(23), kFieldWidth},
        {&fpLine12,       1, kColumn2, Row(0),  kFieldWidth},
        {&fpLine13a,      1, kColumn2, Row(1),  kFieldWidth},
        {&fpLine13b,      1, kColumn2, Row(2),  kFieldWidth},
        {&fpLine13c,      1, kColumn2, Row(3),  kFieldWidth},
        {&fpLine13d,      1, kColumn2, Row(4),  kFieldWidth},
        {&fpLine13e,      1, kColumn2, Row(5),  kFieldWidth},
        {&fpLine13f,      1, kColumn2, Row(6),  kFieldWidth},
        {&fpLine13g,      1, kColumn2, Row(7),  kFieldWidth},
        {&fpLine13h,      1, kColumn2, Row(8),  kFieldWidth},
        {&fpLine14,       1, kColumn2, Row(9),  kFieldWidth},
        {&fpLine15,       1, kColumn2, Row(10), kFieldWidth},
        {&fpLine16(1),    1, kColumn2, Row(11), kFieldWidth},
        {&fpLine17A,      1, 2000,     Row(15), kFieldWidth},
        {&fpLine17B,      1, 2000,     Row(16), kFieldWidth},
        {&fpLine17C,      1, 2000,     Row(17), kFieldWidth},
        {&fpLine17D,      1, 3100,     Row(18), kFieldWidth},
        {&fpLine19,       2, kColumn2, Row(4),  kFieldWidth},
        {&fpLine20,       2, kColumn2, Row(5),  kFieldWidth},
        {&fpLine21,       2, kColumn2, Row(6),  kFieldWidth},
        {&fpLine22,       2, kColumn2, Row(7),  kFieldWidth},
        {&fpLine23,       2, kColumn2, Row(8),  kFieldWidth},
        {&fpLine24,       2, kColumn2, Row(9),  kFieldWidth},
        {&fpLine25,       2, kColumn2, Row(10), kFieldWidth},
        {&fpLine26,       2, kColumn2, Row(11), kFieldWidth},
        {&fpLine27,       2, kColumn2, Row(12), kFieldWidth},
        {&fpLine28,       2, kColumn2, Row(13), kFieldWidth},
    };
    // clang-format on
    for (const FieldPlace& f : fields) OnPage(*f.field, f.page, f.left, f.top, f.width);

    // The total of the adjustments is kept for line 10 only; nobody sees it.
    fpLine10.SetVisible(false);

    mskNo_Employee.SetMask("99999");
    mskNo_Employee.SetMaxLength(5);
    MaskEdBox2.SetMask("99999");
    MaskEdBox2.SetMaxLength(5);

    // Outside the pages, on the frame's row of buttons.
    Check4.Move(9500, 120, 300, 285);
    MaskEdBox1.SetMaxLength(64);
    MaskEdBox1.Move(9900, 120, 1200, 285);
    fpCurrency1.Move(11150, 120, 1300, 285);
    for (forms::Control* unused : std::initializer_list<forms::Control*>{&Check4, &MaskEdBox1, &fpCurrency1}) {
        unused->SetTabStop(false);
    }

    // Hints shown when the pointer rests on a field.
    struct Hint {
        forms::Control* control;
        const char* text;
    };
    // clang-format off
    const Hint hints[] = {
        {&mskNo_Employee, "Enter the number of employees included in the March 12th pay period - 1st quarter only."},
        {&Check2,         "Check this box if wages are not subject to Fica/Medicare tax. Otherwise, leave blank."},
        {&fpLine5d1,      "Enter the amount of taxable wages and tips subject to additional Medicare tax withholding of 0.9%"},
        {&fpLine9B,       "Enter the amount of Current quarter's fractional cents adjustment, if any."},
        {&fpLine9A,       "Enter the amount of Current quarter's Sick Pay adjustment, if any."},
        {&fpLine9C,       "Enter the amount of Current quarters adjustments for tips and Group-term insurance, if any."},
        {&fpLine14,       "Enter the total deposits for the quarter."},
        {&fpLine17A,      "If monthly depositor, enter the First month's liability."},
        {&fpLine17B,      "If a montly depositor, enter the Second month's liability."},
        {&fpLine17C,      "If a monthly depositor, enter the Third month's liability"},
        {&Check1,         "Check this box if the Employer is a seasonal employer. Otherwise, leave unchecked."},
    };
    // clang-format on
    for (const Hint& h : hints) h.control->SetToolTipText(h.text);

    // Every amount accepts at most 9,000,000,000; these also accept amounts
    // down to -9,000,000,000, and line 11d up to 9,999,999,999.
    constexpr double kHighest = 9000000000.0;
    for (forms::CurrencyField* amount : {&fpLine2, &fpLine3, &fpLine9B, &fpLine9A, &fpLine9C, &fpLine10, &fpLine11g,
                                         &fpLine12, &fpLine26, &fpLine27, &fpLine28}) {
        amount->SetAllowNegative(true);
        amount->SetRange(-kHighest, kHighest);
    }
    fpLine11d.SetRange(fpLine11d.Min(), 9999999999.0);

    // The screen computes these; only the 5a(i) and 5a(ii) taxes are tab stops.
    for (forms::Control* computed : {static_cast<forms::Control*>(&fpLine6B), static_cast<forms::Control*>(&fpLine6D),
                                     static_cast<forms::Control*>(&fpLine7B), static_cast<forms::Control*>(&fpLine5D2),
                                     static_cast<forms::Control*>(&fpLine8), static_cast<forms::Control*>(&fpLine5),
                                     static_cast<forms::Control*>(&fpLine10), static_cast<forms::Control*>(&fpLine11)}) {
        computed->SetTabStop(false);
    }
}

void frmDet941Covid0621::BindLines() {
    struct Binding {
        forms::Bound* field;
        forms::Control* control;
        const char* column;
    };
    // clang-format off
    const Binding bindings[] = {
        {&mskNo_Employee, &mskNo_Employee, "No_Employee"},
        {&fpLine2,     &fpLine2,     "L_2"},
        {&fpLine3,     &fpLine3,     "L_3"},
        {&Check2,      &Check2,      "Not_Subj"},
        {&fpLine6A,    &fpLine6A,    "L_6A"},
        {&fpLine6B,    &fpLine6B,    "L_6B"},
        {&fpL5a1c1,    &fpL5a1c1,    "L5a1c1"},
        {&fpL5a1c2,    &fpL5a1c2,    "L5a1c2"},
        {&fpL5a2c1,    &fpL5a2c1,    "L5a2c1"},
        {&fpL5a2c2,    &fpL5a2c2,    "L5a2c2"},
        {&fpLine6c,    &fpLine6c,    "L_6C"},
        {&fpLine6D,    &fpLine6D,    "L_6D"},
        {&fpLine7A,    &fpLine7A,    "L_7A"},
        {&fpLine7B,    &fpLine7B,    "L_7B"},
        {&fpLine5d1,   &fpLine5d1,   "L_12"},
        {&fpLine5D2,   &fpLine5D2,   "L_13"},
        {&fpLine8,     &fpLine8,     "L_8"},
        {&fpLine5f,    &fpLine5f,    "L6c_ExemptWages"},
        {&fpLine5,     &fpLine5,     "L_5"},
        {&fpLine9B,    &fpLine9B,    "L_9B"},
        {&fpLine9A,    &fpLine9A,    "L_9A"},
        {&fpLine9C,    &fpLine9C,    "L_9C"},
        {&fpLine11,    &fpLine11,    "L_11"},
        {&fpLine11a,   &fpLine11a,   "L11a"},
        {&fpLine11b,   &fpLine11b,   "L11b"},
        {&fpLine11c,   &fpLine11c,   "L11c"},
        {&fpLine11d,   &fpLine11d,   "L11d"},
        {&fpL12aCobra, &fpL12aCobra, "L12aCobra"},
        {&MaskEdBox2,  &MaskEdBox2,  "L12bCobraIndividuals"},
        {&fpLine11g,   &fpLine11g,   "L11g"},
        {&fpLine12,    &fpLine12,    "Line12"},
        {&fpLine13a,   &fpLine13a,   "L13a"},
        {&fpLine13b,   &fpLine13b,   "L13b"},
        {&fpLine13c,   &fpLine13c,   "L13c"},
        {&fpLine13d,   &fpLine13d,   "L13d"},
        {&fpLine13e,   &fpLine13e,   "L13e"},
        {&fpLine13f,   &fpLine13f,   "L13f"},
        {&fpLine13g,   &fpLine13g,   "L13g"},
        {&fpLine13h,   &fpLine13h,   "L13h"},
        {&fpLine14,    &fpLine14,    "L_14"},
        {&fpLine15,    &fpLine15,    "L_15"},
        {&fpLine16(1), &fpLine16(1), "L_16"},
        {&Check3,      &Check3,      "Apply_Nxt"},
        {&Check10,     &Check10,     "Refunded"},
        {&Check6,      &Check6,      "Monthly"},
        {&Check5,      &Check5,      "SemiWkly"},
        {&fpLine17A,   &fpLine17A,   "L_20_A"},
        {&fpLine17B,   &fpLine17B,   "L_20_B"},
        {&fpLine17C,   &fpLine17C,   "L_20_C"},
        {&fpLine17D,   &fpLine17D,   "L_20_D"},
        {&Check8,      &Check8,      "OutOfBusiness"},
        {&Check1,      &Check1,      "Seasonal"},
        {&Check9,      &Check9,      "RecovStartup"},
        {&fpLine19,    &fpLine19,    "L_19"},
        {&fpLine20,    &fpLine20,    "L20"},
        {&fpLine21,    &fpLine21,    "L21"},
        {&fpLine22,    &fpLine22,    "L22"},
        {&fpLine23,    &fpLine23,    "L23"},
        {&fpLine24,    &fpLine24,    "L24"},
        {&fpLine25,    &fpLine25,    "L25"},
        {&fpLine26,    &fpLine26,    "L26"},
        {&fpLine27,    &fpLine27,    "L27"},
        {&fpLine28,    &fpLine28,    "L28"},
    };
    // clang-format on
    // The order of the table is also the order Tab walks the fields; each
    // page's buttons follow its last field.
    int tabIndex = 10;
    for (const Binding& b : bindings) {
        b.field->SetDataSource("datDollars");
        b.field->SetDataField(b.column);
        b.control->SetTabIndex(tabIndex);
        tabIndex += 2;
    }
    Command2.SetTabIndex(fpLine11g.TabIndex() + 1);
    Command5.SetTabIndex(fpLine17D.TabIndex() + 1);
    Command4.SetTabIndex(fpLine17D.TabIndex() + 1);
    Command6.SetTabIndex(fpLine28.TabIndex() + 1);
}
