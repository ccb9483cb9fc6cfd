// Cost of the model's whole-design operations as the design grows: the applet HTML and the
// object archive, stored and loaded back, each against copying the bytes it produces or
// reads. Arguments: the design sizes in buttons (default 1000 10000), --reps=N.

#include "benchmarks/benchtable.h"
#include "benchmarks/designbuilder.h"
#include "benchmarks/floors.h"
#include "model/appletparameters.h"
#include "model/archive.h"
#include "model/drawrect.h"
#include "model/storagewalk.h"

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
    size_t nSink = 0; // keeps the floors' work from being optimised away
};

std::vector<CBenchStep<CModelContext>> ModelSteps() {
    return {
        {"HTML", nullptr,
         [](CModelContext& c) { c.strHtml = c.applet.GetHTML(nullptr, tb::HtmlMode::Publish); },
         [](CModelContext& c) { c.nSink += tb::bench::CopyBytes(c.strHtml); }, "copying the HTML"},
        {"store archive", nullptr,
         [](CModelContext& c) {
             c.strArchive = tb::StoreArchive([&](CArchive& ar) { c.applet.Serialize(ar); });
         },
         [](CModelContext& c) { c.nSink += tb::bench::CopyBytes(c.strArchive); },
         "copying the archive"},
        {"load archive",
         [](CModelContext& c) { c.pLoaded = std::make_unique<CAppletParameters>(); },
         [](CModelContext& c) {
             const tb::ArchiveStatus status =
                 tb::LoadArchive(c.strArchive, [&](CArchive& ar) { c.pLoaded->Serialize(ar); });
             c.bLoadFailed = c.bLoadFailed || !status;
         },
         [](CModelContext& c) { c.nSink += tb::bench::CopyBytes(c.strArchive); },
         "copying the archive"},
    };
}

} // namespace

int main(int argc, char** argv) {
    tb::KeepFreedMemory();
    const tb::bench::CDesignShape shape;
    const std::vector<CBenchStep<CModelContext>> steps = ModelSteps();
    std::printf("Design: %d items per button, %d sub-items per item, hints %s; "
                "%d menus per button in the HTML.\n",
                shape.nItemsPerButton, shape.nSubItemsPerItem, shape.bShowHints ? "on" : "off",
                tb::bench::HtmlMenusPerButton(shape));

    int nFailures = 0;
    const tb::bench::CBenchOptions options = tb::bench::BenchOptionsFrom(argc, argv, {1000, 10000});
    std::vector<std::vector<tb::bench::CStepTimes>> timesBySize;
    for (int nButtons : options.sizes) {
        CModelContext context;
        tb::bench::BuildDesign(context.applet, nButtons, shape);
        timesBySize.push_back(
            tb::bench::TimeSteps(steps, context, tb::bench::RepetitionsFor(options, nButtons)));
        tb::bench::PrintTimes(nButtons, steps, timesBySize.back());
        std::printf("  %zu bytes of HTML, %zu bytes of archive\n", context.strHtml.size(),
                    context.strArchive.size());

        // The figures only count when the work was really done.
        const int nExpectedMenus = nButtons * tb::bench::HtmlMenusPerButton(shape);
        const int nMenus = tb::NumberMenus(context.applet, tb::MenuSelection::Shown).m_nMenuCount;
        if (nMenus != nExpectedMenus || context.bLoadFailed ||
            context.pLoaded->m_buttons.size() != static_cast<size_t>(nButtons)) {
            std::printf("  check failed: %d menus written (expected %d), load %s\n", nMenus,
                        nExpectedMenus,
                        context.bLoadFailed ? "failed" : "gave another button count");
            ++nFailures;
        }
    }
    tb::bench::PrintGrowth(options.sizes, steps, timesBySize);
    return nFailures == 0 ? 0 : 1;
}
