// examtool: a command-line companion to the exam programs for bank authors and examiners.

#include <array>
#include <cerrno>
#include <cstdio>
#include <exception>
#include <span>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "arguments.h"
#include "commands.h"
#include "messages.h"
#include "usage.h"

namespace examtool {

namespace {

TCommandResult RunTool(std::span<const std::string_view> args) {
    const std::array<const TCommand*, 5> commands = {
        &CheckCommand(), &StatsCommand(), &DrawCommand(), &ShowCommand(), &ReportCommand()};
    if (args.empty()) {
        throw TToolError("no command given (see examtool --help)");
    }
    const std::string_view name = args.front();
    if (name == "--help" || name == "-h") {
        return {ToolHelp(commands)};
    }
    for (const TCommand* command : commands) {
        if (command->Name != name) {
            continue;
        }
        const auto rest = args.subspan(1);
        if (AsksForHelp(rest)) {
            return {CommandHelp(*command)};
        }
        return command->Run(ParseArguments(command->Name, command->Options, rest));
    }
    if (name.starts_with('-')) {
        throw TToolError("unknown option " + Quoted(name) + " (see examtool --help)");
    }
    throw TToolError("unknown command " + Quoted(name) + " (see examtool --help)");
}

// Writes everything to standard output; false when any of it could not be written.
bool WriteOutput(const std::string& text) {
    errno = 0;
    const bool written = std::fwrite(text.data(), 1, text.size(), stdout) == text.size();
    return std::fflush(stdout) == 0 && written && !std::ferror(stdout);
}

int Fail(const std::string& message, int exitStatus) {
    std::fprintf(stderr, "examtool: %s\n", message.c_str());
    return exitStatus;
}

}  // namespace

}  // namespace examtool

int main(int argc, char** argv) {
    using namespace examtool;
    try {
        const std::vector<std::string_view> args(argv + 1, argv + argc);
        const TCommandResult result = RunTool(args);
        if (!WriteOutput(result.Output)) {
            const int error = errno != 0 ? errno : EIO;
            return Fail("cannot write the output: " + std::generic_category().message(error),
                        kExitError);
        }
        return result.ExitStatus;
    } catch (const TToolError& error) {
        return Fail(error.what(), error.ExitStatus);
    } catch (const std::exception& error) {
        return Fail(std::string("unexpected failure: ") + error.what(), kExitError);
    }
}
