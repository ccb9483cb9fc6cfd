#pragma once
// Names for the mode numbers with which hosts ask for the applet HTML and for the gathering of
// a design's files. Hosts pass numbers; the widget object turns them into these at once.

namespace tb {

// What an applet element is written for: a preview page (file references under the preview
// path), a published page (under the design's web path) or bare file names.
enum class HtmlMode { Preview, Publish, BareNames };

// 0 and 1 as named; every other number asks for bare names.
constexpr HtmlMode HtmlModeFromNumber(short nMode) {
    return nMode == 0 ? HtmlMode::Preview : nMode == 1 ? HtmlMode::Publish : HtmlMode::BareNames;
}

// How the media files of a design are gathered into a folder: copied once each, with the
// design's references pointed at the copies and colliding names handed to the user (the
// widget's own folder), or copied over whatever lies there, references unchanged (a page's
// folder when publishing).
enum class GatherMode { PointAtCopies, CopyOnly };

// 0 points at the copies; every other number only copies.
constexpr GatherMode GatherModeFromNumber(short nMode) {
    return nMode == 0 ? GatherMode::PointAtCopies : GatherMode::CopyOnly;
}

} // namespace tb
