#include "platform/forms/MaskedField.h"

#include "platform/basic/Strings.h"
#include "platform/basic/Utf8.h"
#include "platform/forms/CopiedText.h"

#include <algorithm>

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
    placeAt_.clear();
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
            placeAt_.push_back(static_cast<int>(positions_.size()));
        } else {
            position.literal = m;
        }
        positions_.push_back(position);
    }
    content_.assign(placeAt_.size(), 0);
}

int MaskedField::PlaceCount() const { return HasMask() ? Places() : MaxLength(); }

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
        for (int k = 0; k < Places(); ++k) {
            const char32_t c = chars[static_cast<std::size_t>(placeAt_[static_cast<std::size_t>(k)])];
            if (c == static_cast<unsigned char>(promptChar_)) break;
            typed += Cased(PlacePosition(k).casing, c);
        }
        return basic::Utf8Of(typed);
    }
    for (int k = 0; k < Places() && k < static_cast<int>(chars.size()); ++k) {
        typed += Cased(PlacePosition(k).casing, chars[static_cast<std::size_t>(k)]);
    }
    return basic::Utf8Of(typed);
}

void MaskedField::TextWritten() {
    if (!HasMask()) return;
    content_ = basic::CodePointsOf(Text());
    content_.resize(placeAt_.size(), 0);
}

std::string MaskedField::DisplayText() const {
    if (!HasMask()) return Text();
    std::u32string shown;
    for (const auto& p : positions_) shown += p.place ? 0 : p.literal;
    for (int k = 0; k < Places(); ++k) {
        const char32_t c = content_[static_cast<std::size_t>(k)];
        shown[static_cast<std::size_t>(placeAt_[static_cast<std::size_t>(k)])] =
            c != 0 ? c : static_cast<unsigned char>(promptChar_);
    }
    return basic::Utf8Of(shown);
}

int MaskedField::PlaceFrom(int position) const {
    const auto it = std::lower_bound(placeAt_.begin(), placeAt_.end(), position);
    return static_cast<int>(it - placeAt_.begin());
}

int MaskedField::PositionOf(int k) const {
    return k < Places() ? placeAt_[static_cast<std::size_t>(k)] : static_cast<int>(positions_.size());
}

int MaskedField::CaretStop(int position, int move) const {
    if (!HasMask()) return TextField::CaretStop(position, move);
    switch (move) {
    case kLeft: return PositionOf(std::max(PlaceFrom(position) - 1, 0));
    case kRight: {
        const int k = PlaceFrom(position);
        return std::min(PositionOf(k + (PositionOf(k) == position ? 1 : 0)), CaretStop(position, kEnd));
    }
    case kHome: return PositionOf(0);
    default: {
        // After the last filled place: where the next key goes.
        int filled = Places();
        while (filled > 0 && content_[static_cast<std::size_t>(filled - 1)] == 0) --filled;
        return PositionOf(filled);
    }
    }
}

int MaskedField::CaretAtShown(int shown) const {
    if (!HasMask()) return TextField::CaretAtShown(shown);
    // As in a text box, a click past what is typed lands after it.
    return std::min(PositionOf(PlaceFrom(shown)), CaretStop(0, kEnd));
}

std::string MaskedField::TextOfRange(int start, int length) const {
    if (!HasMask()) return TextField::TextOfRange(start, length);
    const std::u32string shown = basic::CodePointsOf(DisplayText());
    std::u32string copied;
    const int end = std::min(start + length, static_cast<int>(positions_.size()));
    for (int i = std::max(start, 0); i < end; ++i) {
        const int k = PlaceFrom(i);
        const bool emptyPlace = k < Places() && PositionOf(k) == i && content_[static_cast<std::size_t>(k)] == 0;
        if (!emptyPlace) copied += shown[static_cast<std::size_t>(i)];
    }
    return basic::Utf8Of(copied);
}

void MaskedField::TakeOut(std::u32string& content, int first, int last) const {
    if (first >= last) return;
    std::u32string closed = content;
    closed.erase(static_cast<std::size_t>(first), static_cast<std::size_t>(last - first));
    closed.resize(content.size(), 0);
    bool fits = true;
    for (int k = first; k < Places() && fits; ++k) {
        const char32_t c = closed[static_cast<std::size_t>(k)];
        fits = c == 0 || Fits(PlacePosition(k).rule, c);
    }
    if (fits) {
        content = closed;
        return;
    }
    for (int k = first; k < last; ++k) content[static_cast<std::size_t>(k)] = 0;
}

bool MaskedField::PutIn(std::u32string& content, int k, char32_t c) const {
    // A key past the places typed so far goes into the first empty one.
    k = std::min(k, static_cast<int>(std::min(content.find(char32_t{0}), content.size())));
    if (k >= Places() || !Fits(PlacePosition(k).rule, c)) return false;
    const auto free = content.find(char32_t{0}, static_cast<std::size_t>(k));
    if (free == std::u32string::npos) return false;
    std::u32string moved = content;
    moved.erase(free, 1);
    moved.insert(static_cast<std::size_t>(k), 1, Cased(PlacePosition(k).casing, c));
    for (auto j = static_cast<std::size_t>(k) + 1; j <= free; ++j) {
        if (!Fits(PlacePosition(static_cast<int>(j)).rule, moved[j])) return false;
    }
    content = moved;
    return true;
}

bool MaskedField::SteppedOver(int caret, char32_t c) const {
    // A literal typed where it stands: between the place before the caret
    // and the place at or after it.
    const int next = PositionOf(PlaceFrom(caret));
    const int k = PlaceFrom(caret);
    const int from = k > 0 ? PositionOf(k - 1) + 1 : 0;
    for (int i = from; i < next; ++i) {
        if (positions_[static_cast<std::size_t>(i)].literal == c) return true;
    }
    return false;
}

void MaskedField::StoreContent(const std::u32string& content, int caret) {
    content_ = content;
    std::u32string typed;
    for (char32_t c : content_) {
        if (c != 0) typed += c;
    }
    StoreEdit(basic::Utf8Of(typed), caret);
}

std::optional<std::u32string> MaskedField::PastedContent(std::u32string pasted) const {
    // The whole of it, so that a second line is refused rather than lost.
    if (!HasMask()) return TextField::PastedContent(std::move(pasted));
    return pasted;
}

bool MaskedField::FilledIn(int first, int last) const {
    return std::any_of(content_.begin() + first, content_.begin() + last, [](char32_t c) { return c != 0; });
}

bool MaskedField::DigitsOnly() const {
    return std::all_of(positions_.begin(), positions_.end(),
                       [](const Position& p) { return p.place && (p.rule == '#' || p.rule == '9'); });
}

bool MaskedField::PlacesTakeBlanks() const {
    return std::any_of(positions_.begin(), positions_.end(),
                       [](const Position& p) { return p.place && Fits(p.rule, U' '); });
}

bool MaskedField::SkippedFromPaste(const std::u32string& content, char32_t c) const {
    // Punctuation and blanks between a phone's or an ID's digits, while a
    // place is free; anything else would be lost.
    if (c == '\r' || c == '\n' || basic::IsLetter(c) || (c >= '0' && c <= '9')) return false;
    // A tab parts two copied cells: where blanks have places, dropping it
    // would run their words together ("BAKER<Tab>BROS").
    if (c == '\t' && PlacesTakeBlanks()) return false;
    // A character the code page lacks is lost as a letter would be (Ł in "Łódź").
    if (!Typeable(c) && c != '\t') return false;
    return content.find(char32_t{0}) != std::u32string::npos && !DigitsOnly();
}

MaskedField::Keys MaskedField::PastedKeys(std::u32string_view pasted, int first, int last) const {
    // The blank space around a paste (a copied cell's tab or line end) is
    // none of its content, but a blank beside text that stays parts two
    // words ("ACME TOOLS" and " INC").
    const PasteParts parts = SplitBlankSpace(pasted);
    const auto blanks = [](std::u32string_view space) {
        return static_cast<std::size_t>(std::count(space.begin(), space.end(), U' '));
    };
    Keys keys;
    keys.leading = FilledIn(0, first) ? blanks(parts.before) : 0;
    keys.trailing = FilledIn(last, Places()) ? blanks(parts.after) : 0;
    keys.text =
        std::u32string(keys.leading, U' ') + std::u32string(parts.content) + std::u32string(keys.trailing, U' ');
    return keys;
}

bool MaskedField::ReplaceSelection(std::u32string_view typed, bool pasting) {
    if (!HasMask()) return TextField::ReplaceSelection(typed, pasting);
    if (Locked()) return false;
    const int first = PlaceFrom(SelStart());
    const int last = PlaceFrom(SelStart() + SelLength());
    const Keys keys = pasting ? PastedKeys(typed, first, last) : Keys{std::u32string(typed)};
    std::u32string content = content_;
    TakeOut(content, first, last);
    int caret = PositionOf(first);
    bool took = false;
    for (std::size_t i = 0; i < keys.text.size(); ++i) {
        const char32_t c = keys.text[i];
        const int k = PlaceFrom(caret);
        // A blank at an end goes only into a place that takes one.
        if (keys.EndBlank(i) && k < Places() && !Fits(PlacePosition(k).rule, c)) continue;
        if (Typeable(c) && PutIn(content, k, c)) {
            caret = PositionOf(k + 1);
            took = true;
        } else if (SteppedOver(caret, c)) {
            took = true;
        } else if (!pasting || !SkippedFromPaste(content, c)) {
            // A key that fits no place is refused, and so is the whole of a
            // paste that would lose a character.
            return false;
        }
    }
    if (!took) return false;
    StoreContent(content, caret);
    return true;
}

void MaskedField::Erase(int direction) {
    if (!HasMask()) {
        TextField::Erase(direction);
        return;
    }
    if (Locked()) return;
    std::u32string content = content_;
    int first = PlaceFrom(SelStart());
    int last = PlaceFrom(SelStart() + SelLength());
    if (SelLength() == 0) {
        if (direction < 0) --first;
        else ++last;
        if (first < 0 || last > Places()) return;
    }
    // Delete leaves the caret where it stands; the others at the first place taken out.
    const int caret = direction > 0 && SelLength() == 0 ? SelStart() : PositionOf(first);
    TakeOut(content, first, last);
    StoreContent(content, caret);
}

} // namespace forms
