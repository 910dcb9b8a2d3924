#pragma once

// The results screen's text: a summary (questions asked, right answers, percentage) and a table
// of the fifteen tickets. Columns are made of spaces only; the exact characters are what counts.

#include <string>
#include <vector>

#include "engine/exam_state.h"

namespace exam {

inline constexpr std::size_t kReportLineCount = 22;

struct TResultsReport {
    std::string Heading;             // Windows-1251
    std::vector<std::string> Lines;  // Windows-1251, always kReportLineCount lines
};

// Builds the report from the tickets' correct answers, given answers and codes.
TResultsReport FormatResults(const TExamState& state);

// The percentage of `count` right answers out of fifteen, with two decimals ("6.67", "100.00").
std::string FormatPercentage(std::int32_t count);

// Prefixes one space, then more until `text` is `width` characters long.
std::string RightAlign(std::string_view text, std::size_t width);

}  // namespace exam
