#include "desktop/DesktopFrontEnd.h"

#include "desktop/SystemClipboard.h"

#include "desktop/FormWindow.h"
#include "desktop/PdfPageSink.h"
#include "desktop/PrintOffer.h"
#include "desktop/QtDialogs.h"
#include "desktop/ScreenUnits.h"
#include "platform/forms/Application.h"
#include "platform/forms/Control.h"
#include "platform/forms/Form.h"
#include "platform/forms/Keys.h"
#include "platform/printing/PrintLog.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

namespace desktop {
namespace {

// How soon the end is looked at again while a dialog is up.
constexpr int kRecheckMs = 100;

bool AnyFormShown() {
    auto& app = forms::App();
    for (int i = 0; i < app.Count(); ++i) {
        if (app.Item(i).Visible()) return true;
    }
    return false;
}

} // namespace

void DesktopFrontEnd::EndWhenNoFormIsShown(int delayMs) {
    // Checked once the action is over: a screen that goes usually shows
    // another one on its way, and a dialog may be up in between.
    QTimer::singleShot(delayMs, &timers_, [this] {
        if (QApplication::activeModalWidget() != nullptr) {
            EndWhenNoFormIsShown(kRecheckMs);
            return;
        }
        if (AnyFormShown()) return;
        ended_ = true;
        QCoreApplication::quit();
    });
}

DesktopFrontEnd::DesktopFrontEnd(PrintHandler onPrint) {
    auto& app = forms::App();
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect display = screen->availableGeometry();
        app.SetScreenSize(ToTwips(display.width()), ToTwips(display.height()));
    }
    app.SetDialogs(std::make_shared<QtDialogs>());
    app.SetClipboard(std::make_shared<SystemClipboard>());
    app.SetDoEventsHook([] { QCoreApplication::processEvents(); });
    if (!onPrint) {
        // Offered printouts are rendered page by page as they are printed.
        RenderPagesAsTheyAreFinished();
        onPrint = [this](const printing::PrintDocument& document) { OfferPrint(document, printChoice_); };
    }
    printing::SetDocumentFinishedHandler(std::move(onPrint));
    app.SetObserver(this);
}

DesktopFrontEnd::~DesktopFrontEnd() {
    auto& app = forms::App();
    app.SetObserver(nullptr);
    app.SetDoEventsHook({});
    app.SetClipboard(std::make_shared<forms::MemoryClipboard>());
    printing::SetDocumentFinishedHandler({});
    StopRenderingPagesAsTheyAreFinished();
    if (hourglass_) QApplication::restoreOverrideCursor();
    for (auto& [form, window] : windows_) delete window.data();
}

FormWindow* DesktopFrontEnd::WindowOf(const forms::Form& form) const {
    auto it = windows_.find(&form);
    return it == windows_.end() ? nullptr : it->second.data();
}

FormWindow& DesktopFrontEnd::EnsureWindow(forms::Form& form) {
    if (FormWindow* window = WindowOf(form)) return *window;
    auto* window = new FormWindow(form);
    windows_[&form] = window;
    return *window;
}

void DesktopFrontEnd::FormLoaded(forms::Form& form) { EnsureWindow(form); }

void DesktopFrontEnd::FormShown(forms::Form& form) {
    FormWindow& window = EnsureWindow(form);
    window.RefreshAll();
    window.PlaceForShowing();
    window.show();
    window.raise();
    window.activateWindow();
    window.ShowFocus(form.ActiveControl());
}

void DesktopFrontEnd::FormHidden(forms::Form& form) {
    if (FormWindow* window = WindowOf(form)) window->hide();
    EndWhenNoFormIsShown();
}

void DesktopFrontEnd::FormUnloaded(forms::Form& form) {
    auto it = windows_.find(&form);
    if (it != windows_.end()) {
        if (FormWindow* window = it->second.data()) {
            // The form object goes at the end of the user action; the window
            // must not reach it after this, and may be inside its own event.
            window->Detach();
            window->deleteLater();
        }
        windows_.erase(it);
    }
    EndWhenNoFormIsShown();
}

void DesktopFrontEnd::FormChanged(forms::Form& form, std::string_view property) {
    FormWindow* window = WindowOf(form);
    if (window == nullptr) return;
    if (property == "Caption") {
        window->RefreshCaption();
    } else {
        window->ApplyGeometry();
    }
}

void DesktopFrontEnd::ControlChanged(forms::Control& control, std::string_view /*property*/) {
    if (FormWindow* window = WindowOf(control.Owner())) window->RefreshControl(control);
}

void DesktopFrontEnd::FocusChanged(forms::Form& form, forms::Control* /*before*/, forms::Control* now) {
    if (FormWindow* window = WindowOf(form)) window->ShowFocus(now);
}

void DesktopFrontEnd::MousePointerChanged(int pointer) {
    const bool wantHourglass = pointer == forms::vbHourglass;
    if (wantHourglass == hourglass_) return;
    hourglass_ = wantHourglass;
    if (hourglass_) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
}

} // namespace desktop
