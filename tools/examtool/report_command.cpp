// examtool report FILE --group-size K (--seed N | --utc HH:MM:SS.mmm) --answers A1,...,A15:
// the results screen of an exam, from its start time and the candidate's answers.

#include <string>
#include <vector>

#include "engine/cp1251.h"
#include "engine/results_report.h"
#include "tools/examtool/bank_file.h"
#include "tools/examtool/commands.h"
#include "tools/examtool/exam_replay.h"

namespace examtool {

namespace {

struct TReportArguments {
    std::string Path;
    TGroupSizeArguments Group;
    TSeedArguments Seed;
    std::string Answers;
};

TCommandResult RunReport(const TReportArguments& arguments) {
    const std::string& path = arguments.Path;
    const std::int32_t groupSize = RequiredGroupSize(arguments.Group, "report");
    const std::uint32_t seed = SeedValue(arguments.Seed, "report");
    const TAnswers answers = AnswersValue(arguments.Answers);
    const std::string bytes = ReadBankFile(path);
    // A bank too small for the group size would give some tickets no question at all, and the
    // report would count them wrong whatever the answer.
    const exam::TBank bank = ReadValidBank(path, bytes, groupSize);

    exam::TExamState state = DrawExam(groupSize, seed);
    AnswerExam(state, bank.Lines, answers);
    const exam::TResultsReport report = exam::FormatResults(state);
    TCommandResult result;
    result.Output = exam::Cp1251ToUtf8(report.Heading) + "\n";
    for (const std::string& line : report.Lines) {
        result.Output += exam::Cp1251ToUtf8(line) + "\n";
    }
    return result;
}

}  // namespace

TCommand AddReportCommand(CLI::App& tool) {
    const auto arguments = std::make_shared<TReportArguments>();
    CLI::App& command =
        AddCommand(tool, "report", "the results screen of an exam",
                   "Runs the exam drawn from the seed on the bank, gives ticket n the answer An,\n"
                   "and prints the heading and the 22 lines of the results screen exactly. The\n"
                   "bank must be valid and hold the 15 * K - 2 questions the draw can ask for.\n");
    AddFileArgument(command, arguments->Path);
    AddGroupSizeOptions(command, arguments->Group, true);
    AddSeedOptions(command, arguments->Seed);
    command
        .add_option("--answers", arguments->Answers,
                    "the answers to tickets 1 to 15 in order, each 1 to 9")
        ->type_name("A1,...,A15")
        ->required();
    return {&command, [arguments] { return RunReport(*arguments); }};
}

}  // namespace examtool
