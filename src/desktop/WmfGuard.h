#pragma once
#include <string_view>

namespace desktop {

// Whether a metafile may be given to libwmf: libwmf sets memory aside for
// what a file claims before it reads it (the largest record the header
// names; each bitmap's pixels as the bitmap's header declares them), so a
// claim the file cannot hold, or a bitmap larger than a Letter page scanned
// at 300 dots an inch, makes the page image unreadable instead. Reads only
// within `metafile`.
bool LibwmfMayPlay(std::string_view metafile);

} // namespace desktop
