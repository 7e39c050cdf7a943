#pragma once
#include "platform/forms/Clipboard.h"

namespace desktop {

// The fields cut, copy and paste through the system's clipboard, so that
// figures move between this program and any other.
class SystemClipboard : public forms::Clipboard {
public:
    std::string GetText() const override;
    void SetText(const std::string& text) override;
};

} // namespace desktop
