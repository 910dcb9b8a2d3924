#include "usage.h"

namespace examtool {

namespace {

constexpr std::string_view kExitStatuses =
    "Exit status: 0 success, 1 the bank has problems, 2 wrong usage, an unreadable\n"
    "file or output that could not be written (each failure with a one-line message\n"
    "on standard error).\n";

}  // namespace

std::string ToolHelp(std::span<const TCommand* const> commands) {
    std::string help =
        "Usage: examtool COMMAND [ARGUMENTS]\n"
        "\n"
        "Companion to the welding exam programs for bank authors and examiners. Bank\n"
        "files are read as Windows-1251; everything printed is UTF-8.\n"
        "\n"
        "Commands:\n";
    for (const TCommand* command : commands) {
        help += "  " + std::string(command->Name) + " " + std::string(command->Synopsis) + "\n";
        help += "      " + std::string(command->Summary) + "\n";
    }
    help += "\n\"examtool COMMAND --help\" describes a command.\n";
    help += kExitStatuses;
    return help;
}

std::string CommandHelp(const TCommand& command) {
    return "Usage: examtool " + std::string(command.Name) + " " + std::string(command.Synopsis) +
           "\n\n" + std::string(command.Details) + "\n" + std::string(kExitStatuses);
}

}  // namespace examtool
