#pragma once
// What the Form 944 printout asks and how it titles its documents.
#include "common/ReturnPrintout.h"

extern const ReturnPrintoutPlan kForm944PrintoutPlan;
