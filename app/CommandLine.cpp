#include "app/CommandLine.h"

// The manual's text (packaging/kedoozle.txt) and the version, written at configure time.
#include "app/CommandLineText.inc"

#include <cstdio>
#include <string>

bool SettingsRequested(int argc, const char* const* argv)
{
    return argc == 2 && std::string(argv[1]) == "--settings";
}

std::optional<int> HandleCommandLine(int argc, const char* const* argv)
{
    if (argc < 2 || SettingsRequested(argc, argv))
        return std::nullopt;
    const std::string argument = argv[1];
    if (argc == 2 && (argument == "--help" || argument == "-h")) {
        std::fputs(KedoozleHelpText, stdout);
        return std::fflush(stdout) == 0 ? 0 : 1;
    }
    if (argc == 2 && (argument == "--version" || argument == "-V")) {
        std::printf("Kedoozle %s\n", KedoozleVersion);
        return std::fflush(stdout) == 0 ? 0 : 1;
    }
    // The first word that is not understood is named; the rest would only repeat the point.
    int wrong = 1;
    if (argument == "--help" || argument == "-h" || argument == "--version" || argument == "-V"
        || argument == "--settings")
        wrong = 2;
    const std::string word = argv[wrong];
    const bool option = word.size() > 1 && word[0] == '-';
    std::fprintf(stderr, "Kedoozle: %s '%s' (kedoozle --help lists the options)\n",
                 option ? "unknown option" : "unexpected argument", word.c_str());
    return ExitBadCommandLine;
}
