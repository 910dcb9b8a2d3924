#pragma once

// The commands of examtool. Each one builds its whole output in memory and returns it; main
// prints it only when the command has finished, and a failure (TToolError) prints nothing of it.

#include <functional>
#include <memory>
#include <string>

#include <CLI/CLI.hpp>

#include "tools/examtool/command_line.h"
#include "tools/examtool/messages.h"

namespace examtool {

struct TCommandResult {
    std::string Output;  // UTF-8
    int ExitStatus = kExitSuccess;
};

struct TCommand {
    const CLI::App* Parser;               // the command's subcommand of the tool
    std::function<TCommandResult()> Run;  // runs it on the arguments the parser filled in
};

// Each adds its command to `tool`, with its arguments bound to a struct of the command's own.
TCommand AddCheckCommand(CLI::App& tool);
TCommand AddStatsCommand(CLI::App& tool);
TCommand AddDrawCommand(CLI::App& tool);
TCommand AddShowCommand(CLI::App& tool);
TCommand AddReportCommand(CLI::App& tool);
TCommand AddCoverageCommand(CLI::App& tool);
TCommand AddAuditCommand(CLI::App& tool);

}  // namespace examtool
