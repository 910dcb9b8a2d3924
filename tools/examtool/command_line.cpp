#include "tools/examtool/command_line.h"

#include <charconv>
#include <string_view>

#include "tools/examtool/exam_program_table.h"
#include "tools/examtool/messages.h"

namespace examtool {

namespace {

// Decimal digits only (no sign, no spaces) with a value up to `max`.
std::optional<std::uint64_t> ParseWhole(std::string_view text, std::uint64_t max) {
    if (text.empty() || text.find_first_not_of("0123456789") != std::string_view::npos) {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || value > max) {
        return std::nullopt;
    }
    return value;
}

// "16 in Varnel, 12 in Dostrik": each exam program's group size.
std::string ProgramGroupSizes() {
    std::string text;
    for (const TExamProgramFacts& program : kExamPrograms) {
        text += (text.empty() ? "" : ", ") + std::to_string(program.GroupSize) + " in " +
                std::string(program.Title);
    }
    return text;
}

std::string ProgramNames() {
    std::string text;
    for (std::size_t i = 0; i < kExamPrograms.size(); ++i) {
        text += (i == 0                          ? ""
                 : i + 1 == kExamPrograms.size() ? " or "
                                                 : ", ") +
                std::string(kExamPrograms[i].Name);
    }
    return text;
}

}  // namespace

CLI::App& AddCommand(CLI::App& tool, const std::string& name, const std::string& summary,
                     const std::string& details) {
    CLI::App& command = *tool.add_subcommand(name, summary);
    command.group("Commands");
    // Unknown options and extra arguments are kept and reported by the tool in its own words.
    command.allow_extras();
    command.footer(details);
    return command;
}

std::string ToolFooter() {
    return "\"examtool COMMAND --help\" describes a command, \"examtool --help-all\" all of\n"
           "them.\n";
}

void AddFileArgument(CLI::App& command, std::string& path) {
    command.add_option("FILE", path, "the bank file (Windows-1251)")->type_name("")->required();
}

void AddGroupSizeOptions(CLI::App& command, TGroupSizeArguments& arguments, bool required,
                         const std::string& help) {
    CLI::Option* groupSize =
        command.add_option("--group-size", arguments.GroupSize, help + " " + ProgramGroupSizes());
    groupSize->type_name("K");
    CLI::Option* program = command.add_option(
        "--program", arguments.Program, "the group size of an exam program: " + ProgramNames());
    program->type_name("NAME")->excludes(groupSize);
    if (required) {
        groupSize->description(groupSize->get_description() + "\n(this or --program is required)");
    }
}

void AddSeedOptions(CLI::App& command, TSeedArguments& arguments) {
    command
        .add_option("--utc", arguments.Utc,
                    "the UTC time of day the exam started; the program seeds\n"
                    "its draw with the milliseconds since midnight")
        ->type_name("HH:MM:SS.mmm");
    command.add_option("--seed", arguments.Seed, "the seed itself, 0 to 4294967295")
        ->type_name("N");
}

std::string SeeHelp(const std::string& command) {
    return " (see examtool " + (command.empty() ? "" : command + " ") + "--help)";
}

std::optional<std::int32_t> GroupSizeValue(const TGroupSizeArguments& arguments) {
    if (arguments.Program) {
        for (const TExamProgramFacts& program : kExamPrograms) {
            if (program.Name == *arguments.Program) {
                return program.GroupSize;
            }
        }
        throw TToolError("--program must be " + ProgramNames() + ", not " +
                         Quoted(*arguments.Program));
    }
    if (!arguments.GroupSize) {
        return std::nullopt;
    }
    const auto value = ParseWhole(*arguments.GroupSize, kMaxGroupSize);
    if (!value || *value < kMinGroupSize) {
        throw TToolError("--group-size must be a whole number from " +
                         std::to_string(kMinGroupSize) + " to " + std::to_string(kMaxGroupSize) +
                         ", not " + Quoted(*arguments.GroupSize));
    }
    return static_cast<std::int32_t>(*value);
}

std::int32_t RequiredGroupSize(const TGroupSizeArguments& arguments, const std::string& command) {
    const std::optional<std::int32_t> value = GroupSizeValue(arguments);
    if (!value) {
        throw TToolError("--group-size is required" + SeeHelp(command));
    }
    return *value;
}

std::optional<exam::TUtcTimeOfDay> ParseUtcTime(std::string_view text) {
    // Positions of the separators in "HH:MM:SS.mmm"; every other character is a digit.
    if (text.size() != 12 || text[2] != ':' || text[5] != ':' || text[8] != '.') {
        return std::nullopt;
    }
    const auto field = [&](std::size_t pos, std::size_t length, std::uint64_t max) {
        return ParseWhole(text.substr(pos, length), max);
    };
    const auto hour = field(0, 2, 23);
    const auto minute = field(3, 2, 59);
    const auto second = field(6, 2, 59);
    const auto millisecond = field(9, 3, 999);
    if (!hour || !minute || !second || !millisecond) {
        return std::nullopt;
    }
    return exam::TUtcTimeOfDay{static_cast<std::int32_t>(*hour), static_cast<std::int32_t>(*minute),
                               static_cast<std::int32_t>(*second),
                               static_cast<std::int32_t>(*millisecond)};
}

std::uint32_t SeedValue(const TSeedArguments& arguments, const std::string& command) {
    if (arguments.Seed && arguments.Utc) {
        throw TToolError("give --seed or --utc, not both");
    }
    if (arguments.Seed) {
        const auto value = ParseWhole(*arguments.Seed, std::numeric_limits<std::uint32_t>::max());
        if (!value) {
            throw TToolError("--seed must be a whole number from 0 to 4294967295, not " +
                             Quoted(*arguments.Seed));
        }
        return static_cast<std::uint32_t>(*value);
    }
    if (arguments.Utc) {
        const auto time = ParseUtcTime(*arguments.Utc);
        if (!time) {
            throw TToolError(
                "--utc must be a time of day HH:MM:SS.mmm from 00:00:00.000 to "
                "23:59:59.999, not " +
                Quoted(*arguments.Utc));
        }
        return exam::SeedFromTime(*time);
    }
    throw TToolError(command + " needs --seed N or --utc HH:MM:SS.mmm" + SeeHelp(command));
}

TAnswers AnswersValue(const std::string& text) {
    TAnswers answers{};
    std::size_t count = 0;
    std::string_view rest = text;
    while (true) {
        const std::size_t comma = rest.find(',');
        const std::string_view item = rest.substr(0, comma);
        if (item.size() != 1 || item[0] < '1' || item[0] > '9') {
            throw TToolError("--answers: " + Quoted(item) + " is not an answer from 1 to 9");
        }
        if (count < answers.size()) {
            answers[count] = item[0] - '0';
        }
        ++count;
        if (comma == std::string_view::npos) {
            break;
        }
        rest.remove_prefix(comma + 1);
    }
    if (count != answers.size()) {
        throw TToolError("--answers holds " + std::to_string(count) + " answers, not " +
                         std::to_string(answers.size()));
    }
    return answers;
}

std::int32_t QuestionNumber(const std::string& text) {
    const auto value = ParseWhole(text, std::numeric_limits<std::int32_t>::max());
    if (!value || *value < 1) {
        throw TToolError("the question number must be a whole number from 1, not " + Quoted(text));
    }
    return static_cast<std::int32_t>(*value);
}

}  // namespace examtool
