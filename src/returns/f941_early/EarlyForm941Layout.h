#pragma once
// The layout tables of the earlier Form 941 printouts: frmDet941's table
// (returns/f941/Det941Layout.h) is the base; the twin's design replaces some
// of its rows, and a few more rows move for certain period codes.
#include "returns/f941/Det941Layout.h"

#include <span>
#include <string>

// Rows that stand elsewhere when the screen was loaded for `periodCode`.
struct PeriodLayoutRule {
    const char* periodCode;
    std::span<const LayoutRow> rows;
};

struct EarlyForm941PrintDesign {
    std::span<const LayoutRow> otherRows;
    std::span<const PeriodLayoutRule> periodRules;
};

// The layout for a screen of this design loaded for `periodCode` (its
// txtQtr_Yr, compared exactly).
FieldLayout EarlyForm941FieldLayout(const EarlyForm941PrintDesign& design, const std::string& periodCode);
