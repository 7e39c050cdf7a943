#include "common/ReturnLine.h"

#include "platform/forms/Bound.h"
#include "platform/forms/Control.h"
#include "platform/forms/CurrencyField.h"
#include "platform/forms/SimpleControls.h"

#include <algorithm>
#include <stdexcept>
#include <string>

double LineFormula::Value() const {
    std::vector<double> amounts;
    amounts.reserve(inputs.size());
    for (const forms::CurrencyField* input : inputs) amounts.push_back(input->Value());
    return value(amounts);
}

void LayOutLineFields(LineTable lines,
                      const std::function<void(forms::Control&, int, long, long, long, long)>& onPage) {
    for (const ReturnLine& line : lines) {
        const long top = line.place.top == kTopOfRow ? LineTop(line.place.row) : line.place.top;
        onPage(*line.field, line.place.page, line.place.left, top, line.place.width, line.place.height);
        if (line.tab == Tab::Skip) line.field->SetTabStop(false);
        for (const LineLabel& label : line.labels) {
            label.label->SetCaption(label.text);
            onPage(*label.label, line.place.page, label.left, label.top == kTopOfRow ? LineTop(line.place.row) : label.top,
                   label.width, label.height);
        }
    }
}

void BindLineColumns(LineTable lines, const char* dataControl) {
    for (const ReturnLine& line : lines) {
        if (line.column == nullptr) continue;
        auto* bound = dynamic_cast<forms::Bound*>(line.field);
        if (bound == nullptr) throw std::logic_error(line.field->Name() + " cannot be bound to " + line.column);
        bound->SetDataSource(dataControl);
        bound->SetDataField(line.column);
    }
}

std::vector<int> OrderLineTabs(LineTable lines, int firstTabIndex, int pages) {
    std::vector<int> lastOfPage(pages, 0);
    int tabIndex = firstTabIndex;
    for (const ReturnLine& line : lines) {
        line.field->SetTabIndex(tabIndex);
        if (line.place.page != kOnForm) {
            lastOfPage.at(line.place.page) = std::max(lastOfPage.at(line.place.page), tabIndex);
        }
        tabIndex += 2;
    }
    return lastOfPage;
}

void ChainLines(LineTable lines, EnterKeyChain& chain) {
    for (const ReturnLine& line : lines) {
        chain.Add(
            {line.field, line.recompute.onEnter, line.recompute.onLeave, line.next, line.trigger, line.leavingMovesTo});
    }
}

std::vector<forms::Control*> LineFieldsWith(LineTable lines, std::initializer_list<Entry> entries) {
    std::vector<forms::Control*> fields;
    for (const ReturnLine& line : lines) {
        if (std::find(entries.begin(), entries.end(), line.entry) != entries.end()) fields.push_back(line.field);
    }
    return fields;
}

const ReturnLine* LineOfPrintItem(LineTable lines, short fieldNo, PrintWhen when) {
    for (const ReturnLine& line : lines) {
        if (line.printItem.item == fieldNo && line.printItem.when == when && fieldNo != kNoPrintItem) return &line;
    }
    return nullptr;
}

const ReturnLine* LineOfItem(LineTable lines, short fieldNo) {
    if (fieldNo == kNoPrintItem) return nullptr;
    for (const ReturnLine& line : lines) {
        if (line.printItem.item == fieldNo) return &line;
    }
    return nullptr;
}
