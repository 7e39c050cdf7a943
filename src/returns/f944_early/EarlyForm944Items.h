#pragma once
// The texts of the earlier Form 944 printout's items, by FieldNo, from the
// screen's fields as they stand, the employer screen's designee and signer
// boxes, and the run's employer and preparer texts.
#include "common/EmployerHandOver.h"
#include "common/ReturnPrintRun.h"

#include <string>

class frmdet944;

class EarlyForm944Items {
public:
    EarlyForm944Items(const frmdet944& screen, const EmployerHandOver& employer, ReturnPrintRun& run)
        : screen_(screen), employer_(employer), run_(run) {}

    void Page1Item(short fieldNo);   // 1 to 34
    void Page2Item(short fieldNo);   // 40 to 78
    void VoucherItem(short fieldNo); // 81 to 90

private:
    void StoreBox(short item);
    void StoreLiability(short fieldNo);
    void StoreSignatureItem(short fieldNo);

    const frmdet944& screen_;
    const EmployerHandOver& employer_;
    ReturnPrintRun& run_;
};

// The tax id's first nine characters as held, spread over the boxes of page
// 1: 3, 4, 3, 3, 3, 2, 3 and 3 blanks between them, all of them printed even
// for a shorter id.
std::string TaxIdBoxesText(const std::string& taxId);
