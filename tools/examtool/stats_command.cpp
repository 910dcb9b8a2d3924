// examtool stats FILE: what a bank holds, as one JSON object.

#include <array>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "bank_file.h"
#include "bank_validator.h"
#include "commands.h"
#include "cp1251.h"
#include "json_output.h"
#include "question_bank.h"

namespace examtool {

namespace {

struct TQuestion {
    std::int32_t Lines = 0;
    std::int32_t Answer = 0;
    bool InOptions = false;   // past the asterisk line
    bool DigitFirst = false;  // an option line begins with its digit
    bool SpaceFirst = false;  // an option line begins with a space before its digit
    bool HasReference = false;
};

struct TSource {
    std::string Name;                                           // Windows-1251
    std::vector<std::pair<std::int32_t, std::int32_t>> Ranges;  // first and last question
};

// The source a reference line names: its words up to and including the first that holds a
// digit, which ends a document's designation ("ГОСТ 9466-75", "РД 03-495-02"), so that the
// clauses of one document ("п.1", ", п.2.3") count as one source. Without such a word the whole
// text is the source. Punctuation that ends the designation is dropped.
std::string SourceName(std::string_view reference) {
    std::string name;
    while (!reference.empty()) {
        const std::size_t start = reference.find_first_not_of(' ');
        if (start == std::string_view::npos) {
            break;
        }
        reference.remove_prefix(start);
        const std::string_view word = reference.substr(0, reference.find(' '));
        reference.remove_prefix(word.size());
        name += name.empty() ? "" : " ";
        name += word;
        if (word.find_first_of("0123456789") != std::string_view::npos) {
            break;
        }
    }
    while (!name.empty() && std::string_view(",;:.").find(name.back()) != std::string_view::npos) {
        name.pop_back();
    }
    return name;
}

// True for a line that begins an option: its digit and a full stop, after at most one space.
bool BeginsOption(std::string_view line) {
    if (line.starts_with(' ')) {
        line.remove_prefix(1);
    }
    return line.size() >= 2 && line[0] >= '0' && line[0] <= '9' && line[1] == '.';
}

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

// What the lines of a valid bank hold, question by question.
struct TBankContents {
    std::size_t LineCount = 0;
    std::int32_t LongestLine = 0;  // its line number
    std::size_t LongestLength = 0;
    std::vector<TQuestion> Questions;
    std::vector<TSource> Sources;  // in the order of first use
};

TBankContents ReadContents(const std::vector<std::string_view>& lines) {
    TBankContents bank;
    bank.LineCount = lines.size();
    std::map<std::string, std::size_t> sourceIndex;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        if (line.size() > bank.LongestLength) {
            bank.LongestLength = line.size();
            bank.LongestLine = static_cast<std::int32_t>(i + 1);
        }
        if (line.starts_with('#')) {
            bank.Questions.push_back({0, exam::AnswerDigit(line)});
        }
        if (bank.Questions.empty()) {
            continue;  // a valid bank has no lines before its first header
        }
        TQuestion& question = bank.Questions.back();
        const auto number = static_cast<std::int32_t>(bank.Questions.size());
        ++question.Lines;
        if (line.starts_with('\\') && !question.HasReference) {
            question.HasReference = true;
            AddToSource(bank.Sources, sourceIndex, SourceName(line.substr(1)), number);
        } else if (line.starts_with('*')) {
            question.InOptions = true;
        } else if (question.InOptions && BeginsOption(line)) {
            (line.starts_with(' ') ? question.SpaceFirst : question.DigitFirst) = true;
        }
    }
    return bank;
}

// The JSON object of a bank with at least one question.
std::string ContentsJson(const TBankContents& bank) {
    const std::vector<TQuestion>& questions = bank.Questions;
    std::size_t shortest = 0;
    std::size_t longest = 0;
    std::array<std::int32_t, 3> answers{};
    std::int32_t digitFirst = 0;
    std::int32_t spaceFirst = 0;
    std::int32_t mixed = 0;
    for (std::size_t q = 0; q < questions.size(); ++q) {
        const TQuestion& question = questions[q];
        shortest = question.Lines < questions[shortest].Lines ? q : shortest;
        longest = question.Lines > questions[longest].Lines ? q : longest;
        if (question.Answer >= 1 && question.Answer <= 3) {
            ++answers[question.Answer - 1];
        }
        if (question.DigitFirst && question.SpaceFirst) {
            ++mixed;
        } else if (question.SpaceFirst) {
            ++spaceFirst;
        } else if (question.DigitFirst) {
            ++digitFirst;
        }
    }

    TJson sources = TJson::array();
    for (const TSource& source : bank.Sources) {
        sources.push_back(
            {{"source", exam::Cp1251ToUtf8(source.Name)}, {"questions", source.Ranges}});
    }
    const auto block = [&](std::size_t q) {
        return TJson{{"question", q + 1}, {"lines", questions[q].Lines}};
    };
    return JsonText({
        {"lines", bank.LineCount},
        {"questions", questions.size()},
        {"longest_line", {{"line", bank.LongestLine}, {"characters", bank.LongestLength}}},
        {"shortest_block", block(shortest)},
        {"longest_block", block(longest)},
        {"answers", {{"1", answers[0]}, {"2", answers[1]}, {"3", answers[2]}}},
        {"options", {{"digit_first", digitFirst}, {"space_first", spaceFirst}, {"mixed", mixed}}},
        {"sources", sources},
    });
}

TCommandResult RunStats(const TCommandLine& line) {
    const std::string& path = line.Path;
    const std::string bytes = ReadBankFile(path);
    // Also guarantees at least one question, and that every line after the first header
    // belongs to a well-formed block.
    RequireValidBank(path, bytes);
    return {ContentsJson(ReadContents(exam::SplitBankLines(bytes)))};
}

}  // namespace

TCommand AddStatsCommand(CLI::App& tool, TCommandLine& line) {
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
    AddFileArgument(command, line);
    return {&command, RunStats};
}

}  // namespace examtool
