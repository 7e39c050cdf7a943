#include "ControlPath.h"

#include "platform/basic/Strings.h"
#include "platform/forms/Application.h"
#include "platform/forms/Control.h"
#include "platform/forms/Form.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace scenario {
namespace {

const std::array<const char*, 4> kArrows = {"First", "Prev", "Next", "Last"};

bool IsName(const std::string& text) {
    if (text.empty()) return false;
    if (!std::isalpha(static_cast<unsigned char>(text[0]))) return false;
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; });
}

// "Name" or "Name(12)".
bool SplitIndex(const std::string& part, std::string& name, int& index) {
    auto open = part.find('(');
    if (open == std::string::npos) {
        name = part;
        index = -1;
        return IsName(name);
    }
    if (part.back() != ')' || open + 2 > part.size() - 1) return false;
    std::string digits = part.substr(open + 1, part.size() - open - 2);
    if (!std::all_of(digits.begin(), digits.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)); }))
        return false;
    name = part.substr(0, open);
    index = std::stoi(digits);
    return IsName(name);
}

std::string Written(const ControlPath& path) {
    std::string text = path.control;
    if (path.index >= 0) text += "(" + std::to_string(path.index) + ")";
    return text;
}

} // namespace

std::optional<ControlPath> ParseControlPath(const std::string& text) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        auto dot = text.find('.', start);
        parts.push_back(text.substr(start, dot == std::string::npos ? std::string::npos : dot - start));
        if (dot == std::string::npos) break;
        start = dot + 1;
    }
    if (parts.size() > 3) return std::nullopt;

    ControlPath path;
    if (!IsName(parts[0])) return std::nullopt;
    path.form = parts[0];
    if (parts.size() >= 2 && !SplitIndex(parts[1], path.control, path.index)) return std::nullopt;
    if (parts.size() == 3) {
        auto arrow = std::find_if(kArrows.begin(), kArrows.end(), [&](const char* a) { return parts[2] == a; });
        if (arrow == kArrows.end()) return std::nullopt;
        path.arrow = *arrow;
    }
    return path;
}

forms::Form* LoadedForm(const std::string& name) {
    auto& app = forms::App();
    for (int i = 0; i < app.Count(); ++i)
        if (basic::SameNameCaseBlind(app.Item(i).Name(), name)) return &app.Item(i);
    return nullptr;
}

Resolved Resolve(const ControlPath& path) {
    Resolved found;
    found.form = LoadedForm(path.form);
    if (found.form == nullptr) {
        found.problem =
            forms::App().HasScreen(path.form) ? path.form + " is not loaded" : "there is no screen named " + path.form;
        return found;
    }
    if (path.control.empty()) return found;
    found.control = found.form->ControlByName(path.control, path.index);
    if (found.control == nullptr) found.problem = path.form + " has no control " + Written(path);
    return found;
}

} // namespace scenario
