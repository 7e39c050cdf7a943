#pragma once
#include "platform/forms/Clipboard.h"
#include "platform/forms/Dialogs.h"
#include "platform/forms/ScriptedDialogs.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <typeindex>
#include <vector>

namespace forms {

class Control;
class Form;
class Observer;

// A focus move asked for while a handler runs (target null: the form's first
// tab stop), waiting for the outermost handler to return.
struct FocusRequest {
    Form* form;
    Control* target;
    // The user's own move (a click, Tab, Shift+Tab): the leaving handlers
    // of the control left cannot send the focus elsewhere.
    bool byUser = false;
};

// The running program as the screens see it: the loaded forms, the screen,
// the mouse pointer, the message boxes, and the screens by name.
class Application {
public:
    static Application& Instance();

    // The loaded forms, in load order from 0; unloading closes up the list.
    int Count() const { return static_cast<int>(loaded_.size()); }
    Form& Item(int index) const; // error 9 past the end
    // The loaded form of that name, or null: for code that must not load a
    // screen by reaching it (as an unload running inside the unload-all loop).
    Form* LoadedForm(std::string_view name) const;

    const std::string& Title() const { return title_; }

    // The display in twips (15 per pixel at 96 dpi).
    long ScreenWidth() const { return screenWidth_; }
    long ScreenHeight() const { return screenHeight_; }
    void SetScreenSize(long widthTwips, long heightTwips);

    int MousePointer() const { return mousePointer_; }
    void SetMousePointer(int pointer); // vbDefault 0, vbHourglass 11

    Dialogs& GetDialogs();
    void SetDialogs(std::shared_ptr<Dialogs> dialogs);
    // Installs fresh scripted dialogs and returns them.
    ScriptedDialogs&
    UseScriptedDialogs(ScriptedDialogs::WhenUnscripted whenUnscripted = ScriptedDialogs::WhenUnscripted::Fail);

    Clipboard& GetClipboard() { return *clipboard_; }
    void SetClipboard(std::shared_ptr<Clipboard> clipboard) { clipboard_ = std::move(clipboard); }

    // The desktop watches; null: nobody (headless).
    void SetObserver(Observer* observer) { observer_ = observer; }
    Observer& Watcher();

    // Lets pending window events run; a no-op headless.
    void DoEvents();
    void SetDoEventsHook(std::function<void()> hook) { doEvents_ = std::move(hook); }

    // Turns a path as the system writes it ("c:\Program Files", "A:\") into
    // a native one. The program installs the drive mapping of its files
    // layer; by default the path is taken as it stands.
    std::filesystem::path NativePath(const std::string& path) const;
    void SetPathResolver(std::function<std::filesystem::path(const std::string&)> resolver);
    // The drive letters the drive list offers; by default "c" alone.
    std::vector<char> DriveLetters() const;
    void SetDriveLetters(std::function<std::vector<char>()> letters);

    // --- screens by name ---
    using Factory = std::function<std::unique_ptr<Form>()>;
    void RegisterScreen(const std::string& name, std::type_index type, Factory factory);
    // The current instance, created (not loaded) when there is none.
    Form& ScreenOfType(std::type_index type, const Factory& factory);
    Form& ScreenNamed(std::string_view name); // error 424 for an unknown name
    bool HasScreen(std::string_view name) const;
    std::vector<std::string> ScreenNames() const;
    // The screen the program's menus return to, as registered.
    void SetMainMenu(std::string name) { mainMenu_ = std::move(name); }
    Form& MainMenu() { return ScreenNamed(mainMenu_); }

    // --- event handlers and the focus moves they ask for ---
    // Runs an event handler. The focus moves it asks for wait in the
    // application's queue and are carried out when the outermost handler
    // returns (FocusMoves.cpp); a handler cut short by an error drops them.
    // After a user's action the screens it unloaded are destroyed.
    void RunHandler(const std::function<void()>& handler, bool userAction = false);
    bool InHandler() const { return handlerDepth_ > 0; }
    std::vector<FocusRequest>& FocusQueue() { return focusQueue_; }
    bool CarryingOutFocusMoves() const { return carryingOutMoves_; }
    void SetCarryingOutFocusMoves(bool carrying) { carryingOutMoves_ = carrying; }

    // The user's actions are numbered: each call of forms::user is one, with
    // the calls it makes itself, so that one action can show a message once.
    unsigned long UserActionNumber() const { return userActions_; }
    void CountUserAction() { ++userActions_; }

    // Destroys the screens unloaded so far (their Form_Terminate runs first).
    // Done by itself at the end of every user action.
    void CollectUnloaded();

    // For tests: unloads every form (the last loaded first), forgets every
    // screen instance (the registrations stay), fresh failing scripted
    // dialogs, an empty clipboard in memory, default pointer and screen
    // size, no observer, no DoEvents hook. The path resolver and the drive
    // letters stay.
    void Reset();

private:
    friend class Form;
    Application();
    ~Application();
    void FormLoaded(Form& form);
    void FormUnloaded(Form& form);

    struct Entry;
    Entry* EntryOf(const Form& form);

    std::string title_ = "Tavrilo 941 / 944";
    long screenWidth_ = 15360;
    long screenHeight_ = 11520;
    int mousePointer_ = 0;
    std::shared_ptr<Dialogs> dialogs_;
    std::shared_ptr<Clipboard> clipboard_ = std::make_shared<MemoryClipboard>();
    Observer* observer_ = nullptr;
    std::function<void()> doEvents_;
    std::function<std::filesystem::path(const std::string&)> pathResolver_;
    std::function<std::vector<char>()> driveLetters_;
    std::vector<Form*> loaded_;
    std::vector<std::unique_ptr<Entry>> entries_;
    std::string mainMenu_;
    std::vector<std::unique_ptr<Form>> unloaded_;
    std::vector<FocusRequest> focusQueue_;
    int handlerDepth_ = 0;
    bool carryingOutMoves_ = false;
    unsigned long userActions_ = 0;
};

// The application, as screen code writes it: App().Count().
inline Application& App() { return Application::Instance(); }

} // namespace forms
