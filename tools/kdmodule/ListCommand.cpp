#include "tools/kdmodule/KdModule.h"

#include <cstdio>

// kdmodule list MODULE.dll: one line per resource, "TYPE NAME SIZE LANGUAGE"; the type and
// name are printed as `extract` takes them.
int RunList(const TArgs& args)
{
    if (args.size() != 1)
        throw TUsageError(FillText(TToolText::tr("list takes one module: kdmodule list MODULE.dll")));
    const TModuleHandle module = OpenModule(args[0]);
    const auto resources = EnumResources(module);
    std::printf("%-12s %-24s %10s  %s\n", "TYPE", "NAME", "SIZE", "LANGUAGE");
    for (const TResourceInfo& info : resources) {
        std::printf("%-12s %-24s %10zu  0x%04X\n", FormatType(info.Type).c_str(),
                    FormatName(info.NameId, info.Name).c_str(), info.Data.size(), unsigned(info.Language));
    }
    FreeLibrary(module);
    return ExitOk;
}
