#include "arguments.h"

#include <algorithm>
#include <string>

#include "messages.h"

namespace examtool {

namespace {

bool IsOption(std::string_view arg) {
    const bool negativeNumber = arg.size() >= 2 && arg[0] == '-' && arg[1] >= '0' && arg[1] <= '9';
    return arg.size() >= 2 && arg[0] == '-' && !negativeNumber;
}

}  // namespace

std::optional<std::string_view> TArguments::Option(std::string_view name) const {
    for (const auto& [given, value] : Options) {
        if (given == name) {
            return value;
        }
    }
    return std::nullopt;
}

bool AsksForHelp(std::span<const std::string_view> args) {
    for (const std::string_view arg : args) {
        if (arg == "--") {
            return false;
        }
        if (arg == "--help" || arg == "-h") {
            return true;
        }
    }
    return false;
}

std::string SeeHelp(std::string_view command) {
    return " (see examtool " + std::string(command) + " --help)";
}

TArguments ParseArguments(std::string_view command, std::span<const std::string_view> accepted,
                          std::span<const std::string_view> args) {
    TArguments arguments{command, {}, {}};
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (optionsEnded || !IsOption(arg)) {
            arguments.Positionals.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        const std::size_t equals = arg.find('=');
        const std::string_view name = arg.substr(0, equals);
        const bool known = name.starts_with("--") && std::find(accepted.begin(), accepted.end(),
                                                               name.substr(2)) != accepted.end();
        if (!known) {
            throw TToolError("unknown option " + Quoted(name) + " for " + std::string(command) +
                             SeeHelp(command));
        }
        std::string_view value;
        if (equals != std::string_view::npos) {
            value = arg.substr(equals + 1);
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            throw TToolError(std::string(name) + " needs a value" + SeeHelp(command));
        }
        if (arguments.Option(name.substr(2))) {
            throw TToolError(std::string(name) + " is given twice");
        }
        arguments.Options.emplace_back(name.substr(2), value);
    }
    return arguments;
}

void ExpectPositionals(const TArguments& arguments, std::span<const std::string_view> names) {
    const std::string command(arguments.Command);
    if (arguments.Positionals.size() < names.size()) {
        throw TToolError(command + " needs " + std::string(names[arguments.Positionals.size()]) +
                         SeeHelp(command));
    }
    if (arguments.Positionals.size() > names.size()) {
        throw TToolError("unexpected argument " + Quoted(arguments.Positionals[names.size()]) +
                         " for " + command + SeeHelp(command));
    }
}

}  // namespace examtool
