#include "window/win32/win32_text.h"

#include <windows.h>

namespace exam::win32 {

namespace {
constexpr UINT kCp1251 = 1251;
}

std::wstring FromCp1251(std::string_view text) {
    if (text.empty()) {
        return {};
    }
    const int size = static_cast<int>(text.size());
    std::wstring wide(static_cast<std::size_t>(size), L'\0');  // one UTF-16 unit per byte
    const int written = MultiByteToWideChar(kCp1251, 0, text.data(), size, wide.data(), size);
    wide.resize(static_cast<std::size_t>(written > 0 ? written : 0));
    return wide;
}

std::string ToCp1251(std::wstring_view text) {
    if (text.empty()) {
        return {};
    }
    const int size = static_cast<int>(text.size());
    // Never more than one byte per UTF-16 unit.
    std::string bytes(static_cast<std::size_t>(size), '\0');
    const int written = WideCharToMultiByte(kCp1251, WC_NO_BEST_FIT_CHARS, text.data(), size,
                                            bytes.data(), size, "?", nullptr);
    bytes.resize(static_cast<std::size_t>(written > 0 ? written : 0));
    return bytes;
}

}  // namespace exam::win32
