#include "coverage.h"

#include <algorithm>
#include <array>
#include <bit>
#include <thread>

#include "exam_state.h"

namespace examtool {

namespace {

constexpr std::uint32_t kMultiplier = 134775813u;  // the random source's, as exam::Random uses it
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
        slope *= kMultiplier;
        offset = offset * kMultiplier + 1u;
        steps.Slope[i] = slope;
        steps.Offset[i] = offset;
    }
    return steps;
}

constexpr TSteps kSteps = MakeSteps();

// floor(state * n / 2^32), what exam::Random returns from that state.
constexpr std::uint32_t Scale(std::uint32_t state, std::uint32_t n) {
    return static_cast<std::uint32_t>((std::uint64_t{state} * n) >> 32);
}

}  // namespace

std::vector<std::int64_t> CountExams(std::int32_t groupSize, std::uint32_t firstSeed,
                                     std::uint32_t endSeed) {
    const auto k = static_cast<std::uint32_t>(groupSize);
    std::vector<std::int64_t> counts(static_cast<std::size_t>(exam::kGroupCount) * k - 1, 0);
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
            groups[ticket] = Scale(states[ticket], 14);
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
            const std::uint32_t group = groups[ticket];
            const std::uint32_t r = Scale(states[exam::kTicketCount + ticket], k - 1);
            ++counts[group * k + (r == 0 && group == 0 ? k / 3 : r)];
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
