#include "platform/data/DataControl.h"

#include "platform/data/Bindable.h"
#include "platform/data/Engine.h"
#include "platform/files/CaseBlindNames.h"
#include "platform/forms/Bound.h"
#include "platform/forms/Form.h"

namespace data {

DataControl::DataControl(forms::Form& owner, std::string name, int index)
    : forms::Control(owner, std::move(name), index) {
    caption_ = Name();
    SetTabStop(false);
}

DataControl::~DataControl() { CloseRows(); }

void DataControl::FormLoaded() {
    if (!recordset_ && !databaseName_.empty() && !recordSource_.empty()) Refresh();
}

void DataControl::FormUnloading() { CloseRows(); }

void DataControl::SetCaption(const std::string& caption) {
    caption_ = caption;
    Changed("Caption");
}

void DataControl::SetDatabaseName(const std::string& path) { databaseName_ = path; }
void DataControl::SetConnect(const std::string& connect) { connect_ = connect; }
void DataControl::SetRecordSource(const std::string& source) { recordSource_ = source; }

void DataControl::CloseRows() {
    if (recordset_) {
        recordset_->SetObserver(nullptr);
        recordset_->Close(); // a pending change is dropped, never written
        recordset_.reset();
    }
}

void DataControl::Refresh() {
    Refresh([](const std::function<void()>& read) { read(); });
}

void DataControl::Refresh(const ReadGuard& guard) {
    CloseRows();
    if (!database_ || openedDatabaseName_ != databaseName_ || !database_->IsOpen()) {
        database_.reset();
        database_ = OpenDatabase(databaseName_, false, false, connect_);
        openedDatabaseName_ = databaseName_;
    }
    guard([this] { Open(); });
}

void DataControl::Open() {
    if (recordSource_.empty()) RaiseEngineError(errInvalidArgument, "Data control", "no RecordSource");
    recordset_ = database_->OpenRecordset(recordSource_, dbOpenDynaset, readOnly_);
    for (const auto& [action, number] : pendingFailures_) recordset_->FailNext(action, number);
    pendingFailures_.clear();
    CollectFormBindings();
    recordset_->SetObserver([this](RecordsetEvent event) { OnRecordsetEvent(event); });
    ShowCurrentRow();
}

void DataControl::LetRowsGo() {
    CloseRows();
    recordSource_.clear();
    for (const auto& binding : bindings_) binding.control->ShowBoundValue(Null{});
}

RecordsetPtr DataControl::Recordset() {
    CancelIfFormUnloaded();
    if (!recordset_ && !databaseName_.empty() && !recordSource_.empty()) Refresh();
    return recordset_;
}

void DataControl::Bind(Bindable& control, const std::string& column) {
    explicitBindings_.push_back({&control, column, {}});
    if (recordset_) {
        recordset_->Fields(column); // 3265 when the column is not there
        bindings_.push_back({&control, column, {}});
        ShowCurrentRow();
        bindings_.back().contentAtEdit = control.BoundContent();
    }
}

void DataControl::CollectFormBindings() {
    bindings_ = explicitBindings_;
    for (forms::Control* control : Owner().Controls()) {
        auto* bound = dynamic_cast<forms::Bound*>(control);
        if (!bound || bound->DataField().empty() || !files::SameNameCaseBlind(bound->DataSource(), Name())) continue;
        bindings_.push_back({bound, bound->DataField(), {}});
    }
    // A field bound to a column the rows do not have is a fault of the screen.
    for (const auto& binding : bindings_) recordset_->Fields(binding.column);
}

void DataControl::ShowCurrentRow() {
    if (!recordset_) return;
    bool hasRow = recordset_->EditMode() != dbEditNone || (!recordset_->Eof() && !recordset_->Bof());
    for (const auto& binding : bindings_) {
        Value value = Null{};
        if (hasRow) {
            try {
                value = recordset_->Fields(binding.column).Value();
            } catch (const basic::RuntimeError&) {
                value = Null{}; // a deleted row shows empty
            }
        }
        binding.control->ShowBoundValue(value);
    }
}

void DataControl::TakeContentAtEdit() {
    for (auto& binding : bindings_) binding.contentAtEdit = binding.control->BoundContent();
}

void DataControl::WriteBoundValues() {
    if (recordset_->EditMode() == dbEditAdd) {
        for (const auto& binding : bindings_)
            recordset_->Fields(binding.column).SetValue(binding.control->BoundValue());
        return;
    }
    auto changed = [](const Binding& binding) { return binding.control->BoundContent() != binding.contentAtEdit; };
    // What an earlier Update of this edit wrote and failed to store goes
    // first, for a control put back as it was since; then the changes, so
    // that a control changed wins over another bound to the same column.
    for (const auto& binding : bindings_) {
        if (!changed(binding)) recordset_->Fields(binding.column).Revert();
    }
    for (const auto& binding : bindings_) {
        if (changed(binding)) recordset_->Fields(binding.column).SetValue(binding.control->BoundValue());
    }
}

void DataControl::OnRecordsetEvent(RecordsetEvent event) {
    switch (event) {
    case RecordsetEvent::BeforeUpdate: WriteBoundValues(); break;
    case RecordsetEvent::EditStarted:
        ShowCurrentRow();
        TakeContentAtEdit();
        break;
    case RecordsetEvent::CurrentChanged: ShowCurrentRow(); break;
    }
}

void DataControl::CancelIfFormUnloaded() {
    if (recordset_ && !Owner().IsLoaded() && recordset_->IsOpen() && recordset_->EditMode() != dbEditNone) {
        recordset_->CancelUpdate();
    }
}

void DataControl::UserMove(Arrow arrow) {
    if (!Enabled()) return;
    auto rows = Recordset();
    if (!rows) return;
    const std::function<void()> move = [&] {
        if (rows->IsEmpty()) return;
        switch (arrow) {
        case Arrow::First: rows->MoveFirst(); break;
        case Arrow::Last: rows->MoveLast(); break;
        case Arrow::Next:
            if (!rows->Eof()) rows->MoveNext();
            if (rows->Eof()) rows->MoveLast();
            break;
        case Arrow::Previous:
            if (!rows->Bof()) rows->MovePrevious();
            if (rows->Bof()) rows->MoveFirst();
            break;
        }
    };
    if (BeforeMove) BeforeMove(move);
    else move();
}

void DataControl::CancelNext(RecordsetAction action, int number) {
    if (recordset_) recordset_->FailNext(action, number);
    else pendingFailures_.emplace_back(action, number);
}

} // namespace data
