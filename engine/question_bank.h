#pragma once

// The question bank: a constant table of Windows-1251 lines, and the extraction of one question
// for display. A line's kind is told by its first character alone:
//   '#' header ("#", code, one separator character, answer digit) - not shown;
//   '\' reference to a normative document - not shown;
//   '*' separator between wording and options - shown as three lines;
//   anything else - shown unchanged.
// Question n runs from the n-th header line to the line before the next header (or the end);
// the number written in a header plays no part in that numbering.

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "engine/cp1251.h"
#include "engine/exam_state.h"

namespace exam {

using TQuestionBank = std::span<const std::string_view>;

// Receives the display lines of a question, in order.
using TLineSink = std::function<void(std::string_view line)>;

// What an asterisk line becomes on the ticket screen (between two empty lines).
inline constexpr TCp1251Literal kOptionsSeparator = u8"   ------  ВАРИАНТЫ  ОТВЕТА  -------";

// The code of a header line: its characters from the 2nd to the third-from-last, cut to six
// ("#243.2" gives "243"); empty when the line has three characters or fewer.
std::string QuestionCode(std::string_view header);

// The decimal value of a header's last character, or 0 when that is not a digit.
std::int32_t AnswerDigit(std::string_view header);

// Appends the display lines of question `number` to `sink` and, on reaching its header, stores
// the correct answer and the code in the current ticket of `state`. The whole table (its first
// `lineCount` lines) is always scanned. A number that matches no header shows nothing and leaves
// the ticket as it was.
void ExtractQuestion(const TQuestionBank& bank, std::int32_t lineCount, std::int32_t number,
                     TExamState& state, const TLineSink& sink);

}  // namespace exam
