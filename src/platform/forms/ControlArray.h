#pragma once
#include "platform/forms/Control.h"

#include <initializer_list>
#include <map>
#include <memory>
#include <string>

namespace forms {

class Form;

// A control array: controls of one name told apart by Index, reached as the
// system does, Label5(0). Its members register with the form as any control.
template <class T>
class ControlArray {
public:
    ControlArray(Form& owner, std::string name, std::initializer_list<int> indexes) {
        for (int i : indexes) items_.emplace(i, std::make_unique<T>(owner, name, i));
    }
    // Raises error 340 (no element of that index).
    T& operator()(int index) const;
    int Count() const { return static_cast<int>(items_.size()); }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

private:
    std::map<int, std::unique_ptr<T>> items_;
};

[[noreturn]] void RaiseNoSuchElement(const std::string& name, int index);

template <class T>
T& ControlArray<T>::operator()(int index) const {
    auto it = items_.find(index);
    if (it == items_.end()) {
        RaiseNoSuchElement(items_.empty() ? std::string() : items_.begin()->second->Name(), index);
    }
    return *it->second;
}

} // namespace forms
