// The employer the screen shows, as it last read it from the file. Another
// copy of the program may restore a backup or import last year's employers,
// which puts another employer under the number shown; every action on that
// number (Edit, Delete, a period button, an Edit's Save) acts only while the
// employer stored under it is the one shown, known by its key.

#include "employers/frmEmployersDE.h"

#include "common/EmployerNumberSql.h"
#include "platform/basic/RuntimeError.h"
#include "platform/data/Errors.h"
#include "platform/forms/Bound.h"

frmEmployersDE::ShownEmployer frmEmployersDE::ShownEmployerOf(data::Recordset& employers) {
    auto column = [&](const char* name) { return forms::BoundValueText(employers.Fields(name).Value()); };
    return {employers.Fields("EmployerNo").Value(), column("IdType"), column("Pyr_Taxid"), column("TypePayer")};
}

std::optional<frmEmployersDE::ShownEmployer> frmEmployersDE::ShownEmployerRow() {
    data::RecordsetPtr employers = datEmployers.Recordset();
    if (!employers || !employers->IsOpen()) return std::nullopt;
    switch (employers->EditMode()) {
    case data::dbEditAdd: return std::nullopt;
    // A Save that failed has put what was typed into the row's fields.
    case data::dbEditInProgress: return editStart_;
    default: break;
    }
    if (employers->Eof() || employers->Bof()) return std::nullopt;
    try {
        // Browsing, the row holds what the last move, Save or Edit read.
        return ShownEmployerOf(*employers);
    } catch (const basic::RuntimeError&) {
        return std::nullopt; // the row this screen deleted
    }
}

EmployerStanding frmEmployersDE::StandingOfShown(const ShownEmployer& shown) {
    const std::optional<std::string> number = EmployerNumberSql(shown.number);
    // A number that is none names no other employer either: the row's own
    // identity decides.
    if (!number) return EmployerStanding::Same;
    return StandingOfEmployer(*datEmployers.Database(), number, shown.Key());
}

// Nothing is written, so a folder this user may only read lets the returns
// be looked at: no transaction holds the check and the row's read together.
// The row read afresh is checked again instead, since it is the employer the
// return screens receive.
bool frmEmployersDE::ShownEmployerStands(const char* title) {
    data::RecordsetPtr employers = datEmployers.Recordset();
    const std::optional<ShownEmployer> shown = ShownEmployerRow();
    if (!employers || !shown) return true;
    EmployerStanding standing = EmployerStanding::Same;
    try {
        standing = StandingOfShownRow(*employers, *shown);
    } catch (const basic::RuntimeError& error) {
        // Unread, the employer cannot be handed over as the one shown.
        forms::MsgBox(ErrorReport(error), forms::vbOKOnly + forms::vbExclamation, title);
        return false;
    }
    if (standing == EmployerStanding::Same) return true;
    RefuseForEmployer(standing, *shown, title);
    return false;
}

// Numbers are unique: the row read afresh still holding the number and the
// key shown is the employer under that number, so one read tells. Only a row
// gone or renumbered asks what is stored under the number.
EmployerStanding frmEmployersDE::StandingOfShownRow(data::Recordset& employers, const ShownEmployer& shown) {
    if (employers.EditMode() != data::dbEditNone) return StandingOfShown(shown);
    try {
        employers.SetBookmark(employers.Bookmark());
    } catch (const basic::RuntimeError& error) {
        if (error.Number() != data::errInvalidBookmark && error.Number() != data::errRecordDeleted) throw;
        // The same number holds the same employer in another row: the row
        // itself is gone, as its bookmark says.
        const EmployerStanding standing = StandingOfShown(shown);
        return standing == EmployerStanding::Same ? EmployerStanding::Gone : standing;
    }
    const ShownEmployer now = ShownEmployerOf(employers);
    EmployerStanding standing = EmployerStanding::Same;
    if (now.number != shown.number) standing = StandingOfShown(shown);
    if (standing == EmployerStanding::Same && now.Key() != shown.Key()) standing = EmployerStanding::Replaced;
    return standing;
}

void frmEmployersDE::RefuseForEmployer(EmployerStanding standing, const ShownEmployer& shown, const char* title) {
    forms::MsgBox(EmployerRefusal(standing), forms::vbOKOnly + forms::vbExclamation, title);
    data::RecordsetPtr employers = datEmployers.Recordset();
    if (!employers || employers->EditMode() != data::dbEditNone) return;
    if (standing == EmployerStanding::Gone) return StandAfterGoneEmployer(*employers, false);
    StandOnEmployerNumbered(shown.number);
}

void frmEmployersDE::StandOnEmployerNumbered(const data::Value& number) {
    data::RecordsetPtr employers = datEmployers.Recordset();
    if (const std::optional<std::string> sql = EmployerNumberSql(number)) {
        try {
            employers->FindFirst("EmployerNo = " + *sql);
            if (!employers->NoMatch()) return ShowCommandState(CommandState::Browsing);
        } catch (const basic::RuntimeError&) {
            // Searched as the file stands now; nothing found.
        }
    }
    StandAfterGoneEmployer(*employers, false);
}
