#pragma once
// What the Form 941 printout asks and how it titles its documents.
#include "common/ReturnPrintout.h"

extern const ReturnPrintoutPlan kForm941PrintoutPlan;
