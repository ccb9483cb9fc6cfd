#pragma once
// Timing and the printed tables shared by the benchmark programs. A program names its
// operations; each may come with a floor: what the machine needs for the same bytes at the
// least (reading them and splitting them into lines, copying them, writing them to a file).
// Both are timed in turn over a number of repetitions at every design size and reported as
// medians with their ratio, so the next step can aim at the largest ratio; a last table sets
// each size against the size before it, so that growth beyond linear stands out.
// Times are processor time (this process and the programs it ran), which other work on a
// shared machine barely changes; the wall-clock median is printed beside it.
//
// Repetitions reuse the memory the one before freed, as a long-running designer does: the C
// library is told to keep freed memory rather than hand it back to the system, whose first
// touch of fresh pages would otherwise come and go with the library's heuristics. Whole
// processes, with all their memory fresh, are measured by tb-bench-tessera.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <sys/resource.h>
#include <vector>

#include "platform/core/batchheap.h"
#include "platform/core/numfmt.h"

namespace tb::bench {

// The command line every benchmark program takes: design sizes in buttons and --reps=N.
struct CBenchOptions {
    std::vector<int> sizes;
    int nReps = 0; // 0: chosen by size
};

inline CBenchOptions BenchOptionsFrom(int argc, char** argv, std::vector<int> defaultSizes) {
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
        options.sizes = std::move(defaultSizes);
    return options;
}

// Enough repetitions that small designs give stable medians without large ones taking long.
inline int RepetitionsFor(const CBenchOptions& options, int nButtons) {
    if (options.nReps > 0)
        return options.nReps;
    return std::clamp(20000 / std::max(1, nButtons), 5, 50);
}

template <class Context> struct CBenchStep {
    std::string strName;
    // Untimed, before every repetition (for instance throwing away the previous result).
    std::function<void(Context&)> prepare;
    std::function<void(Context&)> run;
    // The machine's floor for the bytes this operation handles, and what it does; none when
    // null.
    std::function<void(Context&)> floor;
    std::string strFloor;
};

inline double Median(std::vector<double> values) {
    if (values.empty())
        return 0.0;
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Processor seconds used so far by this process and the programs it waited for.
inline double ProcessorSeconds() {
    auto seconds = [](int who) {
        rusage usage{};
        ::getrusage(who, &usage);
        return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
               double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) * 1e-6;
    };
    return seconds(RUSAGE_SELF) + seconds(RUSAGE_CHILDREN);
}

struct CSeconds {
    double cpu = 0;
    double wall = 0;
};

template <class F> CSeconds SecondsOf(F&& f) {
    const double cpuStart = ProcessorSeconds();
    const auto start = std::chrono::steady_clock::now();
    f();
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    return {ProcessorSeconds() - cpuStart, elapsed.count()};
}

// Median seconds of an operation and of its floor (0 without one) at one size.
struct CStepTimes {
    double operation = 0; // processor time
    double floor = 0;
    double operationWall = 0;
    double floorWall = 0;
};

// Times every step `reps` times, the operation and its floor in turn, so that both meet the
// same load on a busy machine.
template <class Context>
std::vector<CStepTimes> TimeSteps(const std::vector<CBenchStep<Context>>& steps, Context& context,
                                  int reps) {
    std::vector<CStepTimes> times;
    for (const auto& step : steps) {
        std::vector<double> operation, floor, operationWall, floorWall;
        for (int r = 0; r < reps; ++r) {
            if (step.prepare)
                step.prepare(context);
            const CSeconds run = SecondsOf([&] { step.run(context); });
            operation.push_back(run.cpu);
            operationWall.push_back(run.wall);
            if (step.floor) {
                const CSeconds least = SecondsOf([&] { step.floor(context); });
                floor.push_back(least.cpu);
                floorWall.push_back(least.wall);
            }
        }
        times.push_back(
            {Median(operation), Median(floor), Median(operationWall), Median(floorWall)});
    }
    return times;
}

template <class Context>
void PrintTimes(int nButtons, const std::vector<CBenchStep<Context>>& steps,
                const std::vector<CStepTimes>& times) {
    std::printf("%d buttons (medians; processor time, wall clock in brackets)\n", nButtons);
    std::printf("  %-20s %10s %10s %10s %10s %10s %7s  %s\n", "operation", "ms", "(wall)",
                "us/button", "floor ms", "(wall)", "ratio", "floor");
    for (size_t i = 0; i < steps.size(); ++i) {
        const CStepTimes& t = times[i];
        std::printf("  %-20s %10.3f %10.3f %10.3f", steps[i].strName.c_str(), t.operation * 1e3,
                    t.operationWall * 1e3, t.operation * 1e6 / std::max(1, nButtons));
        if (steps[i].floor)
            std::printf(" %10.3f %10.3f %7.2f  %s", t.floor * 1e3, t.floorWall * 1e3,
                        t.floor > 0 ? t.operation / t.floor : 0.0, steps[i].strFloor.c_str());
        std::printf("\n");
    }
}

// Each size against the size before it: the ratio of the times, next to the ratio of sizes.
template <class Context>
void PrintGrowth(const std::vector<int>& sizes, const std::vector<CBenchStep<Context>>& steps,
                 const std::vector<std::vector<CStepTimes>>& timesBySize) {
    if (sizes.size() < 2)
        return;
    std::printf("Growth (processor time at a size over that at the size before it)\n");
    std::printf("  %-20s", "operation");
    for (size_t k = 1; k < sizes.size(); ++k)
        std::printf(" %8d ms %8d ms %6s", sizes[k - 1], sizes[k], "ratio");
    std::printf("\n");
    for (size_t i = 0; i < steps.size(); ++i) {
        std::printf("  %-20s", steps[i].strName.c_str());
        for (size_t k = 1; k < sizes.size(); ++k) {
            const double before = timesBySize[k - 1][i].operation;
            const double now = timesBySize[k][i].operation;
            std::printf(" %11.3f %11.3f %6.2f", before * 1e3, now * 1e3,
                        before > 0 ? now / before : 0.0);
        }
        std::printf("\n");
    }
}

} // namespace tb::bench
