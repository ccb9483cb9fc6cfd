// tessera: registers widget components and drives them from the command line.

#include "cli/clicommand.h"

int main(int argc, char** argv) {
    return tb::cli::RunCli(argc, argv);
}
