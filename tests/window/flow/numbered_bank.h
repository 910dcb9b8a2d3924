#pragma once

// A bank of 243 seven-line questions for flow and window tests: question N reads " Вопрос N"
// and its correct answer is 1 + N % 3. Held, like a real bank, as Windows-1251.

#include <string>
#include <string_view>
#include <vector>

#include "engine/cp1251.h"
#include "engine/exam_profile.h"
#include "engine/exam_state.h"
#include "engine/question_bank.h"
#include "engine/random_source.h"

namespace exam {

class TNumberedBank {
public:
    TNumberedBank() {
        for (int q = 1; q <= 243; ++q) {
            Storage.push_back("#" + std::to_string(q) + "." + std::to_string(1 + q % 3));
            Storage.push_back(Utf8ToCp1251("\\ОТУ 3-01 п.1"));
            Storage.push_back(Utf8ToCp1251(" Вопрос " + std::to_string(q)));
            Storage.push_back("*");
            Storage.push_back(Utf8ToCp1251("1. Да"));
            Storage.push_back(Utf8ToCp1251("2. Нет"));
            Storage.push_back(Utf8ToCp1251("3. Не знаю"));
        }
        Lines.assign(Storage.begin(), Storage.end());
    }
    TNumberedBank(const TNumberedBank&) = delete;
    TNumberedBank& operator=(const TNumberedBank&) = delete;

    TQuestionBank Table() const { return Lines; }
    std::int32_t LineCount() const { return static_cast<std::int32_t>(Lines.size()); }

private:
    std::vector<std::string> Storage;
    std::vector<std::string_view> Lines;
};

// The exam every window test opens: the numbered bank in groups of 16, under a caption and five
// title lines, with a fresh state and random source.
struct TNumberedExam {
    TNumberedExam() {
        Profile.Caption = Caption.View();
        Profile.TitleLines = {Title.View(), Title.View(), Title.View(), Title.View(), Title.View()};
        Profile.GroupSize = 16;
        Profile.Bank = Bank.Table();
    }

    static constexpr TCp1251Literal Caption = u8"СОСУДЫ  (ЭКЗАМЕН)";
    static constexpr TCp1251Literal Title = u8"  РУЧНАЯ ДУГОВАЯ СВАРКА";
    TNumberedBank Bank;
    TExamProfile Profile;
    TExamState State;
    TRandom Random;
};

}  // namespace exam
