#include "engine/question_bank.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace exam {
namespace {

// A bank table written in readable UTF-8 and held, like a real one, as Windows-1251.
class TBank {
public:
    TBank(std::initializer_list<const char*> utf8) {
        for (const char* line : utf8) {
            Storage.push_back(Utf8ToCp1251(line));
        }
        for (const std::string& line : Storage) {
            Views.emplace_back(line);
        }
    }
    TQuestionBank Table() const { return Views; }
    std::int32_t LineCount() const { return static_cast<std::int32_t>(Views.size()); }

private:
    std::vector<std::string> Storage;
    std::vector<std::string_view> Views;
};

struct TExtracted {
    std::vector<std::string> Lines;  // UTF-8 for readable comparisons
    std::int32_t CorrectAnswer;
    std::string Code;
};

TExtracted Extract(const TBank& bank, std::int32_t number, TExamState state = {}) {
    state.CurrentTicket = 5;
    TExtracted out;
    ExtractQuestion(bank.Table(), bank.LineCount(), number, state,
                    [&](std::string_view line) { out.Lines.push_back(Cp1251ToUtf8(line)); });
    out.CorrectAnswer = state.Tickets[5].CorrectAnswer;
    out.Code = Cp1251ToUtf8(state.QuestionCodes[5]);
    return out;
}

const TBank kBank = {
    "#1.3",
    "\\РД 03-495-02 п.1",
    " Какой документ выдают сварщику?",
    "*",
    "1. Протокол",
    "2. Справку",
    "3. Аттестационное удостоверение",
    "#2.1",
    "\\ГОСТ 9466-75 п.2",
    " Что означает буква Б",
    "в обозначении покрытия?",
    "*",
    " 1. Основное покрытие",
    " 2. Рутиловое покрытие",
    "    (с добавками)",
    " 3. Целлюлозное покрытие",
};

const std::string kSeparator = "   ------  ВАРИАНТЫ  ОТВЕТА  -------";

TEST(ExtractQuestion, FirstQuestionHidesHeaderAndReference) {
    const TExtracted q = Extract(kBank, 1);
    EXPECT_EQ(q.CorrectAnswer, 3);
    EXPECT_EQ(q.Code, "1");
    EXPECT_EQ(q.Lines, (std::vector<std::string>{" Какой документ выдают сварщику?", "", kSeparator,
                                                 "", "1. Протокол", "2. Справку",
                                                 "3. Аттестационное удостоверение"}));
}

TEST(ExtractQuestion, LastQuestionRunsToTheLastLineAndKeepsLeadingSpaces) {
    const TExtracted q = Extract(kBank, 2);
    EXPECT_EQ(q.CorrectAnswer, 1);
    EXPECT_EQ(q.Code, "2");
    ASSERT_EQ(q.Lines.size(), 9u);
    EXPECT_EQ(q.Lines[0], " Что означает буква Б");
    EXPECT_EQ(q.Lines[2], "");
    EXPECT_EQ(q.Lines[3], kSeparator);
    EXPECT_EQ(q.Lines[5], " 1. Основное покрытие");
    EXPECT_EQ(q.Lines[8], " 3. Целлюлозное покрытие");
}

TEST(ExtractQuestion, SeparatorIsThirtySixCharacters) {
    EXPECT_EQ(kOptionsSeparator.View().size(), 36u);
}

TEST(ExtractQuestion, ShortLineCountScansOnlyThatManyLines) {
    TExamState state;
    state.CurrentTicket = 1;
    std::vector<std::string> shown;
    ExtractQuestion(kBank.Table(), 10, 2, state,
                    [&](std::string_view l) { shown.emplace_back(l); });
    EXPECT_EQ(shown.size(), 1u) << "the block is cut after its first wording line";
    // A line count beyond the table never reads past its end.
    ExtractQuestion(kBank.Table(), 1000, 2, state,
                    [&](std::string_view l) { shown.emplace_back(l); });
    EXPECT_EQ(shown.size(), 10u);
}

TEST(ExtractQuestion, NumberBeyondTheLastHeaderShowsNothingAndKeepsTheTicket) {
    TExamState state;
    state.Tickets[5].CorrectAnswer = 7;
    state.QuestionCodes[5] = "old";
    const TExtracted q = Extract(kBank, 3, state);
    EXPECT_TRUE(q.Lines.empty());
    EXPECT_EQ(q.CorrectAnswer, 7);
    EXPECT_EQ(q.Code, "old");
}

TEST(ExtractQuestion, NumbersFollowHeaderOrderNotTheirWrittenNumbers) {
    const TBank bank = {"#77.2", "\\x", " a", "*", "1. a", "2. b", "3. c",
                        "#5.X",  "\\y", " b", "*", "1. a", "2. b", "3. c"};
    const TExtracted second = Extract(bank, 2);
    EXPECT_EQ(second.Code, "5");
    EXPECT_EQ(second.CorrectAnswer, 0) << "a header not ending in a digit gives 0";
    EXPECT_EQ(second.Lines.front(), " b");
}

TEST(QuestionCode, CutsToSixCharactersOfAnyScript) {
    struct TCase {
        const char* Header;
        const char* Code;
        std::int32_t Answer;
    } const cases[] = {
        {"#1.3", "1", 3},
        {"#243.2", "243", 2},
        {"#100.2", "100", 2},
        {"#1234567.1", "123456", 1},
        {"#Вопрос7.2", "Вопрос", 2},
        {"#АБ.1", "АБ", 1},
        {"#.1", "", 1},
        {"#1", "", 1},
        {"", "", 0},
        {"#12.x", "12", 0},
    };
    for (const TCase& c : cases) {
        const std::string header = Utf8ToCp1251(c.Header);
        EXPECT_EQ(Cp1251ToUtf8(QuestionCode(header)), c.Code) << c.Header;
        EXPECT_EQ(AnswerDigit(header), c.Answer) << c.Header;
    }
}

}  // namespace
}  // namespace exam
