#include "ticket_draw.h"

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

}  // namespace

void DrawTickets(TExamState& state, std::int32_t groupSize, TRandom& random) {
    std::array<TEntry, kGroupCount> drawn{};   // A
    std::array<TEntry, kGroupCount> groups{};  // B
    for (std::int32_t k = 0; k < kGroupCount; ++k) {
        groups[k] = {k, kInOrder};
        // Random(14) never yields group 14, so at least one draw repeats.
        drawn[k] = {Random(random, 14), kInOrder};
    }

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

    for (std::int32_t ticket = 1; ticket <= kTicketCount; ++ticket) {
        const std::int32_t r = Random(random, groupSize - 1);
        state.Tickets[ticket].QuestionNumber = DrawnQuestion(drawn[ticket - 1].Value, r, groupSize);
    }
    state.CurrentTicket = 0;
}

}  // namespace exam
