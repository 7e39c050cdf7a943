#pragma once
// The layout table of the Form 941 screen's traced print procedure: 81 rows
// (FieldNo 0 to 80), the print run's rows with the traced procedure's own
// positions for some of them.
#include "common/PrintLayout.h"

inline constexpr int kForm941TracedLayoutRows = 81;

const FieldLayout& Form941TracedFieldLayout();
