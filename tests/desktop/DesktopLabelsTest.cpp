// Every label of every screen shows its whole caption: as drawn in its
// window, the text fits the label's box, and nothing but dot leaders was
// left out to make it fit.

#include "DesktopTestSupport.h"

#include "desktop/CaptionViews.h"
#include "platform/forms/Forms.h"

#include <QFontMetrics>

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace desktop_test;

QString WithoutDots(QString text) { return text.remove(QLatin1Char('.')); }

// "screen.label: what is wrong" for each label of the shown window (on any
// page of its tabs) that
// loses part of its caption.
std::vector<std::string> ClippedLabels(const desktop::FormWindow& window) {
    std::vector<std::string> clipped;
    for (const QLabel* widget : window.findChildren<QLabel*>()) {
        const auto* label = dynamic_cast<const desktop::CaptionLabel*>(widget);
        if (label == nullptr || label->text().isEmpty()) continue;
        const desktop::FittedCaption drawn = label->Drawn();
        const QSize box = label->contentsRect().size();
        const QRect needed = QFontMetrics(drawn.font)
                                 .boundingRect(QRect(0, 0, box.width(), 100000),
                                               Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, drawn.text);
        const std::string where = window.Model().Name() + "." + label->objectName().toStdString() + ": ";
        if (needed.width() > box.width() || needed.height() > box.height()) {
            clipped.push_back(where + "needs " + std::to_string(needed.width()) + "x" +
                              std::to_string(needed.height()) + ", has " + std::to_string(box.width()) + "x" +
                              std::to_string(box.height()) + " for \"" + drawn.text.toStdString() + "\"");
        }
        if (WithoutDots(drawn.text) != WithoutDots(label->text())) {
            clipped.push_back(where + "drew \"" + drawn.text.toStdString() + "\"");
        }
    }
    return clipped;
}

using DesktopLabels = RunningProgram;

TEST_F(DesktopLabels, NoLabelOfAnyScreenLosesPartOfItsCaption) {
    for (const std::string& name : forms::App().ScreenNames()) {
        desktop::FormWindow window(forms::App().ScreenNamed(name));
        window.show();
        ProcessEvents();
        for (const std::string& problem : ClippedLabels(window)) ADD_FAILURE() << problem;
    }
}

} // namespace
