#pragma once

// How far a bank can be passed by the form of its options alone, measured for bank authors:
// four test-wise strategies' expected scores, designations spelt in two scripts, and pairs of
// questions that may give each other away. All text is Windows-1251, one byte per character.

#include <array>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "engine/bank_reader.h"

namespace examtool {

// One question block as the audit reads it: the wording lines joined with single spaces, and the
// three options, each its lines joined with single spaces, without the leading "N. " and without
// spaces at either end of a line.
struct TAuditQuestion {
    std::int32_t Number = 0;  // from 1, in bank order
    std::int32_t Line = 0;    // of its header
    std::int32_t Right = 0;   // the header's last digit, 1..3
    std::string Wording;
    std::array<std::string, 3> Options;
};

// The questions of a valid bank as the audit reads them.
std::vector<TAuditQuestion> AuditQuestions(const exam::TBank& bank);

// The words of a text: maximal runs of letters (Latin or Cyrillic) and digits, lower-cased, with
// Ё and ё read as е.
std::vector<std::string> Words(std::string_view text);

// The stems (first five characters) of the words of three or more characters.
std::set<std::string> Stems(std::string_view text);

// An exact share: Units out of Whole.
struct TShare {
    std::int64_t Units = 0;
    std::int64_t Whole = 1;

    double Value() const { return static_cast<double>(Units) / static_cast<double>(Whole); }
    bool Exceeds(std::int64_t percent) const { return Units * 100 > percent * Whole; }
};

enum EStrategy { kLongest, kLimiting, kOverlap, kDetailed, kStrategyCount };

// A spelling of a designation (a run of letters, digits and hyphens holding a digit and a
// letter) and the lines it occurs on.
struct TSpelling {
    std::string Text;
    std::string Latin;  // its Latin letters, in order
    std::vector<std::int32_t> Lines;
};

// A designation spelt in mixed scripts: one spelling mixes Latin and Cyrillic letters, or
// several spellings read the same once Latin look-alikes are taken for Cyrillic letters.
struct TMixedForm {
    std::string Form;  // with the look-alikes in Cyrillic
    std::vector<TSpelling> Spellings;
};

struct TSimilarPair {
    std::int32_t First = 0;
    std::int32_t Second = 0;
    double Similarity = 0;  // Jaccard index of the two blocks' stems
};

struct TAuditResult {
    std::array<TShare, kStrategyCount> Scores;
    TShare RightLongest;  // drawable questions whose right option is strictly the longest
    std::vector<TMixedForm> Mixed;
    std::vector<TSimilarPair> Similar;
};

// The audit of a valid bank that holds the questions the draw asks for with group size K.
TAuditResult AuditBank(const std::vector<std::string_view>& lines,
                       const std::vector<TAuditQuestion>& questions, std::int32_t groupSize);

// The expected score above which a strategy fails the bank, in percent.
inline constexpr std::int64_t kScoreLimitPercent = 40;

}  // namespace examtool
