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
#include "json_writer.h"
#include "question_bank.h"

namespace examtool {

namespace {

constexpr std::array<std::string_view, 1> kPositionals = {"FILE"};

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

void WritePair(TJsonWriter& json, std::string_view firstKey, std::int64_t first,
               std::string_view secondKey, std::int64_t second) {
    json.BeginObject(EJsonLayout::Inline);
    json.Key(firstKey);
    json.Number(first);
    json.Key(secondKey);
    json.Number(second);
    json.EndObject();
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

    TJsonWriter json;
    json.BeginObject();
    json.Key("lines");
    json.Number(static_cast<std::int64_t>(bank.LineCount));
    json.Key("questions");
    json.Number(static_cast<std::int64_t>(questions.size()));
    json.Key("longest_line");
    WritePair(json, "line", bank.LongestLine, "characters",
              static_cast<std::int64_t>(bank.LongestLength));
    json.Key("shortest_block");
    WritePair(json, "question", static_cast<std::int64_t>(shortest + 1), "lines",
              questions[shortest].Lines);
    json.Key("longest_block");
    WritePair(json, "question", static_cast<std::int64_t>(longest + 1), "lines",
              questions[longest].Lines);
    json.Key("answers");
    json.BeginObject(EJsonLayout::Inline);
    for (std::size_t digit = 1; digit <= answers.size(); ++digit) {
        json.Key(std::to_string(digit));
        json.Number(answers[digit - 1]);
    }
    json.EndObject();
    json.Key("options");
    json.BeginObject(EJsonLayout::Inline);
    json.Key("digit_first");
    json.Number(digitFirst);
    json.Key("space_first");
    json.Number(spaceFirst);
    json.Key("mixed");
    json.Number(mixed);
    json.EndObject();
    json.Key("sources");
    json.BeginArray();
    for (const TSource& source : bank.Sources) {
        json.BeginObject(EJsonLayout::Inline);
        json.Key("source");
        json.String(exam::Cp1251ToUtf8(source.Name));
        json.Key("questions");
        json.BeginArray();
        for (const auto& [first, last] : source.Ranges) {
            json.BeginArray();
            json.Number(first);
            json.Number(last);
            json.EndArray();
        }
        json.EndArray();
        json.EndObject();
    }
    json.EndArray();
    json.EndObject();
    return json.Finish();
}

TCommandResult RunStats(const TArguments& arguments) {
    ExpectPositionals(arguments, kPositionals);
    const std::string_view path = arguments.Positionals[0];
    const std::string bytes = ReadBankFile(path);
    // Also guarantees at least one question, and that every line after the first header
    // belongs to a well-formed block.
    RequireValidBank(path, bytes);
    return {ContentsJson(ReadContents(exam::SplitBankLines(bytes)))};
}

}  // namespace

const TCommand& StatsCommand() {
    static const TCommand command{
        "stats",
        "FILE",
        "what a bank holds, as one JSON object",
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
        "                     a digit: \"\\ГОСТ 9466-75 п.2\" names \"ГОСТ 9466-75\".\n",
        {},
        RunStats,
    };
    return command;
}

}  // namespace examtool
