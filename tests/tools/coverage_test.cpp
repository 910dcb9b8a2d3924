#include "tools/examtool/coverage.h"

#include <gtest/gtest.h>

#include <numeric>
#include <vector>

#include "engine/random_source.h"
#include "engine/ticket_draw.h"

namespace examtool {
namespace {

// The same counts through the engine's own draw, one exam at a time.
std::vector<std::int64_t> CountThroughTheDraw(std::int32_t groupSize, std::uint32_t first,
                                              std::uint32_t end) {
    std::vector<std::int64_t> counts(static_cast<std::size_t>(15 * groupSize - 1), 0);
    for (std::uint32_t seed = first; seed < end; ++seed) {
        exam::TRandom random{seed};
        exam::TExamState state;
        exam::DrawTickets(state, groupSize, random);
        for (std::int32_t ticket = 1; ticket <= exam::kTicketCount; ++ticket) {
            ++counts.at(state.Tickets[ticket].QuestionNumber);
        }
    }
    return counts;
}

TEST(CountExams, AgreesWithTheDrawOnSlicesOfTheDay) {
    struct TSlice {
        std::int32_t GroupSize;
        std::uint32_t First;
        std::uint32_t End;
    };
    const TSlice slices[] = {
        {16, 0, 5000},                                     // from midnight
        {12, 36'120'000, 36'125'000},                      // a slice that starts mid-day
        {3, kStartTimesPerDay - 5000, kStartTimesPerDay},  // up to the last millisecond
        {143, 1'000'000, 1'002'000},
    };
    for (const TSlice& slice : slices) {
        SCOPED_TRACE(testing::Message() << "K " << slice.GroupSize << " from " << slice.First);
        EXPECT_EQ(CountExams(slice.GroupSize, slice.First, slice.End),
                  CountThroughTheDraw(slice.GroupSize, slice.First, slice.End));
    }
}

TEST(CountExams, EmptySliceCountsNothing) {
    const std::vector<std::int64_t> counts = CountExams(16, 7, 7);
    EXPECT_EQ(counts.size(), 239u);
    EXPECT_EQ(std::accumulate(counts.begin(), counts.end(), std::int64_t{0}), 0);
}

// The whole day once: every exam asks one question of each group, questions K-1, 2K-1, ...
// are never asked, and every other question of 1..15K-2 is.
TEST(CountExamsOfADay, EachGroupIsAskedOncePerStartTime) {
    constexpr std::int32_t k = 12;
    const std::vector<std::int64_t> counts = CountExamsOfADay(k);
    ASSERT_EQ(counts.size(), static_cast<std::size_t>(15 * k - 1));
    EXPECT_EQ(std::accumulate(counts.begin(), counts.end(), std::int64_t{0}),
              std::int64_t{15} * kStartTimesPerDay);
    for (std::int32_t group = 0; group < 15; ++group) {
        SCOPED_TRACE(testing::Message() << "group " << group);
        // The last group has no question K - 1: the counts end at 15K - 2.
        const std::int32_t size = group == 14 ? k - 1 : k;
        const auto first = counts.begin() + group * k;
        EXPECT_EQ(std::accumulate(first, first + size, std::int64_t{0}), kStartTimesPerDay);
        for (std::int32_t r = 0; r < size; ++r) {
            const bool drawable = r != k - 1 && (group != 0 || r != 0);
            EXPECT_EQ(counts[group * k + r] > 0, drawable) << "question " << group * k + r;
        }
    }
    // Group 0 draws its question K div 3 in place of question 0, twice as often as the others.
    EXPECT_GT(counts[k / 3], 19 * counts[1] / 10);
}

}  // namespace
}  // namespace examtool
