#pragma once

// The one reader of the bank format. It turns a bank file's bytes into its questions (header,
// reference, wording and options, each with its line numbers) and reports every way the file
// breaks the format, with the line. The build runs it before embedding a bank, the authors' tool
// reads banks through it, and the program's extraction classifies lines by the same rules.
//
// A bank is Windows-1251 text, one line per bank line, no line empty or over 80 characters.
// A line's kind is told by its first character alone (LineKind). Question n runs from the n-th
// header line to the line before the next header (or the end). Every block is: header
// "#n.D" (n the question's number, D its answer 1..3); one reference line; wording lines; the
// asterisk line; options 1, 2 and 3 in order, each starting a line with its digit and a full
// stop after at most one space, and continuing on the lines that start no option.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace exam {

inline constexpr std::size_t kMaxBankLineLength = 80;
inline constexpr std::int32_t kOptionCount = 3;

enum class ELineKind {
    Header,     // '#': a question starts; not shown
    Reference,  // '\': the normative document (and clause) behind the question; not shown
    Separator,  // '*': between wording and options; shown as three lines
    Text,       // anything else (an empty line too): wording, option or continuation, shown as is
};

ELineKind LineKind(std::string_view line);

// The digit an option line begins with: "1. " or " 2.x" give 1 or 2 (the digit and a full stop
// after at most one space); 0 for a line that begins no option.
std::int32_t OptionDigit(std::string_view line);

// The normative document a reference names (its text after the backslash): its words up to and
// including the first that holds a digit, which ends a designation ("ГОСТ 9466-75",
// "РД 03-495-02"), so that the clauses of one document count as one. Without such a word the
// whole text. Punctuation ending the designation is dropped.
std::string ReferenceDocument(std::string_view reference);

struct TBankProblem {
    std::int32_t Line = 0;  // 1-based line of the file
    std::string Message;    // English, UTF-8; bank text in it is converted to UTF-8
};

struct TBankOption {
    std::int32_t Digit = 0;               // 1..3
    std::int32_t FirstLine = 0;           // 1-based line of the file
    bool Spaced = false;                  // " 1. " rather than "1. "
    std::vector<std::string_view> Lines;  // its first line and its continuation lines
};

struct TBankQuestion {
    std::int32_t Number = 0;      // from 1, in bank order
    std::int32_t HeaderLine = 0;  // 1-based line of the file
    std::int32_t LineCount = 0;   // lines of the block, header to last option line
    std::string_view Header;
    std::int32_t Answer = 0;     // the header's last character as a digit, 0 if it is none
    std::string_view Reference;  // after the backslash; empty when the line is missing
    std::vector<std::string_view> Wording;
    std::vector<TBankOption> Options;  // in the order found; a valid bank has exactly 1, 2, 3
};

struct TBank {
    std::vector<std::string_view> Lines;  // point into the bytes read
    std::vector<TBankQuestion> Questions;
    std::vector<TBankProblem> Problems;  // in line order; empty for a valid bank
};

// The lines of a bank file: LF or CRLF line ends, the last line end optional. The views point
// into `bytes`.
std::vector<std::string_view> SplitBankLines(std::string_view bytes);

// Reads a bank file. With `groupSize` > 0 the bank must also hold the questions the draw can
// ask for with that group size. The result's views point into `bytes`. A file wholly in UTF-8
// gives one problem and no questions.
TBank ReadBank(std::string_view bytes, std::int32_t groupSize = 0);

// All problems of a bank file, in line order: ReadBank's.
std::vector<TBankProblem> ValidateBank(std::string_view bytes, std::int32_t groupSize = 0);

}  // namespace exam
