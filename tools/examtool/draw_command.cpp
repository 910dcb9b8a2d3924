// examtool draw --group-size K (--seed N | --utc HH:MM:SS.mmm): the exam a start time draws.

#include <array>
#include <string>

#include "argument_values.h"
#include "commands.h"
#include "exam_replay.h"

namespace examtool {

namespace {

constexpr std::array<std::string_view, 3> kOptions = {"group-size", "seed", "utc"};

TCommandResult RunDraw(const TArguments& arguments) {
    ExpectPositionals(arguments, {});
    const std::int32_t groupSize = RequiredGroupSize(arguments);
    const exam::TExamState state = DrawExam(groupSize, SeedOption(arguments));
    TCommandResult result;
    for (std::int32_t n = 1; n <= exam::kTicketCount; ++n) {
        result.Output += std::to_string(state.Tickets[n].QuestionNumber) + "\n";
    }
    return result;
}

}  // namespace

const TCommand& DrawCommand() {
    static const TCommand command{
        "draw",
        "--group-size K (--seed N | --utc HH:MM:SS.mmm)",
        "the fifteen question numbers of an exam",
        "Prints the question numbers of tickets 1 to 15, one per line, as the exam\n"
        "program draws them. The draw depends on the group size and the seed only, so\n"
        "no bank is read.\n"
        "\n"
        "  --group-size K       questions per group: 16 in Varnel, 12 in Dostrik\n"
        "  --utc HH:MM:SS.mmm   the UTC time of day the exam started; the program seeds\n"
        "                       its draw with the milliseconds since midnight\n"
        "  --seed N             the seed itself, 0 to 4294967295\n",
        kOptions,
        RunDraw,
    };
    return command;
}

}  // namespace examtool
