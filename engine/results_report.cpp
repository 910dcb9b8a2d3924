#include "engine/results_report.h"

#include <cstdio>

#include "engine/cp1251.h"

namespace exam {

namespace {

constexpr TCp1251Literal kHeading = u8"РЕЗУЛЬТАТЫ  ТЕСТИРОВАНИЯ";
constexpr TCp1251Literal kAskedPrefix = u8"Всего задано вопросов:  ";
constexpr TCp1251Literal kRightPrefix = u8"Правильных ответов:     ";
constexpr std::string_view kSummaryRule = "________________________";
constexpr TCp1251Literal kTotalPrefix = u8"Итого                   ";
constexpr TCp1251Literal kTableHeader = u8" Билет  Вопрос Верно Ваш ответ";
constexpr std::string_view kColumnGap = "     ";
constexpr TCp1251Literal kFailMark = u8"   неуд";
constexpr std::string_view kClosingRule = "______________________________________";

// The code field is 13 characters minus the code's own length wide, so longer codes push the
// later columns right by their extra length; the table has always looked like that.
constexpr std::size_t kCodeFieldWidth = 13;

}  // namespace

std::string RightAlign(std::string_view text, std::size_t width) {
    std::string field = " ";
    if (text.size() + 1 < width) {
        field.append(width - text.size() - 1, ' ');
    }
    field += text;
    return field;
}

std::string FormatPercentage(std::int32_t count) {
    // count/15*100 never lies on a half hundredth, so rounding the exact fraction to hundredths
    // gives the same digits as printing the double with two decimals: round(count * 2000 / 3).
    const std::int64_t hundredths = (std::int64_t{count} * 4000 + 3) / 6;
    char text[32];
    std::snprintf(text, sizeof text, "%lld.%02lld", static_cast<long long>(hundredths / 100),
                  static_cast<long long>(hundredths % 100));
    return text;
}

TResultsReport FormatResults(const TExamState& state) {
    const std::int32_t count = CountCorrect(state);
    TResultsReport report;
    report.Heading = kHeading.View();
    auto& lines = report.Lines;
    lines.reserve(kReportLineCount);
    lines.push_back(std::string(kAskedPrefix) + std::to_string(kTicketCount));
    lines.push_back(std::string(kRightPrefix) + std::to_string(count));
    lines.emplace_back(kSummaryRule);
    lines.push_back(std::string(kTotalPrefix) + RightAlign(FormatPercentage(count), 7) + "%");
    lines.emplace_back();
    lines.emplace_back(kTableHeader);
    for (std::int32_t n = 1; n <= kTicketCount; ++n) {
        const TTicket& ticket = state.Tickets[n];
        const std::string& code = state.QuestionCodes[n];
        std::string row = RightAlign(std::to_string(n), 5);
        row += kColumnGap;
        row += RightAlign(code, kCodeFieldWidth > code.size() ? kCodeFieldWidth - code.size() : 0);
        row += kColumnGap;
        row += RightAlign(std::to_string(ticket.CorrectAnswer), 6);
        row += kColumnGap;
        row += RightAlign(std::to_string(ticket.GivenAnswer), 6);
        if (ticket.CorrectAnswer != ticket.GivenAnswer) {
            row += kFailMark;
        }
        lines.push_back(std::move(row));
    }
    lines.emplace_back(kClosingRule);
    return report;
}

}  // namespace exam
