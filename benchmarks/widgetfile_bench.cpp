// Cost of saving and opening a design as a widget file as the design grows: the parameters
// written into the file's map and the file written, then the file read and the design rebuilt
// from its parameters. Each step should cost the same per button at every size.
// Arguments: the design sizes in buttons (default 10 100 1000 10000), --reps=N.

#include "benchmarks/benchtable.h"
#include "benchmarks/designbuilder.h"
#include "component/widgetconfig.h"
#include "model/appletparameters.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using tb::bench::CBenchStep;

struct CFileContext {
    CAppletParameters applet;
    std::string strPath;
    std::unique_ptr<CAppletParameters> pRead;
    size_t nParameters = 0;
    bool bFailed = false;
};

std::vector<CBenchStep<CFileContext>> FileSteps() {
    return {
        {"write", nullptr,
         [](CFileContext& c) {
             WidgetConfig config;
             c.applet.WriteParameters(config.Parameters());
             c.nParameters = config.Parameters().Size();
             c.bFailed = !config.Write(c.strPath) || c.bFailed;
         }},
        {"read", [](CFileContext& c) { c.pRead = std::make_unique<CAppletParameters>(); },
         [](CFileContext& c) {
             WidgetConfig config;
             c.bFailed = !config.Read(c.strPath) || c.bFailed;
             c.pRead->ReadParameters(config.Parameters(), "/srv/widget/");
         }},
    };
}

} // namespace

int main(int argc, char** argv) {
    const tb::bench::CDesignShape shape;
    const std::vector<CBenchStep<CFileContext>> steps = FileSteps();
    const std::string strFolder = std::filesystem::temp_directory_path().string() +
                                  "/tb-bench-widgetfile-" + std::to_string(::getpid());
    std::filesystem::create_directories(strFolder);
    std::printf("Design: %d items per button, %d sub-items per item.\n", shape.nItemsPerButton,
                shape.nSubItemsPerItem);
    tb::bench::PrintHeader(steps);

    const tb::bench::CBenchOptions options = tb::bench::BenchOptionsFrom(argc, argv);
    int nFailures = 0;
    for (int nButtons : options.sizes) {
        CFileContext context;
        context.strPath = strFolder + "/design.tsq";
        tb::bench::BuildDesign(context.applet, nButtons, shape);
        const int reps = options.nReps > 0 ? options.nReps
                                           : std::max(3, tb::bench::RepetitionsFor(nButtons) / 4);
        std::vector<double> seconds;
        for (const auto& step : steps)
            seconds.push_back(tb::bench::TimeBest(step, context, reps));
        tb::bench::PrintRow(nButtons, seconds);
        const auto nBytes = std::filesystem::file_size(context.strPath);
        std::printf("%8s   %zu parameters, %ju bytes\n", "", context.nParameters,
                    static_cast<uintmax_t>(nBytes));

        // The figures only count when the work was really done.
        if (context.bFailed || context.pRead->m_buttons.size() != static_cast<size_t>(nButtons)) {
            std::printf("   check failed: %s, %zu buttons read back\n",
                        context.bFailed ? "file not written or read" : "file fine",
                        context.pRead->m_buttons.size());
            ++nFailures;
        }
    }
    std::filesystem::remove_all(strFolder);
    return nFailures == 0 ? 0 : 1;
}
