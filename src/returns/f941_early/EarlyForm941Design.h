#pragma once
// What sets the two Form 941 screens of the revisions before 2020 apart. Both
// have the same controls under the same names, bound to the same columns;
// frmDet941's line table is the base, and each screen's design lists where it
// differs: the rows placed, worded or tabbed otherwise, hidden controls, where
// the frame's controls fall in the tab order, and the lines that stand
// between line 10 and the deposits.
#include "returns/f941_early/EarlyForm941Layout.h"

#include "common/ReturnLine.h"

#include <optional>
#include <span>
#include <string>
#include <vector>

// A control's place in twips: left, top, width, height.
struct ControlPlace {
    const char* control;
    long left, top, width, height;
};

// A caption: text, then `dots` full stops, then a tail ("(13)").
struct CaptionText {
    const char* control;
    const char* text;
    int dots = 0;
    const char* tail = "";
};

// A place in twips on a screen without a pager: left, top, width, height.
struct Twips {
    long left, top, width, height;
};

// One of a row's labels where a design has it elsewhere or says it otherwise;
// what it leaves out stays as frmDet941 has it.
struct LabelChange {
    const char* label;
    std::optional<Twips> place = std::nullopt;
    std::optional<std::string> text = std::nullopt;
};

// A row where a design differs from frmDet941: its field's place, the labels
// that differ, and the row it follows in the tab order (null: where frmDet941
// has it).
struct LineChange {
    const char* field;
    std::optional<Twips> place = std::nullopt;
    std::vector<LabelChange> labels = {};
    const char* tabsAfter = nullptr;
};

// A frame control's place in the tab order: after the row of the field named
// (null: before the first row). Those after the same row follow each other.
struct FrameTab {
    const char* control;
    const char* after;
};

struct EarlyForm941Design {
    long clientHeight;
    // The rows that differ from frmDet941's, applied in this order.
    std::span<const LineChange> lineChanges;
    // The controls the screen keeps hidden, and those also disabled.
    std::span<const char* const> hidden;
    std::span<const char* const> disabled;
    // The frame's controls among the rows, which tab in the table's order.
    std::span<const FrameTab> frameTabs;
    // frmDet941 shows line 11 (a credit, `fpLine12a`) and line 12, the total
    // tax (`fpLine11and12a`), between line 10 and the deposits; the earlier
    // twin goes from line 10 straight to the deposits, and its total tax is
    // line 10 (`fpLine11`).
    bool showsCreditAndTotalTax;
    // Said when the months' total falls short of the total tax.
    const char* monthsShortMessage;
    // The printout's rows that differ from frmDet941's.
    EarlyForm941PrintDesign print;
};

// Makes frmDet941's rows the design's: places, labels and tab order.
void ApplyLineChanges(std::vector<ReturnLine>& lines, std::span<const LineChange> changes);

// frmDet941's controls outside its line table: their places and captions.
extern const std::span<const ControlPlace> kDet941Places;
extern const std::span<const CaptionText> kDet941Captions;
