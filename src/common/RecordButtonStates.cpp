#include "common/RecordButtonStates.h"

#include "platform/forms/Bound.h"
#include "platform/forms/Control.h"
#include "platform/forms/Form.h"

#include <array>

namespace {

enum State : char { Off = 0, On = 1, Kept = 2 };

struct Row {
    RecordStep after;
    State add, edit, save, del, close, dat;
    bool fieldsEditable; // the fields bound to the row
};

// clang-format off
constexpr std::array<Row, 13> kStates{{
    //  after                               Add   Edit  Save  Delete Close  datDollars  bound fields editable
    {RecordStep::Load,                    Off,  On,   Off,  On,    On,    On,         false},
    {RecordStep::NoRowFound,              On,   Off,  Off,  Off,   On,    Off,        false},
    {RecordStep::AddOfferedAndAccepted,   Kept, Off,  On,   Off,   On,    Off,        true },
    {RecordStep::Add,                     Off,  Off,  On,   Off,   On,    Off,        true },
    {RecordStep::AddUntilSaved,           Off,  Off,  On,   Off,   Off,   Off,        true },
    {RecordStep::AddRefused,              On,   On,   Off,  On,    On,    On,         false},
    {RecordStep::Edit,                    Off,  Off,  On,   Off,   Off,   Off,        true },
    {RecordStep::EditKeepingButtons,      Kept, Off,  On,   Kept,  Kept,  Off,        true },
    {RecordStep::EditFoundNoRow,          Kept, Off,  Off,  Off,   Kept,  Kept,       false},
    {RecordStep::Save,                    Off,  On,   Off,  On,    On,    On,         false},
    {RecordStep::DeleteKeptRow,           On,   On,   Off,  On,    On,    Kept,       false},
    {RecordStep::DeleteLeftNoRow,         On,   Off,  Off,  Off,   On,    Off,        false},
    {RecordStep::RowsWithheld,            Off,  Off,  Off,  Off,   On,    Off,        false},
}};
// clang-format on

void Apply(forms::Control& control, State state) {
    if (state != Kept) control.SetEnabled(state == On);
}

} // namespace

void ApplyRecordButtonStates(const RecordButtons& buttons, RecordStep step) {
    for (const Row& row : kStates) {
        if (row.after != step) continue;
        Apply(buttons.cmdAddNew, row.add);
        Apply(buttons.cmdEditRecord, row.edit);
        Apply(buttons.cmdSaveRecord, row.save);
        Apply(buttons.cmdDeleteRecord, row.del);
        Apply(buttons.cmdClose, row.close);
        Apply(buttons.datDollars, row.dat);
        forms::SetBoundControlsReadOnly(buttons.datDollars.Owner(), buttons.datDollars.Name(), !row.fieldsEditable);
        return;
    }
}
