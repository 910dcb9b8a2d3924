#pragma once

// The commands of examtool. Each one builds its whole output in memory and returns it; main
// prints it only when the command has finished, and a failure (TToolError) prints nothing of it.

#include <string>

#include <CLI/CLI.hpp>

#include "command_line.h"
#include "messages.h"

namespace examtool {

struct TCommandResult {
    std::string Output;  // UTF-8
    int ExitStatus = kExitSuccess;
};

struct TCommand {
    const CLI::App* Parser;  // the command's subcommand of the tool
    TCommandResult (*Run)(const TCommandLine& line);
};

// Each adds its command to `tool`, with its arguments bound to fields of `line`.
TCommand AddCheckCommand(CLI::App& tool, TCommandLine& line);
TCommand AddStatsCommand(CLI::App& tool, TCommandLine& line);
TCommand AddDrawCommand(CLI::App& tool, TCommandLine& line);
TCommand AddShowCommand(CLI::App& tool, TCommandLine& line);
TCommand AddReportCommand(CLI::App& tool, TCommandLine& line);
TCommand AddCoverageCommand(CLI::App& tool, TCommandLine& line);
TCommand AddAuditCommand(CLI::App& tool, TCommandLine& line);

}  // namespace examtool
