#include "desktop/WindowPlacement.h"

#include <algorithm>

namespace desktop {

QSize ClientSize(QSize outer, const WindowChrome& chrome, QSize controlsExtent) {
    const int width = outer.width() - chrome.frame.left() - chrome.frame.right();
    const int height = outer.height() - chrome.frame.top() - chrome.frame.bottom() - chrome.menuBar;
    return QSize(std::max(width, controlsExtent.width()), std::max(height, controlsExtent.height()));
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
