#pragma once
// The credits of the About box as lines to scroll: one text cut at a separator character,
// each line's last character choosing how it is drawn (and not drawn itself), and the
// scrolling speeds.

#include <string>
#include <string_view>
#include <vector>

namespace tb {

struct CCreditLine {
    enum Style {
        Title,      // ends in a tab
        Heading,    // ends in a line feed
        Subheading, // ends in a carriage return
        Bitmap,     // ends in '^': the text names a picture that scrolls in its place
        Plain,      // anything else, drawn whole
    };
    Style style = Plain;
    std::string text;
};

// The lines of text cut at separator, styled by their last characters. An empty piece
// (two separators in a row) is an empty plain line: a gap.
std::vector<CCreditLine> SplitCredits(std::string_view text, char separator);

// The milliseconds between two one-pixel steps at a speed index (0 slowest, 2 fastest);
// an index outside the table scrolls at the default speed.
int CreditsStepInterval(int nSpeed);
inline constexpr int kDefaultCreditsSpeed = 1;

} // namespace tb
