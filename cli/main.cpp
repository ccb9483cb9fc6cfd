// tessera: registers widget components and drives them from the command line.

#include "cli/clicommand.h"
#include "platform/core/batchheap.h"

int main(int argc, char** argv) {
    tb::UseHeapForBatchWork();
    return tb::cli::RunCli(argc, argv);
}
