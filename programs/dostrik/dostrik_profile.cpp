#include "dostrik_profile.h"

#include "cp1251.h"

namespace exam {

// Defined by the source that the build generates from bank.txt.
TQuestionBank DostrikBank();
std::int32_t DostrikBankLineCount();

namespace {

// Every space counts: the caption is 91 characters, the title lines are centred by hand.
constexpr TCp1251Literal kCaption =
    u8"МЕТАЛЛИЧЕСКИЕ И ЖЕЛЕЗОБЕТОННЫЕ КОНСТРУКЦИИ.  Способ сварки: РД.  1 УРОВЕНЬ     (ЭКЗАМЕН)   ";
constexpr TCp1251Literal kTitle1 = u8"     АТТЕСТАЦИЯ СПЕЦИАЛИСТОВ СВАРОЧНОГО ПРОИЗВОДСТВА";
constexpr TCp1251Literal kTitle2 = u8"                                 по теме";
constexpr TCp1251Literal kTitle3 = u8"        МЕТАЛЛИЧЕСКИЕ И ЖЕЛЕЗОБЕТОННЫЕ КОНСТРУКЦИИ";
constexpr TCp1251Literal kTitle4 = u8"                         РУЧНАЯ ДУГОВАЯ СВАРКА";
constexpr TCp1251Literal kTitle5 = u8"                               Уровень: I";

}  // namespace

const TExamProfile& DostrikProfile() {
    static const TExamProfile profile{
        .Caption = kCaption,
        .TitleLines = {kTitle1, kTitle2, kTitle3, kTitle4, kTitle5},
        .GroupSize = 12,
        .LineCount = DostrikBankLineCount(),
        .Bank = DostrikBank(),
    };
    return profile;
}

}  // namespace exam
