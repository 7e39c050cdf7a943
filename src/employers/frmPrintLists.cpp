#include "employers/frmPrintLists.h"

#include "common/PrintoutFileNames.h"
#include "employers/EmployerListingItems.h"
#include "platform/basic/RuntimeError.h"
#include "platform/basic/ScopeExit.h"
#include "platform/data/Errors.h"
#include "platform/files/ProgramFolder.h"

namespace {

using printing::Property;

// The rows in the order the heading promises.
const std::string kEmployersByName = "SELECT * FROM [Employers] ORDER BY [EmployerName1]";
const std::string kListingTitle = "E M P L O Y E R    L I S T I N G";
constexpr long kBorderWidth = 120;
constexpr long kTitleAndBorderHeight = 405;

} // namespace

frmPrintLists::frmPrintLists() : Form("frmPrintLists") {
    SetCaption("Print Employers Listing");
    SetWidth(4680 + kBorderWidth);
    SetHeight(3855 + kTitleAndBorderHeight);

    DMWin1.SetCaption("Employers");
    DMWin1.Move(1200, 840, 2295, 495);
    DMWin1.SetToolTipText("Print a listing of all Employers on file");
    DMWin1.SetTabIndex(0);
    Command3.SetCaption("&Close");
    Command3.Move(1200, 1920, 2295, 495);
    Command3.SetToolTipText("Close this screen and return to the Employers' screen");
    Command3.SetTabIndex(1);

    Data1.SetConnect("Access");
    Data1.SetCaption("Data1");
    Data1.SetRecordSource(kEmployersByName);
    Text1.SetDataSource("Data1");
    Text1.SetDataField("EmployerNo");

    DMWin1.PrintRequest = [this] { DMWin1_PrintRequest(); };
    Command3.Click = [this] { Command3_Click(); };
}

void frmPrintLists::Form_Load() { Data1.SetDatabaseName(files::AppPath() + "\\tv941.mdb"); }

// Close and the window's close box alike give the employer screen its Close
// back.
void frmPrintLists::Form_Unload(int& /*Cancel*/) {
    // Never loads the employer screen again: the program's unload-all may
    // have unloaded it first.
    forms::Form* employers = forms::App().LoadedForm("frmEmployersDE");
    if (!employers) return;
    employers->Show();
    if (forms::Control* close = employers->ControlByName("cmdClose")) close->SetEnabled(true);
}

void frmPrintLists::Command3_Click() { Unload(); }

void frmPrintLists::DMWin1_PrintRequest() {
    ListDate = basic::Today();
    PageNo = 0;
    ListSlot = 0;
    EmployerCount = 0;
    ItemNo = 0;
    forms::App().SetMousePointer(forms::vbHourglass);
    // Put back on every way out, an error exit included.
    const basic::ScopeExit pointerBack([] { forms::App().SetMousePointer(forms::vbDefault); });

    data::RecordsetPtr rows;
    try {
        DMWin1.Store(Property::DocumentTitle, "Print Employers' Listing");
        DMWin1.Store(Property::StartDoc, true);
        DMWin1.Engine().NameFile(ListingPrintoutFileName(ListDate));
        DMWin1.Store(Property::PageCaption, "Page " + std::to_string(PageNo));
        DMWin1.Store(Property::PageNote, "");
        DMWin1.Store(Property::PageWidth, 8.5);
        DMWin1.Store(Property::PageHeight, 11.0);
        DMWin1.Store(Property::PageLandscape, false);
        DMWin1.Store(Property::PageResolution, 300);

        // Fresh rows for every printout, so employers added meanwhile are listed.
        Data1.Refresh();
        rows = Data1.Recordset();
        bool anyEmployer = true;
        try {
            rows->MoveFirst();
        } catch (const basic::RuntimeError& e) {
            if (e.Number() != data::errNoCurrentRecord) throw;
            anyEmployer = false; // no employer on file: the heading and a total of 0
        }

        try {
            const data::HeldRead oneRead(*rows);
            while (anyEmployer && !rows->Eof()) {
                if (ListSlot == 0) StartPrintPage(true);
                PrintEmployerBand(*rows);
                ++EmployerCount;
                if (++ListSlot == kEmployersPerPage) ListSlot = 0;
                rows->MoveNext();
            }
        } catch (const basic::RuntimeError& e) {
            // The rows ran out under the walk (another user deleted some).
            if (e.Number() != data::errNoCurrentRecord) throw;
            try {
                rows->MoveLast();
            } catch (const basic::RuntimeError&) {
                // none left at all: the total is printed all the same
            }
            forms::MsgBox("Moved past the last Employer, Ready to print.", forms::vbOKOnly);
        }

        if (ListSlot == 0) StartPrintPage(false);
        DMWin1.Store(Property::TextLeft, 0.5);
        DMWin1.Store(Property::TextTop, 1.6 + kListingBandHeight * ListSlot);
        DMWin1.Store(Property::ItemText, "*** Total Number of Employers = " + std::to_string(EmployerCount));
        DMWin1.Store(Property::PrintText, true);

        try {
            rows->MoveFirst();
        } catch (const basic::RuntimeError& e) {
            if (e.Number() != data::errNoCurrentRecord) throw;
        }

        DMWin1.Store(Property::FinishCode, 33);
        DMWin1.Store(Property::FinishSwitch, true);
        DMWin1.Store(Property::FinishLevel, 95);
        DMWin1.Store(Property::EndDoc, true);
    } catch (const basic::RuntimeError& e) {
        ReportPrintError(e, rows.get());
    }
}

// A page of the listing; the page that only carries the total after a full
// page gets the short heading.
void frmPrintLists::StartPrintPage(bool fullHeading) {
    ++PageNo;
    DMWin1.Store(Property::PageCaption, "Page " + std::to_string(PageNo));
    DMWin1.Store(Property::NewPage, true);
    DMWin1.Store(Property::PageTemplate, files::AppPath() + "\\W2_2UP98.TFL");
    DMWin1.Store(Property::PagePicture, "");
    DMWin1.Store(Property::ShowPicture, true);
    DMWin1.Store(Property::PrintPicture, true);
    DMWin1.Store(Property::FontName, "Courier New");
    DMWin1.Store(Property::FontSize, 12);
    DMWin1.Store(Property::FontCode, 5);
    DMWin1.Store(Property::FontBold, false);
    DMWin1.Store(Property::FontItalic, false);
    DMWin1.Store(Property::FontOption, 0);
    DMWin1.Store(Property::TextFlag, true);
    DMWin1.Store(Property::TextHeight, 0);
    DMWin1.Store(Property::TextWidth, 3.5);

    PrintAt(0.5, 0.6, printing::Date{ListDate});
    PrintAt(2.7, 0.6, kListingTitle);
    if (fullHeading) {
        PrintAt(7.4, 0.6, "Pg: " + std::to_string(PageNo));
        PrintAt(3.2, 0.8, "In  Alphabetical  Order");
    } else {
        PrintAt(7.5, 0.6, "Pg:" + std::to_string(PageNo));
    }
}

void frmPrintLists::PrintAt(double left, double top, const printing::StoreValue& text) {
    DMWin1.Store(Property::TextLeft, left);
    DMWin1.Store(Property::TextTop, top);
    StoreItemText(text);
    DMWin1.Store(Property::PrintText, true);
}

// A column without a value cannot be printed: the item prints blank and the
// listing goes on.
void frmPrintLists::StoreItemText(printing::StoreValue text) {
    try {
        DMWin1.Store(Property::ItemText, std::move(text));
    } catch (const basic::RuntimeError& e) {
        if (e.Number() != basic::errTypeMismatch) throw;
        DMWin1.Store(Property::ItemText, " ");
    }
}

void frmPrintLists::PrintEmployerBand(data::Recordset& employer) {
    const auto& layout = ListLayout();
    for (ItemNo = 1; ItemNo <= kListingItemCount; ++ItemNo) {
        const ListPosition& at = layout[static_cast<std::size_t>(ItemNo - 1)];
        DMWin1.Store(Property::TextLeft, at.X);
        DMWin1.Store(Property::TextTop, at.Y + kListingBandHeight * ListSlot);
        StoreItemText(ListingItemText(ItemNo, employer, TaxIdText));
        DMWin1.Store(Property::PrintText, true);
    }
}

void frmPrintLists::ReportPrintError(const basic::RuntimeError& error, data::Recordset* employer) {
    std::string employerNo;
    try {
        if (employer) employerNo = data::ToText(employer->Fields("EmployerNo").Value());
    } catch (const basic::RuntimeError&) {
        // no current row to name
    }
    forms::MsgBox("For Employer No " + employerNo + " Error # " + std::to_string(error.Number()) + " " +
                      error.Description() + " at " + error.Source() + " Case = " + std::to_string(ItemNo),
                  forms::vbOKOnly);
}
