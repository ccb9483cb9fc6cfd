#pragma once
// Names for the numbers of the model's looks. The model keeps and archives the numbers
// themselves (a file may hold any value); code that acts on them takes these types, and a
// value without a name behaves as that code describes.

namespace tb {

// Background of the applet and of a menu state: solid or stepped fills of two colours.
enum class BackStyle : int {
    Transparent = 0,
    Solid = 1,
    TopToBottom = 2,
    MirroredVertical = 3, // first colour at top and bottom, second in the middle
    LeftToRight = 4,
    MirroredHorizontal = 5, // first colour at left and right, second in the middle
};

// Border of the applet and of a menu state: rings shaded lighter and darker.
enum class BorderStyle : int {
    None = 0,
    Raised = 1,
    Sunken = 2,
    RaisedInside = 3,
    SunkenInside = 4,
    Ridge = 5,
    DoubleRaised = 6,
};

// Text and image alignment of a menu state.
enum class Alignment : int { Left = 0, Centre = 1, Right = 2 };

} // namespace tb
