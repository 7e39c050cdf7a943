#pragma once
// The layout tables of the 2020 revision's printouts, built afresh for the
// period of the row being printed (a few rows stand elsewhere on one
// quarter's form).
#include "common/PrintLayout.h"
#include "returns/f941/Form941Layout.h"

#include <string>

// The items of the 2020 revision's printout where it prints other lines than
// the Form 941 printout under the same numbers (its page 2 ends with 13e to
// 13g); the rest it prints as that one does, under its names. Name these
// three as item2020::Line13e and so on: the Form 941 printout's lines 13e
// to 13g have numbers of their own.
namespace item2020 {
using namespace item941;
// clang-format off
enum Item : short {
    Line13e = 97, // 13e, total deposits, deferrals and refundable credits
    Line13f = 98, // 13f, advances received
    Line13g = 99, // 13g, 13e less the advances
};
// clang-format on
} // namespace item2020

// The print run's table, rows 0 to 110 (1 to 103 filled).
FieldLayout Rev2020FieldLayout(const std::string& periodCode);
// The traced run's table, rows 0 to 80.
FieldLayout Rev2020TracedFieldLayout(const std::string& periodCode);
