#pragma once

namespace forms {
class Control;
}

// What a return screen's record commands leave enabled: the five record
// buttons and the data control's arrows, after each step of its life; and
// whether the fields bound to the data control take typing (only while an
// addition or an edit is pending).
enum class RecordStep {
    Load,                  // the screen was loaded
    NoRowFound,            // the Form 941 hand-over found no row for the period
    AddOfferedAndAccepted, // the Form 944 hand-over found no row and the user chose to add one
    Add,
    AddUntilSaved, // an addition that only Save ends (Close waits for it)
    AddRefused,    // the engine cancelled the addition (3426)
    Edit,
    EditKeepingButtons, // an edit that leaves Delete and Close as they were (the earlier Form 944)
    EditFoundNoRow,     // Edit with no current row (3021)
    Save,               // either answer
    DeleteKeptRow,      // a row is still current after the delete
    DeleteLeftNoRow,    // the delete left the recordset empty (3021)
    RowsWithheld,       // no rows shown (unread, another employer's or none's): only Close
};

struct RecordButtons {
    forms::Control& cmdAddNew;
    forms::Control& cmdEditRecord;
    forms::Control& cmdSaveRecord;
    forms::Control& cmdDeleteRecord;
    forms::Control& cmdClose;
    forms::Control& datDollars;
};

void ApplyRecordButtonStates(const RecordButtons& buttons, RecordStep step);
