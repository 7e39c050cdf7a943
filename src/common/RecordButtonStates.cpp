#include "common/RecordButtonStates.h"

#include "platform/forms/Control.h"

#include <array>

namespace {

enum State : char { Off = 0, On = 1, Kept = 2 };

struct Row {
    RecordStep after;
    State add, edit, save, del, close, dat;
};

// clang-format off
constexpr std::array<Row, 12> kStates{{
    //  after                               Add   Edit  Save  Delete Close  datDollars
    {RecordStep::Load,                    Off,  On,   Off,  On,    On,    On  },
    {RecordStep::NoRowFound,              On,   Off,  Off,  Off,   On,    Off },
    {RecordStep::AddOfferedAndAccepted,   Kept, Off,  On,   Off,   On,    Off },
    {RecordStep::Add,                     Off,  Off,  On,   Off,   On,    Off },
    {RecordStep::AddUntilSaved,           Off,  Off,  On,   Off,   Off,   Off },
    {RecordStep::AddRefused,              On,   On,   Off,  On,    On,    On  },
    {RecordStep::Edit,                    Off,  Off,  On,   Off,   Off,   Off },
    {RecordStep::EditKeepingButtons,      Kept, Off,  On,   Kept,  Kept,  Off },
    {RecordStep::EditFoundNoRow,          Kept, Off,  Off,  Off,   Kept,  Kept},
    {RecordStep::Save,                    Off,  On,   Off,  On,    On,    On  },
    {RecordStep::DeleteKeptRow,           On,   On,   Off,  On,    On,    Kept},
    {RecordStep::DeleteLeftNoRow,         On,   Off,  Off,  Off,   On,    Off },
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
        return;
    }
}
