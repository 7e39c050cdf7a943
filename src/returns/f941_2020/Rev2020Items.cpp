#include "returns/f941_2020/Rev2020Items.h"

#include "common/ReturnItems.h"
#include "common/ReturnPrintout.h"
#include "common/ReturnScreen.h"
#include "common/TextShapes.h"
#include "platform/basic/Strings.h"
#include "returns/f941/Det941Layout.h"
#include "returns/f941_2020/Rev2020Layout.h"

using basic::Left;
using namespace item2020;

void Rev2020Items::BlankThen(const std::string& text) {
    run_.StoreItemText(" ");
    run_.StoreItemText(text);
}

void Rev2020Items::Page1Item(short fieldNo) {
    switch (fieldNo) {
    case QuarterBox:
        run_.StoreItemText(" ");
        live_.StoreQuarterBoxTop();
        run_.StoreItemText("X");
        break;
    case Line5f: BlankThen(live_.Amount(Line5f)); break;
    default: live_.Page1Item(fieldNo); break;
    }
}

void Rev2020Items::Page2Item(short fieldNo) { live_.Page2Item(fieldNo); }

void Rev2020Items::Page3Item(short fieldNo) {
    if (fieldNo == HeaderName || fieldNo == HeaderEin) return live_.Page2Item(fieldNo);
    if (StoreLineAmount(run_, screen_, fieldNo)) return;
    switch (fieldNo) {
    case Line17Box:
    case Line18aBox: BlankThen(live_.Box(fieldNo)); break;
    case Line24:
    case Line25:
        // Lines 24 and 25 were for the second quarter of 2020 only.
        run_.StoreItemText(Left(PeriodCode(), 3) == "121" ? " " : live_.Amount(fieldNo));
        break;
    default: SignatureItem(fieldNo); break;
    }
}

// Items 50 to 70: a blank first, then the designee's, signer's and paid
// preparer's texts as every printout shapes them; the preparer's only when
// Part 6 is printed, the title of the signer alone.
void Rev2020Items::SignatureItem(short fieldNo) {
    if (fieldNo == SignerTitle) {
        StoreSignatureItem(run_, employer_, fieldNo, FirmZipText);
        return;
    }
    run_.StoreItemText(" ");
    if (fieldNo < DesigneeYes) return;
    const bool preparer = run_.Part6Choice == "Yes";
    if (fieldNo == SelfEmployedBox) {
        if (preparer && run_.Preparer.FirmSelfEmployed == "Y") run_.StoreItemText("X");
        return;
    }
    if (fieldNo >= FirmName && fieldNo <= PreparerPtin && !preparer) return;
    StoreSignatureItem(run_, employer_, fieldNo, FirmZipText);
}

void Rev2020Items::VoucherItem(short fieldNo) { live_.VoucherItem(fieldNo); }

void Rev2020Items::TracedPage1Item(short fieldNo) {
    if (fieldNo == itemEarly941::RefundBox) return live_.StoreBox(Line15RefundBox);
    Page1Item(fieldNo);
}

void Rev2020Items::TracedPage2Item(short fieldNo) {
    if (fieldNo <= Line16SemiweeklyBox) return Page2Item(fieldNo);
    if (fieldNo == itemEarly941::SeasonalBox) return BlankThen(live_.Box(Line18aBox));
    Page3Item(fieldNo);
}
