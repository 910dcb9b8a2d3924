#include "engine/ticket_draw.h"

#include <array>

namespace exam {

namespace {

// One entry of the working lists: a group and its flag.
struct TEntry {
    std::int32_t Value = 0;
    std::int32_t Flag = 0;
};

constexpr std::int32_t kInOrder = 1;
constexpr std::int32_t kRepeatOrFree = 9;  // a repeated draw in A, a group nobody drew in B

using TEntries = std::array<TEntry, kGroupCount>;

// Flags every draw after the first of its group as a repeat, and every group nobody drew as free.
void MarkRepeatsAndFreeGroups(TEntries& drawn, TEntries& groups) {
    // Number the occurrences of each group; every one after the first is a repeat.
    for (std::int32_t v = 0; v < kGroupCount; ++v) {
        std::int32_t occurrences = 0;
        for (TEntry& entry : drawn) {
            if (entry.Value == v) {
                entry.Flag = ++occurrences;
            }
        }
    }
    for (TEntry& entry : drawn) {
        if (entry.Flag > 1) {
            entry.Flag = kRepeatOrFree;
        }
    }

    // Mark the groups nobody drew.
    for (TEntry& group : groups) {
        bool taken = false;
        for (const TEntry& entry : drawn) {
            taken = taken || entry.Value == group.Value;
        }
        if (!taken) {
            group.Flag = kRepeatOrFree;
        }
    }
}

// The fifteen groups in ticket order: fifteen Random(14) draws, whose repeats then take the
// groups nobody drew.
TEntries DrawGroupOrder(TRandom& random) {
    TEntries drawn{};   // A
    TEntries groups{};  // B
    for (std::int32_t k = 0; k < kGroupCount; ++k) {
        groups[k] = {k, kInOrder};
        // Random(14) never yields group 14, so at least one draw repeats.
        drawn[k] = {Random(random, 14), kInOrder};
    }
    MarkRepeatsAndFreeGroups(drawn, groups);

    // The repeats take the free groups in ascending order, the first repeat the smallest.
    for (TEntry& entry : drawn) {
        if (entry.Flag != kRepeatOrFree) {
            continue;
        }
        for (TEntry& group : groups) {
            if (group.Flag == kRepeatOrFree) {
                entry = {group.Value, kInOrder};
                group.Flag = kInOrder;
                break;
            }
        }
    }
    return drawn;
}

}  // namespace

void DrawTickets(TExamState& state, std::int32_t groupSize, TRandom& random) {
    const TEntries drawn = DrawGroupOrder(random);
    for (std::int32_t ticket = 1; ticket <= kTicketCount; ++ticket) {
        const std::int32_t r = Random(random, groupSize - 1);
        state.Tickets[ticket].QuestionNumber = DrawnQuestion(drawn[ticket - 1].Value, r, groupSize);
    }
    state.CurrentTicket = 0;
}

}  // namespace exam
