#include "desktop/WindowPlacement.h"

#include <algorithm>

namespace desktop {

QSize ClientSize(QSize outer, const WindowChrome& chrome, QSize controlsExtent) {
    const int width = outer.width() - chrome.frame.left() - chrome.frame.right();
    const int height = outer.height() - chrome.frame.top() - chrome.frame.bottom() - chrome.menuBar;
    return QSize(std::max(width, controlsExtent.width()), std::max(height, controlsExtent.height()));
}

double FitScale(QSize design, QSize room) {
    if (design.isEmpty()) return 1.0;
    const double across = static_cast<double>(std::max(room.width(), 1)) / design.width();
    const double down = static_cast<double>(std::max(room.height(), 1)) / design.height();
    return std::min({1.0, across, down});
}

QMargins FrameAround(QRect frame, QRect client, QMargins allowance) {
    return QMargins(std::max(allowance.left(), client.left() - frame.left()),
                    std::max(allowance.top(), client.top() - frame.top()),
                    std::max(allowance.right(), frame.right() - client.right()),
                    std::max(allowance.bottom(), frame.bottom() - client.bottom()));
}

QRect ClampToScreen(QRect outer, QRect available) {
    QRect placed = outer;
    placed.setWidth(std::min(outer.width(), available.width()));
    placed.setHeight(std::min(outer.height(), available.height()));
    int left = std::min(placed.left(), available.right() + 1 - placed.width());
    int top = std::min(placed.top(), available.bottom() + 1 - placed.height());
    left = std::max(left, available.left());
    top = std::max(top, available.top());
    placed.moveTo(left, top);
    return placed;
}

} // namespace desktop
