#pragma once
// One row per field of a return screen: every fact about a line that the
// screen, its Enter chain, its computed lines and its printout need. A screen
// declares its controls as members and its lines as one table of ReturnLine;
// the layout, the column binding, the tab order, the Enter chain, the
// formulas and the printout's amount items are all derived from that table.

#include "common/EnterKeyChain.h"

#include <functional>
#include <initializer_list>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace forms {
class Control;
class CurrencyField;
class Label;
} // namespace forms

// The top of a line's row on a return screen's page, in twips.
constexpr long LineTop(int row) { return 800 + 270 * row; }
// The columns of a return screen's page, in twips from its left edge.
inline constexpr long kLabelLeft = 120; // the line captions
inline constexpr long kColumn1 = 4300;  // typed wages and tips of the tax lines
inline constexpr long kRateLeft = 5950; // the rate captions
inline constexpr long kColumn2 = 9000;  // computed taxes and every right-hand amount
// The width and height of an amount field.
inline constexpr long kAmountWidth = 1600;
inline constexpr long kFieldHeight = 285;

// A screen without a pager puts its fields on the form itself.
inline constexpr int kOnForm = -1;
// The top follows from the row.
inline constexpr long kTopOfRow = -1;

// Where the field stands on the pager: its page, its row, its left edge; or,
// on a screen without a pager, its own place in twips.
struct LinePlace {
    int page = 0;
    int row = 0;
    long left = 0;
    long width = kAmountWidth;
    long top = kTopOfRow;
    long height = kFieldHeight;
};

// A field's place on a screen without a pager: left, top, width, height.
constexpr LinePlace OnForm(long left, long top, long width, long height) {
    return {kOnForm, 0, left, width, top, height};
}

// Whether Tab stops at the field (the screen computes the ones it skips).
enum class Tab { Stop, Skip };

// What the record commands do with the field: Add opens the entry fields;
// a period opened without a row keeps some of them closed until Add.
enum class Entry { Untouched, OpenedByAdd, ClosedUntilAdd };

// A computed line: the fields it is computed from, and its value over their
// amounts, given in the inputs' order. The value reads no field itself, so
// that the inputs are all that the line follows.
struct LineFormula {
    std::vector<const forms::CurrencyField*> inputs;
    std::function<double(std::span<const double> amounts)> value;
    // A seed (line 2 filling the taxable wages): the line follows its one
    // input only while it holds what that input held before the change, or
    // nothing (0), so that a figure the user set apart stands.
    bool seed = false;
    explicit operator bool() const { return static_cast<bool>(value); }
    // The value over the inputs' current amounts.
    double Value() const;
};

// What the field does besides the screen's recomputing when Enter is pressed
// in it and when it loses the focus (either may be empty; the computed lines
// are already up to date when they run), and the formula of a computed line.
struct LineRecompute {
    std::function<void()> onEnter;
    std::function<void()> onLeave;
    LineFormula formula = {};
};

// A formula's code over its inputs' amounts: it captures nothing, so it can
// read no field but its inputs. (LineArithmetic.h has the common formulas.)
using AmountsFormula = double (*)(std::span<const double> amounts);

// A computed line's row: its inputs and its formula over their amounts.
inline LineRecompute Computed(std::vector<const forms::CurrencyField*> inputs, AmountsFormula value) {
    return {{}, {}, LineFormula{std::move(inputs), value}};
}

// A seeded line's row: the line its value follows, and that value over the
// line's amount.
inline LineRecompute SeededBy(const forms::CurrencyField& source, AmountsFormula value) {
    return {{}, {}, LineFormula{{&source}, value, true}};
}

// When the printout prints the field's amount: always, or on the monthly
// schedule only; or by the printout's own rule for that item (a box's mark,
// a count, an amount under its own condition), which reaches the field
// through its row.
enum class PrintWhen { Always, MonthlySchedule, ByItemRule };

inline constexpr short kNoPrintItem = 0;

// The printout item (FieldNo, named by the form's layout) that prints the
// field, and when.
struct PrintItem {
    constexpr PrintItem(short fieldNo = kNoPrintItem, PrintWhen printWhen = PrintWhen::Always)
        : item(fieldNo), when(printWhen) {}
    short item;
    PrintWhen when;
};

// A label that captions a line: the label, its text, and where it stands on
// the row's page: at `left`, `width` wide, at the row's top unless `top` is
// given (a screen without a pager gives the label's place in twips).
struct LineLabel {
    forms::Label* label;
    std::string text;
    long left = kLabelLeft;
    long width = 0;
    long top = kTopOfRow;
    long height = kFieldHeight;
};
// A line's caption first, then any more labels it has (the rate beside a
// taxed line, a caption's second line).
using LineLabels = std::vector<LineLabel>;

// The short names the screens' line tables are written in.
namespace lineTable {
inline constexpr Tab kStop = Tab::Stop;
inline constexpr Tab kSkip = Tab::Skip;
inline constexpr Entry kKept = Entry::Untouched;
inline constexpr Entry kAdd = Entry::OpenedByAdd;
inline constexpr Entry kClosed = Entry::ClosedUntilAdd;
inline constexpr PrintWhen kByRule = PrintWhen::ByItemRule;       // printed by the items code's own rule
inline constexpr PrintWhen kMonthly = PrintWhen::MonthlySchedule; // printed on the monthly schedule only
inline constexpr EnterKeyChain::Trigger kEnter = EnterKeyChain::Trigger::Enter;
} // namespace lineTable

struct ReturnLine {
    forms::Control* field;
    const char* line;   // the form line it really is ("6", "13i"); "" for a box that is none
    LineLabels labels;  // its caption, placed on its page
    const char* column; // the DET941 column it shows; nullptr: bound to nothing
    LinePlace place;
    Tab tab = Tab::Stop;
    Entry entry = Entry::Untouched;
    PrintItem printItem = {}; // the printout item that prints it
    LineRecompute recompute = {};
    forms::Control* next = nullptr; // where Enter moves; null: the Enter work moves itself
    EnterKeyChain::Trigger trigger = EnterKeyChain::Trigger::Enter;
    forms::Control* leavingMovesTo = nullptr; // where leaving the field also moves
};

using LineTable = std::span<const ReturnLine>;

// The derivations; ReturnScreen::UseLines runs the first four.
// Places each field on its page (left, top, width, height) and sets whether
// Tab stops at it; captions and places each row's labels on the row's page.
void LayOutLineFields(LineTable lines, const std::function<void(forms::Control&, int, long, long, long, long)>& onPage);
// Binds each field with a column to it, through the data control named.
void BindLineColumns(LineTable lines, const char* dataControl);
// Gives the fields their tab order, the table's order; returns each page's
// highest tab index so that the page's buttons can follow its last field
// (fields on the form itself count for no page).
std::vector<int> OrderLineTabs(LineTable lines, int firstTabIndex, int pages);
// Adds a chain link for each field: every field left or entered brings the
// computed lines up to date first.
void ChainLines(LineTable lines, EnterKeyChain& chain);
// The fields the record commands open or close.
std::vector<forms::Control*> LineFieldsWith(LineTable lines, std::initializer_list<Entry> entries);
// The row whose amount the printout's item fieldNo prints `when`; null when none.
const ReturnLine* LineOfPrintItem(LineTable lines, short fieldNo, PrintWhen when = PrintWhen::Always);
// The row that names the printout's item fieldNo, however it prints; null when none.
const ReturnLine* LineOfItem(LineTable lines, short fieldNo);
