#pragma once
// The layout tables of the 2020 revision's printouts, built afresh for the
// period of the row being printed (a few rows stand elsewhere on one
// quarter's form).
#include "common/PrintLayout.h"

#include <string>

// The print run's table, rows 0 to 110 (1 to 103 filled).
FieldLayout Rev2020FieldLayout(const std::string& periodCode);
// The traced run's table, rows 0 to 80.
FieldLayout Rev2020TracedFieldLayout(const std::string& periodCode);
