#include "desktop/QtDialogs.h"

#include <QApplication>
#include <QCloseEvent>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

#include <array>
#include <utility>

namespace desktop {
namespace {

struct ButtonAnswer {
    int answer;
    QMessageBox::StandardButton button;
};

constexpr std::array<ButtonAnswer, 7> kButtonAnswers = {{
    {forms::vbOK, QMessageBox::Ok},
    {forms::vbCancel, QMessageBox::Cancel},
    {forms::vbAbort, QMessageBox::Abort},
    {forms::vbRetry, QMessageBox::Retry},
    {forms::vbIgnore, QMessageBox::Ignore},
    {forms::vbYes, QMessageBox::Yes},
    {forms::vbNo, QMessageBox::No},
}};

QMessageBox::StandardButton ButtonFor(int answer) {
    for (const auto& entry : kButtonAnswers) {
        if (entry.answer == answer) return entry.button;
    }
    return QMessageBox::Ok;
}

int AnswerFor(QMessageBox::StandardButton button) {
    for (const auto& entry : kButtonAnswers) {
        if (entry.button == button) return entry.answer;
    }
    return 0;
}

QMessageBox::Icon IconOf(int style) {
    switch (style & 0x70) {
    case forms::vbCritical: return QMessageBox::Critical;
    case forms::vbQuestion: return QMessageBox::Question;
    case forms::vbExclamation: return QMessageBox::Warning;
    case forms::vbInformation: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

// A box that Escape and its close box answer only where the style offers
// Cancel or a lone OK; a Yes/No box (and the other boxes without Cancel)
// waits for one of its buttons, as the screens' platform does. Qt on its own
// would answer No.
class StyledMessageBox : public QMessageBox {
public:
    StyledMessageBox(int style, QWidget* parent)
        : QMessageBox(parent),
          escapable_(forms::StyleOffers(style, forms::vbCancel) || forms::ButtonCount(style) == 1) {}

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (!escapable_ && event->matches(QKeySequence::Cancel)) return;
        QMessageBox::keyPressEvent(event);
    }
    void closeEvent(QCloseEvent* event) override {
        if (!escapable_) {
            event->ignore();
            return;
        }
        QMessageBox::closeEvent(event);
    }

private:
    bool escapable_;
};

QWidget* OwnerWindow() {
    if (QWidget* active = QApplication::activeWindow()) return active;
    return nullptr;
}

} // namespace

std::unique_ptr<QMessageBox> MakeMessageBox(const std::string& prompt, int style, const std::string& title,
                                            QWidget* parent) {
    auto box = std::make_unique<StyledMessageBox>(style, parent);
    box->setWindowTitle(QString::fromStdString(title));
    box->setText(QString::fromStdString(prompt));
    box->setTextFormat(Qt::PlainText);
    box->setIcon(IconOf(style));
    for (int i = 0; i < forms::ButtonCount(style); ++i) {
        box->addButton(ButtonFor(forms::ButtonOf(style, i)));
    }
    box->setDefaultButton(ButtonFor(forms::DefaultButtonOf(style)));
    if (forms::StyleOffers(style, forms::vbCancel)) {
        box->setEscapeButton(ButtonFor(forms::vbCancel));
    } else if (forms::ButtonCount(style) == 1) {
        box->setEscapeButton(ButtonFor(forms::ButtonOf(style, 0)));
    }
    return box;
}

int AnswerOf(const QMessageBox& box, int style) {
    if (QAbstractButton* clicked = box.clickedButton()) {
        const int answer = AnswerFor(box.standardButton(clicked));
        if (answer != 0) return answer;
    }
    return forms::StyleOffers(style, forms::vbCancel) ? forms::vbCancel : forms::ButtonOf(style, 0);
}

int QtDialogs::MsgBox(const std::string& prompt, int style, const std::string& title) {
    auto box = MakeMessageBox(prompt, style, title, OwnerWindow());
    box->exec();
    return AnswerOf(*box, style);
}

std::optional<std::string> QtDialogs::InputBox(const std::string& prompt, const std::string& title,
                                               const std::string& defaultText) {
    QInputDialog dialog(OwnerWindow());
    dialog.setWindowTitle(QString::fromStdString(title));
    dialog.setLabelText(QString::fromStdString(prompt));
    // A long prompt wraps, so the dialog and its buttons stay on the screen.
    if (auto* label = dialog.findChild<QLabel*>()) label->setWordWrap(true);
    dialog.setTextValue(QString::fromStdString(defaultText));
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.textValue().toStdString();
}

} // namespace desktop
