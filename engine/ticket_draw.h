#pragma once

// Drawing the exam: fifteen tickets, one question from each of the bank's fifteen groups, the
// groups in random order. Group t holds the questions t*K .. t*K+K-2 (K = GroupSize); group 0
// starts at 1 instead of 0 and draws its question K div 3 twice as often.

#include "exam_profile.h"
#include "exam_state.h"
#include "random_source.h"

namespace exam {

// Fills the question numbers of tickets 1..15 and sets the current ticket to 0. Consumes exactly
// 30 values: fifteen Random(14) for the group order, then fifteen Random(GroupSize - 1).
void DrawTickets(TExamState& state, const TExamProfile& profile, TRandom& random);

}  // namespace exam
