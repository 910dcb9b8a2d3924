#pragma once

// An exam run again without a window, the way the exam programs run it, so that an examiner
// can see what a candidate was given and shown.

#include <cstdint>
#include <vector>

#include "engine/exam_state.h"
#include "engine/question_bank.h"
#include "tools/examtool/command_line.h"

namespace examtool {

// The exam drawn from `seed` for a bank of `groupSize` questions per group, as the program
// draws it right after seeding: the tickets' question numbers, still on the title screen.
exam::TExamState DrawExam(std::int32_t groupSize, std::uint32_t seed);

// Shows tickets 1..15 in turn, which stores each ticket's correct answer and code, and records
// the ticket's answer from `answers` while it is shown; leaves the state on the results screen.
void AnswerExam(exam::TExamState& state, const std::vector<std::string_view>& bankLines,
                const TAnswers& answers);

}  // namespace examtool
