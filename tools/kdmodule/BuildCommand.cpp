#include "tools/kdmodule/KdModule.h"

#include <cstdio>
#include <fstream>

// kdmodule build OUT.dll [--pe32] [--manifest FILE]... [TYPE:NAME=FILE]...

namespace {

struct TSpec {
    TPEResourceId Type;
    TPEResourceId Name;
    std::filesystem::path File;
    std::string Origin; // where the entry came from (argument or manifest line), for messages
};

std::string Trim(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r\n");
    return std::string(text.substr(first, last - first + 1));
}

// TYPE:NAME=FILE; the file part may itself hold ':' or '='. Raises std::invalid_argument.
TSpec ParseSpec(std::string_view text)
{
    const auto colon = text.find(':');
    if (colon == std::string_view::npos)
        throw std::invalid_argument(FillText(TToolText::tr("\"%1\" is not TYPE:NAME=FILE (no ':')"), std::string(text)));
    const auto equals = text.find('=', colon + 1);
    if (equals == std::string_view::npos)
        throw std::invalid_argument(FillText(TToolText::tr("\"%1\" is not TYPE:NAME=FILE (no '=')"), std::string(text)));
    TSpec spec;
    spec.Type = ParseType(text.substr(0, colon));
    spec.Name = ParseName(text.substr(colon + 1, equals - colon - 1));
    const std::string_view file = text.substr(equals + 1);
    if (file.empty())
        throw std::invalid_argument(FillText(TToolText::tr("\"%1\" names no file"), std::string(text)));
    spec.File = std::filesystem::path(std::string(file));
    return spec;
}

// One TYPE:NAME=FILE per line; blank lines and lines starting with '#' are skipped; a
// relative FILE is taken from the manifest's own folder.
void ReadManifest(const std::filesystem::path& manifest, std::vector<TSpec>& specs)
{
    std::error_code error;
    if (std::filesystem::is_directory(manifest, error))
        throw TInputError(FillText(TToolText::tr("cannot read manifest %1: it is a folder"), manifest.string()));
    std::ifstream in(manifest);
    if (!in)
        throw TInputError(FillText(TToolText::tr("cannot read manifest %1: No such file or directory"), manifest.string()));
    const std::filesystem::path folder = manifest.parent_path();
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        const std::string text = Trim(line);
        if (text.empty() || text[0] == '#')
            continue;
        const std::string origin = manifest.string() + ":" + std::to_string(number);
        try {
            TSpec spec = ParseSpec(text);
            if (spec.File.is_relative())
                spec.File = folder / spec.File;
            spec.Origin = origin;
            specs.push_back(std::move(spec));
        } catch (const std::invalid_argument& e) {
            throw TInputError(origin + ": " + e.what());
        }
    }
    if (in.bad())
        throw TInputError(FillText(TToolText::tr("cannot read manifest %1: read error"), manifest.string()));
}

} // namespace

int RunBuild(const TArgs& args)
{
    if (args.empty())
        throw TUsageError(FillText(TToolText::tr("build needs an output file: kdmodule build OUT.dll TYPE:NAME=FILE ...")));
    const std::filesystem::path output = args[0];
    TPEFormat format = TPEFormat::PE32Plus;
    std::vector<TSpec> specs;
    bool hadManifest = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--pe32") {
            format = TPEFormat::PE32;
            continue;
        }
        if (arg == "--manifest") {
            if (i + 1 >= args.size())
                throw TUsageError(FillText(TToolText::tr("--manifest needs a file name")));
            ReadManifest(args[++i], specs);
            hadManifest = true;
            continue;
        }
        if (arg.starts_with("--"))
            throw TUsageError(FillText(TToolText::tr("unknown option %1 for build"), arg));
        try {
            TSpec spec = ParseSpec(arg);
            spec.Origin = FillText(TToolText::tr("argument %1"), std::to_string(i + 1));
            specs.push_back(std::move(spec));
        } catch (const std::invalid_argument& e) {
            throw TUsageError(e.what());
        }
    }
    if (specs.empty() && !hadManifest)
        throw TUsageError(FillText(TToolText::tr("build needs at least one TYPE:NAME=FILE or --manifest FILE")));
    if (specs.empty())
        throw TInputError(FillText(TToolText::tr("the manifest lists no resources")));

    std::vector<TPEResource> resources;
    resources.reserve(specs.size());
    for (const TSpec& spec : specs) {
        TPEResource resource;
        resource.Type = spec.Type;
        resource.Name = spec.Name;
        resource.Data = ReadInputFile(spec.File);
        resources.push_back(std::move(resource));
    }
    std::vector<std::byte> image;
    try {
        image = BuildResourceLibrary(resources, format);
    } catch (const EPEWriteError& e) {
        throw TInputError(e.what());
    }
    WriteOutputFile(output, image);
    return ExitOk;
}
