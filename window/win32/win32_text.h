#pragma once

// Text crosses the exam view as Windows-1251; Win32 controls hold UTF-16.

#include <string>
#include <string_view>

namespace exam::win32 {

std::wstring FromCp1251(std::string_view text);

// Characters Windows-1251 lacks become '?' (a surrogate pair one or two of them), which no
// answer accepts.
std::string ToCp1251(std::wstring_view text);

}  // namespace exam::win32
