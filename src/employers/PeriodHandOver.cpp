#include "employers/PeriodHandOver.h"

#include "common/ReturnScreen.h"
#include "employers/frmEmployersDE.h"
#include "platform/basic/RuntimeError.h"
#include "platform/data/Recordset.h"

#include <optional>

ReturnScreen* HandOverPeriod(frmEmployersDE& employers, const PeriodHandOver& handOver,
                             const std::function<ReturnScreen&()>& screen) {
    if (!employers.ShownEmployerStands(handOver.title)) return nullptr;
    std::optional<std::string> employerNo = employers.StoredEmployerNo();
    if (!employerNo) {
        forms::MsgBox(handOver.noStoredEmployer, forms::vbExclamation, handOver.title);
        return nullptr;
    }

    employers.txtQtr_Yr.SetText(handOver.code);
    if (handOver.beforeOpening) handOver.beforeOpening();
    ReturnScreen& returns = screen();
    returns.Show();
    employers.Hide();

    returns.datDollars.SetRecordSource("SELECT * FROM [DET941] WHERE [EmployerNo] = " + *employerNo +
                                       " AND [Qtr_Yr] = '" + handOver.code + "'");
    // Without its rows, or with another employer's, the screen is of no use.
    auto goBack = [&]() -> ReturnScreen* {
        returns.Unload();
        employers.Show();
        return nullptr;
    };
    try {
        if (!returns.OpenRowsOfShownEmployer(handOver.title)) return goBack();
    } catch (const basic::RuntimeError& error) {
        forms::MsgBox("The return rows could not be opened. Error number " + std::to_string(error.Number()) + ": " +
                          error.Description(),
                      forms::vbExclamation, handOver.title);
        return goBack();
    }

    if (returns.datDollars.Recordset()->RecordCount() != 0) {
        returns.RememberLines();
        return nullptr;
    }
    return &returns;
}
