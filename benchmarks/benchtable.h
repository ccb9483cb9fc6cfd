#pragma once
// Timing and the printed table shared by the benchmark programs. A program names its steps;
// each is timed over a number of repetitions at every design size and reported as the best
// run and its cost per button, so that growth beyond linear stands out in the last column.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "platform/core/numfmt.h"

namespace tb::bench {

// The command line every benchmark program takes: design sizes in buttons (default 10 100
// 1000 10000) and --reps=N.
struct CBenchOptions {
    std::vector<int> sizes;
    int nReps = 0; // 0: chosen by size
};

inline CBenchOptions BenchOptionsFrom(int argc, char** argv) {
    CBenchOptions options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.starts_with("--reps=")) {
            options.nReps = std::max(1, AtoI(arg.substr(7)));
            continue;
        }
        if (const int n = AtoI(arg); n > 0)
            options.sizes.push_back(n);
    }
    if (options.sizes.empty())
        options.sizes = {10, 100, 1000, 10000};
    return options;
}

template <class Context> struct CBenchStep {
    std::string strName;
    // Untimed, before every repetition (for instance throwing away the previous result).
    std::function<void(Context&)> prepare;
    std::function<void(Context&)> run;
};

// Best wall-clock time, in seconds, of `reps` repetitions of the step.
template <class Context>
double TimeBest(const CBenchStep<Context>& step, Context& context, int reps) {
    double best = 1e300;
    for (int r = 0; r < reps; ++r) {
        if (step.prepare)
            step.prepare(context);
        const auto start = std::chrono::steady_clock::now();
        step.run(context);
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        best = std::min(best, elapsed.count());
    }
    return best;
}

// Enough repetitions that small designs give stable figures without large ones taking long.
inline int RepetitionsFor(int nButtons) {
    return std::max(3, 20000 / std::max(1, nButtons));
}

template <class Context> void PrintHeader(const std::vector<CBenchStep<Context>>& steps) {
    std::printf("%8s", "buttons");
    for (const auto& step : steps)
        std::printf(" | %12s %9s", (step.strName + " ms").c_str(), "us/button");
    std::printf("\n");
}

inline void PrintRow(int nButtons, const std::vector<double>& seconds) {
    std::printf("%8d", nButtons);
    for (double s : seconds)
        std::printf(" | %12.3f %9.3f", s * 1e3, s * 1e6 / std::max(1, nButtons));
    std::printf("\n");
}

} // namespace tb::bench
