#pragma once
#include <string>

// The caption of line 1 of a quarterly return, naming the pay period that
// includes the 12th of the quarter's last month: by the period code's first
// character ("1" to "4"); null for any other, where the caption stays as it is.
const char* EmployeeCountCaption(const std::string& periodCode);
