#pragma once

// The help texts of examtool.

#include <span>
#include <string>

#include "commands.h"

namespace examtool {

// The tool's help: what it is for and the list of commands.
std::string ToolHelp(std::span<const TCommand* const> commands);

// One command's help: its usage line, details and the exit statuses.
std::string CommandHelp(const TCommand& command);

}  // namespace examtool
