#include "command_line.h"

#include <charconv>
#include <string_view>

#include "messages.h"

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

void AddFileArgument(CLI::App& command, TCommandLine& line) {
    command.add_option("FILE", line.Path, "the bank file (Windows-1251)")
        ->type_name("")
        ->required();
}

void AddGroupSizeOption(CLI::App& command, TCommandLine& line, bool required,
                        const std::string& help) {
    CLI::Option* option = command.add_option("--group-size", line.GroupSize, help);
    option->type_name("K")->required(required);
}

void AddSeedOptions(CLI::App& command, TCommandLine& line) {
    command
        .add_option("--utc", line.Utc,
                    "the UTC time of day the exam started; the program seeds\n"
                    "its draw with the milliseconds since midnight")
        ->type_name("HH:MM:SS.mmm");
    command.add_option("--seed", line.Seed, "the seed itself, 0 to 4294967295")->type_name("N");
}

std::string SeeHelp(const std::string& command) {
    return " (see examtool " + (command.empty() ? "" : command + " ") + "--help)";
}

std::optional<std::int32_t> GroupSizeValue(const TCommandLine& line) {
    if (!line.GroupSize) {
        return std::nullopt;
    }
    const auto value = ParseWhole(*line.GroupSize, kMaxGroupSize);
    if (!value || *value < kMinGroupSize) {
        throw TToolError("--group-size must be a whole number from " +
                         std::to_string(kMinGroupSize) + " to " + std::to_string(kMaxGroupSize) +
                         ", not " + Quoted(*line.GroupSize));
    }
    return static_cast<std::int32_t>(*value);
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

std::uint32_t SeedValue(const TCommandLine& line, const std::string& command) {
    if (line.Seed && line.Utc) {
        throw TToolError("give --seed or --utc, not both");
    }
    if (line.Seed) {
        const auto value = ParseWhole(*line.Seed, std::numeric_limits<std::uint32_t>::max());
        if (!value) {
            throw TToolError("--seed must be a whole number from 0 to 4294967295, not " +
                             Quoted(*line.Seed));
        }
        return static_cast<std::uint32_t>(*value);
    }
    if (line.Utc) {
        const auto time = ParseUtcTime(*line.Utc);
        if (!time) {
            throw TToolError(
                "--utc must be a time of day HH:MM:SS.mmm from 00:00:00.000 to "
                "23:59:59.999, not " +
                Quoted(*line.Utc));
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
