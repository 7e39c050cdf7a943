#pragma once
#include "desktop/ControlView.h"

#include "desktop/CaptionFit.h"

#include <QLabel>

class QGroupBox;

namespace forms {
class Frame;
class Label;
} // namespace forms

namespace desktop {

// A label's widget: its caption wrapped in its box, fitted to the box
// (FitCaption) as it is drawn.
class CaptionLabel : public QLabel {
public:
    using QLabel::QLabel;
    // The caption as drawn now: its font and text.
    FittedCaption Drawn() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    mutable FittedCaption drawn_;
    mutable QString drawnFrom_;
    mutable QSize drawnIn_;
    mutable QFont drawnWith_;
};

// A label: its caption, wrapped, behind the fields it names.
class LabelView : public ControlView {
public:
    LabelView(forms::Label& label, FormWindow& window, QWidget* parent);
    void Refresh() override;
    bool ClicksOnRelease() const override { return true; }
    bool StaysBehind() const override { return true; }

private:
    forms::Label& label_;
    CaptionLabel* text_;
};

// A frame: a captioned box that the controls standing in it are drawn in.
class FrameView : public ControlView {
public:
    FrameView(forms::Frame& frame, FormWindow& window, QWidget* parent);
    void Refresh() override;
    QWidget* ChildArea() const override;
    bool ClicksOnRelease() const override { return true; }

private:
    forms::Frame& frame_;
    QGroupBox* box_;
};

// A kind this front end has no special widget for: a plain sunken panel
// where the control stands, so the screen's layout still shows it.
class GenericView : public ControlView {
public:
    GenericView(forms::Control& control, FormWindow& window, QWidget* parent);
};

// Kinds that show nothing while the program runs (the resizing placeholder,
// the common dialog): no widget.
class HiddenView : public ControlView {
public:
    HiddenView(forms::Control& control, FormWindow& window) : ControlView(control, window) {}
};

} // namespace desktop
