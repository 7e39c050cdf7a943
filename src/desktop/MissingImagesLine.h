#pragma once
#include <QString>

#include <string>
#include <vector>

class QDialog;

namespace desktop {

// The one line the print dialog shows when page images were not drawn: which
// ones, and the folder they are looked for in. Empty when all were drawn.
QString MissingImagesText(const std::vector<std::string>& imagesNotDrawn);

// Adds that line at the foot of the dialog's own layout (nothing when the
// list is empty).
void AddMissingImagesLine(QDialog& dialog, const std::vector<std::string>& imagesNotDrawn);

} // namespace desktop
