#include "platform/forms/Application.h"

#include "platform/basic/RuntimeError.h"
#include "platform/basic/Strings.h"
#include "platform/forms/EventScope.h"
#include "platform/forms/FocusMoves.h"
#include "platform/forms/Form.h"
#include "platform/forms/Observer.h"

#include <algorithm>
#include <cctype>

namespace forms {
namespace {

// Never destroyed: screens let go at the program's very end may still
// report to it after the other statics are gone.
Observer& Nobody() {
    static auto* nobody = new Observer;
    return *nobody;
}

// Without the program's drive mapping: C: is the root, other drives are absent.
std::filesystem::path PlainPath(const std::string& path) {
    std::string p = path;
    std::replace(p.begin(), p.end(), '\\', '/');
    if (p.size() >= 2 && p[1] == ':' && std::isalpha(static_cast<unsigned char>(p[0]))) {
        char letter = static_cast<char>(std::tolower(static_cast<unsigned char>(p[0])));
        std::string rest = p.substr(2);
        if (letter != 'c') return std::filesystem::path("/nonexistent-drive-") += std::string(1, letter) + rest;
        return std::filesystem::path("/") / std::filesystem::path(rest).relative_path();
    }
    return std::filesystem::path(p);
}

} // namespace

struct Application::Entry {
    std::string name;
    std::type_index type;
    Factory factory;
    std::unique_ptr<Form> instance;
};

Application& Application::Instance() {
    static Application application;
    return application;
}

Application::Application() : dialogs_(std::make_shared<ScriptedDialogs>()) {}

// The program's end, whatever screens are still loaded: they go without
// their handlers and unseen (whoever watched is gone by now), and before any
// member they would report to on their way is taken down.
Application::~Application() {
    observer_ = nullptr;
    for (Form* form : loaded_) {
        form->loaded_ = false;
        form->visible_ = false;
    }
    loaded_.clear();
    FocusMoves::DropAll();
    unloaded_.clear();
    for (auto& entry : entries_) entry->instance.reset();
}

Form& Application::Item(int index) const {
    if (index < 0 || index >= Count()) basic::Raise(basic::errSubscriptOutOfRange, "Forms", "Subscript out of range");
    return *loaded_[static_cast<std::size_t>(index)];
}

Form* Application::LoadedForm(std::string_view name) const {
    for (Form* form : loaded_) {
        if (basic::SameNameCaseBlind(form->Name(), name)) return form;
    }
    return nullptr;
}

void Application::SetScreenSize(long widthTwips, long heightTwips) {
    screenWidth_ = widthTwips;
    screenHeight_ = heightTwips;
}

void Application::SetMousePointer(int pointer) {
    if (mousePointer_ == pointer) return;
    mousePointer_ = pointer;
    Watcher().MousePointerChanged(pointer);
}

Dialogs& Application::GetDialogs() { return *dialogs_; }

void Application::SetDialogs(std::shared_ptr<Dialogs> dialogs) {
    dialogs_ = dialogs ? std::move(dialogs) : std::make_shared<ScriptedDialogs>();
}

ScriptedDialogs& Application::UseScriptedDialogs(ScriptedDialogs::WhenUnscripted whenUnscripted) {
    auto scripted = std::make_shared<ScriptedDialogs>(whenUnscripted);
    dialogs_ = scripted;
    return *scripted;
}

Observer& Application::Watcher() { return observer_ != nullptr ? *observer_ : Nobody(); }

void Application::DoEvents() {
    if (doEvents_) doEvents_();
}

std::filesystem::path Application::NativePath(const std::string& path) const {
    return pathResolver_ ? pathResolver_(path) : PlainPath(path);
}

void Application::SetPathResolver(std::function<std::filesystem::path(const std::string&)> resolver) {
    pathResolver_ = std::move(resolver);
}

std::vector<char> Application::DriveLetters() const { return driveLetters_ ? driveLetters_() : std::vector<char>{'c'}; }

void Application::SetDriveLetters(std::function<std::vector<char>()> letters) { driveLetters_ = std::move(letters); }

void Application::RegisterScreen(const std::string& name, std::type_index type, Factory factory) {
    for (auto& entry : entries_) {
        if (entry->type == type) {
            entry->name = name;
            entry->factory = std::move(factory);
            return;
        }
    }
    entries_.push_back(std::make_unique<Entry>(Entry{name, type, std::move(factory), nullptr}));
}

Form& Application::ScreenOfType(std::type_index type, const Factory& factory) {
    for (auto& entry : entries_) {
        if (entry->type == type) {
            if (!entry->instance) entry->instance = entry->factory();
            return *entry->instance;
        }
    }
    auto instance = factory();
    std::string name = instance->Name();
    entries_.push_back(std::make_unique<Entry>(Entry{name, type, factory, std::move(instance)}));
    return *entries_.back()->instance;
}

Form& Application::ScreenNamed(std::string_view name) {
    for (auto& entry : entries_) {
        if (basic::SameNameCaseBlind(entry->name, name)) {
            if (!entry->instance) entry->instance = entry->factory();
            return *entry->instance;
        }
    }
    basic::Raise(basic::errObjectRequired, std::string(name), "Object required");
}

bool Application::HasScreen(std::string_view name) const {
    return std::any_of(entries_.begin(), entries_.end(),
                       [&](const auto& e) { return basic::SameNameCaseBlind(e->name, name); });
}

std::vector<std::string> Application::ScreenNames() const {
    std::vector<std::string> names;
    for (const auto& entry : entries_) names.push_back(entry->name);
    return names;
}

Application::Entry* Application::EntryOf(const Form& form) {
    for (auto& entry : entries_) {
        if (entry->instance.get() == &form) return entry.get();
    }
    return nullptr;
}

void Application::FormLoaded(Form& form) {
    loaded_.push_back(&form);
    // A screen loaded again through an old reference becomes the current
    // instance once more when nothing has taken its place.
    auto dead = std::find_if(unloaded_.begin(), unloaded_.end(), [&](const auto& f) { return f.get() == &form; });
    if (dead != unloaded_.end()) {
        for (auto& entry : entries_) {
            if (entry->type == std::type_index(typeid(form)) && !entry->instance) {
                entry->instance = std::move(*dead);
                unloaded_.erase(dead);
                break;
            }
        }
    }
    Watcher().FormLoaded(form);
}

void Application::FormUnloaded(Form& form) {
    loaded_.erase(std::remove(loaded_.begin(), loaded_.end(), &form), loaded_.end());
    if (Entry* entry = EntryOf(form); entry != nullptr && form.IsLoaded() == false) {
        // The next access makes a fresh screen; this one lives until the
        // action that unloaded it is over.
        unloaded_.push_back(std::move(entry->instance));
    }
    Watcher().FormUnloaded(form);
}

void Application::CollectUnloaded() {
    std::vector<std::unique_ptr<Form>> doomed;
    for (auto it = unloaded_.begin(); it != unloaded_.end();) {
        if ((*it)->IsLoaded()) {
            ++it;
        } else {
            doomed.push_back(std::move(*it));
            it = unloaded_.erase(it);
        }
    }
    for (auto& form : doomed) {
        RunHandler([&] { form->Form_Terminate(); });
    }
    // Terminate handlers may have loaded a dying screen again.
    for (auto& form : doomed) {
        if (form->IsLoaded()) unloaded_.push_back(std::move(form));
    }
}

void Application::Reset() {
    FocusMoves::DropAll();
    // The screen loaded last goes first, so that a screen whose unload shows
    // the one beneath it finds that one still loaded instead of loading it
    // again. Unload handlers may show other screens; past a bound, forms are
    // let go without their handlers so that a reset always ends.
    for (int round = 0; !loaded_.empty(); ++round) {
        Form* form = loaded_.back();
        if (round < 1000) {
            try {
                form->Unload();
            } catch (...) {}
        }
        if (!loaded_.empty() && loaded_.back() == form) {
            // A form that refused: let it go without its handlers.
            form->loaded_ = false;
            form->visible_ = false;
            loaded_.pop_back();
            if (Entry* entry = EntryOf(*form)) unloaded_.push_back(std::move(entry->instance));
        }
    }
    unloaded_.clear();
    for (auto& entry : entries_) entry->instance.reset();
    FocusMoves::DropAll();
    dialogs_ = std::make_shared<ScriptedDialogs>();
    clipboard_ = std::make_shared<MemoryClipboard>();
    mousePointer_ = 0;
    screenWidth_ = 15360;
    screenHeight_ = 11520;
    observer_ = nullptr;
    doEvents_ = nullptr;
}

} // namespace forms
