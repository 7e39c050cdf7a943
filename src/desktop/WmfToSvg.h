#pragma once
#include <filesystem>
#include <optional>
#include <string>

namespace desktop {

// Converts a Windows metafile to SVG with libwmf, so that it can be drawn as
// vectors. The SVG's frame is the metafile's own page: the bounding box of
// its placeable header, or else the window its records set up (origin and
// extent), placed as libwmf places it under the mapping the file's records
// set (mapping mode, window, viewport), so that a page image keeps its places
// when scaled to the page. Nothing when the file is not a metafile libwmf
// can play, or one it may not be given (WmfGuard.h). (libwmf's headers define
// macros that clash with Qt's, hence no Qt types here.)
std::optional<std::string> WmfToSvg(const std::filesystem::path& wmf);

} // namespace desktop
