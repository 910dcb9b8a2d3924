#pragma once

// Keeps a bad bank from shipping: checks a bank file's bytes against the bank format and reports
// every problem with its line number. The build runs it before embedding a bank, and the
// authors' tool runs it on demand.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace exam {

inline constexpr std::size_t kMaxBankLineLength = 80;

struct TBankProblem {
    std::int32_t Line = 0;  // 1-based line of the file
    std::string Message;    // English, UTF-8; bank text in it is converted to UTF-8
};

// The lines of a bank file: LF or CRLF line ends, the last line end optional. The views point
// into `bytes`.
std::vector<std::string_view> SplitBankLines(std::string_view bytes);

// All problems of a bank file, in line order. With `groupSize` > 0 the bank must also hold at
// least 15 * groupSize - 2 questions, the highest number the draw can ask for.
std::vector<TBankProblem> ValidateBank(std::string_view bytes, std::int32_t groupSize = 0);

// How many questions (header lines) a bank's lines hold.
std::int32_t CountQuestions(const std::vector<std::string_view>& lines);

}  // namespace exam
