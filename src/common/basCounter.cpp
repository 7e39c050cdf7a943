#include "common/basCounter.h"

#include "common/DatabasePaths.h"
#include "platform/basic/Rnd.h"
#include "platform/basic/RuntimeError.h"
#include "platform/basic/WholeNumbers.h"
#include "platform/data/Engine.h"
#include "platform/data/Errors.h"
#include "platform/files/ProgramFolder.h"
#include "platform/forms/Application.h"
#include "platform/forms/Dialogs.h"
#include "platform/forms/Form.h"
#include "platform/forms/TextField.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <thread>

namespace {

bool IsLockConflict(int number) {
    return number == data::errRecordLocked || number == data::errTableLocked || number == data::errReservedLockConflict;
}

// Waits in real time while letting the program's own events run, so the
// window stays alive; the time grows with the retry so that two copies
// drawing at once drift apart.
void WaitBeforeRetry(int retry) {
    forms::App().DoEvents();
    data::Idle(data::dbFreeLocks);
    const auto until =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(CounterRetryWaitMs(basic::Rnd(), retry));
    while (std::chrono::steady_clock::now() < until) {
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
        forms::App().DoEvents();
    }
}

std::int64_t WholeNumberOf(const data::Value& value) {
    if (const auto* whole = std::get_if<std::int64_t>(&value)) return *whole;
    if (const auto* real = std::get_if<double>(&value)) return static_cast<std::int64_t>(*real);
    if (data::IsNull(value)) basic::Raise(basic::errInvalidUseOfNull, "basCounter");
    basic::Raise(basic::errTypeMismatch, "basCounter");
}

// Lets go of the row and the database whatever state the draw stopped in: a
// pending edit is cancelled and its lock released by the close.
void Release(data::RecordsetPtr& counter, data::DatabasePtr& idDatabase) {
    try {
        if (counter) counter->Close();
        if (idDatabase) idDatabase->Close();
    } catch (const basic::RuntimeError&) {
        // Closing an already broken connection has nothing left to release.
    }
    counter.reset();
    idDatabase.reset();
}

} // namespace

long CounterRetryWaitMs(double uniform, int retry) {
    const long base = static_cast<long>(basic::Int(uniform * 20 + 5));
    return base * retry * retry;
}

long GetNextCounter(const std::string& counterTable, data::Database* within) {
    const std::string idPath = files::AppPath() + "\\db1099_ID.mdb";
    data::DatabasePtr idDatabase;
    data::RecordsetPtr counter;
    long drawn = -1;

    // The draw, one statement a step: after a lock conflict the step that met
    // it runs again, not the whole draw.
    const std::array<std::function<void()>, 5> steps{
        [&] {
            if (!within) idDatabase = data::OpenDatabase(idPath);
        },
        [&] {
            counter =
                within ? within->OpenRecordset("SELECT * FROM " + counterTable + " IN '" + InClausePath(idPath) + "'",
                                               data::dbOpenDynaset)
                       : idDatabase->OpenRecordset(counterTable, data::dbOpenTable);
        },
        [&] { counter->MoveFirst(); },
        [&] {
            counter->Edit();
            const std::int64_t next = WholeNumberOf(counter->Fields("NextCounter").Value());
            if (next >= std::numeric_limits<std::int32_t>::max() || next < std::numeric_limits<std::int32_t>::min())
                basic::Raise(basic::errOverflow, "basCounter");
            counter->Fields("NextCounter") = data::Value{next + 1};
            drawn = static_cast<long>(next);
        },
        [&] { counter->Update(); },
    };

    int retries = 0;
    std::size_t step = 0;
    while (step < steps.size()) {
        try {
            steps[step]();
            ++step;
        } catch (const basic::RuntimeError& error) {
            // The failure undid the transaction the number was to be drawn
            // in (a full disk): its owner reports it and ends.
            if (within && !within->InTransaction()) {
                Release(counter, idDatabase);
                throw;
            }
            if (IsLockConflict(error.Number())) {
                ++retries;
                if (retries > kCounterMaxRetries) {
                    Release(counter, idDatabase);
                    return -1;
                }
                WaitBeforeRetry(retries);
                continue;
            }
            forms::MsgBox("Error " + std::to_string(error.Number()) + ": " + error.Description(), forms::vbOKOnly,
                          "ctrGetNextCounter");
            Release(counter, idDatabase);
            return -1;
        }
    }
    Release(counter, idDatabase);
    return drawn;
}

void SayCounterNotAvailable() {
    forms::MsgBox("Can't Add Record; Counter Not Available", forms::vbOKOnly, "Error Saving Record");
}

bool AssignNextNumber(forms::Form& screen, const std::string& counterTable, const std::string& controlName,
                      data::Database* within) {
    const long number = GetNextCounter(counterTable, within);
    if (number == -1) {
        SayCounterNotAvailable();
        return false;
    }
    auto* field = dynamic_cast<forms::TextField*>(screen.ControlByName(controlName));
    if (!field) {
        // No control of that name on the screen: the caller named it wrongly.
        const std::string text = basic::DescriptionOf(424);
        forms::MsgBox("Error 424: " + (text.empty() ? std::string("Object required") : text), forms::vbOKOnly,
                      "ctrAssignID");
        return false;
    }
    field->SetText(std::to_string(number));
    return true;
}

namespace {

// The counter's last value that can still be handed out: the draw stores
// the number after it, which must stay a long integer.
constexpr std::int64_t kHighestCounter = 2147483646;

constexpr const char* kNumberedTables[] = {"Employers", "DET941", "Det944"};

[[noreturn]] void RefuseCounter() {
    data::RaiseEngineError(data::errUnrecognizedFormat, "DAO.Database", "Employers_ID");
}

// The counter's value as a whole number; one below 1, which is raised in any
// case, as 0.
std::int64_t CounterNumber(const data::Value& value) {
    if (const auto* whole = std::get_if<std::int64_t>(&value)) {
        if (*whole > kHighestCounter) RefuseCounter();
        return std::max<std::int64_t>(*whole, 0);
    }
    const auto* real = std::get_if<double>(&value);
    if (!real || !std::isfinite(*real) || std::trunc(*real) != *real || *real > kHighestCounter) RefuseCounter();
    return static_cast<std::int64_t>(std::max(*real, 0.0));
}

// The highest employer number any row holds, 0 when there is none. The
// copy has let in only whole numbers as keys. A table the file does not
// have holds none (the import leaves Det944 as it finds it, if at all).
std::int64_t HighestNumberInUse(data::Database& current) {
    std::int64_t highest = 0;
    for (const char* table : kNumberedTables) {
        if (!current.HasTable(table)) continue;
        const data::Value value = current.HighestValue(table, "EmployerNo");
        if (const auto* whole = std::get_if<std::int64_t>(&value)) highest = std::max(highest, *whole);
        else if (const auto* real = std::get_if<double>(&value))
            highest = std::max(highest, static_cast<std::int64_t>(std::min<double>(std::ceil(*real), kHighestCounter)));
    }
    return highest;
}

} // namespace

void KeepCounterAboveNumbersInUse(data::Database& current, const std::string& idDatabase) {
    auto counter = current.OpenRecordset("SELECT * FROM Employers_ID IN '" + idDatabase + "'", data::dbOpenDynaset);
    if (counter->Eof()) RefuseCounter();
    const std::int64_t next = CounterNumber(counter->Fields("NextCounter").Value());
    const std::int64_t highest = HighestNumberInUse(current);
    if (highest >= kHighestCounter) RefuseCounter();
    const std::int64_t lowestFree = highest + 1;
    if (next < lowestFree) {
        counter->Edit();
        counter->Fields("NextCounter") = data::Value{lowestFree};
        counter->Update();
    }
    counter->Close();
}
