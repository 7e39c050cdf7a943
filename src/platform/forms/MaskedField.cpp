#include "platform/forms/MaskedField.h"

#include "platform/basic/Strings.h"
#include "platform/basic/Utf8.h"

namespace forms {

MaskedField::MaskedField(Form& owner, std::string name, int index) : TextField(owner, std::move(name), index) {}

void MaskedField::SetMask(const std::string& mask) {
    mask_ = mask;
    Parse();
    SetText(Text());
    Changed("Mask");
}

void MaskedField::SetPromptChar(char prompt) {
    promptChar_ = prompt;
    Changed("PromptChar");
}

void MaskedField::Parse() {
    positions_.clear();
    const std::u32string mask = basic::CodePointsOf(mask_);
    int casing = 0;
    for (std::size_t i = 0; i < mask.size(); ++i) {
        char32_t m = mask[i];
        Position position;
        if (m == '>' || m == '<') {
            casing = m == '>' ? 1 : -1;
            continue;
        }
        if (m == '\\' && i + 1 < mask.size()) {
            position.literal = mask[++i];
        } else if (m == '#' || m == '9' || m == '?' || m == 'A' || m == 'a' || m == '&' || m == 'C') {
            position.place = true;
            position.rule = static_cast<char>(m);
            position.casing = casing;
        } else {
            position.literal = m;
        }
        positions_.push_back(position);
    }
    places_.assign(positions_.size(), 0);
}

int MaskedField::PlaceCount() const {
    if (!HasMask()) return MaxLength();
    int count = 0;
    for (const auto& p : positions_) count += p.place ? 1 : 0;
    return count;
}

bool MaskedField::Fits(char rule, char32_t c) {
    const bool digit = c >= '0' && c <= '9';
    switch (rule) {
    case '#':
    case '9': return digit;
    case '?': return basic::IsLetter(c);
    case 'A':
    case 'a': return digit || basic::IsLetter(c);
    default: return true;
    }
}

char32_t MaskedField::Cased(int casing, char32_t c) {
    if (casing > 0) return basic::UpperOf(c);
    if (casing < 0) return basic::LowerOf(c);
    return c;
}

std::string MaskedField::Normalised(const std::string& written) const {
    if (!HasMask()) return written;
    const std::u32string chars = basic::CodePointsOf(written);
    std::u32string typed;
    bool wholeDisplay = chars.size() == positions_.size();
    for (std::size_t i = 0; wholeDisplay && i < positions_.size(); ++i) {
        if (!positions_[i].place && chars[i] != positions_[i].literal) wholeDisplay = false;
    }
    if (wholeDisplay) {
        // Written as shown, literals and all: keep what stands in the places,
        // up to the first unfilled one.
        for (std::size_t i = 0; i < positions_.size(); ++i) {
            if (!positions_[i].place) continue;
            if (chars[i] == static_cast<unsigned char>(promptChar_)) break;
            typed += Cased(positions_[i].casing, chars[i]);
        }
        return basic::Utf8Of(typed);
    }
    std::size_t k = 0;
    for (const auto& p : positions_) {
        if (!p.place) continue;
        if (k >= chars.size()) break;
        typed += Cased(p.casing, chars[k++]);
    }
    return basic::Utf8Of(typed);
}

void MaskedField::TextWritten() {
    if (!HasMask()) return;
    const std::u32string typed = basic::CodePointsOf(Text());
    std::size_t k = 0;
    for (std::size_t i = 0; i < positions_.size(); ++i) {
        places_[i] = positions_[i].place && k < typed.size() ? typed[k++] : 0;
    }
}

std::string MaskedField::TextOf(const std::u32string& places) const {
    std::u32string typed;
    for (std::size_t i = 0; i < positions_.size(); ++i) {
        if (positions_[i].place && places[i] != 0) typed += places[i];
    }
    return basic::Utf8Of(typed);
}

std::string MaskedField::DisplayText() const {
    if (!HasMask()) return Text();
    std::u32string shown;
    for (std::size_t i = 0; i < positions_.size(); ++i) {
        if (!positions_[i].place) shown += positions_[i].literal;
        else shown += places_[i] != 0 ? places_[i] : static_cast<unsigned char>(promptChar_);
    }
    return basic::Utf8Of(shown);
}

int MaskedField::PlaceFrom(int position) const {
    int i = std::max(position, 0);
    while (i < static_cast<int>(positions_.size()) && !positions_[static_cast<std::size_t>(i)].place) ++i;
    return i;
}

int MaskedField::CaretStop(int position, int move) const {
    if (!HasMask()) return TextField::CaretStop(position, move);
    const int size = static_cast<int>(positions_.size());
    switch (move) {
    case kLeft:
        for (int i = std::min(position, size) - 1; i >= 0; --i) {
            if (positions_[static_cast<std::size_t>(i)].place) return i;
        }
        return PlaceFrom(0);
    case kRight: return position >= size ? size : PlaceFrom(position + 1);
    case kHome: return PlaceFrom(0);
    default: {
        // After the last filled place: where the next key goes.
        int after = PlaceFrom(0);
        for (int i = 0; i < size; ++i) {
            if (positions_[static_cast<std::size_t>(i)].place && places_[static_cast<std::size_t>(i)] != 0) {
                after = PlaceFrom(i + 1);
            }
        }
        return after;
    }
    }
}

int MaskedField::CaretAtShown(int shown) const {
    if (!HasMask()) return TextField::CaretAtShown(shown);
    return PlaceFrom(shown);
}

std::string MaskedField::TextOfRange(int start, int length) const {
    if (!HasMask()) return TextField::TextOfRange(start, length);
    std::u32string copied;
    const int end = std::min(start + length, static_cast<int>(positions_.size()));
    for (int i = std::max(start, 0); i < end; ++i) {
        const auto at = static_cast<std::size_t>(i);
        if (!positions_[at].place) copied += positions_[at].literal;
        else if (places_[at] != 0) copied += places_[at];
    }
    return basic::Utf8Of(copied);
}

void MaskedField::Clear(std::u32string& places, int start, int length) const {
    const int end = std::min(start + length, static_cast<int>(places.size()));
    for (int i = std::max(start, 0); i < end; ++i) places[static_cast<std::size_t>(i)] = 0;
}

void MaskedField::StorePlaces(const std::u32string& places, int caret) {
    places_ = places;
    StoreEdit(TextOf(places_), caret);
}

bool MaskedField::ReplaceSelection(std::u32string_view typed, bool pasting) {
    if (!HasMask()) return TextField::ReplaceSelection(typed, pasting);
    if (Locked()) return false;
    const int size = static_cast<int>(positions_.size());
    std::u32string places = places_;
    Clear(places, SelStart(), SelLength());
    int caret = SelStart();
    bool took = false;
    for (char32_t c : typed) {
        const int place = PlaceFrom(caret);
        if (Typeable(c) && place < size && Fits(positions_[static_cast<std::size_t>(place)].rule, c)) {
            places[static_cast<std::size_t>(place)] = Cased(positions_[static_cast<std::size_t>(place)].casing, c);
            caret = place + 1 < size ? PlaceFrom(place + 1) : size;
            took = true;
            continue;
        }
        // A literal typed where it stands (just before the caret's place, or
        // just stepped over) is stepped over.
        int from = caret;
        while (from > 0 && !positions_[static_cast<std::size_t>(from - 1)].place) --from;
        bool literal = false;
        for (int i = from; i < place && !literal; ++i) literal = positions_[static_cast<std::size_t>(i)].literal == c;
        if (literal) {
            caret = place;
            took = true;
            continue;
        }
        // A key that fits no place is refused; a paste goes on without it.
        if (!pasting) return false;
    }
    if (!took) return false;
    StorePlaces(places, caret);
    return true;
}

void MaskedField::Erase(int direction) {
    if (!HasMask()) {
        TextField::Erase(direction);
        return;
    }
    if (Locked()) return;
    std::u32string places = places_;
    int caret = SelStart();
    if (SelLength() > 0) {
        Clear(places, caret, SelLength());
    } else if (direction < 0) {
        int place = caret - 1;
        while (place >= 0 && !positions_[static_cast<std::size_t>(place)].place) --place;
        if (place < 0) return;
        places[static_cast<std::size_t>(place)] = 0;
        caret = place;
    } else {
        const int place = PlaceFrom(caret);
        if (place >= static_cast<int>(positions_.size())) return;
        places[static_cast<std::size_t>(place)] = 0;
    }
    StorePlaces(places, caret);
}

} // namespace forms
