#include "tools/examtool/audit.h"

#include <algorithm>
#include <functional>

#include "engine/cp1251.h"
#include "engine/exam_state.h"
#include "engine/ticket_draw.h"

namespace examtool {

namespace {

enum class EScript : unsigned char { kNone, kLatin, kCyrillic };

struct TLetterTable {
    std::array<EScript, 256> Script{};
    std::array<char, 256> Lower{};
    std::array<char, 256> LookAlike{};  // Latin letters with a Cyrillic twin, and nothing else
};

constexpr TLetterTable MakeLetterTable() {
    TLetterTable table;
    for (int byte = 0; byte < 256; ++byte) {
        table.Lower[byte] = static_cast<char>(byte);
        const char32_t cp = exam::Cp1251ToCodePoint(static_cast<unsigned char>(byte));
        if ((cp >= U'A' && cp <= U'Z') || (cp >= U'a' && cp <= U'z')) {
            table.Script[byte] = EScript::kLatin;
            table.Lower[byte] = static_cast<char>(cp <= U'Z' ? byte + 32 : byte);
        } else if (cp >= 0x400 && cp <= 0x4FF) {
            table.Script[byte] = EScript::kCyrillic;
            // Ѐ..Џ and А..Я lie 0x50 and 0x20 below their small letters; from Ѡ on (Ґ) a capital
            // and its small letter are neighbours.
            char32_t lower = cp < 0x410                   ? cp + 0x50
                             : cp < 0x430                 ? cp + 0x20
                             : cp >= 0x460 && cp % 2 == 0 ? cp + 1
                                                          : cp;
            lower = lower == 0x451 ? 0x435 : lower;  // ё is read as е
            table.Lower[byte] = static_cast<char>(exam::CodePointToCp1251(lower));
        }
    }
    constexpr std::u32string_view kLatin = U"ABCEHKMOPTXaceopxy";
    constexpr std::u32string_view kCyrillic = U"АВСЕНКМОРТХасеорху";
    for (std::size_t i = 0; i < kLatin.size(); ++i) {
        table.LookAlike[kLatin[i]] = static_cast<char>(exam::CodePointToCp1251(kCyrillic[i]));
    }
    return table;
}

constexpr TLetterTable kLetters = MakeLetterTable();

EScript ScriptOf(char c) {
    return kLetters.Script[static_cast<unsigned char>(c)];
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsWordCharacter(char c) {
    return IsDigit(c) || ScriptOf(c) != EScript::kNone;
}

std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

void Join(std::string& text, std::string_view part) {
    text += text.empty() || part.empty() ? "" : " ";
    text += part;
}

// Among the options, the ones whose measure is highest; the right one's chance of being picked
// when ties are broken at random, in sixths (1/n of 6 for n tied options).
std::int64_t SixthsOfBest(const std::array<std::int64_t, 3>& measure, std::int32_t right) {
    const std::int64_t best = *std::max_element(measure.begin(), measure.end());
    const auto tied = std::count(measure.begin(), measure.end(), best);
    return measure[right - 1] == best ? 6 / tied : 0;
}

bool BeginsWithLimitingWord(std::string_view option) {
    static const std::set<std::string> kLimiting = {
        exam::Utf8ToCp1251("только"), exam::Utf8ToCp1251("всегда"), exam::Utf8ToCp1251("никогда"),
        exam::Utf8ToCp1251("лишь"), exam::Utf8ToCp1251("ни")};
    const std::vector<std::string> words = Words(option);
    return !words.empty() && kLimiting.contains(words.front());
}

std::int64_t DetailCount(std::string_view option) {
    static const std::set<std::string> kJoiners = {
        exam::Utf8ToCp1251("и"), exam::Utf8ToCp1251("или"), exam::Utf8ToCp1251("а")};
    static const std::string kWhich = exam::Utf8ToCp1251("котор");
    std::int64_t count = std::count_if(option.begin(), option.end(), [](char c) {
        return c == ',' || c == ';' || c == ':' || c == '(';
    });
    for (const std::string& word : Words(option)) {
        count += kJoiners.contains(word) || word.starts_with(kWhich) ? 1 : 0;
    }
    return count;
}

std::array<std::int64_t, kStrategyCount> StrategySixths(const TAuditQuestion& question) {
    std::array<std::int64_t, 3> length{};
    std::array<std::int64_t, 3> allowed{};
    std::array<std::int64_t, 3> overlap{};
    std::array<std::int64_t, 3> detail{};
    const std::set<std::string> wordingStems = Stems(question.Wording);
    for (std::size_t i = 0; i < 3; ++i) {
        const std::string& option = question.Options[i];
        length[i] = static_cast<std::int64_t>(option.size());
        allowed[i] = BeginsWithLimitingWord(option) ? 0 : 1;
        for (const std::string& stem : Stems(option)) {
            overlap[i] += wordingStems.contains(stem) ? 1 : 0;
        }
        detail[i] = DetailCount(option);
    }
    // The limiting strategy picks among the allowed options, or among all when none is.
    return {SixthsOfBest(length, question.Right), SixthsOfBest(allowed, question.Right),
            SixthsOfBest(overlap, question.Right), SixthsOfBest(detail, question.Right)};
}

std::vector<TMixedForm> MixedForms(const std::vector<std::string_view>& lines) {
    std::map<std::string, std::map<std::string, std::vector<std::int32_t>>> forms;
    for (std::size_t n = 0; n < lines.size(); ++n) {
        const std::string_view line = lines[n];
        for (std::size_t pos = 0; pos < line.size();) {
            const std::size_t end =
                std::find_if(line.begin() + pos, line.end(),
                             [](char c) { return !IsWordCharacter(c) && c != '-'; }) -
                line.begin();
            const std::string_view token = line.substr(pos, end - pos);
            pos = end == pos ? pos + 1 : end;
            if (std::none_of(token.begin(), token.end(), IsDigit) ||
                std::none_of(token.begin(), token.end(),
                             [](char c) { return ScriptOf(c) != EScript::kNone; })) {
                continue;
            }
            std::string form(token);
            for (char& c : form) {
                const char twin = kLetters.LookAlike[static_cast<unsigned char>(c)];
                c = twin != 0 ? twin : c;
            }
            auto& occurrences = forms[form][std::string(token)];
            if (occurrences.empty() || occurrences.back() != static_cast<std::int32_t>(n + 1)) {
                occurrences.push_back(static_cast<std::int32_t>(n + 1));
            }
        }
    }
    std::vector<TMixedForm> mixed;
    for (const auto& [form, spellings] : forms) {
        TMixedForm entry{form, {}};
        bool mixesScripts = false;
        for (const auto& [text, occurrences] : spellings) {
            TSpelling spelling{text, {}, occurrences};
            bool cyrillic = false;
            for (const char c : text) {
                if (ScriptOf(c) == EScript::kLatin) {
                    spelling.Latin += c;
                }
                cyrillic = cyrillic || ScriptOf(c) == EScript::kCyrillic;
            }
            mixesScripts = mixesScripts || (cyrillic && !spelling.Latin.empty());
            entry.Spellings.push_back(std::move(spelling));
        }
        if (mixesScripts || entry.Spellings.size() > 1) {
            mixed.push_back(std::move(entry));
        }
    }
    return mixed;
}

std::vector<TSimilarPair> SimilarPairs(const std::vector<TAuditQuestion>& questions,
                                       std::int32_t groupSize) {
    std::vector<std::set<std::string>> stems;
    for (const TAuditQuestion& question : questions) {
        std::string block = question.Wording;
        for (const std::string& option : question.Options) {
            Join(block, option);
        }
        stems.push_back(Stems(block));
    }
    std::vector<TSimilarPair> pairs;
    for (std::size_t a = 0; a < questions.size(); ++a) {
        const std::int32_t first = questions[a].Number;
        for (std::size_t b = a + 1; b < questions.size(); ++b) {
            const std::int32_t second = questions[b].Number;
            if (exam::DrawWeight(first, groupSize) == 0 ||
                exam::DrawWeight(second, groupSize) == 0 ||
                exam::DrawGroup(first, groupSize) == exam::DrawGroup(second, groupSize)) {
                continue;
            }
            const auto shared = static_cast<std::int64_t>(
                std::count_if(stems[a].begin(), stems[a].end(),
                              [&](const std::string& stem) { return stems[b].contains(stem); }));
            const auto all = static_cast<std::int64_t>(stems[a].size() + stems[b].size()) - shared;
            if (all > 0 && 2 * shared >= all) {
                pairs.push_back(
                    {first, second, static_cast<double>(shared) / static_cast<double>(all)});
            }
        }
    }
    return pairs;
}

}  // namespace

std::vector<std::string> Words(std::string_view text) {
    std::vector<std::string> words;
    std::string word;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size() && IsWordCharacter(text[i])) {
            word += kLetters.Lower[static_cast<unsigned char>(text[i])];
        } else if (!word.empty()) {
            words.push_back(std::move(word));
            word.clear();
        }
    }
    return words;
}

std::set<std::string> Stems(std::string_view text) {
    std::set<std::string> stems;
    for (const std::string& word : Words(text)) {
        if (word.size() >= 3) {
            stems.insert(word.substr(0, 5));
        }
    }
    return stems;
}

std::vector<TAuditQuestion> AuditQuestions(const exam::TBank& bank) {
    std::vector<TAuditQuestion> questions;
    for (const exam::TBankQuestion& block : bank.Questions) {
        TAuditQuestion& question = questions.emplace_back();
        question.Number = block.Number;
        question.Line = block.HeaderLine;
        question.Right = block.Answer;
        for (const std::string_view line : block.Wording) {
            Join(question.Wording, Trimmed(line));
        }
        for (const exam::TBankOption& option : block.Options) {
            std::string& text = question.Options[static_cast<std::size_t>(option.Digit - 1)];
            // The first line without its "N." and the spaces around it.
            Join(text, Trimmed(Trimmed(option.Lines.front()).substr(2)));
            for (std::size_t i = 1; i < option.Lines.size(); ++i) {
                Join(text, Trimmed(option.Lines[i]));
            }
        }
    }
    return questions;
}

TAuditResult AuditBank(const std::vector<std::string_view>& lines,
                       const std::vector<TAuditQuestion>& questions, std::int32_t groupSize) {
    TAuditResult result;
    // Weights are counted in draws, 15 * (K - 1) of them; chances in sixths.
    const std::int64_t draws = std::int64_t{exam::kGroupCount} * (groupSize - 1);
    for (TShare& score : result.Scores) {
        score.Whole = 6 * draws;
    }
    result.RightLongest.Whole = draws;
    for (const TAuditQuestion& question : questions) {
        const std::int64_t weight = exam::DrawWeight(question.Number, groupSize);
        if (weight == 0) {
            continue;
        }
        const std::array<std::int64_t, kStrategyCount> sixths = StrategySixths(question);
        for (std::size_t s = 0; s < sixths.size(); ++s) {
            result.Scores[s].Units += weight * sixths[s];
        }
        const auto& options = question.Options;
        const std::size_t right = static_cast<std::size_t>(question.Right - 1);
        const bool strictlyLongest =
            std::all_of(options.begin(), options.end(), [&](const std::string& o) {
                return &o == &options[right] || o.size() < options[right].size();
            });
        result.RightLongest.Units += strictlyLongest ? weight : 0;
    }
    result.Mixed = MixedForms(lines);
    result.Similar = SimilarPairs(questions, groupSize);
    return result;
}

}  // namespace examtool
