#include "common/CloseWithPendingChange.h"

#include "platform/data/DataControl.h"
#include "platform/forms/Bound.h"
#include "platform/forms/Dialogs.h"

bool MayCloseWithPendingChange(data::DataControl& rows, const std::function<bool()>& saveWithoutAsking) {
    data::RecordsetPtr recordset = rows.Recordset();
    if (!recordset || !recordset->IsOpen() || recordset->EditMode() == data::dbEditNone) return true;
    switch (forms::MsgBox(kCloseSavePrompt, forms::vbYesNoCancel + forms::vbQuestion, kCloseSaveTitle)) {
    case forms::vbYes: return saveWithoutAsking();
    case forms::vbNo:
        recordset->CancelUpdate();
        forms::SetBoundControlsReadOnly(rows.Owner(), rows.Name(), true);
        return true;
    default: return false;
    }
}
