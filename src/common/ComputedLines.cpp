#include "common/ComputedLines.h"

#include "common/LineArithmetic.h"
#include "platform/forms/CurrencyField.h"

#include <algorithm>
#include <set>
#include <stdexcept>

namespace {

const forms::CurrencyField* AmountOf(const ReturnLine& line) {
    return dynamic_cast<const forms::CurrencyField*>(line.field);
}

forms::CurrencyField& ComputedField(const ReturnLine& line) {
    auto* field = dynamic_cast<forms::CurrencyField*>(line.field);
    if (field == nullptr) throw std::logic_error(line.field->Name() + " is computed but holds no amount");
    return *field;
}

} // namespace

void ComputedLines::Use(LineTable lines) {
    order_.clear();
    tracked_.clear();
    std::vector<const ReturnLine*> waiting;
    std::set<const forms::Control*> computed;
    for (const ReturnLine& line : lines) {
        if (const forms::CurrencyField* amount = AmountOf(line)) tracked_.push_back(amount);
        if (line.recompute.formula) {
            ComputedField(line);
            waiting.push_back(&line);
            computed.insert(line.field);
        }
        for (const forms::CurrencyField* input : line.recompute.formula.inputs) {
            if (std::find(tracked_.begin(), tracked_.end(), input) == tracked_.end()) tracked_.push_back(input);
        }
    }
    // Each round places the lines whose computed inputs are all placed.
    std::set<const forms::Control*> placed;
    while (!waiting.empty()) {
        auto ready = std::stable_partition(waiting.begin(), waiting.end(), [&](const ReturnLine* line) {
            return std::all_of(line->recompute.formula.inputs.begin(), line->recompute.formula.inputs.end(),
                               [&](const forms::CurrencyField* input) {
                                   return !computed.contains(input) || placed.contains(input);
                               });
        });
        if (ready == waiting.begin()) {
            throw std::logic_error((*ready)->field->Name() + " is computed from itself");
        }
        for (auto it = waiting.begin(); it != ready; ++it) {
            order_.push_back(*it);
            placed.insert((*it)->field);
        }
        waiting.erase(waiting.begin(), ready);
    }
}

void ComputedLines::Remember() {
    for (const ReturnLine* line : order_) {
        if (line->column == nullptr) WriteAmount(ComputedField(*line), line->recompute.formula.Value());
    }
    remembered_.clear();
    for (const forms::CurrencyField* field : tracked_) remembered_[field] = field->Value();
}

double ComputedLines::RememberedValue(const forms::CurrencyField& field) const {
    auto seen = remembered_.find(&field);
    return seen == remembered_.end() ? 0 : seen->second;
}

void ComputedLines::Recompute() {
    std::set<const forms::CurrencyField*> changed;
    for (const forms::CurrencyField* field : tracked_) {
        auto seen = remembered_.find(field);
        if (seen == remembered_.end() || seen->second != field->Value()) changed.insert(field);
    }
    for (const ReturnLine* line : order_) {
        const auto& inputs = line->recompute.formula.inputs;
        const bool inputChanged =
            std::any_of(inputs.begin(), inputs.end(), [&](const forms::CurrencyField* in) { return changed.contains(in); });
        if (!inputChanged) continue;
        forms::CurrencyField& field = ComputedField(*line);
        const double before = field.Value();
        if (line->recompute.formula.seed && before != 0 && before != RememberedValue(*inputs.front())) continue;
        const double now = line->recompute.formula.Value();
        WriteAmount(field, now);
        if (now != before) changed.insert(&field);
    }
    for (const forms::CurrencyField* field : tracked_) remembered_[field] = field->Value();
}
