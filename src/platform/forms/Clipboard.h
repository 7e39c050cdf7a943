#pragma once
#include <memory>
#include <string>

namespace forms {

// The clipboard the fields cut, copy and paste through. The desktop puts
// the system's clipboard here; headless, it is a text kept in memory.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual std::string GetText() const = 0;
    virtual void SetText(const std::string& text) = 0;
};

class MemoryClipboard : public Clipboard {
public:
    std::string GetText() const override { return text_; }
    void SetText(const std::string& text) override { text_ = text; }

private:
    std::string text_;
};

} // namespace forms
