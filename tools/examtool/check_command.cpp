// examtool check FILE [--group-size K]: the bank validator on one file.

#include <optional>
#include <string>
#include <vector>

#include "engine/bank_reader.h"
#include "engine/ticket_draw.h"
#include "tools/examtool/bank_file.h"
#include "tools/examtool/commands.h"

namespace examtool {

namespace {

TCommandResult RunCheck(const TBankAndGroupArguments& arguments) {
    const std::optional<std::int32_t> groupSize = GroupSizeValue(arguments.Group);
    const std::string& path = arguments.Path;
    const std::string bytes = ReadBankFile(path);
    const exam::TBank bank = exam::ReadBank(bytes, groupSize.value_or(0));
    const std::vector<exam::TBankProblem>& problems = bank.Problems;

    const std::string name = Printable(path);
    TCommandResult result;
    for (const exam::TBankProblem& problem : problems) {
        result.Output +=
            name + ":" + std::to_string(problem.Line) + ": " + Printable(problem.Message) + "\n";
    }
    if (!problems.empty()) {
        result.ExitStatus = kExitBankProblems;
        return result;
    }

    result.Output = name + ": " + std::to_string(bank.Lines.size()) + " lines, " +
                    std::to_string(bank.Questions.size()) + " questions";
    if (groupSize) {
        result.Output += " (group size " + std::to_string(*groupSize) + " needs " +
                         std::to_string(exam::HighestDrawnQuestion(*groupSize)) + ")";
    }
    result.Output += ", no problems\n";
    return result;
}

}  // namespace

TCommand AddCheckCommand(CLI::App& tool) {
    const auto arguments = std::make_shared<TBankAndGroupArguments>();
    CLI::App& command =
        AddCommand(tool, "check", "validate a bank file",
                   "Checks a bank file (Windows-1251) against the bank format and prints each\n"
                   "problem as FILE:LINE: message, in line order. Without problems it prints one\n"
                   "line with the numbers of lines and questions.\n");
    AddFileArgument(command, arguments->Path);
    AddGroupSizeOptions(command, arguments->Group, false,
                        "also check that the bank holds the 15 * K - 2 questions\n"
                        "an exam with K questions per group can ask for; K is");
    return {&command, [arguments] { return RunCheck(*arguments); }};
}

}  // namespace examtool
