#pragma once
// The layout table of the Form 944 printout: 126 rows (FieldNo 0 to 125), of
// which 1 to 120 place the items of pages 1 to 3 and of the 944-V voucher.
#include "common/PrintLayout.h"

inline constexpr int kForm944LayoutRows = 126;

const FieldLayout& Form944FieldLayout();
