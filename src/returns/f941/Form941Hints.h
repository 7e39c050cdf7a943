#pragma once
// The hints every Form 941 screen shows when the pointer rests on a field:
// the same fields, under the same names, on each revision's screen.
#include "common/ReturnScreen.h"

#include <span>

std::span<const NamedText> Form941FieldHints();
