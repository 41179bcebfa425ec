#pragma once

#include "familycontent/ContentError.h"
#include "resmodule/PEWriter.h"
#include "resmodule/ResourceModule.h"

#include <cstddef>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// Shared pieces of the kdmodule subcommands. Each subcommand is one function taking the
// arguments after its name and returning the exit code; failures are raised as the two
// errors below, which the dispatcher turns into a message on stderr and an exit code.

// The tool's own messages, in the desktop's language that main chose: built with
// TToolText::tr("cannot read %1: %2") and filled in with FillText.
class TToolText {
    Q_DECLARE_TR_FUNCTIONS(TToolText)
};

// A text with a count, from TToolText::tr(source, nullptr, count). Untranslated, Qt leaves
// "1 picture(s)"; English then says "1 picture" and "2 pictures".
std::string CountText(const char* source, const QString& translated, int count);

// The command line is wrong (exit code 2).
class TUsageError : public std::runtime_error {
    using std::runtime_error::runtime_error;
};
// An input file is missing or bad, or an output cannot be written (exit code 1).
class TInputError : public std::runtime_error {
    using std::runtime_error::runtime_error;
};

constexpr int ExitOk = 0;
constexpr int ExitInputError = 1;
constexpr int ExitUsage = 2;

using TArgs = std::vector<std::string>;

int RunBuild(const TArgs& args);
int RunList(const TArgs& args);
int RunExtract(const TArgs& args);
int RunHelp(const TArgs& args);
int RunVersion(const TArgs& args);
int RunPack(const TArgs& args);

// Resource types and names as written on the command line and in manifests: "RCDATA"
// (any case) is type 10, a decimal number or "#number" (1..65535) is a number, anything else
// is a name. Raise std::invalid_argument with a reason when the text is not usable.
TPEResourceId ParseType(std::string_view text);
TPEResourceId ParseName(std::string_view text);
// The same texts for output, so that what `list` prints can be given back to `extract`.
std::string FormatType(const TResourceType& type);
std::string FormatName(int id, const std::string& name);
// The reader's look-up keys for a parsed type and name.
TResourceType LookupType(const TPEResourceId& type);
std::string LookupName(const TPEResourceId& name);

// Whole-file helpers; they raise TInputError naming the file and the reason.
std::vector<std::byte> ReadInputFile(const std::filesystem::path& path);
// Writes through a temporary file in the same folder and a rename, so a failed run never
// leaves a half-written output behind.
void WriteOutputFile(const std::filesystem::path& path, const std::vector<std::byte>& bytes);

// Opens a module for reading, raising TInputError when it is missing or not a module.
TModuleHandle OpenModule(const std::string& path);
