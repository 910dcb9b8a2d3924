#pragma once

// Which questions the draw can ever ask: for every start time of a day (each millisecond since
// midnight is a seed), the exam it draws, counted per question number.

#include <cstdint>
#include <vector>

namespace examtool {

inline constexpr std::uint32_t kStartTimesPerDay = 86'400'000;

// How many of the seeds firstSeed..endSeed-1 draw an exam that asks each question, indexed by
// question number 0..15*K-2 (entry 0 stays 0: no question 0 is ever drawn). Gives exactly what
// exam::DrawTickets gives seed by seed, without its working lists.
std::vector<std::int64_t> CountExams(std::int32_t groupSize, std::uint32_t firstSeed,
                                     std::uint32_t endSeed);

// CountExams over every start time of a day, split among the processor's cores.
std::vector<std::int64_t> CountExamsOfADay(std::int32_t groupSize);

}  // namespace examtool
