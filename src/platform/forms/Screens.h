#pragma once
#include "platform/forms/Application.h"
#include "platform/forms/Form.h"

#include <memory>
#include <string>
#include <string_view>
#include <typeindex>

namespace forms {

// Makes screen T reachable by `name` (for the scenario runner) before any
// code has touched it.
template <class T>
void RegisterScreen(const std::string& name) {
    App().RegisterScreen(name, std::type_index(typeid(T)), [] { return std::unique_ptr<Form>(new T()); });
}

// The screen of type T as the system reaches it by its name: the current
// instance, or a fresh one (not loaded) when there is none or the last was
// unloaded.
template <class T>
T& Screen() {
    return static_cast<T&>(
        App().ScreenOfType(std::type_index(typeid(T)), [] { return std::unique_ptr<Form>(new T()); }));
}

// By the system's name ("frmEmployersDE"); error 424 for an unknown name.
inline Form& Screen(std::string_view name) { return App().ScreenNamed(name); }

} // namespace forms
