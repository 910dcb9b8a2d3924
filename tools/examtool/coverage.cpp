#include "tools/examtool/coverage.h"

#include <algorithm>
#include <array>
#include <bit>
#include <thread>

#include "engine/exam_state.h"
#include "engine/random_source.h"
#include "engine/ticket_draw.h"

namespace examtool {

namespace {

constexpr std::uint32_t kDraws = 2 * exam::kTicketCount;  // 15 groups, then 15 questions

// The random source's state after i + 1 steps from seed s is a linear function of s,
// Slope[i] * s + Offset[i] (mod 2^32), so one seed's states follow from the previous seed's by
// adding the slopes, and no draw waits for the one before it.
struct TSteps {
    std::array<std::uint32_t, kDraws> Slope{};
    std::array<std::uint32_t, kDraws> Offset{};
};

constexpr TSteps MakeSteps() {
    TSteps steps;
    std::uint32_t slope = 1;
    std::uint32_t offset = 0;
    for (std::uint32_t i = 0; i < kDraws; ++i) {
        slope *= exam::kRandomMultiplier;
        offset = exam::NextSeed(offset);
        steps.Slope[i] = slope;
        steps.Offset[i] = offset;
    }
    return steps;
}

constexpr TSteps kSteps = MakeSteps();

}  // namespace

std::vector<std::int64_t> CountExams(std::int32_t groupSize, std::uint32_t firstSeed,
                                     std::uint32_t endSeed) {
    std::vector<std::int64_t> counts(
        static_cast<std::size_t>(exam::HighestDrawnQuestion(groupSize)) + 1, 0);
    constexpr std::uint32_t kAllGroups = (1u << exam::kGroupCount) - 1;
    std::array<std::uint32_t, kDraws> states{};
    for (std::uint32_t i = 0; i < kDraws; ++i) {
        states[i] = kSteps.Slope[i] * firstSeed + kSteps.Offset[i];
    }
    std::array<std::uint32_t, exam::kTicketCount> groups{};
    for (std::uint32_t seed = firstSeed; seed < endSeed; ++seed) {
        // The first draw of a group keeps its place; each repeat takes the smallest group nobody
        // drew that no earlier repeat took, which is what the draw's two lists amount to.
        std::uint32_t drawn = 0;
        std::uint32_t repeats = 0;  // a bit per ticket
        for (std::uint32_t ticket = 0; ticket < exam::kTicketCount; ++ticket) {
            groups[ticket] = static_cast<std::uint32_t>(exam::ScaleSeed(states[ticket], 14));
            const std::uint32_t bit = 1u << groups[ticket];
            repeats |= static_cast<std::uint32_t>((drawn & bit) != 0) << ticket;
            drawn |= bit;
        }
        for (std::uint32_t free = kAllGroups & ~drawn; repeats != 0; repeats &= repeats - 1) {
            groups[static_cast<std::uint32_t>(std::countr_zero(repeats))] =
                static_cast<std::uint32_t>(std::countr_zero(free));
            free &= free - 1;
        }
        for (std::uint32_t ticket = 0; ticket < exam::kTicketCount; ++ticket) {
            const std::int32_t r =
                exam::ScaleSeed(states[exam::kTicketCount + ticket], groupSize - 1);
            ++counts[static_cast<std::size_t>(
                exam::DrawnQuestion(static_cast<std::int32_t>(groups[ticket]), r, groupSize))];
        }
        for (std::uint32_t i = 0; i < kDraws; ++i) {
            states[i] += kSteps.Slope[i];
        }
    }
    return counts;
}

std::vector<std::int64_t> CountExamsOfADay(std::int32_t groupSize) {
    const std::uint32_t threadCount = std::clamp(std::thread::hardware_concurrency(), 1u, 16u);
    std::vector<std::vector<std::int64_t>> parts(threadCount);
    {
        std::vector<std::jthread> threads;
        for (std::uint32_t i = 0; i < threadCount; ++i) {
            const auto first =
                static_cast<std::uint32_t>(std::uint64_t{kStartTimesPerDay} * i / threadCount);
            const auto end = static_cast<std::uint32_t>(std::uint64_t{kStartTimesPerDay} * (i + 1) /
                                                        threadCount);
            threads.emplace_back([&parts, i, groupSize, first, end] {
                parts[i] = CountExams(groupSize, first, end);
            });
        }
    }
    std::vector<std::int64_t> counts = std::move(parts.front());
    for (std::uint32_t i = 1; i < threadCount; ++i) {
        std::transform(counts.begin(), counts.end(), parts[i].begin(), counts.begin(),
                       std::plus<>());
    }
    return counts;
}

}  // namespace examtool
