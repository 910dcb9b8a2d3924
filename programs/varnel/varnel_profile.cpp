#include "varnel_profile.h"

#include "cp1251.h"

namespace exam {

// Defined by the source that the build generates from bank.txt.
TQuestionBank VarnelBank();
std::int32_t VarnelBankLineCount();

namespace {

// Every space counts: the caption is 84 characters, the title lines are centred by hand.
constexpr TCp1251Literal kCaption =
    u8"СОСУДЫ, РАБОТАЮЩИЕ ПОД ДАВЛЕНИЕМ.   Способ сварки: РД.    1 УРОВЕНЬ     (ЭКЗАМЕН)   ";
constexpr TCp1251Literal kTitle1 = u8"     АТТЕСТАЦИЯ СПЕЦИАЛИСТОВ СВАРОЧНОГО ПРОИЗВОДСТВА";
constexpr TCp1251Literal kTitle2 = u8"                                 по теме";
constexpr TCp1251Literal kTitle3 = u8"                СОСУДЫ, РАБОТАЮЩИЕ ПОД ДАВЛЕНИЕМ ";
constexpr TCp1251Literal kTitle4 = u8"                         РУЧНАЯ ДУГОВАЯ СВАРКА";
constexpr TCp1251Literal kTitle5 = u8"                               Уровень: I";

}  // namespace

const TExamProfile& VarnelProfile() {
    static const TExamProfile profile{
        .Caption = kCaption,
        .TitleLines = {kTitle1, kTitle2, kTitle3, kTitle4, kTitle5},
        .GroupSize = 16,
        .LineCount = VarnelBankLineCount(),
        .Bank = VarnelBank(),
    };
    return profile;
}

}  // namespace exam
