#pragma once
// The marker lines that frame the parts of a widget file.

#include <string_view>

namespace tb {

inline constexpr std::string_view kMarkerDescriptionBegin =
    "========== Description Part Begin ==========";
inline constexpr std::string_view kMarkerDescriptionEnd =
    "========== Description Part End ==========";
inline constexpr std::string_view kMarkerParameterBegin =
    "========== Parameter Part Begin ==========";
inline constexpr std::string_view kMarkerParameterEnd = "========== Parameter Part End ==========";
inline constexpr std::string_view kMarkerResourceBegin =
    "========== Resource Part Begin ==========";
inline constexpr std::string_view kMarkerResourceEnd = "========== Resource Part End ==========";
inline constexpr std::string_view kMarkerHtmlBegin = "========== HTML Part Begin ==========";
inline constexpr std::string_view kMarkerHtmlEnd = "========== HTML Part End ==========";
inline constexpr std::string_view kMarkerSegmentEnd = "===== Segment End =====";

} // namespace tb
