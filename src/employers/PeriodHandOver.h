#pragma once
// The hand-over from the employer screen to a return screen, the same for
// every period button: record the period code, show the return screen over
// the employer's one DET941 row of that period, and say which way it went.
#include <functional>

class frmEmployersDE;
class ReturnScreen;

struct PeriodHandOver {
    const char* code;                         // the period code written into txtQtr_Yr ("122", "622")
    const char* title;                        // the title of the hand-over's message boxes
    const char* noStoredEmployer;             // said when the employer screen stands on no stored employer
    std::function<void()> beforeOpening = {}; // runs once the code is recorded, before the screen shows
};

// Opens the return screen that `screen` gives (loaded as it is first asked
// for) and remembers its lines when the row exists. Returns the screen when
// it stands on no row, so the caller can offer to start one; null when the row
// was found or nothing was opened.
ReturnScreen* HandOverPeriod(frmEmployersDE& employers, const PeriodHandOver& handOver,
                             const std::function<ReturnScreen&()>& screen);
