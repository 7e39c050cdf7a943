// The earlier Form 941 screens' frame: their one page, captions, hints and
// field rules, the focus colours, and the load on the current employer's row
// for the chosen period.

#include "returns/f941_early/EarlyForm941Screen.h"

#include "common/DottedCaption.h"
#include "common/EmployeeCountCaption.h"
#include "returns/f941/Form941Hints.h"

namespace {

constexpr long kLightGrey = 0xE0E0E0;
constexpr long kLightYellow = 0x80FFFF;
constexpr long kWindowColour = 0x80000005L;

// The window's frame and title around the client area, in twips.
constexpr long kFrameWidth = 120;
constexpr long kFrameHeight = 405;

// Fields that turn light yellow while they have the focus; the check boxes
// go back to light grey, the amounts to the window colour.
constexpr const char* kPaintedBoxes[] = {"Check1", "Check2", "Check3", "Check4", "Check5", "Check6"};
constexpr const char* kPaintedAmounts[] = {
    "fpLine2",   "fpLine3",  "fpLine6A", "fpLine6B",  "fpLine6c",  "fpLine6D",  "fpLine7A",  "fpLine7B",
    "fpLine5d1", "fpLine8",  "fpLine5",  "fpLine9B",  "fpLine9A",  "fpLine9C",  "fpLine10",  "fpLine11",
    "fpLine14",  "fpLine15", "fpLine16", "fpLine17A", "fpLine17B", "fpLine17C", "fpLine17D",
};

// Hints shown when the pointer rests on a control, besides those every Form
// 941 screen shows.
// clang-format off
constexpr NamedText kHints[] = {
    {"fpLine2",         "Enter the amount of Total wages, tips, and other compensation for the quarter."},
    {"fpLine3",         "Enter the amount of Total Federal income tax withheld from wages, tips, and sick pay during the quarter."},
    {"fpLine12a",       "Enter the amount of qualified small bus. payroll tax credit, if applicable."},
    {"Check3",          "Check this box, if overpayment is to be applied to the next return. Otherwise, leave it blank."},
    {"Check4",          "Check this box, if the overpayment is to be refunded. Otherwise, leave it blank."},
    {"Check5",          "Check this box if you are a Semiweekly schedule depositor. Do not complete line 17."},
    {"Check6",          "If you are a montly depositor, check this box."},
    {"cmdAddNew",       "Click to add a new Form 941 record for this Employer"},
    {"cmdEditRecord",   "Click to edit the currently displayed Form 941 record."},
    {"cmdDeleteRecord", "Click to delete the currently displayed Form 941 record."},
    {"cmdSaveRecord",   "Click to save the record being added or edited."},
    {"cmdClose",        "Click to close this screen and return to the Employer's screen."},
    {"DMWin2",          "Click to print the currently displayed Form 941 for this employer."},
};
// clang-format on

// Amounts that may be negative; every other amount is 0 to 9,000,000,000.
constexpr const char* kSignedAmounts[] = {"fpLine7B", "fpLine9B", "fpLine9A", "fpLine9C", "fpLine10", "fpLine15"};
constexpr double kHighestAmount = 9000000000.0;
constexpr long long kHighestCount = 99999;

// The frame's controls this screen has no use for: its own labels stand in
// the header, and it has one page.
constexpr const char* kFramePieces[] = {"lblEmployer", "lblQtrYr", "SSTab1",  "Command2",
                                        "Command4",    "Command5", "Command6"};

} // namespace

EarlyForm941Screen::EarlyForm941Screen(std::string name, const EarlyForm941Design& design)
    : ReturnScreen(std::move(name)), design_(design) {
    LayOutScreen();
    UseLines(EarlyLines());
    UseOverpaymentBoxes(fpLine16, Check3, Check4);
    PutControls();
    SetFieldRules();
    PaintFocus();
    Check3.Click = [] {}; // ticking the box runs nothing more
    WirePrint([this] { DMWin2_PrintRequest(); });
}

void EarlyForm941Screen::LayOutScreen() {
    SetCaption("Form 941 - Data Entry");
    SetWidth(10470 + kFrameWidth);
    SetHeight(design_.clientHeight + kFrameHeight);
    for (const char* piece : kFramePieces) Named(piece).SetVisible(false);
    mskQtr_yr.SetContainerForm();
    mskQtr_yr.SetTabStop(false);
    txtQtr_Yr.SetTabStop(false);
    datDollars.SetCaption("941 Dollars");
    datDollars.SetVisible(false);
    datDollars.SetRecordSource("DET941");
}

// The frame's places and captions, the hidden controls, and the tab order:
// the rows' order, the frame's controls among them where the design puts
// them, then the labels.
void EarlyForm941Screen::PutControls() {
    for (const ControlPlace& p : kDet941Places) Named(p.control).Move(p.left, p.top, p.width, p.height);
    for (const CaptionText& c : kDet941Captions) {
        const std::string text = DottedCaption(c.text, c.dots, c.tail);
        forms::Control& control = Named(c.control);
        if (auto* label = dynamic_cast<forms::Label*>(&control)) {
            label->SetCaption(text);
        } else if (auto* box = dynamic_cast<forms::CheckBox*>(&control)) {
            box->SetCaption(text);
        } else {
            dynamic_cast<forms::CommandButton&>(control).SetCaption(text);
        }
    }

    for (const char* name : design_.hidden) Named(name).SetVisible(false);
    for (const char* name : design_.disabled) Named(name).SetEnabled(false);
    // The rows keep the table's order; they are numbered again so that
    // several frame controls may fall between two rows.
    int tabIndex = 0;
    auto frameAfter = [this, &tabIndex](const forms::Control* row) {
        for (const FrameTab& tab : design_.frameTabs) {
            if (tab.after == nullptr ? row == nullptr : row != nullptr && row->Name() == tab.after) {
                Named(tab.control).SetTabIndex(tabIndex++);
            }
        }
    };
    frameAfter(nullptr);
    for (const ReturnLine& line : Lines()) {
        line.field->SetTabIndex(tabIndex++);
        frameAfter(line.field);
    }
    for (forms::Control* control : Controls()) {
        if (dynamic_cast<forms::Label*>(control) != nullptr) control->SetTabIndex(tabIndex++);
    }
}

void EarlyForm941Screen::SetFieldRules() {
    SetHints(Form941FieldHints());
    SetHints(kHints);
    for (const char* name : kSignedAmounts) {
        auto& amount = dynamic_cast<forms::CurrencyField&>(Named(name));
        amount.SetAllowNegative(true);
        amount.SetRange(-kHighestAmount, kHighestAmount);
    }
    for (forms::LongIntegerField* count : {&fpLongInt1, &fpLongInt2, &fpLongInt3, &fpLongInt4}) {
        count->SetRange(0, kHighestCount);
    }
    mskQtr_yr.SetMask("9/99");
    mskQtr_yr.SetMaxLength(4);
    mskQtr_yr.SetPromptChar('_');
    mskNo_Employee.SetMask("99999");
    mskNo_Employee.SetMaxLength(5);
    mskNo_Employee.SetPromptChar('_');
    for (forms::Control* control : Controls()) {
        if (dynamic_cast<forms::Label*>(control) != nullptr || dynamic_cast<forms::CheckBox*>(control) != nullptr) {
            control->SetBackColor(kLightGrey);
        }
    }
}

// The field with the focus is light yellow; whatever else the field does
// when it loses the focus still runs.
void EarlyForm941Screen::PaintFocus() {
    auto paint = [](forms::Control& field, long leftColour) {
        field.GotFocus = [&field] { field.SetBackColor(kLightYellow); };
        field.LostFocus = [&field, leftColour, then = field.LostFocus] {
            field.SetBackColor(leftColour);
            if (then) then();
        };
    };
    for (const char* name : kPaintedBoxes) paint(Named(name), kLightGrey);
    for (const char* name : kPaintedAmounts) paint(Named(name), kWindowColour);
}

void EarlyForm941Screen::AdaptToPeriod(const std::string& code) {
    txtQtr_Yr.SetText(code);
    if (const char* caption = EmployeeCountCaption(code)) Label4.SetCaption(caption);
}

void EarlyForm941Screen::Form_Load() {
    LoadRowOfPeriod("Form 941 - Data Entry");
    Check4.SetBackColor(kLightGrey);
}
