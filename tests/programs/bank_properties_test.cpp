// The properties each program's question bank must keep through every edit: size, shape,
// answer balance, option style and the documents its reference lines cite.

#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "engine/bank_reader.h"
#include "engine/cp1251.h"

namespace exam {
namespace {

struct TStretch {
    int First;
    int Last;
    const char* Document;  // UTF-8; the reference line starts with a backslash and this
};

struct TBankFacts {
    const char* Path;
    int GroupSize;
    std::size_t Lines;
    int Questions;
    const char* FirstLine;
    std::size_t MaxLength;
    std::size_t MaxBlock;
    std::array<int, 3> Answers;  // questions answering 1, 2, 3
    int SpacedOptions;           // questions whose options read " 1. ", the rest "1. "
    std::vector<TStretch> Stretches;
};

void PrintTo(const TBankFacts& facts, std::ostream* out) {
    *out << facts.Path;
}

std::string ReadFile(const char* path) {
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in) << path;
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

class TBankProperties : public ::testing::TestWithParam<TBankFacts> {};

TEST_P(TBankProperties, Hold) {
    const TBankFacts& facts = GetParam();
    const std::string bytes = ReadFile(facts.Path);
    const TBank bank = ReadBank(bytes, facts.GroupSize);
    for (const TBankProblem& p : bank.Problems) {
        ADD_FAILURE() << facts.Path << ":" << p.Line << ": " << p.Message;
    }
    ASSERT_EQ(bank.Lines.size(), facts.Lines);
    EXPECT_EQ(bank.Lines.front(), facts.FirstLine);
    for (const std::string_view line : bank.Lines) {
        EXPECT_LE(line.size(), facts.MaxLength) << Cp1251ToUtf8(line);
    }
    ASSERT_EQ(static_cast<int>(bank.Questions.size()), facts.Questions);

    std::array<int, 3> answers{};
    int spaced = 0;
    std::map<std::string, int> wordings;
    for (const TBankQuestion& question : bank.Questions) {
        const int q = question.Number;
        EXPECT_GE(question.LineCount, 7) << "question " << q;
        EXPECT_LE(static_cast<std::size_t>(question.LineCount), facts.MaxBlock) << "question " << q;
        ASSERT_TRUE(question.Answer >= 1 && question.Answer <= 3) << "question " << q;
        ++answers[question.Answer - 1];

        // Every option of a question in the same style: " 1. " or "1. ".
        ASSERT_EQ(question.Options.size(), 3u) << "question " << q;
        const bool withSpace = question.Options.front().Spaced;
        for (const TBankOption& option : question.Options) {
            EXPECT_EQ(option.Spaced, withSpace) << "question " << q;
            const std::string start = (withSpace ? " " : "") + std::to_string(option.Digit) + ". ";
            EXPECT_TRUE(option.Lines.front().starts_with(start)) << "question " << q;
        }
        spaced += withSpace ? 1 : 0;

        std::string wording;
        for (const std::string_view line : question.Wording) {
            wording += std::string(line) + " ";
        }
        const auto [it, fresh] = wordings.emplace(wording, q);
        EXPECT_TRUE(fresh) << "question " << q << " repeats question " << it->second;

        for (const TStretch& stretch : facts.Stretches) {
            if (q >= stretch.First && q <= stretch.Last) {
                EXPECT_EQ(ReferenceDocument(question.Reference), Utf8ToCp1251(stretch.Document))
                    << "question " << q << ": " << Cp1251ToUtf8(question.Reference);
            }
        }
    }
    EXPECT_EQ(answers, facts.Answers);
    EXPECT_EQ(spaced, facts.SpacedOptions);
}

INSTANTIATE_TEST_SUITE_P(
    Programs, TBankProperties,
    ::testing::Values(TBankFacts{VARNEL_BANK,
                                 16,
                                 2095,
                                 243,
                                 "#1.3",
                                 75,
                                 15,
                                 {72, 86, 85},
                                 70,
                                 {{1, 6, "РД 03-495-02"},
                                  {22, 56, "ПБ 03-384-00"},
                                  {104, 122, "ГОСТ 9466-75"},
                                  {123, 243, "ОТУ 3-01"}}},
                      TBankFacts{
                          DOSTRIK_BANK, 12, 1644, 187, "#1.1", 69, 14, {56, 73, 58}, 187, {}}),
    [](const auto& info) { return info.param.GroupSize == 16 ? "Varnel" : "Dostrik"; });

}  // namespace
}  // namespace exam
