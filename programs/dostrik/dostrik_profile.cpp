#include "programs/dostrik/dostrik_profile.h"

#include "engine/cp1251.h"
#include "programs/shared_title_lines.h"

namespace exam {

// Defined by the source that the build generates from bank.txt.
TQuestionBank DostrikBank();

namespace {

// Every space counts: the caption is 91 characters, the title lines are centred by hand.
constexpr TCp1251Literal kCaption =
    u8"МЕТАЛЛИЧЕСКИЕ И ЖЕЛЕЗОБЕТОННЫЕ КОНСТРУКЦИИ.  Способ сварки: РД.  1 УРОВЕНЬ     (ЭКЗАМЕН)   ";
constexpr TCp1251Literal kSubjectTitle = u8"        МЕТАЛЛИЧЕСКИЕ И ЖЕЛЕЗОБЕТОННЫЕ КОНСТРУКЦИИ";

}  // namespace

const TExamProfile& DostrikProfile() {
    static const TExamProfile profile{
        .Caption = kCaption,
        .TitleLines = {kCertificationTitle, kOnTheSubjectTitle, kSubjectTitle, kWeldingMethodTitle,
                       kLevelTitle},
        .GroupSize = EXAM_GROUP_SIZE,  // from program.cmake
        .Bank = DostrikBank(),
    };
    return profile;
}

}  // namespace exam
