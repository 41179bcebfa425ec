// kdmodule: builds, lists and extracts content modules. One function per subcommand; a new
// subcommand is one more row in the table below.
#include "app/Languages.h"
#include "tools/kdmodule/Check.h"
#include "tools/kdmodule/KdModule.h"
#include "tools/kdmodule/Render.h"

#include <QCoreApplication>

#include <cstdio>
#include <exception>
#include <memory>

namespace {

struct TCommand {
    const char* Name;
    int (*Run)(const TArgs& args);
    bool Paints { false }; // draws pictures, which needs a GUI application
};

constexpr TCommand Commands[] = {
    { "build", RunBuild },
    { "list", RunList },
    { "extract", RunExtract },
    { "render", RunRender, true },
    { "check", RunCheck, true },
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
    std::fprintf(stderr, "kdmodule: %s\n",
                 FillText(TToolText::tr("%1 (kdmodule --help lists the commands)"), message).c_str());
    return ExitUsage;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string name = argc < 2 ? std::string() : argv[1];
    const TCommand* command = nullptr;
    for (const TCommand& candidate : Commands) {
        if (name == candidate.Name)
            command = &candidate;
    }
    // The messages speak the desktop's language, which needs an application; one that paints
    // must be a GUI application, made by the picture session.
    std::unique_ptr<TPictureSession> pictures;
    std::unique_ptr<QCoreApplication> application;
    if (command && command->Paints)
        pictures = std::make_unique<TPictureSession>();
    else
        application = std::make_unique<QCoreApplication>(argc, argv);
    UseDesktopLanguage();

    if (argc < 2)
        return Usage(FillText(TToolText::tr("no command given (build, list, extract, render, check, pack)")));
    if (!command) {
        const bool option = name.size() > 1 && name[0] == '-';
        return Usage(FillText(option ? TToolText::tr("unknown option '%1'") : TToolText::tr("unknown command '%1'"), name));
    }
    const TArgs args(argv + 2, argv + argc);
    try {
        return command->Run(args);
    } catch (const TUsageError& e) {
        return Usage(e.what());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "kdmodule: %s\n", e.what());
        return ExitInputError;
    }
}
