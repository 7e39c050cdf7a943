#include "returns/f941_early/EarlyForm941Layout.h"

FieldLayout EarlyForm941FieldLayout(const EarlyForm941PrintDesign& design, const std::string& periodCode) {
    FieldLayout layout = Det941FieldLayout();
    layout.Replace(design.otherRows);
    for (const PeriodLayoutRule& rule : design.periodRules) {
        if (periodCode == rule.periodCode) layout.Replace(rule.rows);
    }
    return layout;
}
