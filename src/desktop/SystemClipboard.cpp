#include "desktop/SystemClipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace desktop {

std::string SystemClipboard::GetText() const { return QGuiApplication::clipboard()->text().toStdString(); }

void SystemClipboard::SetText(const std::string& text) {
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

} // namespace desktop
