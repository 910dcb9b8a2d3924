#pragma once

// The title screen lines both programs share; only the subject line between them differs.
// Every space counts: the lines are centred by hand.

#include "engine/cp1251.h"

namespace exam {

inline constexpr TCp1251Literal kCertificationTitle =
    u8"     АТТЕСТАЦИЯ СПЕЦИАЛИСТОВ СВАРОЧНОГО ПРОИЗВОДСТВА";
inline constexpr TCp1251Literal kOnTheSubjectTitle = u8"                                 по теме";
inline constexpr TCp1251Literal kWeldingMethodTitle =
    u8"                         РУЧНАЯ ДУГОВАЯ СВАРКА";
inline constexpr TCp1251Literal kLevelTitle = u8"                               Уровень: I";

}  // namespace exam
