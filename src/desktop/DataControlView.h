#pragma once
#include "desktop/ControlView.h"

class QLabel;
class QToolButton;

namespace data {
class DataControl;
}

namespace desktop {

// The data control: its caption between the four arrows (first, previous,
// next, last), each a move of the model's rows.
class DataControlView : public ControlView {
public:
    DataControlView(data::DataControl& data, FormWindow& window, QWidget* parent);
    void Refresh() override;

private:
    QToolButton* Arrow(const QString& glyph, int arrow, QWidget* parent);

    data::DataControl& data_;
    QLabel* caption_;
};

} // namespace desktop
