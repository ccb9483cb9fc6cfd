#pragma once
// A generated design written as a widget file with some of its media files, for tessera to
// work on: the buttons on a grid filling a nWidth x nHeight canvas, and the media files of
// about 20 buttons spread over the design (every other one in small designs) beside it. The
// other buttons' files stay missing, so readers also meet references to files that are gone.
// The same arguments always give the same bytes.

#include <string>

namespace tb::bench {

// Writes strFolder/design.tsq and the media files into strFolder (which must exist); false
// when a file could not be written.
bool WriteDesignFile(const std::string& strFolder, int nButtons, int nWidth, int nHeight);

} // namespace tb::bench
