#include "argument_values.h"

#include <charconv>
#include <string>

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

std::int32_t ParseGroupSize(std::string_view text) {
    const auto value = ParseWhole(text, kMaxGroupSize);
    if (!value || *value < kMinGroupSize) {
        throw TToolError("--group-size must be a whole number from " +
                         std::to_string(kMinGroupSize) + " to " + std::to_string(kMaxGroupSize) +
                         ", not " + Quoted(text));
    }
    return static_cast<std::int32_t>(*value);
}

}  // namespace

std::optional<std::int32_t> OptionalGroupSize(const TArguments& arguments) {
    const auto text = arguments.Option("group-size");
    if (!text) {
        return std::nullopt;
    }
    return ParseGroupSize(*text);
}

std::int32_t RequiredGroupSize(const TArguments& arguments) {
    const auto groupSize = OptionalGroupSize(arguments);
    if (!groupSize) {
        throw TToolError(std::string(arguments.Command) + " needs --group-size K" +
                         SeeHelp(arguments.Command));
    }
    return *groupSize;
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

std::uint32_t SeedOption(const TArguments& arguments) {
    const auto seed = arguments.Option("seed");
    const auto utc = arguments.Option("utc");
    if (seed && utc) {
        throw TToolError("give --seed or --utc, not both");
    }
    if (seed) {
        const auto value = ParseWhole(*seed, std::numeric_limits<std::uint32_t>::max());
        if (!value) {
            throw TToolError("--seed must be a whole number from 0 to 4294967295, not " +
                             Quoted(*seed));
        }
        return static_cast<std::uint32_t>(*value);
    }
    if (utc) {
        const auto time = ParseUtcTime(*utc);
        if (!time) {
            throw TToolError(
                "--utc must be a time of day HH:MM:SS.mmm from 00:00:00.000 to "
                "23:59:59.999, not " +
                Quoted(*utc));
        }
        return exam::SeedFromTime(*time);
    }
    throw TToolError(std::string(arguments.Command) + " needs --seed N or --utc HH:MM:SS.mmm" +
                     SeeHelp(arguments.Command));
}

TAnswers AnswersOption(const TArguments& arguments) {
    const auto text = arguments.Option("answers");
    if (!text) {
        throw TToolError(std::string(arguments.Command) + " needs --answers A1,...,A15" +
                         SeeHelp(arguments.Command));
    }
    TAnswers answers{};
    std::size_t count = 0;
    std::string_view rest = *text;
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

std::int32_t QuestionNumber(std::string_view text) {
    const auto value = ParseWhole(text, std::numeric_limits<std::int32_t>::max());
    if (!value || *value < 1) {
        throw TToolError("the question number must be a whole number from 1, not " + Quoted(text));
    }
    return static_cast<std::int32_t>(*value);
}

}  // namespace examtool
