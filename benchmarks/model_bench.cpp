// Cost of the model's whole-design operations as the design grows: the applet HTML and the
// object archive, stored and loaded back. Each step should cost the same per button at every
// size. Arguments: the design sizes in buttons (default 10 100 1000 10000).

#include "benchmarks/benchtable.h"
#include "benchmarks/designbuilder.h"
#include "model/appletparameters.h"
#include "model/archive.h"
#include "model/drawrect.h"
#include "model/storagewalk.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

using tb::bench::CBenchStep;

struct CModelContext {
    CAppletParameters applet;
    std::string strHtml;
    std::string strArchive;
    std::unique_ptr<CAppletParameters> pLoaded;
    bool bLoadFailed = false;
    size_t nSink = 0; // keeps the baseline's work from being optimised away
};

std::vector<CBenchStep<CModelContext>> ModelSteps() {
    return {
        {"HTML", nullptr,
         [](CModelContext& c) { c.strHtml = c.applet.GetHTML(nullptr, tb::HtmlMode::Publish); }},
        // Baseline: the bare cost of filling fresh memory with as many bytes as the HTML has,
        // which on some machines grows faster than linearly by itself (page faults, caches).
        {"fill", nullptr,
         [](CModelContext& c) {
             std::string bytes;
             const std::string chunk(4096, 'x');
             while (bytes.size() < c.strHtml.size())
                 bytes += chunk;
             c.nSink += bytes.size();
         }},
        {"store", nullptr,
         [](CModelContext& c) {
             c.strArchive = tb::StoreArchive([&](CArchive& ar) { c.applet.Serialize(ar); });
         }},
        {"load", [](CModelContext& c) { c.pLoaded = std::make_unique<CAppletParameters>(); },
         [](CModelContext& c) {
             const tb::ArchiveStatus status =
                 tb::LoadArchive(c.strArchive, [&](CArchive& ar) { c.pLoaded->Serialize(ar); });
             c.bLoadFailed = c.bLoadFailed || !status;
         }},
    };
}

} // namespace

int main(int argc, char** argv) {
    const tb::bench::CDesignShape shape;
    const std::vector<CBenchStep<CModelContext>> steps = ModelSteps();
    std::printf("Design: %d items per button, %d sub-items per item, hints %s; "
                "%d menus per button in the HTML.\n",
                shape.nItemsPerButton, shape.nSubItemsPerItem, shape.bShowHints ? "on" : "off",
                tb::bench::HtmlMenusPerButton(shape));
    tb::bench::PrintHeader(steps);

    int nFailures = 0;
    const tb::bench::CBenchOptions options = tb::bench::BenchOptionsFrom(argc, argv);
    for (int nButtons : options.sizes) {
        CModelContext context;
        tb::bench::BuildDesign(context.applet, nButtons, shape);
        const int reps = options.nReps > 0 ? options.nReps : tb::bench::RepetitionsFor(nButtons);
        std::vector<double> seconds;
        for (const auto& step : steps)
            seconds.push_back(tb::bench::TimeBest(step, context, reps));
        tb::bench::PrintRow(nButtons, seconds);

        // The figures only count when the work was really done.
        const int nExpectedMenus = nButtons * tb::bench::HtmlMenusPerButton(shape);
        const int nMenus = tb::NumberMenus(context.applet, tb::MenuSelection::Shown).m_nMenuCount;
        if (nMenus != nExpectedMenus || context.bLoadFailed ||
            context.pLoaded->m_buttons.size() != static_cast<size_t>(nButtons)) {
            std::printf("   check failed: %d menus written (expected %d), load %s\n", nMenus,
                        nExpectedMenus,
                        context.bLoadFailed ? "failed" : "gave another button count");
            ++nFailures;
        }
    }
    return nFailures == 0 ? 0 : 1;
}
