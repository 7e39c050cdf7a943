#include "platform/forms/MaskedField.h"

#include <cctype>

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
    int casing = 0;
    for (std::size_t i = 0; i < mask_.size(); ++i) {
        char m = mask_[i];
        Position position;
        if (m == '>') {
            casing = 1;
            continue;
        }
        if (m == '<') {
            casing = -1;
            continue;
        }
        if (m == '\\' && i + 1 < mask_.size()) {
            position.literal = mask_[++i];
        } else if (m == '#' || m == '9' || m == '?' || m == 'A' || m == 'a' || m == '&' || m == 'C') {
            position.place = true;
            position.rule = m;
            position.casing = casing;
        } else {
            position.literal = m;
        }
        positions_.push_back(position);
    }
}

std::vector<const MaskedField::Position*> MaskedField::Places() const {
    std::vector<const Position*> places;
    for (const auto& p : positions_) {
        if (p.place) places.push_back(&p);
    }
    return places;
}

int MaskedField::PlaceCount() const {
    if (positions_.empty()) return MaxLength();
    return static_cast<int>(Places().size());
}

bool MaskedField::Fits(char rule, char c) {
    auto u = static_cast<unsigned char>(c);
    switch (rule) {
    case '#':
    case '9': return std::isdigit(u) != 0;
    case '?': return std::isalpha(u) != 0;
    case 'A':
    case 'a': return std::isalnum(u) != 0;
    default: return u >= 32;
    }
}

char MaskedField::Cased(int casing, char c) {
    auto u = static_cast<unsigned char>(c);
    if (casing > 0) return static_cast<char>(std::toupper(u));
    if (casing < 0) return static_cast<char>(std::tolower(u));
    return c;
}

std::string MaskedField::Normalised(const std::string& written) const {
    if (positions_.empty()) return written;
    auto places = Places();
    std::string typed;
    bool wholeDisplay = written.size() == positions_.size();
    for (std::size_t i = 0; wholeDisplay && i < positions_.size(); ++i) {
        if (!positions_[i].place && written[i] != positions_[i].literal) wholeDisplay = false;
    }
    if (wholeDisplay) {
        // Written as shown, literals and all: keep what stands in the places,
        // up to the first unfilled one.
        for (std::size_t i = 0; i < positions_.size(); ++i) {
            if (!positions_[i].place) continue;
            if (written[i] == promptChar_) break;
            typed += Cased(positions_[i].casing, written[i]);
        }
        return typed;
    }
    for (std::size_t k = 0; k < written.size() && k < places.size(); ++k) typed += Cased(places[k]->casing, written[k]);
    return typed;
}

std::optional<std::string> MaskedField::AfterTyping(const std::string& current, char c) const {
    if (positions_.empty()) return current + c;
    std::size_t next = current.size(); // the place the key goes to
    std::size_t placeSeen = 0;
    for (const auto& p : positions_) {
        if (!p.place) {
            // A literal typed where it stands is stepped over.
            if (placeSeen == next && c == p.literal) return current;
            continue;
        }
        if (placeSeen == next) {
            if (!Fits(p.rule, c)) return std::nullopt;
            return current + Cased(p.casing, c);
        }
        ++placeSeen;
    }
    return std::nullopt; // every place is filled
}

std::string MaskedField::DisplayText() const {
    if (positions_.empty()) return Text();
    std::string shown;
    std::size_t k = 0;
    const std::string& typed = Text();
    for (const auto& p : positions_) {
        if (!p.place) {
            shown += p.literal;
        } else {
            shown += k < typed.size() ? typed[k] : promptChar_;
            ++k;
        }
    }
    return shown;
}

} // namespace forms
