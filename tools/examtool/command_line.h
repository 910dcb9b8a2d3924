#pragma once

// examtool's command line, parsed by CLI11: each command is a subcommand of the tool. Options and
// positional arguments are kept as the text typed and read by the typed readers below, which
// name the option and the rejected text in their messages (TToolError, exit status 2).

#include <array>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include <CLI/CLI.hpp>

#include "engine/exam_state.h"
#include "engine/random_source.h"

namespace examtool {

// Below three the draw's stand-in for question 0 of group 0 (K div 3) is itself 0, so such a
// group size would ask for a question that does not exist.
inline constexpr std::int32_t kMinGroupSize = 3;
// The engine counts questions in 32 bits; the highest drawable number (HighestDrawnQuestion)
// must fit.
inline constexpr std::int32_t kMaxGroupSize = static_cast<std::int32_t>(
    (std::int64_t{std::numeric_limits<std::int32_t>::max()} + 2) / exam::kTicketCount);

using TAnswers = std::array<std::int32_t, exam::kTicketCount>;

// The argument groups that several commands share, as typed. Each command keeps its own struct
// of the groups and arguments it accepts.

// --group-size K, or --program NAME for an exam program's own group size.
struct TGroupSizeArguments {
    std::optional<std::string> GroupSize;
    std::optional<std::string> Program;
};

// A bank FILE and its group size: the arguments of check, coverage and audit.
struct TBankAndGroupArguments {
    std::string Path;
    TGroupSizeArguments Group;
};

// --utc HH:MM:SS.mmm or --seed N.
struct TSeedArguments {
    std::optional<std::string> Seed;
    std::optional<std::string> Utc;
};

inline constexpr std::string_view kExitStatuses =
    "Exit status: 0 success, 1 the bank has problems, 2 wrong usage, an unreadable\n"
    "file or output that could not be written (each failure with a one-line message\n"
    "on standard error).\n";

// Adds a command to the tool. `summary` is its line in the tool's list of commands; `details`
// follows the options in the command's help, and the exit statuses close it.
CLI::App& AddCommand(CLI::App& tool, const std::string& name, const std::string& summary,
                     const std::string& details);

// The tool's own help text after its list of commands.
std::string ToolFooter();

// The positional argument FILE, a bank file.
void AddFileArgument(CLI::App& command, std::string& path);
// --group-size K and --program NAME; `help` describes K, followed by each exam program's group
// size. A `required` group size is asked for with RequiredGroupSize.
void AddGroupSizeOptions(CLI::App& command, TGroupSizeArguments& arguments, bool required,
                         const std::string& help = "questions per group:");
// --utc HH:MM:SS.mmm and --seed N, of which a command needs exactly one.
void AddSeedOptions(CLI::App& command, TSeedArguments& arguments);

// The message tail that points to a command's help, or to the tool's for an empty name.
std::string SeeHelp(const std::string& command);

// --group-size K when given, checked to lie in kMinGroupSize..kMaxGroupSize, or the group size
// of the exam program --program names.
std::optional<std::int32_t> GroupSizeValue(const TGroupSizeArguments& arguments);

// GroupSizeValue for a command that cannot go without a group size.
std::int32_t RequiredGroupSize(const TGroupSizeArguments& arguments, const std::string& command);

// The random seed from exactly one of --seed N (0..4294967295) and --utc HH:MM:SS.mmm (the UTC
// time of day the exam started, which seeds it with its milliseconds since midnight).
std::uint32_t SeedValue(const TSeedArguments& arguments, const std::string& command);

// --answers A1,...,A15: fifteen answers, each a digit 1..9 as the answer box accepts them.
TAnswers AnswersValue(const std::string& text);

// A question number: a whole number from 1 (the bank decides the upper end).
std::int32_t QuestionNumber(const std::string& text);

// "HH:MM:SS.mmm" with exactly those digits, 00:00:00.000 to 23:59:59.999.
std::optional<exam::TUtcTimeOfDay> ParseUtcTime(std::string_view text);

}  // namespace examtool
