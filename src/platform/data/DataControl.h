#pragma once
// The data control of the forms runtime: a view over the rows of a record
// source (a table name or an SQL text) of one database file, standing on one
// row, with four arrows and the fields bound to its columns.
//
// Usage (a screen's members and load):
//   data::DataControl datEmployers{*this, "datEmployers"};
//   mskEmployerName1.SetDataSource("datEmployers"); mskEmployerName1.SetDataField("EmployerName1");
//   datEmployers.SetDatabaseName(files::AppPath() + "\\tv941.mdb");
//   datEmployers.SetRecordSource("Employers");
//   datEmployers.Refresh();                 // opens the rows, stands on the first
//   datEmployers.Recordset()->AddNew();    // bound fields show the new row
//   datEmployers.Recordset()->Update();    // bound fields' values are written
//
// Bound controls are the controls of the same form whose DataSource names this
// control (found at Refresh), and any bound with Bind(). They show the current
// row after every move, AddNew, Edit, Update and CancelUpdate. A pending
// AddNew or Edit is never written silently: moving away cancels it, and so
// does unloading or destroying the form.
//
// Update writes every bound control into an AddNew, but into an Edit only
// those whose content (BoundContent) differs from what they showed once Edit
// had shown the row, changed by the user or by code: a column nobody touched
// keeps its stored value byte for byte, however the control would have
// written it back (a narrower mask, a number in another shape). A pending
// edit a rollback shows again keeps what it started from, so that the retry
// writes the change the failed Update did not store.

#include "platform/data/Database.h"
#include "platform/data/Recordset.h"
#include "platform/forms/Control.h"

#include <functional>
#include <string>
#include <vector>

namespace data {

class Bindable;

class DataControl : public forms::Control {
public:
    DataControl(forms::Form& owner, std::string name, int index = -1);
    ~DataControl() override;
    std::string Kind() const override { return "Data"; }
    // Like the original control: it opens its rows once its form has loaded
    // (when set up by then) and lets them go, locks and pending change
    // included, when its form unloads.
    void FormLoaded() override;
    void FormUnloading() override;

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    const std::string& DatabaseName() const { return databaseName_; }
    void SetDatabaseName(const std::string& path);
    // "Access" (the default) or "dBASE III;" (DatabaseName is then a folder of
    // .dbf tables, read-only). Other drivers are refused at Refresh (3170).
    const std::string& Connect() const { return connect_; }
    void SetConnect(const std::string& connect);
    const std::string& RecordSource() const { return recordSource_; }
    void SetRecordSource(const std::string& source);
    // Kept for the screens that set it; the database is always opened shared.
    bool Exclusive() const { return exclusive_; }
    void SetExclusive(bool exclusive) { exclusive_ = exclusive; }
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }

    // A screen's own hold on a read of the rows: given the read, it makes it
    // (it may make it inside a transaction of its own, so that a check of its
    // and the read see one moment of the file) or refuses it by not making
    // it: nothing is read then, and the bound fields stay as they were.
    using ReadGuard = std::function<void(const std::function<void()>& read)>;

    // Opens (again) the database and the rows of the record source and stands
    // on the first row; a pending AddNew or Edit is cancelled first. Errors
    // of the engine (a missing file, a missing table) reach the caller.
    void Refresh();
    // The same, the rows opened through `guard` once the database is open.
    void Refresh(const ReadGuard& guard);
    // Lets the rows go without reading any (a pending change is dropped) and
    // shows every bound control empty: the control has no rows until its
    // record source is set and refreshed again.
    void LetRowsGo();
    // The recordset; opened by Refresh, or here on first use when the
    // database name and record source are set. Null when there is none.
    RecordsetPtr Recordset();
    // The open database (null before Refresh).
    DatabasePtr Database() const { return database_; }

    // Binds a control to a column explicitly (besides DataSource/DataField).
    void Bind(Bindable& control, const std::string& column);

    // The four arrows, as a user clicks them. Nothing happens while the
    // control is disabled or has no rows. Next on the last row and Previous on
    // the first stay there. Each move goes through BeforeMove when set.
    enum class Arrow { First, Previous, Next, Last };
    void UserMove(Arrow arrow);
    // The event before an arrow moves (and so reads a row and rewrites the
    // bound fields): its handler makes the move or refuses it.
    ReadGuard BeforeMove;
    // Makes the next AddNew (or another operation) on its recordset fail with
    // 3426, as when an associated object cancels it (tests of the handlers).
    void CancelNext(RecordsetAction action = RecordsetAction::AddNew, int number = 3426);

private:
    struct Binding {
        Bindable* control;
        std::string column;
        std::string contentAtEdit; // what it showed once the last Edit had shown the row
    };
    void Open();
    void CollectFormBindings();
    void ShowCurrentRow();
    void TakeContentAtEdit();
    void WriteBoundValues();
    void OnRecordsetEvent(RecordsetEvent event);
    void CancelIfFormUnloaded();
    void CloseRows();

    std::string caption_;
    std::string databaseName_;
    std::string connect_ = "Access";
    std::string recordSource_;
    bool exclusive_ = false;
    bool readOnly_ = false;
    DatabasePtr database_;
    std::string openedDatabaseName_;
    RecordsetPtr recordset_;
    std::vector<Binding> explicitBindings_;
    std::vector<Binding> bindings_;
    std::vector<std::pair<RecordsetAction, int>> pendingFailures_;
};

} // namespace data
