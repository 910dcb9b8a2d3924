// One whole exam without a window: seed, draw, fifteen extractions over a bank of 2095 lines
// (243 questions, the size of the larger program's bank), answers and the report.
//   cmake --workflow --preset default && build/default/benchmarks/exam_benchmark

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "engine/exam_profile.h"
#include "engine/question_bank.h"
#include "engine/random_source.h"
#include "engine/results_report.h"
#include "engine/ticket_draw.h"

namespace {

// 243 questions in 2095 lines: 151 blocks of 9 lines and 92 of 8.
std::vector<std::string> SyntheticBank() {
    std::vector<std::string> lines;
    for (int q = 1; q <= 243; ++q) {
        lines.push_back("#" + std::to_string(q) + "." + std::to_string(1 + q % 3));
        lines.push_back("\\\xCE\xD2\xD3 3-01 \xEF.4.2");
        lines.push_back(" \xCA\xE0\xEA\xEE\xE9 \xF2\xEE\xEA \xEF\xF0\xE8\xEC\xE5\xED\xFF\xFE\xF2?");
        if (q <= 151) {
            lines.push_back("\xE4\xEB\xFF \xF1\xE2\xE0\xF0\xEA\xE8?");
        }
        lines.push_back("*");
        lines.push_back("1. \xCF\xE5\xF0\xE5\xEC\xE5\xED\xED\xFB\xE9");
        lines.push_back("2. \xCF\xEE\xF1\xF2\xEE\xFF\xED\xED\xFB\xE9");
        lines.push_back(
            "   \xEE\xE1\xF0\xE0\xF2\xED\xEE\xE9 \xEF\xEE\xEB\xFF\xF0\xED\xEE\xF1\xF2\xE8");
        lines.push_back("3. \xCB\xFE\xE1\xEE\xE9");
    }
    return lines;
}

void WholeExam(benchmark::State& bench) {
    const std::vector<std::string> storage = SyntheticBank();
    const std::vector<std::string_view> table(storage.begin(), storage.end());
    exam::TExamProfile profile;
    profile.GroupSize = 16;
    profile.Bank = table;
    std::uint32_t millisecond = 0;
    for (auto _ : bench) {
        exam::TExamState state;
        exam::TRandom random;
        exam::Seed(random, [&] {
            return exam::TUtcTimeOfDay{12, 0, 0, int(millisecond++ % 1000)};
        });
        exam::DrawTickets(state, profile.GroupSize, random);
        std::size_t shown = 0;
        for (std::int32_t n = 1; n <= exam::kTicketCount; ++n) {
            state.CurrentTicket = n;
            exam::ExtractQuestion(profile.Bank, static_cast<std::int32_t>(profile.Bank.size()),
                                  state.Tickets[n].QuestionNumber, state,
                                  [&](std::string_view line) { shown += line.size(); });
            exam::RecordAnswer(state, 1 + n % 3);
        }
        const exam::TResultsReport report = exam::FormatResults(state);
        benchmark::DoNotOptimize(shown);
        benchmark::DoNotOptimize(report);
    }
}
BENCHMARK(WholeExam);

}  // namespace

BENCHMARK_MAIN();
