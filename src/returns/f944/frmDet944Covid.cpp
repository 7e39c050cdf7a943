// The Form 944 screen's part in the frame: what its load adapts (nothing for
// "622"), what Add opens, the Enter chain, and LineAmt as the shown row has it.

#include "returns/f944/frmDet944Covid.h"

#include "returns/f944/Form944Slots.h"

#include <initializer_list>

using namespace slot944;

frmDet944Covid::frmDet944Covid() : ReturnScreen("frmDet944Covid") {
    SetCaption("Form 944 - Data Entry");
    LayOutLines();
    BindLines();
    BuildEnterKeyChain();
    DMWin2.PrintRequest = [this] { DMWin2_PrintRequest(); };
}

void frmDet944Covid::BuildEnterKeyChain() {
    ChainTaxLines();
    ChainPayments();
    ChainMonths();
    ChainPart3();
}

// The annual return's period selects no caption and retires no line; the
// lines the form reserves say so in their captions from the start.
void frmDet944Covid::AdaptToPeriod(const std::string& /*code*/) {}

std::vector<forms::Control*> frmDet944Covid::FieldsAddEnables() {
    return {&Check2,    &fpLine2,  &fpLine3,  &fpLine6A, &fpLine6c,  &fpLine7A,  &fpLine9A,
            &fpLine5d1, &fpLine12, &fpLine14, &fpLine17A, &fpLine17B, &fpLine17C};
}

void frmDet944Covid::LoadLineAmtFromFields() {
    struct SlotSource {
        int slot;
        std::initializer_list<const forms::CurrencyField*> fields;
    };
    // clang-format off
    const SlotSource sources[] = {
        {Line1,                {&fpLine2}},
        {Line2,                {&fpLine3}},
        {Wages4a,              {&fpLine6A}},
        {Tax4a,                {&fpLine6B}},
        {Tips4b,               {&fpLine6c}},
        {Tax4b,                {&fpLine6D}},
        {Wages4c,              {&fpLine7A}},
        {Tax4c,                {&fpLine7B}},
        {Tax4ai,               {&fpL5a1c2}},
        {Tax4aii,              {&fpL5a2c2}},
        {Wages4d,              {&fpLine5d1}},
        {Tax4d,                {&fpLine5D2}},
        {Total4e,              {&fpLine8}},
        {Line6,                {&fpLine9A}},
        {Adjustments,          {&fpLine9A}},
        {Line5PlusAdjustments, {&fpLine11}},
        {Line7,                {&fpLine11}},
        {Credit8a,             {&fpLine11a}},
        {Credit8b,             {&fpLine11b}},
        {Credits8cTo8e,        {&fpLine11c, &fpCurrency18, &fpCurrency19}},
        {Total8g,              {&fpLine11d}},
        {Line9,                {&fpLine12}},
        {Deposits10a,          {&fpLine13a}},
        {Credit10f,            {&fpLine13b}},
        {Credit10g,            {&fpLine13c}},
        {Credit10d,            {&fpLine13d}},
        {Reserved10e,          {&fpLine13e}},
        {Total10h,             {&fpLine13f}},
        {Reserved10i,          {&fpLine14}},
        {YearTotal,            {&fpLine17D}},
    };
    // clang-format on
    for (const SlotSource& source : sources) {
        double sum = 0;
        for (const forms::CurrencyField* field : source.fields) sum += field->Value();
        LineAmt.Set(source.slot, sum);
    }
    const std::array<forms::CurrencyField*, 12> months = MonthFields();
    for (int month = 1; month <= 12; ++month) LineAmt.Set(MonthSlot(month), months[month - 1]->Value());
}
