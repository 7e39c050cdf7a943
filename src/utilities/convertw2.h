#pragma once
#include "platform/data/DataControl.h"
#include "platform/forms/Forms.h"

#include <string>

namespace basic {
class RuntimeError;
}

// The DOS conversion: each employer of the DOS program's dBASE III table
// Mmrpayer on drive A: becomes a new Employers row with a number drawn from
// the counter. The employee tables are only shown.
class convertw2 : public forms::Form {
public:
    convertw2();

    forms::Label Label1{*this, "Label1"};
    forms::CommandButton cmdConvert{*this, "cmdConvert"};
    forms::CommandButton cmdClose{*this, "cmdClose"};

    data::DataControl Data1{*this, "Data1"};
    data::DataControl Data2{*this, "Data2"};
    data::DataControl Data3{*this, "Data3"};
    data::DataControl Data4{*this, "Data4"};

    // The DOS employer row (Data1).
    forms::TextBox Text1{*this, "Text1"}, Text2{*this, "Text2"}, Text3{*this, "Text3"}, Text4{*this, "Text4"},
        Text5{*this, "Text5"}, Text6{*this, "Text6"}, Text7{*this, "Text7"}, Text8{*this, "Text8"},
        Text9{*this, "Text9"}, Text10{*this, "Text10"}, Text11{*this, "Text11"}, Text12{*this, "Text12"};
    // The Employers row being added (Data3).
    forms::TextBox txtEmployerNo{*this, "txtEmployerNo"}, Text101{*this, "Text101"}, Text102{*this, "Text102"},
        Text103{*this, "Text103"}, Text104{*this, "Text104"}, Text105{*this, "Text105"}, Text106{*this, "Text106"},
        Text107{*this, "Text107"}, Text108{*this, "Text108"}, Text109{*this, "Text109"}, Text110{*this, "Text110"},
        Text111{*this, "Text111"}, Text112{*this, "Text112"}, Text113{*this, "Text113"}, Text114{*this, "Text114"};
    forms::TextBox newEmployerNo{*this, "newEmployerNo"};
    // The DOS employee row (Data2), shown only.
    forms::TextBox Text201{*this, "Text201"}, Text202{*this, "Text202"}, Text203{*this, "Text203"},
        Text204{*this, "Text204"}, Text205{*this, "Text205"}, Text206{*this, "Text206"}, Text207{*this, "Text207"},
        Text208{*this, "Text208"}, Text209{*this, "Text209"}, Text210{*this, "Text210"}, Text211{*this, "Text211"},
        Text212{*this, "Text212"}, Text213{*this, "Text213"}, Text214{*this, "Text214"}, Text215{*this, "Text215"},
        Text216{*this, "Text216"}, Text217{*this, "Text217"}, Text218{*this, "Text218"}, Text219{*this, "Text219"},
        Text430{*this, "Text430"}, Text431{*this, "Text431"}, Text432{*this, "Text432"};
    // The Employees row (Data4), shown only.
    forms::TextBox Text401{*this, "Text401"}, Text402{*this, "Text402"}, Text403{*this, "Text403"},
        Text404{*this, "Text404"}, Text405{*this, "Text405"}, Text407{*this, "Text407"}, Text408{*this, "Text408"},
        Text409{*this, "Text409"}, Text410{*this, "Text410"}, Text411{*this, "Text411"}, Text412{*this, "Text412"},
        Text413{*this, "Text413"}, Text414{*this, "Text414"}, Text415{*this, "Text415"}, Text416{*this, "Text416"},
        Text417{*this, "Text417"}, Text418{*this, "Text418"}, Text419{*this, "Text419"}, Text420{*this, "Text420"},
        Text421{*this, "Text421"}, txtEmployeeNo{*this, "txtEmployeeNo"}, Text422{*this, "Text422"},
        Text423{*this, "Text423"}, Text424{*this, "Text424"}, Text425{*this, "Text425"}, Text426{*this, "Text426"};
    forms::CheckBox Check1{*this, "Check1"};

    void Form_Load() override;
    void Form_QueryUnload(int& Cancel, int UnloadMode) override;

private:
    void cmdConvert_Click();
    void cmdClose_Click();

    // The outcome of one DOS row.
    enum class RowResult { Converted, Skipped, NoNumber };
    // Converts the DOS rows from the current one to the end; gives how many
    // became employers. Each row's failure is reported and the next goes on.
    long long ConvertRows(data::Recordset& dos);
    RowResult ConvertRow();
    void FillFromDosRow();
    void ReportRowError(const basic::RuntimeError& error);
    // The DOS row's employer is stored already.
    void SayRecordExists();
};
