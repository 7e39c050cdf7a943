#include "desktop/FieldView.h"

#include "platform/forms/Keys.h"
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
    // Composed characters (dead keys, an input method) arrive as input
    // method events, which the window hands to the model as typed keys.
    edit_->setAttribute(Qt::WA_InputMethodEnabled, true);
    edit_->setAlignment(ShowsAmount(field) ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignLeft | Qt::AlignVCenter);
}

void FieldView::Refresh() {
    ControlView::Refresh();
    const QString shown = ToQt(field_.DisplayText());
    if (edit_->text() != shown) edit_->setText(shown);
    edit_->setReadOnly(field_.Locked());
    PlaceCursor();
}

// A read-only field looks as the system's read-only edits do: the button
// face behind its text where the screen left the window colour. Its caret
// still shows, so the line edit itself stays editable in Qt's eyes (Qt hides
// the caret of a read-only one); it never edits itself anyway.
long FieldView::ShownBackColor() const {
    const long colour = ControlView::ShownBackColor();
    return field_.ReadOnly() && colour == forms::vbWindowBackground ? forms::vbButtonFace : colour;
}

void FieldView::ShowFocus() {
    ControlView::ShowFocus();
    PlaceCursor();
}

std::optional<int> FieldView::CharacterAt(const QPoint& point) const { return edit_->cursorPositionAt(point); }

void FieldView::PlaceCursor() {
    if (!field_.HasFocus()) return;
    // The model's selection, the caret at its moving end.
    const int start = field_.SelStart();
    const int length = field_.SelLength();
    if (length == 0) edit_->setCursorPosition(start);
    else if (field_.Caret() == start) edit_->setSelection(start + length, -length);
    else edit_->setSelection(start, length);
}

} // namespace desktop
