// kdmodule: builds, lists and extracts content modules. One function per subcommand; a new
// subcommand is one more row in the table below.
#include "tools/kdmodule/Check.h"
#include "tools/kdmodule/KdModule.h"
#include "tools/kdmodule/Render.h"

#include <cstdio>
#include <exception>

namespace {

struct TCommand {
    const char* Name;
    int (*Run)(const TArgs& args);
};

constexpr TCommand Commands[] = {
    { "build", RunBuild },
    { "list", RunList },
    { "extract", RunExtract },
    { "render", RunRender },
    { "check", RunCheck },
    { "pack", RunPack },
    { "help", RunHelp },
    { "--help", RunHelp },
    { "-h", RunHelp },
    { "--version", RunVersion },
    { "-V", RunVersion },
};

// A wrong command line is one line on the error output.
int Usage(const std::string& message)
{
    std::fprintf(stderr, "kdmodule: %s (kdmodule --help lists the commands)\n", message.c_str());
    return ExitUsage;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return Usage("no command given (build, list, extract, render, check, pack)");
    const std::string name = argv[1];
    const TArgs args(argv + 2, argv + argc);
    for (const TCommand& command : Commands) {
        if (name != command.Name)
            continue;
        try {
            return command.Run(args);
        } catch (const TUsageError& e) {
            return Usage(e.what());
        } catch (const TInputError& e) {
            std::fprintf(stderr, "kdmodule: %s\n", e.what());
            return ExitInputError;
        } catch (const std::exception& e) {
            std::fprintf(stderr, "kdmodule: %s\n", e.what());
            return ExitInputError;
        }
    }
    const bool option = name.size() > 1 && name[0] == '-';
    return Usage((option ? "unknown option '" : "unknown command '") + name + "'");
}
