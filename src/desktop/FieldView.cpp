#include "desktop/FieldView.h"

#include "platform/forms/MaskedField.h"
#include "platform/forms/TextField.h"

#include <QLineEdit>

namespace desktop {
namespace {

bool ShowsAmount(const forms::TextField& field) {
    return field.Kind() == "CurrencyField" || field.Kind() == "LongIntegerField";
}

} // namespace

FieldView::FieldView(forms::TextField& field, FormWindow& window, QWidget* parent)
    : ControlView(field, window), field_(field), edit_(new QLineEdit(parent)) {
    SetWidget(edit_);
    // Every road by which Qt would change the text by itself is closed.
    edit_->setContextMenuPolicy(Qt::NoContextMenu);
    edit_->setDragEnabled(false);
    edit_->setAcceptDrops(false);
    edit_->setAttribute(Qt::WA_InputMethodEnabled, false);
    edit_->setAlignment(ShowsAmount(field) ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignLeft | Qt::AlignVCenter);
}

void FieldView::Refresh() {
    ControlView::Refresh();
    const QString shown = ToQt(field_.DisplayText());
    if (edit_->text() != shown) edit_->setText(shown);
    edit_->setReadOnly(field_.Locked());
    PlaceCursor();
}

void FieldView::ShowFocus() {
    ControlView::ShowFocus();
    PlaceCursor();
}

void FieldView::PlaceCursor() {
    if (field_.HasFocus() && field_.AllSelected()) {
        edit_->selectAll();
        return;
    }
    int position = edit_->text().size();
    if (const auto* masked = dynamic_cast<const forms::MaskedField*>(&field_); masked && !masked->Mask().empty()) {
        // The next character goes into the first unfilled place.
        const int prompt = edit_->text().indexOf(QChar(masked->PromptChar()));
        if (prompt >= 0) position = prompt;
    }
    edit_->setCursorPosition(position);
}

} // namespace desktop
