// examtool: a command-line companion to the exam programs for bank authors and examiners.

#include <array>
#include <cerrno>
#include <cstdio>
#include <exception>
#include <sstream>
#include <string>
#include <system_error>
#include <vector>

#include <CLI/CLI.hpp>

#include "tools/examtool/command_line.h"
#include "tools/examtool/commands.h"
#include "tools/examtool/messages.h"
#include "tools/examtool/platform.h"

namespace examtool {

namespace {

// CLI11's help with the usage line first, as help2man and a reader expect it, and the exit
// statuses last. A command's footer holds its details, which --help-all shows too.
class THelpFormatter : public CLI::Formatter {
public:
    THelpFormatter() { label("SUBCOMMAND", "COMMAND"); }

    std::string make_help(const CLI::App* app, std::string name,
                          CLI::AppFormatMode mode) const override {
        if (mode == CLI::AppFormatMode::Sub) {
            return make_expanded(app);
        }
        return make_usage(app, name) + "\n" + make_description(app) + make_positionals(app) +
               make_groups(app, mode) + make_subcommands(app, mode) + "\n" + make_footer(app) +
               std::string(kExitStatuses);
    }

    std::string make_expanded(const CLI::App* command) const override {
        std::string details = command->get_footer();
        for (std::size_t end = details.find('\n'); end + 1 < details.size();
             end = details.find('\n', end + 1)) {
            details.insert(end + 1, "  ");
        }
        return CLI::Formatter::make_expanded(command) + "  " + details;
    }
};

// Refuses the unknown options and extra arguments that parsing kept, if any, naming the first.
void RejectExtras(const CLI::App& tool, const std::string& command) {
    std::vector<std::string> extras = tool.remaining(true);
    std::erase(extras, "--");  // the end of the options, which CLI11 keeps among the extras
    if (extras.empty()) {
        return;
    }
    const std::string where = command.empty() ? "" : " for " + command;
    for (const std::string& extra : extras) {
        if (extra.size() >= 2 && extra[0] == '-') {
            throw TToolError("unknown option " + Quoted(extra.substr(0, extra.find('='))) + where +
                             SeeHelp(command));
        }
    }
    if (command.empty()) {
        throw TToolError("unknown command " + Quoted(extras.front()) + SeeHelp(command));
    }
    throw TToolError("unexpected argument " + Quoted(extras.front()) + where + SeeHelp(command));
}

TCommandResult RunCommand(const std::vector<std::string>& args) {
    CLI::App tool(
        "Companion to the welding exam programs for bank authors and examiners. Bank\n"
        "files are read as Windows-1251; everything printed is UTF-8.",
        "examtool");
    tool.formatter(std::make_shared<THelpFormatter>());
    tool.set_version_flag("--version", "examtool " EXAMTOOL_VERSION);
    tool.allow_windows_style_options(false);  // "/dir/bank.txt" is a file on every platform
    tool.require_subcommand(0, 1);
    tool.allow_extras();
    tool.footer(ToolFooter());

    const std::array commands = {
        AddCheckCommand(tool), AddStatsCommand(tool),  AddDrawCommand(tool),
        AddShowCommand(tool),  AddReportCommand(tool), AddCoverageCommand(tool),
        AddAuditCommand(tool),
    };
    // Added after the commands, which would otherwise inherit it.
    tool.set_help_all_flag("--help-all", "Print the help of every command and exit");
    try {
        std::vector<const char*> argv = {"examtool"};
        for (const std::string& arg : args) {
            argv.push_back(arg.c_str());
        }
        tool.parse(static_cast<int>(argv.size()), argv.data());
    } catch (const CLI::Success& success) {  // --help, --help-all, --version
        std::ostringstream out;
        std::ostringstream err;
        tool.exit(success, out, err);
        std::string text = out.str();
        return {text.ends_with('\n') ? text : text + "\n"};
    } catch (const CLI::ParseError& error) {
        std::string command;
        for (const TCommand& candidate : commands) {
            command = candidate.Parser->parsed() > 0 ? candidate.Parser->get_name() : command;
        }
        throw TToolError(error.what() + SeeHelp(command));
    }
    for (const TCommand& command : commands) {
        if (command.Parser->parsed() > 0) {
            RejectExtras(tool, command.Parser->get_name());
            return command.Run();
        }
    }
    RejectExtras(tool, "");
    throw TToolError("no command given" + SeeHelp(""));
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

int ToolMain(const std::vector<std::string>& args) {
    try {
        const TCommandResult result = RunCommand(args);
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

}  // namespace

}  // namespace examtool

EXAMTOOL_ENTRY_POINT(examtool::ToolMain)
