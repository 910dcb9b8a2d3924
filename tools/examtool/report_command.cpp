// examtool report FILE --group-size K (--seed N | --utc HH:MM:SS.mmm) --answers A1,...,A15:
// the results screen of an exam, from its start time and the candidate's answers.

#include <array>
#include <string>
#include <vector>

#include "argument_values.h"
#include "bank_file.h"
#include "bank_validator.h"
#include "commands.h"
#include "cp1251.h"
#include "exam_replay.h"
#include "results_report.h"

namespace examtool {

namespace {

constexpr std::array<std::string_view, 4> kOptions = {"group-size", "seed", "utc", "answers"};
constexpr std::array<std::string_view, 1> kPositionals = {"FILE"};

TCommandResult RunReport(const TArguments& arguments) {
    ExpectPositionals(arguments, kPositionals);
    const std::string_view path = arguments.Positionals[0];
    const std::int32_t groupSize = RequiredGroupSize(arguments);
    const std::uint32_t seed = SeedOption(arguments);
    const TAnswers answers = AnswersOption(arguments);
    const std::string bytes = ReadBankFile(path);
    // A bank too small for the group size would give some tickets no question at all, and the
    // report would count them wrong whatever the answer.
    RequireValidBank(path, bytes, groupSize);

    exam::TExamState state = DrawExam(groupSize, seed);
    AnswerExam(state, exam::SplitBankLines(bytes), answers);
    const exam::TResultsReport report = exam::FormatResults(state);
    TCommandResult result;
    result.Output = exam::Cp1251ToUtf8(report.Heading) + "\n";
    for (const std::string& line : report.Lines) {
        result.Output += exam::Cp1251ToUtf8(line) + "\n";
    }
    return result;
}

}  // namespace

const TCommand& ReportCommand() {
    static const TCommand command{
        "report",
        "FILE --group-size K (--seed N | --utc HH:MM:SS.mmm) --answers A1,...,A15",
        "the results screen of an exam",
        "Runs the exam drawn from the seed on the bank, gives ticket n the answer An,\n"
        "and prints the heading and the 22 lines of the results screen exactly. The\n"
        "bank must be valid and hold the 15 * K - 2 questions the draw can ask for.\n"
        "\n"
        "  --group-size K         questions per group: 16 in Varnel, 12 in Dostrik\n"
        "  --utc HH:MM:SS.mmm     the UTC time of day the exam started\n"
        "  --seed N               the seed itself, 0 to 4294967295\n"
        "  --answers A1,...,A15   the answers to tickets 1 to 15 in order, each 1 to 9\n",
        kOptions,
        RunReport,
    };
    return command;
}

}  // namespace examtool
