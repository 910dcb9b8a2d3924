// examtool stats FILE: what a bank holds, as one JSON object.

#include <algorithm>
#include <array>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "engine/bank_reader.h"
#include "engine/cp1251.h"
#include "engine/question_bank.h"
#include "tools/examtool/bank_file.h"
#include "tools/examtool/commands.h"
#include "tools/examtool/json_output.h"

namespace examtool {

namespace {

struct TSource {
    std::string Name;                                           // Windows-1251
    std::vector<std::pair<std::int32_t, std::int32_t>> Ranges;  // first and last question
};

void AddToSource(std::vector<TSource>& sources, std::map<std::string, std::size_t>& index,
                 const std::string& name, std::int32_t question) {
    const auto [found, added] = index.try_emplace(name, sources.size());
    if (added) {
        sources.push_back({name, {}});
    }
    auto& ranges = sources[found->second].Ranges;
    if (!ranges.empty() && ranges.back().second == question - 1) {
        ranges.back().second = question;
    } else {
        ranges.emplace_back(question, question);
    }
}

// What a valid bank holds besides its questions.
struct TBankContents {
    std::int32_t LongestLine = 0;  // its line number
    std::size_t LongestLength = 0;
    std::vector<TSource> Sources;  // in the order of first use
};

TBankContents ReadContents(const exam::TBank& bank) {
    TBankContents contents;
    for (std::size_t i = 0; i < bank.Lines.size(); ++i) {
        if (bank.Lines[i].size() > contents.LongestLength) {
            contents.LongestLength = bank.Lines[i].size();
            contents.LongestLine = static_cast<std::int32_t>(i + 1);
        }
    }
    std::map<std::string, std::size_t> sourceIndex;
    for (const exam::TBankQuestion& question : bank.Questions) {
        AddToSource(contents.Sources, sourceIndex, exam::ReferenceDocument(question.Reference),
                    question.Number);
    }
    return contents;
}

// The JSON object of a bank with at least one question.
std::string ContentsJson(const exam::TBank& bank, const TBankContents& contents) {
    const std::vector<exam::TBankQuestion>& questions = bank.Questions;
    std::size_t shortest = 0;
    std::size_t longest = 0;
    std::array<std::int32_t, 3> answers{};
    std::int32_t digitFirst = 0;
    std::int32_t spaceFirst = 0;
    std::int32_t mixed = 0;
    for (std::size_t q = 0; q < questions.size(); ++q) {
        const exam::TBankQuestion& question = questions[q];
        shortest = question.LineCount < questions[shortest].LineCount ? q : shortest;
        longest = question.LineCount > questions[longest].LineCount ? q : longest;
        if (question.Answer >= 1 && question.Answer <= 3) {
            ++answers[question.Answer - 1];
        }
        const auto spaced = std::count_if(question.Options.begin(), question.Options.end(),
                                          [](const exam::TBankOption& o) { return o.Spaced; });
        if (spaced > 0 && spaced < std::ssize(question.Options)) {
            ++mixed;
        } else if (spaced > 0) {
            ++spaceFirst;
        } else if (!question.Options.empty()) {
            ++digitFirst;
        }
    }

    TJson sources = TJson::array();
    for (const TSource& source : contents.Sources) {
        sources.push_back(
            {{"source", exam::Cp1251ToUtf8(source.Name)}, {"questions", source.Ranges}});
    }
    const auto block = [&](std::size_t q) {
        return TJson{{"question", q + 1}, {"lines", questions[q].LineCount}};
    };
    return JsonText({
        {"lines", bank.Lines.size()},
        {"questions", questions.size()},
        {"longest_line", {{"line", contents.LongestLine}, {"characters", contents.LongestLength}}},
        {"shortest_block", block(shortest)},
        {"longest_block", block(longest)},
        {"answers", {{"1", answers[0]}, {"2", answers[1]}, {"3", answers[2]}}},
        {"options", {{"digit_first", digitFirst}, {"space_first", spaceFirst}, {"mixed", mixed}}},
        {"sources", sources},
    });
}

TCommandResult RunStats(const std::string& path) {
    const std::string bytes = ReadBankFile(path);
    // Also guarantees at least one question, and that every line after the first header
    // belongs to a well-formed block.
    const exam::TBank bank = ReadValidBank(path, bytes);
    return {ContentsJson(bank, ReadContents(bank))};
}

}  // namespace

TCommand AddStatsCommand(CLI::App& tool) {
    const auto path = std::make_shared<std::string>();
    CLI::App& command = AddCommand(
        tool, "stats", "what a bank holds, as one JSON object",
        "Prints one JSON object (UTF-8) about a valid bank file:\n"
        "  lines, questions   how many of each\n"
        "  longest_line       its line number and its length in characters\n"
        "  shortest_block,    the first question with the fewest and with the most\n"
        "  longest_block      lines, from its header to its last option line\n"
        "  answers            how many questions have the correct answer 1, 2 and 3\n"
        "  options            how many questions' option lines begin directly with the\n"
        "                     digit (\"1. \"), with a space before it (\" 1. \"), or mixed\n"
        "  sources            each source the reference lines name, in the order of\n"
        "                     first use, with its questions as ranges [first, last]. A\n"
        "                     source is the reference text up to its first word holding\n"
        "                     a digit: \"\\ГОСТ 9466-75 п.2\" names \"ГОСТ 9466-75\".\n");
    AddFileArgument(command, *path);
    return {&command, [path] { return RunStats(*path); }};
}

}  // namespace examtool
