#include "engine/results_report.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/cp1251.h"
#include "engine/question_bank.h"

namespace exam {
namespace {

std::vector<std::string> Utf8Lines(const TResultsReport& report) {
    std::vector<std::string> lines;
    for (const std::string& line : report.Lines) {
        lines.push_back(Cp1251ToUtf8(line));
    }
    return lines;
}

// Fifteen tickets with codes 4, 20, 187 ..., correct answers 1..3; the first `right` answered
// correctly, the rest answered with a wrong digit.
TExamState ExamWithRightAnswers(std::int32_t right) {
    TExamState state;
    const char* codes[] = {"4",  "125", "197", "43",  "52",  "154", "76", "138",
                           "84", "162", "20",  "187", "211", "188", "228"};
    for (std::int32_t n = 1; n <= kTicketCount; ++n) {
        TTicket& t = state.Tickets[n];
        t.CorrectAnswer = 1 + n % 3;
        t.GivenAnswer = n <= right ? t.CorrectAnswer : 1 + (n + 1) % 3;
        state.QuestionCodes[n] = codes[n - 1];
    }
    state.CurrentTicket = 15;
    return state;
}

TEST(FormatResults, EveryLineWithAllAnswersRight) {
    const TResultsReport report = FormatResults(ExamWithRightAnswers(15));
    EXPECT_EQ(Cp1251ToUtf8(report.Heading), "РЕЗУЛЬТАТЫ  ТЕСТИРОВАНИЯ");
    const std::vector<std::string> expected = {
        "Всего задано вопросов:  15",
        "Правильных ответов:     15",
        "________________________",
        "Итого                    100.00%",
        "",
        " Билет  Вопрос Верно Ваш ответ",
        "    1                4          2          2",
        "    2            125          3          3",
        "    3            197          1          1",
        "    4              43          2          2",
        "    5              52          3          3",
        "    6            154          1          1",
        "    7              76          2          2",
        "    8            138          3          3",
        "    9              84          1          1",
        "   10            162          2          2",
        "   11              20          3          3",
        "   12            187          1          1",
        "   13            211          2          2",
        "   14            188          3          3",
        "   15            228          1          1",
        "______________________________________",
    };
    EXPECT_EQ(Utf8Lines(report), expected);
}

TEST(FormatResults, NoAnswerRightMarksEveryRow) {
    const std::vector<std::string> lines = Utf8Lines(FormatResults(ExamWithRightAnswers(0)));
    ASSERT_EQ(lines.size(), kReportLineCount);
    EXPECT_EQ(lines[1], "Правильных ответов:     0");
    EXPECT_EQ(lines[3], "Итого                      0.00%");
    EXPECT_EQ(lines[6], "    1                4          2          3   неуд");
    for (std::size_t row = 6; row < 21; ++row) {
        EXPECT_TRUE(lines[row].ends_with("   неуд")) << lines[row];
    }
}

TEST(FormatResults, SomeAnswersRight) {
    const std::vector<std::string> lines = Utf8Lines(FormatResults(ExamWithRightAnswers(7)));
    EXPECT_EQ(lines[1], "Правильных ответов:     7");
    EXPECT_EQ(lines[3], "Итого                     46.67%");
    EXPECT_EQ(lines[12], "    7              76          2          2");
    EXPECT_EQ(lines[13], "    8            138          3          1   неуд");
}

TEST(FormatResults, CodeFieldIsThirteenMinusTheCodeLength) {
    TExamState state = ExamWithRightAnswers(15);
    state.QuestionCodes[1] = "4";
    state.QuestionCodes[2] = "20";
    state.QuestionCodes[3] = "187";
    state.QuestionCodes[4] = "";
    state.QuestionCodes[5] = "123456";
    state.QuestionCodes[6] = Utf8ToCp1251("Вопрос");  // six characters, six bytes
    state.Tickets[1] = {0, 3, 2};
    const std::vector<std::string> lines = Utf8Lines(FormatResults(state));
    EXPECT_EQ(lines[6],
              "    1     " + std::string(11, ' ') + "4     " + "     3     " + "     2   неуд");
    EXPECT_EQ(lines[7], "    2     " + std::string(9, ' ') + "20     " + "     3     " + "     3");
    EXPECT_EQ(lines[8], "    3     " + std::string(7, ' ') + "187     " + "     1     " + "     1");
    EXPECT_EQ(lines[9], "    4     " + std::string(13, ' ') + "     " + "     2     " + "     2");
    EXPECT_EQ(lines[10], "    5      123456     " + std::string("     3     ") + "     3");
    EXPECT_EQ(lines[11], "    6      Вопрос     " + std::string("     1     ") + "     1");
}

TEST(FormatResults, HeaderWithoutDigitShowsZeroAndFails) {
    TExamState state = ExamWithRightAnswers(15);
    state.CurrentTicket = 3;
    const std::string_view bank[] = {"#1.2", "\\x", " q", "*", "1. a", "2. b", "3. c",
                                     "#2.2", "\\x", " q", "*", "1. a", "2. b", "3. c",
                                     "#3.X", "\\x", " q", "*", "1. a", "2. b", "3. c"};
    ExtractQuestion(bank, 21, 3, state, [](std::string_view) {});
    RecordAnswer(state, 1);
    EXPECT_EQ(state.Tickets[3].GivenAnswer, 1);
    const std::vector<std::string> lines = Utf8Lines(FormatResults(state));
    EXPECT_EQ(lines[1], "Правильных ответов:     14");
    EXPECT_EQ(lines[8], "    3                3          0          1   неуд");
}

TEST(FormatResults, TwelfthTicketRow) {
    const std::vector<std::string> lines = Utf8Lines(FormatResults(ExamWithRightAnswers(15)));
    EXPECT_EQ(lines[17],
              "   12     " + std::string(7, ' ') + "187     " + "     1     " + "     1");
}

TEST(FormatPercentage, AllSixteenValuesAndTheirAlignment) {
    const char* expected[] = {"   0.00", "   6.67", "  13.33", "  20.00", "  26.67", "  33.33",
                              "  40.00", "  46.67", "  53.33", "  60.00", "  66.67", "  73.33",
                              "  80.00", "  86.67", "  93.33", " 100.00"};
    for (std::int32_t count = 0; count <= 15; ++count) {
        EXPECT_EQ(RightAlign(FormatPercentage(count), 7), expected[count]) << count;
        // The same digits as printing the double count / 15 * 100 with two decimals.
        char printed[16];
        std::snprintf(printed, sizeof printed, "%.2f",
                      static_cast<double>(static_cast<long double>(count) / 15 * 100));
        EXPECT_EQ(FormatPercentage(count), printed) << count;
    }
}

TEST(RightAlign, AlwaysAddsAtLeastOneSpace) {
    EXPECT_EQ(RightAlign("1", 5), "    1");
    EXPECT_EQ(RightAlign("12", 5), "   12");
    EXPECT_EQ(RightAlign("12345", 5), " 12345");
    EXPECT_EQ(RightAlign("", 3), "   ");
    EXPECT_EQ(RightAlign("", 0), " ");
}

}  // namespace
}  // namespace exam
