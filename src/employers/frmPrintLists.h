#pragma once
#include "platform/basic/Clock.h"
#include "platform/basic/RuntimeError.h"
#include "platform/data/DataControl.h"
#include "platform/forms/Forms.h"
#include "platform/printing/DMWin.h"

#include <cstdint>
#include <string>

// The printed listing of every employer, six to a page, opened over the
// employer screen by its Print List button; that screen's Close stays
// disabled until this one goes.
class frmPrintLists : public forms::Form {
public:
    frmPrintLists();

    printing::DMWin DMWin1{*this, "DMWin1"};
    forms::CommandButton Command3{*this, "Command3"};
    data::DataControl Data1{*this, "Data1"};
    forms::TextBox Text1{*this, "Text1"};
    forms::CommonDialog CommonDialog1{*this, "CommonDialog1"};

    void Form_Load() override;
    void Form_Unload(int& Cancel) override;

private:
    void DMWin1_PrintRequest();
    void Command3_Click();

    // The parts of one printout.
    void StartPrintPage(bool fullHeading);
    void PrintAt(double left, double top, const printing::StoreValue& text);
    void StoreItemText(printing::StoreValue text);
    void PrintEmployerBand(data::Recordset& employer);
    void ReportPrintError(const basic::RuntimeError& error, data::Recordset* employer);

    // Kept for the length of one printout.
    basic::DateTime ListDate;
    std::int16_t PageNo = 0;
    std::int16_t ListSlot = 0;
    std::int16_t EmployerCount = 0;
    std::string TaxIdText;
    int ItemNo = 0;
};
