#pragma once

// Drawing the exam: fifteen tickets, one question from each of the bank's fifteen groups, the
// groups in random order. Group t holds the questions t*K .. t*K+K-2 (K = the group size); group
// 0 starts at 1 instead of 0 and draws its question K div 3 twice as often. This is the one
// statement of which questions an exam can ask and how often; the authors' tool counts with it.

#include <cstdint>

#include "engine/exam_state.h"
#include "engine/random_source.h"

namespace exam {

// The highest question number the draw can ask for: 15 * K - 2. A bank must hold that many.
constexpr std::int32_t HighestDrawnQuestion(std::int32_t groupSize) {
    return kGroupCount * groupSize - 2;
}

// The draw group of a question: two questions of one group never meet in an exam.
constexpr std::int32_t DrawGroup(std::int32_t question, std::int32_t groupSize) {
    return question / groupSize;
}

// The question that group `group` gives for the draw r = Random(K - 1), 0..K-2: t * K + r, where
// group 0 asks K div 3 in place of question 0, which does not exist.
constexpr std::int32_t DrawnQuestion(std::int32_t group, std::int32_t r, std::int32_t groupSize) {
    return group == 0 && r == 0 ? groupSize / 3 : group * groupSize + r;
}

// How many of its group's K - 1 draws ask `question`: 2 for K div 3 in group 0, 0 for the
// questions never asked (K - 1, 2K - 1, ... and those above 15 * K - 2), 1 for the rest.
constexpr std::int32_t DrawWeight(std::int32_t question, std::int32_t groupSize) {
    const std::int32_t group = DrawGroup(question, groupSize);
    const std::int32_t r = question - group * groupSize;
    if (question < 1 || group >= kGroupCount || r == groupSize - 1) {
        return 0;
    }
    return group == 0 && r == DrawnQuestion(0, 0, groupSize) ? 2 : 1;
}

// Fills the question numbers of tickets 1..15 and sets the current ticket to 0. Consumes exactly
// 30 values: fifteen Random(14) for the group order, then fifteen Random(groupSize - 1).
void DrawTickets(TExamState& state, std::int32_t groupSize, TRandom& random);

}  // namespace exam
