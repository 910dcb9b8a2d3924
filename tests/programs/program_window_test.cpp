// Each program's real window, headless, through a whole exam started at midnight UTC: its
// caption, its title screen, the fifteen drawn questions from its embedded bank, the results.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>

#include <fstream>
#include <sstream>

#include "engine/bank_reader.h"
#include "programs/dostrik/dostrik_profile.h"
#include "programs/varnel/varnel_profile.h"
#include "window/qt/exam_window.h"

namespace exam {
namespace {

struct TProgramFacts {
    const char* Name;
    const TExamProfile& (*Profile)();
    const char* BankPath;
    const char* Caption;
    const char* SubjectLine;
    std::vector<int> MidnightQuestions;
};

void PrintTo(const TProgramFacts& facts, std::ostream* out) {
    *out << facts.Name;
}

// What a ticket shows for question `number`, read straight from the bank file: its lines
// without the header and the reference, the asterisk line as the options heading.
QStringList ShownQuestion(const char* path, int number) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    const std::string text = bytes.str();
    QStringList shown;
    int headers = 0;
    for (const std::string_view line : SplitBankLines(text)) {
        headers += line.starts_with('#') ? 1 : 0;
        if (headers != number || line.starts_with('#') || line.starts_with('\\')) {
            continue;
        }
        if (line == "*") {
            shown << ""
                  << "   ------  ВАРИАНТЫ  ОТВЕТА  -------"
                  << "";
        } else {
            shown << QString::fromStdString(Cp1251ToUtf8(line));
        }
    }
    return shown;
}

class TProgramWindow : public ::testing::TestWithParam<TProgramFacts> {};

TEST_P(TProgramWindow, WholeExamAtMidnight) {
    const TProgramFacts& facts = GetParam();
    const TExamProfile& profile = facts.Profile();

    TExamState state;
    TRandom random;
    TExamWindow window(profile, state, random, [] { return TUtcTimeOfDay{0, 0, 0, 0}; });
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    auto* text = window.findChild<QPlainTextEdit*>(QStringLiteral("TextArea"));
    auto* answer = window.findChild<QLineEdit*>(QStringLiteral("AnswerBox"));
    auto* next = window.findChild<QPushButton*>(QStringLiteral("NextButton"));
    auto* title = window.findChild<QLabel*>(QStringLiteral("TitleLabel"));
    EXPECT_EQ(window.windowTitle(), QString::fromUtf8(facts.Caption));
    const QStringList titleScreen = {"",
                                     "",
                                     "     АТТЕСТАЦИЯ СПЕЦИАЛИСТОВ СВАРОЧНОГО ПРОИЗВОДСТВА",
                                     "",
                                     "                                 по теме",
                                     "",
                                     QString::fromUtf8(facts.SubjectLine),
                                     "",
                                     "                         РУЧНАЯ ДУГОВАЯ СВАРКА",
                                     "",
                                     "                               Уровень: I",
                                     ""};
    EXPECT_EQ(text->toPlainText().split('\n'), titleScreen);

    for (int n = 1; n <= 15; ++n) {
        QTest::mouseClick(next, Qt::LeftButton);
        const int question = facts.MidnightQuestions[n - 1];
        EXPECT_EQ(state.Tickets[n].QuestionNumber, question);
        EXPECT_EQ(text->toPlainText().split('\n'), ShownQuestion(facts.BankPath, question))
            << "ticket " << n;
        EXPECT_EQ(QString::fromStdString(state.QuestionCodes[n]), QString::number(question));
        QTest::keyClicks(answer, QString::number(state.Tickets[n].CorrectAnswer));
        QTest::keyClick(answer, Qt::Key_Return);
    }
    QTest::mouseClick(next, Qt::LeftButton);
    EXPECT_EQ(title->text(), QStringLiteral("РЕЗУЛЬТАТЫ  ТЕСТИРОВАНИЯ"));
    const QStringList report = text->toPlainText().split('\n');
    ASSERT_EQ(report.size(), 22);
    EXPECT_EQ(report[1], QStringLiteral("Правильных ответов:     15"));
    EXPECT_EQ(report[3], QStringLiteral("Итого                    100.00%"));
}

INSTANTIATE_TEST_SUITE_P(
    Programs, TProgramWindow,
    ::testing::Values(
        TProgramFacts{"Varnel",
                      VarnelProfile,
                      VARNEL_BANK,
                      "СОСУДЫ, РАБОТАЮЩИЕ ПОД ДАВЛЕНИЕМ.   Способ сварки: РД.    1 УРОВЕНЬ     "
                      "(ЭКЗАМЕН)   ",
                      "                СОСУДЫ, РАБОТАЮЩИЕ ПОД ДАВЛЕНИЕМ ",
                      {4, 125, 197, 43, 52, 154, 76, 138, 84, 162, 20, 102, 211, 188, 228}},
        TProgramFacts{
            "Dostrik",
            DostrikProfile,
            DOSTRIK_BANK,
            "МЕТАЛЛИЧЕСКИЕ И ЖЕЛЕЗОБЕТОННЫЕ КОНСТРУКЦИИ.  Способ сварки: РД.  1 УРОВЕНЬ   "
            "  (ЭКЗАМЕН)   ",
            "        МЕТАЛЛИЧЕСКИЕ И ЖЕЛЕЗОБЕТОННЫЕ КОНСТРУКЦИИ",
            {3, 94, 148, 32, 39, 115, 57, 103, 63, 121, 15, 77, 158, 141, 171}}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(Profiles, CaptionsAndGroupSizes) {
    EXPECT_EQ(VarnelProfile().Caption.size(), 84u);
    EXPECT_EQ(DostrikProfile().Caption.size(), 91u);
    EXPECT_EQ(VarnelProfile().GroupSize, 16);
    EXPECT_EQ(DostrikProfile().GroupSize, 12);
    EXPECT_EQ(VarnelProfile().Bank.size(), 2095u);
    EXPECT_EQ(DostrikProfile().Bank.size(), 1644u);
    // The two differ only in the caption and the subject line of the title.
    for (const std::size_t i : {0u, 1u, 3u, 4u}) {
        EXPECT_EQ(VarnelProfile().TitleLines[i], DostrikProfile().TitleLines[i]);
    }
}

}  // namespace
}  // namespace exam
