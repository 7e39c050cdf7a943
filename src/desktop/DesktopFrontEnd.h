#pragma once
#include "desktop/PrintChoice.h"
#include "platform/forms/Observer.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <map>

namespace printing {
struct PrintDocument;
}

namespace desktop {

class FormWindow;

// Shows the forms as Qt windows for as long as it lives: it watches the
// forms runtime (a window per loaded form, shown and hidden with it, every
// property change passed on at once), answers message and input boxes with
// real dialogs, shows the hourglass while the mouse pointer is 11, lets
// DoEvents run pending window events, gives the screens the display's size,
// and hands finished printouts to `onPrint` (by default: PDF and the print
// dialog). The program ends when no form is shown any more (none loaded, or
// every one hidden): it must never run on without a window. Needs a
// QApplication; one at a time.
class DesktopFrontEnd : public forms::Observer {
public:
    using PrintHandler = std::function<void(const printing::PrintDocument&)>;
    explicit DesktopFrontEnd(PrintHandler onPrint = {});
    ~DesktopFrontEnd() override;
    DesktopFrontEnd(const DesktopFrontEnd&) = delete;
    DesktopFrontEnd& operator=(const DesktopFrontEnd&) = delete;

    // The program was ended: the last shown form went.
    bool Ended() const { return ended_; }

    // The window of a loaded form (null: none).
    FormWindow* WindowOf(const forms::Form& form) const;

    void FormLoaded(forms::Form& form) override;
    void FormShown(forms::Form& form) override;
    void FormHidden(forms::Form& form) override;
    void FormUnloaded(forms::Form& form) override;
    void FormChanged(forms::Form& form, std::string_view property) override;
    void ControlChanged(forms::Control& control, std::string_view property) override;
    void FocusChanged(forms::Form& form, forms::Control* before, forms::Control* now) override;
    void MousePointerChanged(int pointer) override;

private:
    FormWindow& EnsureWindow(forms::Form& form);
    void EndWhenNoFormIsShown(int delayMs = 0);

    std::map<const forms::Form*, QPointer<FormWindow>> windows_;
    bool hourglass_ = false;
    bool ended_ = false;
    QObject timers_; // the checks for the end stop with the front end
    PrintChoice printChoice_; // the print dialogs' last choice in this run
};

} // namespace desktop
