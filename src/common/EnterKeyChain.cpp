#include "common/EnterKeyChain.h"

#include "platform/forms/Control.h"
#include "platform/forms/Keys.h"

void EnterKeyChain::Add(Link link) {
    forms::Control* field = link.field;
    links_.push_back(std::move(link));
    field->KeyPress = [this, field](int& KeyAscii) { KeyPressed(*field, KeyAscii); };
    field->LostFocus = [this, field] { Left(*field); };
}

const EnterKeyChain::Link* EnterKeyChain::Find(const forms::Control& field) const {
    for (const Link& link : links_) {
        if (link.field == &field) return &link;
    }
    return nullptr;
}

void EnterKeyChain::SetNext(forms::Control& field, forms::Control* next) {
    for (Link& link : links_) {
        if (link.field == &field) link.next = next;
    }
}

forms::Control* EnterKeyChain::NextOf(const forms::Control& field) const {
    const Link* link = Find(field);
    return link == nullptr ? nullptr : link->next;
}

forms::Control* EnterKeyChain::Settle(forms::Control& target) const {
    forms::Control* candidate = &target;
    // Each step follows one link, so a chain of retired lines ends within
    // as many steps as there are links.
    for (std::size_t step = 0; candidate != nullptr && step <= links_.size(); ++step) {
        if (candidate->CanTakeFocus()) return candidate;
        candidate = NextOf(*candidate);
    }
    return &target; // nothing on the chain can: the runtime's own fallback decides
}

void EnterKeyChain::MoveTo(forms::Control& target) const { Settle(target)->SetFocus(); }

void EnterKeyChain::KeyPressed(const forms::Control& field, int keyAscii) const {
    const Link* link = Find(field);
    if (link == nullptr) return;
    if (link->trigger == Trigger::Enter && keyAscii != forms::vbKeyReturn) return;
    if (recompute_) recompute_();
    if (link->onEnter) link->onEnter();
    if (link->next != nullptr) MoveTo(*link->next);
}

void EnterKeyChain::Left(const forms::Control& field) const {
    const Link* link = Find(field);
    if (link == nullptr) return;
    if (recompute_) recompute_();
    if (link->onLeave) link->onLeave();
    if (link->leavingMovesTo != nullptr) MoveTo(*link->leavingMovesTo);
}
