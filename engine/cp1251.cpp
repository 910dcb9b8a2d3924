#include "engine/cp1251.h"

namespace exam {

namespace {

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        // Every character of the code page lies in the basic multilingual plane.
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

}  // namespace

std::string Cp1251ToUtf8(std::string_view cp1251) {
    std::string out;
    out.reserve(cp1251.size() * 2);
    for (const char c : cp1251) {
        const char32_t cp = Cp1251ToCodePoint(static_cast<unsigned char>(c));
        AppendUtf8(out, cp == 0 && c != '\0' ? char32_t{0xFFFD} : cp);
    }
    return out;
}

std::string Utf8ToCp1251(std::string_view utf8, char replacement) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const int byte = CodePointToCp1251(NextUtf8(utf8, pos));
        out += byte < 0 ? replacement : static_cast<char>(byte);
    }
    return out;
}

}  // namespace exam
