#pragma once

// The commands of examtool. Each one builds its whole output in memory and returns it; main
// prints it only when the command has finished, and a failure (TToolError) prints nothing of it.

#include <span>
#include <string>
#include <string_view>

#include "arguments.h"
#include "messages.h"

namespace examtool {

struct TCommandResult {
    std::string Output;  // UTF-8
    int ExitStatus = kExitSuccess;
};

struct TCommand {
    std::string_view Name;
    std::string_view Synopsis;  // the arguments after the name, as the usage line shows them
    std::string_view Summary;   // one line for the list of commands
    std::string_view Details;   // the rest of the command's help, lines ending in '\n'
    std::span<const std::string_view> Options;  // accepted options, without the dashes
    TCommandResult (*Run)(const TArguments& arguments);
};

const TCommand& CheckCommand();
const TCommand& StatsCommand();
const TCommand& DrawCommand();
const TCommand& ShowCommand();
const TCommand& ReportCommand();

}  // namespace examtool
