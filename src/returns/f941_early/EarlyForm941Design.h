#pragma once
// What sets the two Form 941 screens of the revisions before 2020 apart. Both
// have the same controls under the same names, bound to the same columns;
// frmDet941's design is the base, and each screen's design lists where it
// differs: places, captions, hidden controls, tab order, and the lines that
// stand between line 10 and the deposits.
#include "returns/f941_early/EarlyForm941Layout.h"

#include <span>

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

struct EarlyForm941Design {
    long clientHeight;
    // Places and captions that differ from frmDet941's.
    std::span<const ControlPlace> movedControls;
    std::span<const CaptionText> otherCaptions;
    // The controls the screen keeps hidden, and those also disabled.
    std::span<const char* const> hidden;
    std::span<const char* const> disabled;
    // Every control but the labels, from tab index 0 on.
    std::span<const char* const> tabOrder;
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

// The base: frmDet941's own places and captions.
extern const std::span<const ControlPlace> kDet941Places;
extern const std::span<const CaptionText> kDet941Captions;
