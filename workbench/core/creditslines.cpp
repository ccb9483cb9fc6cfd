#include "workbench/core/creditslines.h"

namespace tb {

namespace {

constexpr int kStepIntervals[] = {70, 40, 5};

CCreditLine StyledLine(std::string_view piece) {
    CCreditLine line;
    if (piece.empty())
        return line;
    const char last = piece.back();
    switch (last) {
    case '\t':
        line.style = CCreditLine::Title;
        break;
    case '\n':
        line.style = CCreditLine::Heading;
        break;
    case '\r':
        line.style = CCreditLine::Subheading;
        break;
    case '^':
        line.style = CCreditLine::Bitmap;
        break;
    default:
        line.text = piece;
        return line;
    }
    line.text = piece.substr(0, piece.size() - 1);
    return line;
}

} // namespace

std::vector<CCreditLine> SplitCredits(std::string_view text, char separator) {
    std::vector<CCreditLine> lines;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find(separator, start);
        if (end == std::string_view::npos)
            end = text.size();
        lines.push_back(StyledLine(text.substr(start, end - start)));
        start = end + 1;
    }
    return lines;
}

int CreditsStepInterval(int nSpeed) {
    if (nSpeed < 0 || nSpeed >= static_cast<int>(std::size(kStepIntervals)))
        nSpeed = kDefaultCreditsSpeed;
    return kStepIntervals[nSpeed];
}

} // namespace tb
