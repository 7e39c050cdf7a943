#pragma once
// The layout table of the Form 941 printout: 116 rows (FieldNo 0 to 115), of
// which 1 to 112 place the items of pages 1 to 3 and of the 941-V voucher.
#include "common/PrintLayout.h"

inline constexpr int kForm941LayoutRows = 116;

const FieldLayout& Form941FieldLayout();
