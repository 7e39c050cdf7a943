#include "desktop/CaptionFit.h"

#include <QFontMetrics>
#include <QRegularExpression>

namespace desktop {
namespace {

constexpr double kSmallestPoints = 6.0;
constexpr double kPointStep = 0.5;
constexpr int kShortestLeader = 3;
constexpr int kUnboundedHeight = 100000;

// The text with its longest dot leader one dot shorter; false when every
// leader is as short as it may be.
bool ShortenLongestLeader(QString& text) {
    static const QRegularExpression leader(QStringLiteral("\\.{4,}"));
    qsizetype longestAt = -1;
    qsizetype longest = 0;
    for (auto it = leader.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        if (match.capturedLength() > longest) {
            longest = match.capturedLength();
            longestAt = match.capturedStart();
        }
    }
    if (longestAt < 0 || longest <= kShortestLeader) return false;
    text.remove(longestAt, 1);
    return true;
}

} // namespace

bool CaptionFits(const QString& text, QSize box, const QFont& font) {
    const QRect needed =
        QFontMetrics(font).boundingRect(QRect(0, 0, box.width(), kUnboundedHeight), kCaptionFlags, text);
    return needed.width() <= box.width() && needed.height() <= box.height();
}

FittedCaption FitCaption(const QString& text, QSize box, const QFont& font) {
    FittedCaption fitted{font, text};
    if (CaptionFits(fitted.text, box, fitted.font)) return fitted;
    while (ShortenLongestLeader(fitted.text)) {
        if (CaptionFits(fitted.text, box, fitted.font)) return fitted;
    }
    for (double points = font.pointSizeF() - kPointStep; points >= kSmallestPoints; points -= kPointStep) {
        fitted.font.setPointSizeF(points);
        if (CaptionFits(fitted.text, box, fitted.font)) return fitted;
    }
    return fitted;
}

} // namespace desktop
