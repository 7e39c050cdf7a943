#pragma once
#include <filesystem>
#include <optional>
#include <string>

class QPainter;
class QSizeF;

namespace desktop {

// The file of a page image the printout names ("TF1P122C.wmf"), looked up
// without regard to case in the current folder: the named file itself, or,
// when it is absent, a file of the same base name ending in .svg, .pdf or
// .png, so that a user can supply the form's page in one of those formats.
// Nothing when none exists.
std::optional<std::filesystem::path> FindPageImage(const std::string& name);

// Draws the image file across a page of `page` size in the painter's units,
// from the painter's origin (stretched to it), as vectors where the file
// holds vectors: a Windows metafile, an SVG drawing, the first page of a
// PDF; anything else as a picture Qt reads (PNG, ...). The kind is told by
// the contents, not by the name. False, drawing nothing, when the file
// cannot be read as any of them.
bool DrawPageImage(QPainter& painter, const std::filesystem::path& file, const QSizeF& page);

} // namespace desktop
