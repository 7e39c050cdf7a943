#pragma once
// Where the earlier Form 944 printout puts each item: rows 1 to 34 (page 1),
// 40 to 78 (page 2) and 81 to 90 (the 944-V voucher) of its layout table.
#include "common/PrintLayout.h"

FieldLayout EarlyForm944FieldLayout();
