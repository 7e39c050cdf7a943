// The names the printouts propose for their files: every return and voucher
// after its employer, form, year and quarter, the earlier screens' as well.
#include <gtest/gtest.h>

#include "print_Folder.h"
#include "returns/f941_2020/frmDet941Covid.h"
#include "returns/f941_early/frmDet941.h"
#include "returns/f944_early/frmdet944.h"

namespace {

class PrintoutFileNames : public Print944Folder {
protected:
    void SetUp() override {
        Print944Folder::SetUp();
        AddEmployer();
    }

    // The file name of the return (or, answered No, the voucher) that the
    // screen loaded for `period` prints.
    template <typename Screen>
    std::string FileNameOf(const std::string& period, std::vector<int> answers) {
        auto& screen = OpenReturn<Screen>(period);
        const auto before = printing::PrintLog::FinishedDocuments().size();
        PrintWith(screen, std::move(answers));
        const auto documents = printing::PrintLog::FinishedDocuments();
        CloseForTheNextCase<Screen>();
        if (documents.size() == before) return "(nothing printed)";
        return documents.back().fileName;
    }
};

TEST_F(PrintoutFileNames, EachReturnAndVoucherIsNamedAfterItsFormYearAndQuarter) {
    using forms::vbNo, forms::vbYes;
    EXPECT_EQ(FileNameOf<frmDet941Covid0621>("122", {vbYes, vbNo}), "ACME TOOL WORKS - Form 941 2022 Q1");
    EXPECT_EQ(FileNameOf<frmDet941Covid0621>("123", {vbNo}), "ACME TOOL WORKS - Form 941-V 2023 Q1");
    EXPECT_EQ(FileNameOf<frmDet941Covid0621>("422", {vbYes, vbNo}), "ACME TOOL WORKS - Form 941 2022 Q4");
    EXPECT_EQ(FileNameOf<frmDet941Covid0621>("422", {vbNo}), "ACME TOOL WORKS - Form 941-V 2022 Q4");
    EXPECT_EQ(FileNameOf<frmDet944Covid>("622", {vbYes, vbNo}), "ACME TOOL WORKS - Form 944 2022");
    EXPECT_EQ(FileNameOf<frmDet944Covid>("622", {vbNo}), "ACME TOOL WORKS - Form 944-V 2022");
    EXPECT_EQ(FileNameOf<frmDet941Covid>("320", {vbYes, vbNo}), "ACME TOOL WORKS - Form 941 2020 Q3");
    EXPECT_EQ(FileNameOf<frmDet941>("219", {vbNo}), "ACME TOOL WORKS - Form 941-V 2019 Q2");
}

// A name of blanks alone is no name: the file is named after the form.
TEST_F(PrintoutFileNames, AnEmployerWhoseNameIsOnlyBlanksNamesTheFileAfterTheFormAlone) {
    Sql(MainPath(), "UPDATE Employers SET EmployerName1 = '   '");
    EXPECT_EQ(FileNameOf<frmDet941Covid0621>("122", {forms::vbYes, forms::vbNo}), "Form 941 2022 Q1");
}

TEST_F(PrintoutFileNames, TheEarlierForm944HasNoPeriodAndNamesItsFilesAfterTheYearOfItsForm) {
    using forms::vbNo, forms::vbYes;
    EXPECT_EQ(FileNameOf<frmdet944>("122", {vbYes, vbYes, vbNo}), "ACME TOOL WORKS - Form 944 2020");
    EXPECT_EQ(FileNameOf<frmdet944>("622", {vbNo}), "ACME TOOL WORKS - Form 944-V 2020");
}

} // namespace
