// examtool draw --group-size K (--seed N | --utc HH:MM:SS.mmm): the exam a start time draws.

#include <string>

#include "tools/examtool/commands.h"
#include "tools/examtool/exam_replay.h"

namespace examtool {

namespace {

struct TDrawArguments {
    TGroupSizeArguments Group;
    TSeedArguments Seed;
};

TCommandResult RunDraw(const TDrawArguments& arguments) {
    const std::int32_t groupSize = RequiredGroupSize(arguments.Group, "draw");
    const exam::TExamState state = DrawExam(groupSize, SeedValue(arguments.Seed, "draw"));
    TCommandResult result;
    for (std::int32_t n = 1; n <= exam::kTicketCount; ++n) {
        result.Output += std::to_string(state.Tickets[n].QuestionNumber) + "\n";
    }
    return result;
}

}  // namespace

TCommand AddDrawCommand(CLI::App& tool) {
    const auto arguments = std::make_shared<TDrawArguments>();
    CLI::App& command =
        AddCommand(tool, "draw", "the fifteen question numbers of an exam",
                   "Prints the question numbers of tickets 1 to 15, one per line, as the exam\n"
                   "program draws them. The draw depends on the group size and the seed only, so\n"
                   "no bank is read.\n");
    AddGroupSizeOptions(command, arguments->Group, true);
    AddSeedOptions(command, arguments->Seed);
    return {&command, [arguments] { return RunDraw(*arguments); }};
}

}  // namespace examtool
