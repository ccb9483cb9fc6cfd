#include <cstdio>
#include <string_view>

#include "cli/clicommand.h"
#include "platform/core/asciitext.h"
#include "platform/core/numfmt.h"

namespace tb::cli {

const std::vector<CliCommand>& Commands() {
    static const std::vector<CliCommand> kCommands = {
        {"register",
         "MODULE",
         "Register a component module in the per-user registry.",
         "Loads MODULE and calls its DllRegisterServer.",
         {},
         &RunRegister},
        {"unregister",
         "MODULE",
         "Remove a component module's registration.",
         "Loads MODULE and calls its DllUnregisterServer.",
         {},
         &RunUnregister},
        {"list",
         "",
         "List the installed widget components.",
         "One line per class of the category \"Tallowby Tesseras\": class identifier, ProgID "
         "and module path, separated by TABs.",
         {},
         &RunList},
        {"info",
         "FILE.tsq",
         "Show a widget file's catalogue data.",
         "Prints ProgID, Title, Description, PreviewPath and LastUpdateTime, and for a design "
         "of the component that read it whether it plays in current browsers (Player: on or "
         "off).",
         {},
         &RunInfo},
        {"html",
         "FILE.tsq [--mode N] [--preview-path P]",
         "Print the widget's HTML.",
         "Mode 0 previews (codebase from the preview path), 1 publishes, others write bare "
         "names. The bytes are written unchanged.",
         {"--mode", "--preview-path"},
         &RunHtml},
        {"resources",
         "FILE.tsq",
         "List the files the widget's HTML needs.",
         "One line per file: Name, LocalPath and WebPath separated by TABs; control "
         "characters in them are shown escaped (\\t, \\n, \\xHH).",
         {},
         &RunResources},
        {"save",
         "IN.tsq OUT.tsq [--mode N] [--player on|off]",
         "Read a widget file and write it again.",
         "Media and the applet class file are copied next to OUT; mode 0 points the design "
         "at the copies. --player on makes the published HTML play in current browsers (it "
         "loads tlwbtn.js, which is copied too); off leaves the applet alone.",
         {"--mode", "--player"},
         &RunSave},
        {"render",
         "FILE.tsq OUT.png [--state 1|2|3]",
         "Paint the design canvas to a PNG.",
         "State 1 is normal, 2 mouse over, 3 clicked.",
         {"--state"},
         &RunRender},
        {"edit",
         "FILE.tsq [--no-save]",
         "Open the designer on a widget file.",
         "Needs a display. When the designer closes, the file is saved as the workbench saves "
         "it; a file that does not exist yet starts a new design. --no-save only opens.",
         {},
         &RunEdit,
         {"--no-save"}},
    };
    return kCommands;
}

int Fail(const std::string& message) {
    // Names in a message may hold line breaks; the message stays one line.
    std::fprintf(stderr, "tessera: %s\n", EscapeControlCharacters(message).c_str());
    return 1;
}

bool ShortOption(const CliArgs& args, const std::string& name, short fallback, short* value) {
    auto it = args.options.find(name);
    if (it == args.options.end()) {
        *value = fallback;
        return true;
    }
    const std::string& text = it->second;
    size_t i = (text.size() > 1 && text[0] == '-') ? 1 : 0;
    bool bDigits = i < text.size() && text.size() - i <= 6;
    for (size_t k = i; bDigits && k < text.size(); ++k)
        bDigits = text[k] >= '0' && text[k] <= '9';
    const long n = bDigits ? AtoI(text) : 0;
    if (!bDigits || n < -32768 || n > 32767) {
        Fail(name + " needs a number between -32768 and 32767, not \"" + text + "\"");
        return false;
    }
    *value = static_cast<short>(n);
    return true;
}

namespace {

void PrintUsage(FILE* out) {
    std::fprintf(out, "Usage: tessera COMMAND [ARGUMENTS]\n\nCommands:\n");
    for (const CliCommand& c : Commands())
        std::fprintf(out, "  %-11s %s\n", c.pszName, c.pszSummary);
    std::fprintf(out, "\n'tessera COMMAND --help' describes one command.\n");
}

void PrintCommandHelp(const CliCommand& c) {
    std::printf("Usage: tessera %s %s\n%s\n", c.pszName, c.pszUsage, c.pszSummary);
    if (*c.pszHelp)
        std::printf("%s\n", c.pszHelp);
}

// Splits the arguments; false (message printed) for an option the command does not know.
bool ParseArgs(const CliCommand& c, int argc, char** argv, CliArgs* args) {
    for (int i = 2; i < argc; ++i) {
        std::string_view a = argv[i];
        if (a == "--help" || a == "-h") {
            args->bHelp = true;
        } else if (a.size() > 2 && a.substr(0, 2) == "--") {
            std::string name(a);
            std::string value;
            const size_t eq = name.find('=');
            bool bInline = eq != std::string::npos;
            if (bInline) {
                value = name.substr(eq + 1);
                name.resize(eq);
            }
            bool bKnown = false;
            for (const std::string& o : c.valueOptions)
                bKnown = bKnown || o == name;
            bool bFlag = false;
            for (const std::string& o : c.flagOptions)
                bFlag = bFlag || o == name;
            if (bFlag) {
                if (bInline) {
                    Fail(name + " takes no value");
                    return false;
                }
                args->options[name] = "";
                continue;
            }
            if (!bKnown) {
                Fail("unknown option " + name + " for '" + c.pszName + "'");
                return false;
            }
            if (!bInline) {
                if (i + 1 >= argc) {
                    Fail(name + " needs a value");
                    return false;
                }
                value = argv[++i];
            }
            args->options[name] = value;
        } else {
            args->positional.emplace_back(a);
        }
    }
    return true;
}

size_t RequiredPositionals(const CliCommand& c) {
    // Words of the usage outside brackets are the required arguments.
    size_t n = 0;
    int depth = 0;
    bool bInWord = false;
    for (const char* p = c.pszUsage; *p; ++p) {
        if (*p == '[') {
            ++depth;
        } else if (*p == ']') {
            --depth;
        } else if (*p == ' ') {
            bInWord = false;
        } else if (depth == 0 && !bInWord) {
            bInWord = true;
            ++n;
        }
    }
    return n;
}

} // namespace

int RunCli(int argc, char** argv) {
    if (argc < 2) {
        PrintUsage(stderr);
        return 1;
    }
    std::string_view name = argv[1];
    if (name == "--help" || name == "-h" || name == "help") {
        PrintUsage(stdout);
        return 0;
    }
    for (const CliCommand& c : Commands()) {
        if (name != c.pszName)
            continue;
        CliArgs args;
        if (!ParseArgs(c, argc, argv, &args))
            return 1;
        if (args.bHelp) {
            PrintCommandHelp(c);
            return 0;
        }
        if (args.positional.size() != RequiredPositionals(c))
            return Fail(std::string("usage: tessera ") + c.pszName + " " + c.pszUsage);
        return c.pfnRun(args);
    }
    return Fail("unknown command '" + std::string(name) + "' (see 'tessera --help')");
}

} // namespace tb::cli
