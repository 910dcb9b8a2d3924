#pragma once

// The typed values of examtool's options and arguments. Each reader throws TToolError with a
// message naming the option and the rejected text.

#include <array>
#include <cstdint>
#include <limits>
#include <optional>
#include <string_view>

#include "arguments.h"
#include "exam_state.h"
#include "random_source.h"

namespace examtool {

// Below three the draw's stand-in for question 0 of group 0 (K div 3) is itself 0, so such a
// group size would ask for a question that does not exist.
inline constexpr std::int32_t kMinGroupSize = 3;
// The engine counts questions in 32 bits; the highest drawable number, 15 * K - 2, must fit.
inline constexpr std::int32_t kMaxGroupSize = static_cast<std::int32_t>(
    (std::int64_t{std::numeric_limits<std::int32_t>::max()} + 2) / exam::kTicketCount);

using TAnswers = std::array<std::int32_t, exam::kTicketCount>;

// --group-size K, when given.
std::optional<std::int32_t> OptionalGroupSize(const TArguments& arguments);

// --group-size K, which the command needs.
std::int32_t RequiredGroupSize(const TArguments& arguments);

// The random seed from exactly one of --seed N (0..4294967295) and --utc HH:MM:SS.mmm (the UTC
// time of day the exam started, which seeds it with its milliseconds since midnight).
std::uint32_t SeedOption(const TArguments& arguments);

// --answers A1,...,A15: fifteen answers, each a digit 1..9 as the answer box accepts them.
TAnswers AnswersOption(const TArguments& arguments);

// A question number: a whole number from 1 (the bank decides the upper end).
std::int32_t QuestionNumber(std::string_view text);

// "HH:MM:SS.mmm" with exactly those digits, 00:00:00.000 to 23:59:59.999.
std::optional<exam::TUtcTimeOfDay> ParseUtcTime(std::string_view text);

}  // namespace examtool
