#pragma once
#include <array>
#include <optional>

// The return screens' working copy of their lines, kept by internal line slot
// (52 slots, 0 to 51). The line handlers store a field's value into its slot
// and sum dependent lines from the slots; a slot nothing has stored into
// counts as 0 in every sum.
class LineAmtSlots {
public:
    static constexpr int kSlots = 52;

    // The slot's value; 0 when nothing has been stored. A slot outside 0..51
    // raises run-time error 9, as an array index out of range does.
    double operator[](int slot) const;
    void Set(int slot, double value);
    bool IsSet(int slot) const;

    // What Add does: slots 1 to 51 hold 0; slot 0 keeps what it held.
    void ZeroSlots1To51();
    // Every slot back to holding nothing.
    void Clear();

private:
    static void CheckSlot(int slot);
    std::array<std::optional<double>, kSlots> slots_{};
};
