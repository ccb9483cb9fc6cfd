// Cost of saving and opening a design as a widget file as the design grows: the parameters
// written into the file's map and the file written; the file read, the design rebuilt from its
// parameters, and the HTML a host asks for next (what `tessera html` does inside the
// component). Each against the machine's floor for the same bytes.
// Arguments: the design sizes in buttons (default 1000 10000), --reps=N.

#include "benchmarks/benchtable.h"
#include "benchmarks/designfile.h"
#include "benchmarks/floors.h"
#include "component/brisko.h"
#include "component/widgetconfig.h"
#include "model/appletparameters.h"
#include "platform/com/interfaceptr.h"

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using tb::bench::CBenchStep;

struct CFileContext {
    std::string strFolder; // the design and its media
    std::string strPath;   // the design as written by the generator
    std::string strSaved;  // where the benchmark saves it
    std::string strFloorFile;
    std::string strFileBytes;   // the saved file's bytes
    std::string strStoredBytes; // every key and value of the parameter map
    CAppletParameters applet;
    WidgetConfig written;
    WidgetConfig read;
    std::unique_ptr<CAppletParameters> pRebuilt;
    tb::CInterfacePtr<CBrisko> pWidget;
    std::string strHtml;
    size_t nSink = 0; // keeps the floors' work from being optimised away
    bool bFailed = false;
};

void OpenDesign(CFileContext& c) {
    WidgetConfig config;
    c.bFailed = !config.Read(c.strPath) || c.bFailed;
    c.pRebuilt->ReadParameters(config.Parameters(), c.strFolder);
}

std::vector<CBenchStep<CFileContext>> FileSteps() {
    const std::string kReadFloor = "reading the file and splitting it into lines";
    return {
        {"write parameters", [](CFileContext& c) { c.written.ClearParameters(); },
         [](CFileContext& c) { c.applet.WriteParameters(c.written.Parameters()); },
         [](CFileContext& c) { c.nSink += tb::bench::CopyBytes(c.strStoredBytes); },
         "copying the keys and values"},
        {"file text", nullptr, [](CFileContext& c) { c.nSink += c.written.WriteText().size(); },
         [](CFileContext& c) { c.nSink += tb::bench::CopyBytes(c.strFileBytes); },
         "copying the same bytes"},
        {"write file", nullptr,
         [](CFileContext& c) { c.bFailed = !c.written.Write(c.strSaved) || c.bFailed; },
         [](CFileContext& c) {
             c.bFailed = !tb::bench::WriteBytes(c.strFloorFile, c.strFileBytes) || c.bFailed;
         },
         "writing the same bytes (temporary file, flushed, renamed)"},
        {"read file", [](CFileContext& c) { c.read = WidgetConfig(); },
         [](CFileContext& c) {
             c.bFailed = !c.read.Read(c.strSaved) || c.bFailed;
             c.nSink += c.read.Parameters().Size(); // the map ready for lookups
         },
         [](CFileContext& c) { c.nSink += tb::bench::ReadAndSplitLines(c.strSaved); }, kReadFloor},
        {"rebuild design",
         [](CFileContext& c) { c.pRebuilt = std::make_unique<CAppletParameters>(); },
         [](CFileContext& c) { c.pRebuilt->ReadParameters(c.read.Parameters(), c.strFolder); },
         [](CFileContext& c) { c.nSink += tb::bench::CopyBytes(c.strStoredBytes); },
         "copying the keys and values"},
        {"open (read+rebuild)",
         [](CFileContext& c) { c.pRebuilt = std::make_unique<CAppletParameters>(); }, OpenDesign,
         [](CFileContext& c) { c.nSink += tb::bench::ReadAndSplitLines(c.strPath); }, kReadFloor},
        {"open and HTML",
         [](CFileContext& c) { c.pWidget = tb::CInterfacePtr<CBrisko>::Adopt(new CBrisko); },
         [](CFileContext& c) {
             c.bFailed = !c.pWidget->ReadConfigFile(c.strPath) || c.bFailed;
             c.strHtml = c.pWidget->GetHTMLBody(tb::HtmlMode::Preview);
         },
         [](CFileContext& c) {
             c.nSink += tb::bench::ReadAndSplitLines(c.strPath) + tb::bench::CopyBytes(c.strHtml);
         },
         kReadFloor + ", copying the HTML"},
    };
}

std::string StoredBytes(const WidgetConfig& config) {
    std::string bytes;
    for (const auto& [key, value] : config.Parameters()) {
        bytes += key;
        bytes += value;
    }
    return bytes;
}

} // namespace

int main(int argc, char** argv) {
    tb::KeepFreedMemory();
    const std::vector<CBenchStep<CFileContext>> steps = FileSteps();
    const std::string strRoot = std::filesystem::temp_directory_path().string() +
                                "/tb-bench-widgetfile-" + std::to_string(::getpid());
    const tb::bench::CBenchOptions options = tb::bench::BenchOptionsFrom(argc, argv, {1000, 10000});
    std::printf("Generated designs on a 1200 x 1200 canvas, 3 items per button, 2 sub-items per "
                "item, media files for 20 buttons.\n");

    int nFailures = 0;
    std::vector<std::vector<tb::bench::CStepTimes>> timesBySize;
    for (int nButtons : options.sizes) {
        CFileContext c;
        c.strFolder = strRoot + "/" + std::to_string(nButtons) + "/";
        std::filesystem::create_directories(c.strFolder);
        c.strPath = c.strFolder + "design.tsq";
        c.strSaved = c.strFolder + "saved.tsq";
        c.strFloorFile = c.strFolder + "floor.tsq";
        if (!tb::bench::WriteDesignFile(c.strFolder, nButtons, 1200, 1200)) {
            std::printf("cannot write the design of %d buttons\n", nButtons);
            return 1;
        }
        WidgetConfig generated;
        c.bFailed = !generated.Read(c.strPath);
        c.applet.ReadParameters(generated.Parameters(), c.strFolder);
        c.applet.WriteParameters(c.written.Parameters());
        c.bFailed = !c.written.Write(c.strSaved) || c.bFailed;
        c.strFileBytes = tb::bench::FileBytes(c.strSaved);
        c.strStoredBytes = StoredBytes(c.written);

        timesBySize.push_back(
            tb::bench::TimeSteps(steps, c, tb::bench::RepetitionsFor(options, nButtons)));
        tb::bench::PrintTimes(nButtons, steps, timesBySize.back());
        std::printf("  %zu parameters, %zu bytes of widget file, %zu bytes of HTML\n",
                    c.written.Parameters().Size(), c.strFileBytes.size(), c.strHtml.size());

        // The figures only count when the work was really done.
        if (c.bFailed || c.pRebuilt->m_buttons.size() != size_t(nButtons) ||
            tb::bench::FileBytes(c.strSaved) != c.strFileBytes) {
            std::printf("  check failed: %s, %zu buttons read back\n",
                        c.bFailed ? "file not written or read" : "file fine",
                        c.pRebuilt->m_buttons.size());
            ++nFailures;
        }
    }
    tb::bench::PrintGrowth(options.sizes, steps, timesBySize);
    std::filesystem::remove_all(strRoot);
    return nFailures == 0 ? 0 : 1;
}
