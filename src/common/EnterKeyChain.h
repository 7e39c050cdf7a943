#pragma once
#include <functional>
#include <vector>

namespace forms {
class Control;
}

// The order in which Enter walks a return screen's fields, with what each
// field does besides the screen's recomputing. Enter in a field brings the
// computed lines up to date, runs its Enter work and then moves the focus to
// the field's next control; the move makes the field lose the focus, which
// brings the lines up to date again and runs its leaving work. A move to a
// control that cannot take the focus (a line the period retired) goes on
// along this chain to the first control that can.
class EnterKeyChain {
public:
    enum class Trigger {
        Enter,  // key code 13 only; other keys reach the field untouched
        AnyKey, // every key moves on (a computed total that is only passed through)
    };

    struct Link {
        forms::Control* field;
        std::function<void()> onEnter; // before the move; may be empty
        std::function<void()> onLeave; // whenever the field loses the focus; may be empty
        forms::Control* next;          // where Enter moves; null: the Enter work moves itself
        Trigger trigger = Trigger::Enter;
        forms::Control* leavingMovesTo = nullptr; // a field that also moves on when left
    };

    // Adds a link and wires the field's KeyPress and LostFocus events.
    void Add(Link link);
    // What runs before a field's own Enter or leaving work: the screen's
    // recomputing of the lines that follow from what was typed.
    void SetRecomputing(std::function<void()> recompute) { recompute_ = std::move(recompute); }
    // A target that depends on the period, settled at load.
    void SetNext(forms::Control& field, forms::Control* next);
    forms::Control* NextOf(const forms::Control& field) const;

    // Moves the focus to `target`, or on along the chain when it cannot take it.
    void MoveTo(forms::Control& target) const;
    // The control a move to `target` lands on.
    forms::Control* Settle(forms::Control& target) const;

private:
    const Link* Find(const forms::Control& field) const;
    void KeyPressed(const forms::Control& field, int keyAscii) const;
    void Left(const forms::Control& field) const;

    std::vector<Link> links_;
    std::function<void()> recompute_;
};
