#pragma once

// The one place where the engine's Windows-1251 text meets the toolkit's Unicode strings.

#include <QString>

#include <string>
#include <string_view>

#include "engine/cp1251.h"

namespace exam {

inline QString FromCp1251(std::string_view text) {
    const std::string utf8 = Cp1251ToUtf8(text);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// Characters the code page lacks become '?', which no answer or key accepts.
inline std::string ToCp1251(const QString& text) {
    return Utf8ToCp1251(text.toStdString());
}

}  // namespace exam
