// Writes a generated design as a widget file with some of its media files, so that scripts
// can run tessera on a design of any size:
//   tb-make-design FOLDER BUTTONS [WIDTH HEIGHT]
// writes FOLDER/design.tsq, its buttons on a grid filling a WIDTH x HEIGHT canvas (default
// 1200 x 1200), and the media files of some of them (see designfile.h).

#include "benchmarks/designfile.h"
#include "platform/core/numfmt.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 3 && argc != 5) {
        std::fprintf(stderr, "usage: tb-make-design FOLDER BUTTONS [WIDTH HEIGHT]\n");
        return 2;
    }
    const int nButtons = tb::AtoI(argv[2]);
    const int nWidth = argc == 5 ? tb::AtoI(argv[3]) : 1200;
    const int nHeight = argc == 5 ? tb::AtoI(argv[4]) : 1200;
    if (nButtons < 0 || nWidth <= 0 || nHeight <= 0) {
        std::fprintf(stderr, "tb-make-design: sizes must be positive\n");
        return 2;
    }
    if (!tb::bench::WriteDesignFile(argv[1], nButtons, nWidth, nHeight)) {
        std::fprintf(stderr, "tb-make-design: cannot write the design into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
