#include "platform/forms/FocusMoves.h"

#include "platform/basic/ScopeExit.h"
#include "platform/forms/Application.h"
#include "platform/forms/Control.h"
#include "platform/forms/Form.h"
#include "platform/forms/Observer.h"
#include "platform/forms/TabControl.h"

#include <algorithm>
#include <vector>

// THE ORDER OF FOCUS EVENTS
//
// Every focus move, whether code asked for it (SetFocus, a form being shown)
// or the user made it (Tab, a click, typing into a field), runs here:
//
//  1. A move requested while a handler runs waits until the outermost handler
//     returns. So Enter in a field runs KeyDown, KeyPress, the field takes the
//     key, and only then does the focus move. Requests for the same form
//     replace each other: the last one wins.
//  2. The target is settled: a control that cannot take the focus (disabled,
//     hidden, no longer there) hands the move on along the form's TabIndex
//     chain to the next tab stop that can. When none can, the focus stays.
//  3. Validate(Cancel) of the control that has the focus. Cancel keeps the
//     focus where it is. A move requested inside Validate replaces the
//     target; a move to the control itself keeps the focus there.
//  4. LostFocus of the control left. A move requested inside LostFocus
//     replaces the target (a monthly check sends the focus back to month 1);
//     a move back to the control just left gives it the focus again.
//     When the user made the move (a click, Tab, Shift+Tab), the user's
//     target stands: Validate may still keep the focus (Cancel, or a move to
//     the control itself), but every other move Validate or LostFocus asks
//     for is dropped. Only code's own moves (the Enter chains) go elsewhere.
//  5. A target on a tab page not in front brings that page to the front;
//     the focus changes; GotFocus of the new control. A move that GotFocus
//     requests is a new move (back to step 2).
//
// Message and input boxes raise no focus events. Each round of requests is
// carried out at most kMaxMoves times, so no move ever loops.

namespace forms {
namespace {

constexpr int kMaxMoves = 32;

using Waiting = FocusRequest;

std::vector<Waiting>& Pending() { return App().FocusQueue(); }

// Takes the waiting request of `form`, if any.
bool TakeRequest(Form& form, Control*& target) {
    auto& pending = Pending();
    bool found = false;
    for (auto it = pending.begin(); it != pending.end();) {
        if (it->form == &form) {
            target = it->target;
            found = true;
            it = pending.erase(it);
        } else {
            ++it;
        }
    }
    return found;
}

bool IsTabStopFor(Control& c, bool showingOnly) {
    return c.TabStop() && c.CanTakeFocus() && (!showingOnly || c.IsShowing());
}

// The first tab stop after `from` in `order`, going round; `from` itself
// never counts, so a walk always moves or finds nothing.
Control* WalkChain(const std::vector<Control*>& order, Control* from, bool showingOnly) {
    if (order.empty()) return nullptr;
    std::size_t start = 0;
    if (from != nullptr) {
        auto at = std::find(order.begin(), order.end(), from);
        start = at == order.end() ? 0 : static_cast<std::size_t>(at - order.begin()) + 1;
    }
    for (std::size_t step = 0; step < order.size(); ++step) {
        Control* c = order[(start + step) % order.size()];
        if (c != from && IsTabStopFor(*c, showingOnly)) return c;
    }
    return nullptr;
}

// Step 2.
Control* Settle(Form& form, Control* target) {
    if (target == nullptr) return FocusMoves::NextInChain(form, nullptr, true);
    if (target->CanTakeFocus()) return target;
    return FocusMoves::NextInChain(form, target, false);
}

void BringPagesToFront(Control& target) {
    // Outer containers first, so that each page shows its inner tab controls.
    std::vector<Control*> chain;
    for (Control* c = &target; c->Container() != nullptr; c = c->Container()) chain.push_back(c);
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
        auto* tabs = dynamic_cast<TabControl*>((*it)->Container());
        if (tabs != nullptr && (*it)->ContainerPage() >= 0 && tabs->Tab() != (*it)->ContainerPage()) {
            tabs->SetTab((*it)->ContainerPage());
        }
    }
}

// One move on one form, steps 2 to 5. Returns the GotFocus handler's own
// request, if it made one.
bool MoveOnce(Form& form, Control* requested, bool byUser, Control*& nextRequest) {
    Control* target = Settle(form, requested);
    if (target == nullptr) return false;
    Control* from = form.ActiveControl();
    if (target == from) return false;

    if (from != nullptr) {
        bool cancel = false;
        from->Raise(from->Validate, cancel);
        Control* asked = nullptr;
        if (TakeRequest(form, asked)) {
            if (asked == from) cancel = true;
            else if (!byUser) target = Settle(form, asked);
        }
        if (cancel || target == nullptr) return false;

        from->Raise(from->LostFocus);
        if (TakeRequest(form, asked) && !byUser) {
            Control* settled = Settle(form, asked);
            if (settled != nullptr) target = settled;
        }
    }
    BringPagesToFront(*target);
    FocusMoves::SetActive(form, from, target);
    target->Raise(target->GotFocus);
    return TakeRequest(form, nextRequest);
}

} // namespace

Control* FocusMoves::NextInChain(Form& form, Control* from, bool showingOnly) {
    return WalkChain(form.TabOrder(), from, showingOnly);
}

Control* FocusMoves::PreviousInChain(Form& form, Control* from) {
    std::vector<Control*> order = form.TabOrder();
    std::reverse(order.begin(), order.end());
    return WalkChain(order, from, true);
}

void FocusMoves::Request(Form& form, Control* target, bool byUser) {
    if (!form.IsLoaded()) return;
    auto& pending = Pending();
    pending.erase(std::remove_if(pending.begin(), pending.end(), [&](const Waiting& r) { return r.form == &form; }),
                  pending.end());
    pending.push_back({&form, target, byUser});
    if (!App().InHandler() && !App().CarryingOutFocusMoves()) CarryOut();
}

bool FocusMoves::Waits(const Form& form) {
    const auto& pending = Pending();
    return std::any_of(pending.begin(), pending.end(), [&](const Waiting& r) { return r.form == &form; });
}

void FocusMoves::CarryOut() {
    if (App().CarryingOutFocusMoves()) return;
    App().SetCarryingOutFocusMoves(true);
    const basic::ScopeExit reset([] { App().SetCarryingOutFocusMoves(false); });
    try {
        int moves = 0;
        while (!Pending().empty() && moves < kMaxMoves) {
            Waiting request = Pending().front();
            Pending().erase(Pending().begin());
            if (!request.form->IsLoaded()) continue;
            Control* next = nullptr;
            bool more = MoveOnce(*request.form, request.target, request.byUser, next);
            ++moves;
            if (more) Pending().push_back({request.form, next});
        }
        Pending().clear();
    } catch (...) {
        Pending().clear();
        throw;
    }
}

void FocusMoves::TabFrom(Control& from) {
    Control* next = NextInChain(from.Owner(), &from, true);
    if (next != nullptr) Request(from.Owner(), next, true);
}

void FocusMoves::BackTabFrom(Control& from) {
    Control* previous = PreviousInChain(from.Owner(), &from);
    if (previous != nullptr) Request(from.Owner(), previous, true);
}

void FocusMoves::Forget(Form& form) {
    auto& pending = Pending();
    pending.erase(std::remove_if(pending.begin(), pending.end(), [&](const Waiting& r) { return r.form == &form; }),
                  pending.end());
}

void FocusMoves::Forget(Control& control) {
    auto& pending = Pending();
    pending.erase(
        std::remove_if(pending.begin(), pending.end(), [&](const Waiting& r) { return r.target == &control; }),
        pending.end());
}

void FocusMoves::DropAll() { Pending().clear(); }

void FocusMoves::SetActive(Form& form, Control* before, Control* now) {
    form.activeControl_ = now;
    if (before != nullptr) before->FocusLeft();
    if (now != nullptr) now->FocusArrived();
    App().Watcher().FocusChanged(form, before, now);
}

} // namespace forms
