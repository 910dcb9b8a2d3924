// examtool audit FILE --group-size K: how far a bank can be passed by the form of its options.

#include <cmath>
#include <string>
#include <vector>

#include "engine/cp1251.h"
#include "engine/question_bank.h"
#include "tools/examtool/audit.h"
#include "tools/examtool/bank_file.h"
#include "tools/examtool/commands.h"
#include "tools/examtool/json_output.h"

namespace examtool {

namespace {

// Shares to four decimal places, which is all a reader compares.
double Rounded(double value) {
    return std::round(value * 10000.0) / 10000.0;
}

TJson AuditJson(const TAuditResult& audit) {
    TJson mixed = TJson::array();
    for (const TMixedForm& form : audit.Mixed) {
        TJson spellings = TJson::array();
        for (const TSpelling& spelling : form.Spellings) {
            spellings.push_back({{"text", exam::Cp1251ToUtf8(spelling.Text)},
                                 {"latin", spelling.Latin},
                                 {"lines", spelling.Lines}});
        }
        mixed.push_back({{"form", exam::Cp1251ToUtf8(form.Form)}, {"spellings", spellings}});
    }
    TJson similar = TJson::array();
    for (const TSimilarPair& pair : audit.Similar) {
        similar.push_back(
            {{"questions", {pair.First, pair.Second}}, {"similarity", Rounded(pair.Similarity)}});
    }
    const auto& scores = audit.Scores;
    return {
        {"expected_scores",
         {{"longest", Rounded(scores[kLongest].Value())},
          {"limiting", Rounded(scores[kLimiting].Value())},
          {"overlap", Rounded(scores[kOverlap].Value())},
          {"detailed", Rounded(scores[kDetailed].Value())}}},
        {"right_longest_share", Rounded(audit.RightLongest.Value())},
        {"mixed_scripts", mixed},
        {"similar_pairs", similar},
    };
}

TCommandResult RunAudit(const TBankAndGroupArguments& arguments) {
    const std::int32_t groupSize = RequiredGroupSize(arguments.Group, "audit");
    const std::string bytes = ReadBankFile(arguments.Path);
    const exam::TBank bank = ReadValidBank(arguments.Path, bytes, groupSize);
    const TAuditResult audit = AuditBank(bank.Lines, AuditQuestions(bank), groupSize);

    const bool cued = std::any_of(audit.Scores.begin(), audit.Scores.end(),
                                  [](const TShare& s) { return s.Exceeds(kScoreLimitPercent); });
    return {JsonText(AuditJson(audit)),
            cued || !audit.Mixed.empty() ? kExitBankProblems : kExitSuccess};
}

}  // namespace

TCommand AddAuditCommand(CLI::App& tool) {
    const auto arguments = std::make_shared<TBankAndGroupArguments>();
    CLI::App& command = AddCommand(
        tool, "audit", "answer cues, mixed spellings and similar questions",
        "Measures how far a valid bank can be passed without knowing the subject, and\n"
        "prints one JSON object (UTF-8):\n"
        "  expected_scores      the share of right answers a candidate expects who\n"
        "                       always picks, ties broken at random:\n"
        "    longest            the option with the most characters\n"
        "    limiting           any option not beginning with Только, Всегда, Никогда,\n"
        "                       Лишь or Ни (any option when all three do)\n"
        "    overlap            the option sharing most word stems (first 5 letters of\n"
        "                       words of 3 or more) with the question\n"
        "    detailed           the option with most , ; : ( and words и, или, а,\n"
        "                       котор...\n"
        "                       Each question counts as often as the draw asks it.\n"
        "  right_longest_share  the share of asked questions whose right option is\n"
        "                       strictly the longest\n"
        "  mixed_scripts        designations (letters and digits, such as А240) spelt\n"
        "                       with Latin and Cyrillic letters, or spelt both ways, with\n"
        "                       each spelling's Latin letters and its lines\n"
        "  similar_pairs        questions of different draw groups whose word stems\n"
        "                       are at least half shared (Jaccard index), to read\n"
        "Exit status 1 when a strategy expects more than 40 % or a designation is\n"
        "spelt in mixed scripts.\n");
    AddFileArgument(command, arguments->Path);
    AddGroupSizeOptions(command, arguments->Group, true);
    return {&command, [arguments] { return RunAudit(*arguments); }};
}

}  // namespace examtool
