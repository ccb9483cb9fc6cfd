// Cost of the tessera commands a publishing script runs on each widget of a site, as whole
// processes on generated designs: `tessera html` and `tessera save`, against reading the file
// and splitting it into lines plus copying what the command writes, and against starting
// tessera for a command that reads no design (`tessera list`).
// Arguments: the design sizes in buttons (default 1000 10000), --reps=N.

#include "benchmarks/benchtable.h"
#include "benchmarks/designfile.h"
#include "benchmarks/floors.h"

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

using tb::bench::CBenchStep;

const std::string kProgramFolder = TB_PROGRAM_DIR;

// Runs tessera with the arguments, its standard output into the file named (or /dev/null);
// false unless it ran and succeeded.
bool RunTessera(const std::vector<std::string>& args, const std::string& strOutput = "/dev/null") {
    std::vector<std::string> all = {kProgramFolder + "/tessera"};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& arg : all)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, strOutput.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    pid_t pid = 0;
    const int error = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    return error == 0 && ::waitpid(pid, &status, 0) == pid && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
}

struct CTesseraContext {
    std::string strFolder;
    std::string strDesign;
    std::string strHtmlFile;
    std::string strHtml; // what tessera html wrote
    std::string strSaved;
    size_t nSink = 0;
    bool bFailed = false;
};

std::vector<CBenchStep<CTesseraContext>> TesseraSteps() {
    return {
        {"tessera list", nullptr,
         [](CTesseraContext& c) { c.bFailed = !RunTessera({"list"}) || c.bFailed; }, nullptr, ""},
        {"tessera html", nullptr,
         [](CTesseraContext& c) {
             c.bFailed = !RunTessera({"html", c.strDesign}, c.strHtmlFile) || c.bFailed;
         },
         [](CTesseraContext& c) {
             c.nSink += tb::bench::ReadAndSplitLines(c.strDesign) + tb::bench::CopyBytes(c.strHtml);
         },
         "reading the file and splitting it into lines, copying the HTML"},
        {"tessera save", nullptr,
         [](CTesseraContext& c) {
             c.bFailed = !RunTessera({"save", c.strDesign, c.strSaved}) || c.bFailed;
         },
         [](CTesseraContext& c) {
             c.nSink += tb::bench::ReadAndSplitLines(c.strDesign);
             const std::string bytes = tb::bench::FileBytes(c.strSaved);
             c.bFailed = !tb::bench::WriteBytes(c.strFolder + "floor.tsq", bytes) || c.bFailed;
         },
         "reading the file and splitting it into lines, writing the saved bytes"},
    };
}

} // namespace

int main(int argc, char** argv) {
    const std::string strRoot = std::filesystem::temp_directory_path().string() +
                                "/tb-bench-tessera-" + std::to_string(::getpid());
    std::filesystem::create_directories(strRoot + "/registry");
    ::setenv("TALLOWBY_REGISTRY_DIR", (strRoot + "/registry").c_str(), 1);
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    if (!RunTessera({"register", kProgramFolder + "/TesseraBrisko.so"})) {
        std::printf("cannot register %s/TesseraBrisko.so\n", kProgramFolder.c_str());
        return 1;
    }
    std::printf("Generated designs on a 1200 x 1200 canvas, 3 items per button, 2 sub-items per "
                "item, media files for 20 buttons; tessera from %s.\n",
                kProgramFolder.c_str());

    const std::vector<CBenchStep<CTesseraContext>> steps = TesseraSteps();
    const tb::bench::CBenchOptions options = tb::bench::BenchOptionsFrom(argc, argv, {1000, 10000});
    std::vector<std::vector<tb::bench::CStepTimes>> timesBySize;
    int nFailures = 0;
    for (int nButtons : options.sizes) {
        CTesseraContext c;
        c.strFolder = strRoot + "/" + std::to_string(nButtons) + "/";
        std::filesystem::create_directories(c.strFolder + "out");
        c.strDesign = c.strFolder + "design.tsq";
        c.strHtmlFile = c.strFolder + "html.htm";
        c.strSaved = c.strFolder + "out/saved.tsq";
        if (!tb::bench::WriteDesignFile(c.strFolder, nButtons, 1200, 1200) ||
            !RunTessera({"html", c.strDesign}, c.strHtmlFile)) {
            std::printf("cannot write or read the design of %d buttons\n", nButtons);
            return 1;
        }
        c.strHtml = tb::bench::FileBytes(c.strHtmlFile);
        timesBySize.push_back(
            tb::bench::TimeSteps(steps, c,
                                 std::min(tb::bench::RepetitionsFor(options, nButtons),
                                          options.nReps > 0 ? options.nReps : 9)));
        tb::bench::PrintTimes(nButtons, steps, timesBySize.back());
        std::printf("  %ju bytes of widget file, %zu bytes of HTML\n",
                    std::uintmax_t(std::filesystem::file_size(c.strDesign)), c.strHtml.size());
        if (c.bFailed || tb::bench::FileBytes(c.strHtmlFile) != c.strHtml) {
            std::printf("  check failed: a command failed or wrote other HTML\n");
            ++nFailures;
        }
    }
    tb::bench::PrintGrowth(options.sizes, steps, timesBySize);
    std::filesystem::remove_all(strRoot);
    return nFailures == 0 ? 0 : 1;
}
