// The properties each program's question bank must keep through every edit: size, shape,
// answer balance, option style and the documents its reference lines cite.

#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "bank_validator.h"
#include "cp1251.h"

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
    for (const TBankProblem& p : ValidateBank(bytes, facts.GroupSize)) {
        ADD_FAILURE() << facts.Path << ":" << p.Line << ": " << p.Message;
    }
    const std::vector<std::string_view> lines = SplitBankLines(bytes);
    ASSERT_EQ(lines.size(), facts.Lines);
    EXPECT_EQ(lines.front(), facts.FirstLine);

    // Split into blocks and check each one's shape.
    std::vector<std::vector<std::string_view>> blocks;
    for (const std::string_view line : lines) {
        EXPECT_LE(line.size(), facts.MaxLength) << Cp1251ToUtf8(line);
        if (line.starts_with('#')) {
            blocks.emplace_back();
        }
        blocks.back().push_back(line);
    }
    ASSERT_EQ(static_cast<int>(blocks.size()), facts.Questions);

    std::array<int, 3> answers{};
    int spaced = 0;
    std::map<std::string, int> wordings;
    for (int q = 1; q <= facts.Questions; ++q) {
        const auto& block = blocks[q - 1];
        EXPECT_GE(block.size(), 7u) << "question " << q;
        EXPECT_LE(block.size(), facts.MaxBlock) << "question " << q;
        const char answer = block.front().back();
        ASSERT_TRUE(answer >= '1' && answer <= '3') << "question " << q;
        ++answers[answer - '1'];

        std::size_t star = 2;
        while (star < block.size() && block[star] != "*") {
            ++star;
        }
        ASSERT_LT(star + 3, block.size() + 1) << "question " << q;
        const bool withSpace = block[star + 1].starts_with(" 1. ");
        EXPECT_TRUE(withSpace || block[star + 1].starts_with("1. ")) << "question " << q;
        spaced += withSpace ? 1 : 0;
        for (const char* option : {"2. ", "3. "}) {
            const std::string start = (withSpace ? " " : "") + std::string(option);
            bool found = false;
            for (std::size_t i = star + 2; i < block.size(); ++i) {
                found = found || block[i].starts_with(start);
            }
            EXPECT_TRUE(found) << "question " << q << " lacks option " << start;
        }

        std::string wording;
        for (std::size_t i = 2; i < star; ++i) {
            wording += std::string(block[i]) + " ";
        }
        const auto [it, fresh] = wordings.emplace(wording, q);
        EXPECT_TRUE(fresh) << "question " << q << " repeats question " << it->second;

        for (const TStretch& stretch : facts.Stretches) {
            if (q >= stretch.First && q <= stretch.Last) {
                const std::string prefix = "\\" + Utf8ToCp1251(stretch.Document);
                EXPECT_TRUE(block[1].starts_with(prefix))
                    << "question " << q << ": " << Cp1251ToUtf8(block[1]);
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
