#pragma once
// The subcommands of tessera: each is one entry of the command table (clicommands.cpp) with
// its own file. A command gets its arguments already split into positionals and options and
// answers an exit code; messages for the user go to stderr in one line.

#include <map>
#include <string>
#include <vector>

namespace tb::cli {

struct CliArgs {
    std::vector<std::string> positional;
    std::map<std::string, std::string> options; // "--mode" -> "1"
    bool bHelp = false;
};

struct CliCommand {
    const char* pszName;
    const char* pszUsage;   // arguments after the command name
    const char* pszSummary; // one line
    const char* pszHelp;    // further lines, may be empty
    // Options that take a value; any other option is refused.
    std::vector<std::string> valueOptions;
    int (*pfnRun)(const CliArgs& args);
    // Options that take no value: present or not.
    std::vector<std::string> flagOptions = {};
};

// The table, in the order --help lists it.
const std::vector<CliCommand>& Commands();

// Prints "tessera: <message>" on stderr and answers exit code 1.
int Fail(const std::string& message);

// Reads an option as a 16-bit number; false (with a message printed) when it is not one.
bool ShortOption(const CliArgs& args, const std::string& name, short fallback, short* value);

// Entry point used by main().
int RunCli(int argc, char** argv);

// The commands.
int RunRegister(const CliArgs& args);
int RunUnregister(const CliArgs& args);
int RunList(const CliArgs& args);
int RunInfo(const CliArgs& args);
int RunHtml(const CliArgs& args);
int RunResources(const CliArgs& args);
int RunSave(const CliArgs& args);
int RunRender(const CliArgs& args);
int RunEdit(const CliArgs& args);

} // namespace tb::cli
