#pragma once
#include "common/PaidPreparerRecord.h"
#include "platform/basic/RuntimeError.h"
#include "platform/files/RecordFile.h"
#include "platform/forms/Forms.h"

#include <cstdint>
#include <optional>

// The paid preparer's details, kept once in record 1 of PdPreparer.DAT in
// the current folder. Shown over the employer screen from its menu; Save and
// Close write the record.
class frmPaidPreparer : public forms::Form {
public:
    frmPaidPreparer();

    forms::Label Label1{*this, "Label1"};
    forms::MaskedField txtFirmName{*this, "txtFirmName"};
    forms::Label Label2{*this, "Label2"};
    forms::MaskedField txtFirmAddress{*this, "txtFirmAddress"};
    forms::Label Label3{*this, "Label3"};
    forms::MaskedField txtFirmEIN{*this, "txtFirmEIN"};
    forms::Label Label4{*this, "Label4"};
    forms::MaskedField txtFirmCity{*this, "txtFirmCity"};
    forms::MaskedField txtFirmState{*this, "txtFirmState"};
    forms::Label Label5{*this, "Label5"};
    forms::MaskedField txtFirmZip{*this, "txtFirmZip"};
    forms::Label Label6{*this, "Label6"};
    forms::MaskedField txtFirmPhone{*this, "txtFirmPhone"};
    forms::Label Label7{*this, "Label7"};
    forms::MaskedField txtFirmPTIN{*this, "txtFirmPTIN"};
    forms::Label Label8{*this, "Label8"};
    forms::MaskedField txtFirmSelfEmployed{*this, "txtFirmSelfEmployed"};
    forms::Label Label9{*this, "Label9"};
    forms::MaskedField txtFirmPreparerName{*this, "txtFirmPreparerName"};
    forms::CommandButton Command2{*this, "Command2"};
    forms::CommandButton Command3{*this, "Command3"};

    void Form_Load() override;
    void Form_Unload(int& Cancel) override;

    // Reads record CurrentRecord into the fields and shows the record count
    // in the caption. A file the load could not open (and said so) is read
    // if it can be, else the fields stay blank without a second message.
    void ShowCurrentRecord();
    // Writes the fields as record CurrentRecord. A file that cannot be
    // opened or written is reported; false then, and the typed values stay.
    bool SaveCurrentRecord();

private:
    void Command2_Click();
    void Command3_Click();

    // Opens PdPreparer.DAT for reading and writing (created when missing);
    // reports and returns false when it cannot.
    bool OpenPreparerFile();
    void ReportFileError(const std::string& action, const basic::RuntimeError& error) const;

    PaidPreparerRecord PreparerRecord;
    // The open file (the system's file number); empty when it could not be opened.
    std::optional<files::RecordFile> PreparerFile;
    std::int32_t RecordLength = kPaidPreparerRecordLength;
    std::int32_t CurrentRecord = 1;
    std::int32_t LastRecord = 1;
};
