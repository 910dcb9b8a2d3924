#include "engine/bank_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/cp1251.h"

namespace exam {
namespace {

// A well-formed Windows-1251 bank of `questions` seven-line blocks, LF line ends.
std::string GoodBank(int questions) {
    std::string bank;
    for (int q = 1; q <= questions; ++q) {
        bank += "#" + std::to_string(q) + "." + std::to_string(1 + q % 3) + "\n";
        bank += Utf8ToCp1251("\\ГОСТ 5264-80 п.1\n Вопрос о сварке?\n*\n");
        bank +=
            Utf8ToCp1251(q % 2 ? "1. Да\n2. Нет\n3. Иногда\n" : " 1. Да\n 2. Нет\n 3. Иногда\n");
    }
    return bank;
}

std::vector<std::string> Messages(const std::string& bytes, std::int32_t groupSize = 0) {
    std::vector<std::string> out;
    for (const TBankProblem& p : ValidateBank(bytes, groupSize)) {
        out.push_back(std::to_string(p.Line) + ": " + p.Message);
    }
    return out;
}

// Replaces the `line`-th line (1-based) of a bank with `bytes` as they stand.
std::string WithRawLine(std::string bank, int line, const std::string& bytes) {
    std::size_t begin = 0;
    for (int i = 1; i < line; ++i) {
        begin = bank.find('\n', begin) + 1;
    }
    const std::size_t end = bank.find('\n', begin);
    return bank.replace(begin, end - begin, bytes);
}

// Replaces the `line`-th line (1-based) of a bank with `utf8` held as Windows-1251.
std::string WithLine(const std::string& bank, int line, const std::string& utf8) {
    return WithRawLine(bank, line, Utf8ToCp1251(utf8));
}

std::string WithoutLine(std::string bank, int line) {
    std::size_t begin = 0;
    for (int i = 1; i < line; ++i) {
        begin = bank.find('\n', begin) + 1;
    }
    return bank.erase(begin, bank.find('\n', begin) + 1 - begin);
}

TEST(ValidateBank, AcceptsAGoodBankWithEitherLineEnd) {
    const std::string bank = GoodBank(238);
    EXPECT_TRUE(Messages(bank, 16).empty());
    std::string crlf;
    for (const char c : bank) {
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    }
    EXPECT_TRUE(Messages(crlf, 16).empty());
    EXPECT_TRUE(Messages(bank.substr(0, bank.size() - 1), 16).empty()) << "no final line end";
    EXPECT_EQ(SplitBankLines(crlf).size(), 238u * 7);
}

TEST(ValidateBank, ReportsEachBadBankWithItsLine) {
    const std::string good = GoodBank(3);
    struct TCase {
        const char* Name;
        std::string Bytes;
        std::vector<std::string> Expected;
    } const cases[] = {
        {"empty line", WithLine(good, 3, ""), {"3: empty line"}},
        {"over-long line",
         WithLine(good, 3, " " + std::string(80, 'x')),
         {"3: line of 81 characters, more than 80"}},
        {"eighty characters is fine", WithLine(good, 3, " " + std::string(79, 'x')), {}},
        {"header without separator",
         WithLine(good, 8, "#23"),
         {"8: header \"#23\" is not \"#\", the question number, one separator character and the "
          "answer digit"}},
        {"header without digit",
         WithLine(good, 8, "#2.a"),
         {"8: header \"#2.a\" is not \"#\", the question number, one separator character and the "
          "answer digit"}},
        {"answer 4", WithLine(good, 8, "#2.4"), {"8: correct answer 4 is not 1, 2 or 3"}},
        {"answer 0", WithLine(good, 8, "#2.0"), {"8: correct answer 0 is not 1, 2 or 3"}},
        {"numbers out of order",
         WithLine(good, 8, "#3.1"),
         {"8: question number \"3\" where 2 was expected"}},
        {"no reference line",
         WithoutLine(good, 9),
         {"8: question 2 has no reference line after its header"}},
        {"no asterisk line", WithoutLine(good, 11), {"8: question 2 has no asterisk line"}},
        {"two options", WithoutLine(good, 14), {"8: question 2 has 2 of its options 1., 2., 3."}},
        {"options out of order",
         WithLine(good, 13, "3. Нет"),
         {"13: option 3 where option 2 belongs", "14: option 3 where option 2 belongs",
          "8: question 2 has 1 of its options 1., 2., 3."}},
        {"fourth option",
         WithLine(good, 14, " 3. Иногда\n 4. Никогда"),
         {"15: option 4 after the third option"}},
        {"no option 1 after the asterisk",
         WithLine(good, 5, "Да"),
         {"5: the line after the asterisk line does not begin option 1",
          "6: option 2 where option 1 belongs", "7: option 3 where option 1 belongs",
          "1: question 1 has 0 of its options 1., 2., 3."}},
        {"line before the first header",
         Utf8ToCp1251("Вступление\n") + good,
         {"1: line before the first question header"}},
        {"byte 0x98",
         WithRawLine(good, 3, " a\x98"),
         {"3: byte 0x98 at column 3 is no Windows-1251 character"}},
        {"NUL byte", WithRawLine(good, 3, std::string(" a\0b", 4)), {"3: NUL byte at column 3"}},
        {"tab", WithLine(good, 3, " a\tb"), {"3: control character 0x09 at column 3"}},
        {"UTF-8 file", Cp1251ToUtf8(good), {"2: the text is UTF-8, not Windows-1251"}},
        {"one UTF-8 line",
         WithRawLine(good, 10, " Вопрос"),
         {"10: the line is UTF-8, not Windows-1251"}},
        {"byte-order mark",
         "\xEF\xBB\xBF" + good,
         {"1: the file starts with a UTF-8 byte-order mark"}},
        {"empty file", "", {"1: the bank is empty"}},
    };
    for (const TCase& c : cases) {
        std::vector<std::string> expected = c.Expected;
        std::vector<std::string> got = Messages(c.Bytes);
        std::sort(expected.begin(), expected.end());
        std::sort(got.begin(), got.end());
        EXPECT_EQ(got, expected) << c.Name;
    }
}

TEST(ValidateBank, ProblemsComeInLineOrder) {
    std::string bank = WithLine(GoodBank(3), 17, "");
    bank = WithLine(bank, 2, "bad");
    const std::vector<TBankProblem> problems = ValidateBank(bank);
    ASSERT_GE(problems.size(), 2u);
    for (std::size_t i = 1; i < problems.size(); ++i) {
        EXPECT_LE(problems[i - 1].Line, problems[i].Line);
    }
}

TEST(ValidateBank, TooFewQuestionsForTheGroupSize) {
    EXPECT_EQ(Messages(GoodBank(177), 12),
              std::vector<std::string>{"1239: 177 questions, fewer than the 178 that a group "
                                       "size of 12 needs"});
    EXPECT_TRUE(Messages(GoodBank(178), 12).empty());
    EXPECT_EQ(Messages(GoodBank(1), 12),
              std::vector<std::string>{"7: 1 question, fewer than the 178 that a group size of 12 "
                                       "needs"});
}

}  // namespace
}  // namespace exam
