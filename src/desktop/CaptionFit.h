#pragma once
#include <QFont>
#include <QSize>
#include <QString>

namespace desktop {

// A caption as it is drawn in its box.
struct FittedCaption {
    QFont font;
    QString text;
};

// How a label's caption fits its box, word-wrapped from the top left: as
// given when it fits; otherwise with its dot leaders ("....") shortened, no
// shorter than three dots, then in smaller type, no smaller than 6 points.
// The screens were drawn for a narrower font than the one shown here, and a
// label must never lose the end of its words to its box.
FittedCaption FitCaption(const QString& text, QSize box, const QFont& font);

// The layout flags a caption is drawn and measured with.
inline constexpr int kCaptionFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;

// Whether the text, drawn in the font, fits the box.
bool CaptionFits(const QString& text, QSize box, const QFont& font);

} // namespace desktop
