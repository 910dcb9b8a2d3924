// examtool show FILE N: one question as its ticket shows it.

#include <string>
#include <vector>

#include "engine/cp1251.h"
#include "engine/question_bank.h"
#include "tools/examtool/bank_file.h"
#include "tools/examtool/commands.h"

namespace examtool {

namespace {

struct TShowArguments {
    std::string Path;
    std::string Number;
};

TCommandResult RunShow(const TShowArguments& arguments) {
    const std::string& path = arguments.Path;
    const std::int32_t number = QuestionNumber(arguments.Number);
    const std::string bytes = ReadBankFile(path);
    const exam::TBank bank = ReadValidBank(path, bytes);
    const std::vector<std::string_view>& lines = bank.Lines;
    const auto questions = static_cast<std::int32_t>(bank.Questions.size());
    if (number > questions) {
        throw TToolError(Printable(path) + " holds questions 1 to " + std::to_string(questions) +
                         ", not " + std::to_string(number));
    }

    TCommandResult result;
    exam::TExamState state;
    state.CurrentTicket = 1;
    exam::ExtractQuestion(
        exam::TQuestionBank(lines), static_cast<std::int32_t>(lines.size()), number, state,
        [&](std::string_view line) { result.Output += exam::Cp1251ToUtf8(line) + "\n"; });
    result.Output += "code: " + exam::Cp1251ToUtf8(state.QuestionCodes[1]) + "\n";
    result.Output += "answer: " + std::to_string(state.Tickets[1].CorrectAnswer) + "\n";
    return result;
}

}  // namespace

TCommand AddShowCommand(CLI::App& tool) {
    const auto arguments = std::make_shared<TShowArguments>();
    CLI::App& command = AddCommand(
        tool, "show", "question N as its ticket shows it",
        "Prints the lines that the ticket of question N (counted by header lines from 1)\n"
        "shows, exactly, then \"code: C\" with the question code of the results table and\n"
        "\"answer: D\" with the correct answer. The bank must be valid.\n");
    AddFileArgument(command, arguments->Path);
    command.add_option("N", arguments->Number, "the question number, from 1")
        ->type_name("")
        ->required();
    return {&command, [arguments] { return RunShow(*arguments); }};
}

}  // namespace examtool
