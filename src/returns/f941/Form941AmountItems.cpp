// The items that print one line field's amount and nothing else, on all
// three pages: the print items of the screen's line table.
#include "returns/f941/Form941Items.h"

#include "common/ReturnScreen.h"
#include "platform/forms/Control.h"

bool Form941Items::PrintsAmountTable(short fieldNo) {
    const ReturnLine* line = LineOfPrintItem(screen_.Lines(), fieldNo);
    if (!line) return false;
    run_.StoreItemText(Amount(line->field->Name().c_str(), line->field->Index()));
    return true;
}
