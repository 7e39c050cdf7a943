#include "common/LineAmt.h"

#include "platform/basic/RuntimeError.h"

void LineAmtSlots::CheckSlot(int slot) {
    if (slot < 0 || slot >= kSlots) basic::Raise(basic::errSubscriptOutOfRange, "LineAmt");
}

double LineAmtSlots::operator[](int slot) const {
    CheckSlot(slot);
    return slots_[slot].value_or(0.0);
}

void LineAmtSlots::Set(int slot, double value) {
    CheckSlot(slot);
    slots_[slot] = value;
}

bool LineAmtSlots::IsSet(int slot) const {
    CheckSlot(slot);
    return slots_[slot].has_value();
}

void LineAmtSlots::ZeroSlots1To51() {
    for (int slot = 1; slot < kSlots; ++slot) slots_[slot] = 0.0;
}

void LineAmtSlots::Clear() { slots_.fill(std::nullopt); }
