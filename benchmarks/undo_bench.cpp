// Memory and time of the undo history: a design of 200 buttons (each with items, sub-menus,
// media and a hint) goes through 10,000 changes made by the editing commands, every one of
// which takes a snapshot, with an undo and a redo every hundred changes. Prints the peak
// memory before and after (it must not grow with the number of changes: the history keeps
// five snapshots), the size of one snapshot, and the time of one snapshot, one undo and one
// redo. Arguments: the number of buttons (default 200) and of changes (default 10000).

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "benchmarks/designbuilder.h"
#include "benchmarks/viewstandins.h"
#include "designer/core/buttonclipboard.h"
#include "designer/core/drawviewcore.h"
#include "designer/core/editcommands.h"
#include "designer/core/undosnapshot.h"
#include "model/appletparameters.h"
#include "model/drawrect.h"
#include "platform/core/numfmt.h"

namespace {

// A "VmHWM:" style line of /proc/self/status in kB; -1 when there is none.
long StatusKb(const std::string& key) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.starts_with(key + ":"))
            return std::atol(line.c_str() + key.size() + 1);
    }
    return -1;
}

long MaxRssKb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

void PrintMemory(const char* when) {
    std::printf("%-28s VmHWM %8ld kB   VmRSS %8ld kB   ru_maxrss %8ld kB\n", when,
                StatusKb("VmHWM"), StatusKb("VmRSS"), MaxRssKb());
}

// Microseconds of each of `reps` runs; the median is what one run costs.
double MedianMicroseconds(int reps, const std::function<void()>& run) {
    std::vector<double> times;
    for (int i = 0; i < reps; ++i) {
        const auto start = std::chrono::steady_clock::now();
        run();
        const std::chrono::duration<double, std::micro> elapsed =
            std::chrono::steady_clock::now() - start;
        times.push_back(elapsed.count());
    }
    std::nth_element(times.begin(), times.begin() + times.size() / 2, times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    const int nButtons = argc > 1 ? std::max(3, tb::AtoI(argv[1])) : 200;
    const int nChanges = argc > 2 ? std::max(1, tb::AtoI(argv[2])) : 10000;

    CAppletParameters applet;
    applet.m_nWidth = 1200;
    applet.m_nHeight = 1200;
    tb::bench::BuildDesign(applet, nButtons);
    tb::bench::CNoWindow window;
    tb::bench::CNoSheets sheets;
    tb::CDrawViewCore view(applet, window, sheets);
    view.SetActive(true);
    tb::CMemoryClipboard clipboard;
    tb::CEditCommands commands(view, clipboard);
    tb::ResetUndoHistory(applet);
    const auto button = [&applet](int i) { return applet.m_buttons[size_t(i)].get(); };

    std::printf("Undo history of a design of %d buttons, %d changes.\n", nButtons, nChanges);
    PrintMemory("design built:");
    std::printf("one snapshot holds %s bytes\n",
                tb::FormatInt(int(applet.m_history.undoList.front().size())).c_str());

    // The changes cycle through commands of every kind; each takes one snapshot.
    const std::vector<std::function<void(int)>> changes = {
        [&](int i) { // stacking: one button a step up
            view.Select(button(i % nButtons));
            commands.Stack(tb::StackMove::Forward);
        },
        [&](int i) { // layout: two buttons aligned
            view.Select(button(i % nButtons));
            view.Select(button((i + 7) % nButtons), true);
            commands.Align(tb::Edge::Top);
        },
        [&](int i) { // a move with the mouse
            CDrawRect* p = button(i % nButtons);
            view.Select(p);
            const CPoint at{p->bounds.left + (p->bounds.right - p->bounds.left) / 2,
                            p->bounds.top + (p->bounds.bottom - p->bounds.top) / 2};
            view.OnLButtonDown(tb::MK_LBUTTON, at);
            view.OnMouseMove(tb::MK_LBUTTON, {at.x + 1, at.y + (i % 2 ? 1 : -1)});
            view.OnLButtonUp(0, {at.x + 1, at.y + (i % 2 ? 1 : -1)});
        },
        [&](int) { commands.Center(tb::Axis::Horizontal); },
    };
    size_t nLongestUndo = 0;
    size_t nLongestRedo = 0;
    for (int i = 0; i < nChanges; ++i) {
        changes[size_t(i) % changes.size()](i);
        nLongestUndo = std::max(nLongestUndo, applet.m_history.undoList.size());
        if (i % 100 == 99) {
            commands.Undo();
            nLongestRedo = std::max(nLongestRedo, applet.m_history.redoList.size());
            commands.Redo();
        }
        // The peak must stop growing once the history is full.
        if (i + 1 == nChanges / 10 || i + 1 == nChanges / 2 || i + 1 == nChanges) {
            const std::string when = "after " + tb::FormatInt(i + 1) + " changes:";
            PrintMemory(when.c_str());
        }
    }
    std::printf("undo list at most %zu snapshots, redo list at most %zu\n", nLongestUndo,
                nLongestRedo);

    const double snapshotUs = MedianMicroseconds(200, [&] { tb::TakeSnapshot(applet); });
    // Undo and redo in turns, so that each has a state to go to.
    std::vector<double> undoUs, redoUs;
    for (int r = 0; r < 200; ++r) {
        undoUs.push_back(MedianMicroseconds(1, [&] { commands.Undo(); }));
        redoUs.push_back(MedianMicroseconds(1, [&] { commands.Redo(); }));
    }
    std::sort(undoUs.begin(), undoUs.end());
    std::sort(redoUs.begin(), redoUs.end());
    std::printf("one snapshot %9.1f us\none undo     %9.1f us\none redo     %9.1f us\n", snapshotUs,
                undoUs[undoUs.size() / 2], redoUs[redoUs.size() / 2]);
    PrintMemory("at the end:");
    return 0;
}
