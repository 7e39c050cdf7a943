#include "returns/f941_2020/Rev2020Items.h"

#include "common/ControlReads.h"
#include "common/ReturnItems.h"
#include "common/ReturnPrintout.h"
#include "common/ReturnScreen.h"
#include "common/TextShapes.h"
#include "platform/basic/Strings.h"

using basic::Left;

void Rev2020Items::BlankThen(const std::string& text) {
    run_.StoreItemText(" ");
    run_.StoreItemText(text);
}

void Rev2020Items::Page1Item(short fieldNo) {
    switch (fieldNo) {
    case 8:
        run_.StoreItemText(" ");
        live_.StoreQuarterBoxTop();
        run_.StoreItemText("X");
        break;
    case 27: BlankThen(live_.Amount("fpLine5f")); break;
    default: live_.Page1Item(fieldNo); break;
    }
}

void Rev2020Items::Page2Item(short fieldNo) {
    if (fieldNo == 103) return run_.StoreItemText(CheckMark(CheckValueOf(screen_, "Check4")));
    live_.Page2Item(fieldNo);
}

void Rev2020Items::Page3Item(short fieldNo) {
    if (fieldNo == 40 || fieldNo == 41) return live_.Page2Item(fieldNo);
    if (StoreLineAmount(run_, screen_, fieldNo)) return;
    switch (fieldNo) {
    case 81: BlankThen(CheckMark(CheckValueOf(screen_, "Check8"))); break;
    case 83: BlankThen(CheckMark(CheckValueOf(screen_, "Check1"))); break;
    case 89:
    case 90: {
        // Lines 24 and 25 were for the second quarter of 2020 only.
        const char* field = fieldNo == 89 ? "fpLine24" : "fpLine25";
        run_.StoreItemText(Left(PeriodCode(), 3) == "121" ? " " : live_.Amount(field));
        break;
    }
    default: SignatureItem(fieldNo); break;
    }
}

// Items 50 to 70: a blank first, then the designee's, signer's and paid
// preparer's texts as every printout shapes them; the preparer's only when
// Part 6 is printed, the title of the signer alone.
void Rev2020Items::SignatureItem(short fieldNo) {
    if (fieldNo == 58) {
        StoreSignatureItem(run_, employer_, fieldNo, FirmZipText);
        return;
    }
    run_.StoreItemText(" ");
    if (fieldNo < 53) return;
    const bool preparer = run_.Part6Choice == "Yes";
    if (fieldNo == 69) {
        if (preparer && run_.Preparer.FirmSelfEmployed == "Y") run_.StoreItemText("X");
        return;
    }
    if (fieldNo >= 61 && fieldNo <= 68 && !preparer) return;
    StoreSignatureItem(run_, employer_, fieldNo, FirmZipText);
}

void Rev2020Items::VoucherItem(short fieldNo) { live_.VoucherItem(fieldNo); }

void Rev2020Items::TracedPage1Item(short fieldNo) {
    if (fieldNo == 36) return run_.StoreItemText(CheckMark(CheckValueOf(screen_, "Check4")));
    Page1Item(fieldNo);
}

void Rev2020Items::TracedPage2Item(short fieldNo) {
    if (fieldNo <= 49) return Page2Item(fieldNo);
    if (fieldNo == 52) return BlankThen(CheckMark(CheckValueOf(screen_, "Check1")));
    Page3Item(fieldNo);
}
