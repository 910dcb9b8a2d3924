#pragma once

// What distinguishes one exam program from the other: a constant built into each program.

#include <array>
#include <cstdint>
#include <string_view>

#include "engine/question_bank.h"

namespace exam {

struct TExamProfile {
    std::string_view Caption;                    // window caption, Windows-1251
    std::array<std::string_view, 5> TitleLines;  // title screen lines, Windows-1251
    std::int32_t GroupSize = 0;                  // questions per group (K)
    TQuestionBank Bank;                          // the embedded bank
};

}  // namespace exam
