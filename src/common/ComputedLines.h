#pragma once
// Keeps a return screen's computed lines equal to their formulas, whatever
// order the user fills the lines in. The screen remembers its lines' values
// when a pending change starts (Add, Edit, a row opened); each later
// recompute compares every line with what was remembered and rewrites, in
// dependency order, each computed line one of whose inputs changed, directly
// or through another computed line. A computed line the user typed over keeps
// the typed value until one of its inputs changes; a seeded line keeps it
// even then, unless it held what its input held before the change, or 0.

#include "common/ReturnLine.h"

#include <map>
#include <vector>

namespace forms {
class CurrencyField;
}

class ComputedLines {
public:
    // Takes the table's formulas; a formula that depends on itself, directly
    // or through others, is a fault in the table.
    void Use(LineTable lines);

    // The lines as they stand now are what later changes are measured
    // against. Hidden lines bound to no column (working totals never shown
    // nor stored) are computed first, for no stored row holds them.
    void Remember();
    // Rewrites what the changes since the last Remember or Recompute call
    // for.
    void Recompute();

private:
    // What the field held at the last Remember or Recompute call; 0 when unknown.
    double RememberedValue(const forms::CurrencyField& field) const;

    std::vector<const ReturnLine*> order_; // the computed lines, each after its inputs
    std::vector<const forms::CurrencyField*> tracked_;
    std::map<const forms::CurrencyField*, double> remembered_;
};
