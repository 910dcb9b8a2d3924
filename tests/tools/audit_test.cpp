#include "tools/examtool/audit.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "engine/bank_reader.h"
#include "engine/cp1251.h"
#include "engine/ticket_draw.h"

namespace examtool {
namespace {

std::string Cp(std::string_view utf8) {
    return exam::Utf8ToCp1251(utf8);
}

template <class TRange>
std::vector<std::string> Utf8(const TRange& words) {
    std::vector<std::string> out;
    for (const std::string& word : words) {
        out.push_back(exam::Cp1251ToUtf8(word));
    }
    return out;
}

TEST(Words, LetterAndDigitRunsLowerCasedWithYoAsYe) {
    struct TCase {
        std::string_view Text;
        std::vector<std::string> Words;
    };
    const TCase cases[] = {
        {"Ёлка, ЁЖ и ёж.", {"елка", "еж", "и", "еж"}},
        {"ГОСТ 9466-75 п.2", {"гост", "9466", "75", "п", "2"}},
        {"E6013 и Э42А", {"e6013", "и", "э42а"}},
        {"«Ток»—(постоянный)", {"ток", "постоянный"}},
        {"Ґанок Її", {"ґанок", "її"}},  // Cyrillic letters beyond Russian are letters too
        {" ,.-", {}},
    };
    for (const TCase& c : cases) {
        EXPECT_EQ(Utf8(Words(Cp(c.Text))), c.Words) << c.Text;
    }
}

TEST(Stems, FirstFiveCharactersOfWordsOfThreeOrMore) {
    EXPECT_EQ(Utf8(Stems(Cp("Сварщики и сварка: ток шва, а не ТОКИ сварщика"))),
              (std::vector<std::string>{"сварк", "сварщ", "ток", "токи", "шва"}));
}

// Weights in draws of one exam's fifteen: every draw (group t, r in 0..K-2) asks one question.
TEST(DrawWeight, CountsTheDrawsThatAskEachQuestion) {
    struct TCase {
        std::int32_t GroupSize;
        std::int32_t Question;
        std::int64_t Weight;
    };
    const TCase cases[] = {
        {16, 0, 0},   {16, 1, 1},   {16, 5, 2},   {16, 14, 1},  {16, 15, 0}, {16, 16, 1},
        {16, 31, 0},  {16, 238, 1}, {16, 239, 0}, {16, 243, 0}, {12, 4, 2},  {12, 11, 0},
        {12, 178, 1}, {12, 179, 0}, {3, 1, 2},    {3, 2, 0},    {3, 3, 1},   {3, 43, 1},
    };
    for (const TCase& c : cases) {
        EXPECT_EQ(exam::DrawWeight(c.Question, c.GroupSize), c.Weight)
            << "K " << c.GroupSize << ", question " << c.Question;
    }
    for (const std::int32_t k : {3, 4, 12, 16}) {
        std::int64_t sum = 0;
        for (std::int32_t q = 0; q < 16 * k; ++q) {
            sum += exam::DrawWeight(q, k);
        }
        EXPECT_EQ(sum, 15 * (k - 1)) << "K " << k;
    }
}

std::vector<TAuditQuestion> Read(const std::string& utf8Bank) {
    static std::string bytes;
    bytes = Cp(utf8Bank);
    const exam::TBank bank = exam::ReadBank(bytes);
    EXPECT_TRUE(bank.Problems.empty()) << utf8Bank;
    return AuditQuestions(bank);
}

TEST(AuditQuestions, JoinsLinesAndDropsMarkersAndSpaces) {
    const std::vector<TAuditQuestion> questions = Read(
        "#1.2\n\\РД 03-495-02\n Что означает буква Б\n  в обозначении?  \n*\n"
        " 1. Основное\n2.  Рутиловое покрытие \n    с добавками   \n3. Целлюлозное\n"
        "#2.3\n\\РД\n Вопрос\n*\n1. Один\n2. Два\n3. Три\n    4. продолжение\n");
    ASSERT_EQ(questions.size(), 2u);
    EXPECT_EQ(questions[0].Number, 1);
    EXPECT_EQ(questions[0].Right, 2);
    EXPECT_EQ(exam::Cp1251ToUtf8(questions[0].Wording), "Что означает буква Б в обозначении?");
    EXPECT_EQ(
        Utf8(questions[0].Options),
        (std::vector<std::string>{"Основное", "Рутиловое покрытие с добавками", "Целлюлозное"}));
    EXPECT_EQ(questions[1].Line, 10);
    EXPECT_EQ(Utf8(questions[1].Options),
              (std::vector<std::string>{"Один", "Два", "Три 4. продолжение"}));
}

// The audit reads the options the program validates and shows: a digit and a full stop begin an
// option only after at most one space, so an indented "2. " continues option 1. (An audit with
// a rule of its own once counted such a line as option 2.)
TEST(AuditQuestions, ReadsOptionsByTheBankFormatsOneRule) {
    const std::vector<TAuditQuestion> questions =
        Read("#1.1\n\\Р\n Вопрос\n*\n1. Один\n   2. продолжение\n2. Два\n3. Три\n");
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(Utf8(questions[0].Options),
              (std::vector<std::string>{"Один 2. продолжение", "Два", "Три"}));
}

}  // namespace
}  // namespace examtool
