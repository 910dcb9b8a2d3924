#pragma once

// How examtool fails: a one-line message for standard error and an exit status. Every command
// throws TToolError instead of printing, so a failure never leaves half a result on the output.

#include <stdexcept>
#include <string>
#include <string_view>

namespace examtool {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitBankProblems = 1;  // the bank breaks its format
inline constexpr int kExitError = 2;         // wrong command line, unreadable file, failed output

class TToolError : public std::runtime_error {
public:
    explicit TToolError(const std::string& message, int exitStatus = kExitError)
        : std::runtime_error(message), ExitStatus(exitStatus) {}

    int ExitStatus;
};

// `text` with every control character written as \xNN, so that a file name or argument put into
// a message can never break it over several lines or drive the terminal.
std::string Printable(std::string_view text);

// Printable text in double quotes, for quoting what the user typed.
std::string Quoted(std::string_view text);

}  // namespace examtool
