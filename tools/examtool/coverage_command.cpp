// examtool coverage FILE --group-size K: how often each question of a bank is asked over every
// start time of a day.

#include <string>
#include <vector>

#include "engine/question_bank.h"
#include "tools/examtool/bank_file.h"
#include "tools/examtool/commands.h"
#include "tools/examtool/coverage.h"
#include "tools/examtool/json_output.h"

namespace examtool {

namespace {

TCommandResult RunCoverage(const TBankAndGroupArguments& arguments) {
    const std::int32_t groupSize = RequiredGroupSize(arguments.Group, "coverage");
    const std::string bytes = ReadBankFile(arguments.Path);
    // Also guarantees every question the draw asks for, so that the counts add up.
    const auto questions =
        static_cast<std::int32_t>(ReadValidBank(arguments.Path, bytes, groupSize).Questions.size());

    std::vector<std::int64_t> counts = CountExamsOfADay(groupSize);
    counts.resize(static_cast<std::size_t>(questions) + 1, 0);  // questions the draw never asks
    TJson neverDrawn = TJson::array();
    for (std::int32_t q = 1; q <= questions; ++q) {
        if (counts[q] == 0) {
            neverDrawn.push_back(q);
        }
    }
    return {JsonText({
        {"start_times", kStartTimesPerDay},
        {"never_drawn", neverDrawn},
        {"exams", std::vector<std::int64_t>(counts.begin() + 1, counts.end())},
    })};
}

}  // namespace

TCommand AddCoverageCommand(CLI::App& tool) {
    const auto arguments = std::make_shared<TBankAndGroupArguments>();
    CLI::App& command = AddCommand(
        tool, "coverage", "how often each question is asked over a day",
        "Draws the exam of every start time of a day (each of the 86400000\n"
        "milliseconds since midnight seeds one) and prints one JSON object (UTF-8):\n"
        "  start_times   86400000\n"
        "  never_drawn   the questions that no start time asks, in bank order\n"
        "  exams         for each question in bank order, how many start times give\n"
        "                an exam that asks it\n"
        "The bank must be valid and hold the 15 * K - 2 questions the draw can ask for.\n");
    AddFileArgument(command, arguments->Path);
    AddGroupSizeOptions(command, arguments->Group, true);
    return {&command, [arguments] { return RunCoverage(*arguments); }};
}

}  // namespace examtool
