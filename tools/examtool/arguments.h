#pragma once

// The command line of one command, split into positional arguments and options. Every option
// takes a value, written "--name VALUE" or "--name=VALUE"; "--" ends the options, so a file
// whose name begins with a dash can still be named. An argument of a dash and a digit ("-1") is
// a positional argument, so that a negative number is reported as a bad number.

#include <optional>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

namespace examtool {

struct TArguments {
    std::string_view Command;
    std::vector<std::string_view> Positionals;
    std::vector<std::pair<std::string_view, std::string_view>> Options;  // name without dashes

    // The value given to option `name` ("seed" for --seed), if it was given.
    std::optional<std::string_view> Option(std::string_view name) const;
};

// True when "--help" or "-h" stands among `args` before any "--".
bool AsksForHelp(std::span<const std::string_view> args);

// Splits the arguments of `command`, which accepts the options named in `accepted`. Throws
// TToolError for an unknown option, an option without its value and an option given twice.
TArguments ParseArguments(std::string_view command, std::span<const std::string_view> accepted,
                          std::span<const std::string_view> args);

// Throws TToolError unless exactly one positional argument was given for each of `names`
// ("FILE", "N"); the names appear in the message.
void ExpectPositionals(const TArguments& arguments, std::span<const std::string_view> names);

// The message tail that points to a command's help.
std::string SeeHelp(std::string_view command);

}  // namespace examtool
