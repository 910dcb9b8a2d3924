#include "engine/bank_reader.h"

#include <algorithm>
#include <cstdio>

#include "engine/cp1251.h"
#include "engine/question_bank.h"
#include "engine/ticket_draw.h"

namespace exam {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string Quote(std::string_view cp1251) {
    return "\"" + Cp1251ToUtf8(cp1251) + "\"";
}

std::string Hex(unsigned char byte) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", byte);
    return text;
}

// True when a line holds at least one multi-byte UTF-8 sequence and every byte above 0x7F
// belongs to a well-formed one. Cyrillic Windows-1251 text practically never passes (its letters
// are all 0xC0 and above, where UTF-8 wants continuation bytes 0x80..0xBF), while Cyrillic UTF-8
// always does.
bool IsUtf8Line(std::string_view line) {
    bool multiByte = false;
    for (std::size_t i = 0; i < line.size();) {
        const auto b = static_cast<unsigned char>(line[i]);
        if (b < 0x80) {
            ++i;
            continue;
        }
        const std::size_t length = (b & 0xE0) == 0xC0   ? 2
                                   : (b & 0xF0) == 0xE0 ? 3
                                   : (b & 0xF8) == 0xF0 ? 4
                                                        : 0;
        if (length == 0 || b == 0xC0 || b == 0xC1 || i + length > line.size()) {
            return false;
        }
        for (std::size_t k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(line[i + k]) & 0xC0) != 0x80) {
                return false;
            }
        }
        multiByte = true;
        i += length;
    }
    return multiByte;
}

bool HasHighByte(std::string_view line) {
    return std::any_of(line.begin(), line.end(),
                       [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Follows one question block at a time: adds each block to the bank's questions and reports
// what its shape lacks.
class TBlockReader {
public:
    TBlockReader(std::vector<TBankQuestion>& questions, std::vector<TBankProblem>& problems)
        : Questions(questions), Problems(problems) {}

    void Header(std::int32_t line, std::string_view text) {
        Finish();
        TBankQuestion& question = Questions.emplace_back();
        question.Number = static_cast<std::int32_t>(Questions.size());
        question.HeaderLine = line;
        question.LineCount = 1;
        question.Header = text;
        question.Answer = AnswerDigit(text);
        Phase = EPhase::Reference;
        NextOption = 1;

        // A digit cannot separate: "#113" is far likelier a typo of "#11.3" or "#1.3".
        const bool grammar =
            text.size() >= 4 && IsDigit(text.back()) && !IsDigit(text[text.size() - 2]);
        if (!grammar) {
            Report(line, "header " + Quote(text) +
                             " is not \"#\", the question number, one separator character and "
                             "the answer digit");
            return;
        }
        const char answer = text.back();
        if (answer < '1' || answer > '3') {
            Report(line, std::string("correct answer ") + answer + " is not 1, 2 or 3");
        }
        const std::string_view number = text.substr(1, text.size() - 3);
        if (number != std::to_string(question.Number)) {
            Report(line, "question number " + Quote(number) + " where " +
                             std::to_string(question.Number) + " was expected");
        }
    }

    void Line(std::int32_t line, std::string_view text) {
        if (Phase == EPhase::BeforeFirstHeader) {
            Report(line, "line before the first question header");
            return;
        }
        ++Current().LineCount;
        Classify(line, text);
    }

    // Reports what the last block never got; call after the last line.
    void Finish() {
        switch (Phase) {
            case EPhase::BeforeFirstHeader:
                return;
            case EPhase::Reference:
                Report(Current().HeaderLine,
                       Question() + " has no reference line after its header");
                [[fallthrough]];
            case EPhase::Wording:
                Report(Current().HeaderLine, Question() + " has no asterisk line");
                break;
            case EPhase::Options: {
                const int found = NextOption - 1;
                if (found < kOptionCount) {
                    Report(Current().HeaderLine, Question() + " has " + std::to_string(found) +
                                                     " of its options 1., 2., 3.");
                }
                break;
            }
        }
        Phase = EPhase::BeforeFirstHeader;
    }

private:
    enum class EPhase { BeforeFirstHeader, Reference, Wording, Options };

    void Classify(std::int32_t line, std::string_view text) {
        const ELineKind kind = LineKind(text);
        switch (Phase) {
            case EPhase::BeforeFirstHeader:
                break;
            case EPhase::Reference:
                Phase = EPhase::Wording;
                if (kind == ELineKind::Reference) {
                    Current().Reference = text.substr(1);
                } else {
                    Report(Current().HeaderLine,
                           Question() + " has no reference line after its header");
                    Classify(line, text);
                }
                break;
            case EPhase::Wording:
                Wording(line, kind, text);
                break;
            case EPhase::Options:
                Option(line, kind, text);
                break;
        }
    }

    void Wording(std::int32_t line, ELineKind kind, std::string_view text) {
        if (kind == ELineKind::Separator) {
            if (Current().Wording.empty()) {
                Report(line, Question() + " has no wording before its asterisk line");
            }
            Phase = EPhase::Options;
            LinesAfterAsterisk = 0;
        } else if (kind == ELineKind::Reference) {
            Report(line, "second reference line in " + Question());
        } else {
            Current().Wording.push_back(text);
        }
    }

    void Option(std::int32_t line, ELineKind kind, std::string_view text) {
        std::vector<TBankOption>& options = Current().Options;
        const bool firstAfterAsterisk = LinesAfterAsterisk++ == 0;
        if (kind == ELineKind::Separator) {
            Report(line, "second asterisk line in " + Question());
        } else if (kind == ELineKind::Reference) {
            Report(line, "reference line among the options of " + Question());
        } else if (const std::int32_t digit = OptionDigit(text);
                   digit == NextOption && digit <= kOptionCount) {
            ++NextOption;
            options.push_back({digit, line, text.starts_with(' '), {text}});
        } else if (digit != 0) {
            Report(line, NextOption > kOptionCount
                             ? "option " + std::to_string(digit) + " after the third option"
                             : "option " + std::to_string(digit) + " where option " +
                                   std::to_string(NextOption) + " belongs");
        } else if (!options.empty()) {
            options.back().Lines.push_back(text);
        } else if (firstAfterAsterisk) {
            Report(line, "the line after the asterisk line does not begin option 1");
        }
    }

    TBankQuestion& Current() { return Questions.back(); }
    std::string Question() const { return "question " + std::to_string(Questions.back().Number); }
    void Report(std::int32_t line, std::string message) {
        Problems.push_back({line, std::move(message)});
    }

    std::vector<TBankQuestion>& Questions;
    std::vector<TBankProblem>& Problems;
    EPhase Phase = EPhase::BeforeFirstHeader;
    int NextOption = 1;
    std::int32_t LinesAfterAsterisk = 0;
};

void CheckCharacters(std::int32_t line, std::string_view text,
                     std::vector<TBankProblem>& problems) {
    if (text.empty()) {
        problems.push_back({line, "empty line"});
        return;
    }
    if (text.size() > kMaxBankLineLength) {
        problems.push_back({line, "line of " + std::to_string(text.size()) +
                                      " characters, more than " +
                                      std::to_string(kMaxBankLineLength)});
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte != 0x98 && byte >= 0x20 && byte != 0x7F) {
            continue;
        }
        const std::string column = " at column " + std::to_string(i + 1);
        if (byte == 0x98) {
            problems.push_back({line, "byte 0x98" + column + " is no Windows-1251 character"});
        } else if (byte == 0) {
            problems.push_back({line, "NUL byte" + column});
        } else {
            problems.push_back({line, "control character " + Hex(byte) + column});
        }
    }
}

}  // namespace

std::vector<std::string_view> SplitBankLines(std::string_view bytes) {
    std::vector<std::string_view> lines;
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        if (end != std::string_view::npos && !line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.push_back(line);
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
    }
    return lines;
}

ELineKind LineKind(std::string_view line) {
    switch (line.empty() ? '\0' : line.front()) {
        case '#':
            return ELineKind::Header;
        case '\\':
            return ELineKind::Reference;
        case '*':
            return ELineKind::Separator;
        default:
            return ELineKind::Text;
    }
}

std::int32_t OptionDigit(std::string_view line) {
    if (line.starts_with(' ')) {
        line.remove_prefix(1);
    }
    return line.size() >= 2 && IsDigit(line[0]) && line[1] == '.' ? line[0] - '0' : 0;
}

std::string ReferenceDocument(std::string_view reference) {
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

namespace {

// Which lines are UTF-8, and whether the whole file is: then it gets one message, since every
// length and character check would misread it.
struct TUtf8Lines {
    std::vector<bool> Line;
    std::int32_t First = 0;  // 1-based; 0 when no line is UTF-8
    bool WholeFile = false;
};

TUtf8Lines FindUtf8Lines(const std::vector<std::string_view>& lines) {
    TUtf8Lines utf8{std::vector<bool>(lines.size())};
    bool allUtf8 = true;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        utf8.Line[i] = IsUtf8Line(lines[i]);
        utf8.First =
            utf8.First == 0 && utf8.Line[i] ? static_cast<std::int32_t>(i + 1) : utf8.First;
        allUtf8 = allUtf8 && (utf8.Line[i] || !HasHighByte(lines[i]));
    }
    utf8.WholeFile = utf8.First != 0 && allUtf8;
    return utf8;
}

// Reports, on the last line, a bank that holds fewer questions than the draw can ask for.
void CheckQuestionCount(const TBank& bank, std::int32_t groupSize,
                        std::vector<TBankProblem>& problems) {
    const auto count = static_cast<std::int32_t>(bank.Questions.size());
    const std::int32_t needed = HighestDrawnQuestion(groupSize);
    if (groupSize > 0 && count < needed) {
        problems.push_back({std::max<std::int32_t>(1, static_cast<std::int32_t>(bank.Lines.size())),
                            std::to_string(count) + (count == 1 ? " question" : " questions") +
                                ", fewer than the " + std::to_string(needed) +
                                " that a group size of " + std::to_string(groupSize) + " needs"});
    }
}

}  // namespace

TBank ReadBank(std::string_view bytes, std::int32_t groupSize) {
    TBank bank;
    std::vector<TBankProblem>& problems = bank.Problems;
    if (bytes.starts_with(kByteOrderMark)) {
        problems.push_back({1, "the file starts with a UTF-8 byte-order mark"});
        bytes.remove_prefix(kByteOrderMark.size());
    }
    bank.Lines = SplitBankLines(bytes);
    const std::vector<std::string_view>& lines = bank.Lines;
    if (lines.empty()) {
        problems.push_back({1, "the bank is empty"});
    }

    const TUtf8Lines utf8 = FindUtf8Lines(lines);
    std::vector<TBankProblem> unreported;  // a UTF-8 file's questions are read all the same
    TBlockReader blocks(bank.Questions, utf8.WholeFile ? unreported : problems);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto line = static_cast<std::int32_t>(i + 1);
        if (!utf8.WholeFile && utf8.Line[i]) {
            problems.push_back({line, "the line is UTF-8, not Windows-1251"});
        } else if (!utf8.WholeFile) {
            CheckCharacters(line, lines[i], problems);
        }
        if (LineKind(lines[i]) == ELineKind::Header) {
            blocks.Header(line, lines[i]);
        } else {
            blocks.Line(line, lines[i]);
        }
    }
    blocks.Finish();
    if (utf8.WholeFile) {
        problems.push_back({utf8.First, "the text is UTF-8, not Windows-1251"});
        return bank;
    }
    CheckQuestionCount(bank, groupSize, problems);
    std::stable_sort(problems.begin(), problems.end(),
                     [](const TBankProblem& a, const TBankProblem& b) { return a.Line < b.Line; });
    return bank;
}

std::vector<TBankProblem> ValidateBank(std::string_view bytes, std::int32_t groupSize) {
    return ReadBank(bytes, groupSize).Problems;
}

}  // namespace exam
