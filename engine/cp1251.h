#pragma once

// Windows-1251 is the one text form of the engine: bank lines, codes and the engine's own
// literals are all Windows-1251 bytes, one byte per character. Conversion to the display's
// encoding happens only at the window's edge (and in tools that print), through the functions
// below, so no limit ever counts bytes of a multi-byte encoding.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace exam {

// Unicode code points of the bytes 0x80..0xFF; 0 marks 0x98, which the code page leaves undefined.
inline constexpr std::array<char16_t, 128> kCp1251High = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 0x88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
    0x0000, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 0x98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // 0xA0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // 0xA8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // 0xB0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // 0xB8
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,  // 0xC0
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F,  // 0xC8
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427,  // 0xD0
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,  // 0xD8
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437,  // 0xE0
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F,  // 0xE8
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,  // 0xF0
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,  // 0xF8
};

// The code point of one Windows-1251 byte; 0 for the undefined byte 0x98.
constexpr char32_t Cp1251ToCodePoint(unsigned char byte) {
    return byte < 0x80 ? char32_t{byte} : char32_t{kCp1251High[byte - 0x80]};
}

// The Windows-1251 byte of a code point, or -1 when the code page has no such character.
constexpr int CodePointToCp1251(char32_t cp) {
    if (cp < 0x80) {
        return static_cast<int>(cp);
    }
    for (std::size_t i = 0; i < kCp1251High.size(); ++i) {
        if (kCp1251High[i] != 0 && kCp1251High[i] == cp) {
            return static_cast<int>(0x80 + i);
        }
    }
    return -1;
}

// Reads one UTF-8 sequence at `pos` and advances it; returns U+FFFD for a malformed one.
template <class TChar>
constexpr char32_t NextUtf8(std::basic_string_view<TChar> text, std::size_t& pos) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(pos++);
    int extra = 0;
    char32_t cp = 0;
    if (lead < 0x80) {
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        extra = 1, cp = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2, cp = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3, cp = lead & 0x07;
    } else {
        return 0xFFFD;
    }
    for (; extra > 0; --extra) {
        if (pos >= text.size() || (byte(pos) & 0xC0) != 0x80) {
            return 0xFFFD;
        }
        cp = (cp << 6) | (byte(pos++) & 0x3F);
    }
    return cp;
}

// A string literal written in UTF-8 source and held as Windows-1251 bytes, converted while
// compiling; a character outside the code page does not compile.
template <std::size_t N>
class TCp1251Literal {
public:
    consteval TCp1251Literal(const char8_t (&utf8)[N]) {  // NOLINT: implicit by design
        const std::u8string_view text(utf8, N - 1);
        std::size_t pos = 0;
        while (pos < text.size()) {
            const int byte = CodePointToCp1251(NextUtf8(text, pos));
            if (byte < 0) {
                throw "character outside Windows-1251";
            }
            Bytes[Size++] = static_cast<char>(byte);
        }
    }
    constexpr std::string_view View() const { return {Bytes.data(), Size}; }
    constexpr operator std::string_view() const { return View(); }

    std::array<char, N> Bytes{};
    std::size_t Size = 0;
};

// Windows-1251 text to UTF-8; the undefined byte 0x98 becomes U+FFFD.
std::string Cp1251ToUtf8(std::string_view cp1251);

// UTF-8 text to Windows-1251; a character the code page lacks, or a malformed sequence,
// becomes `replacement`.
std::string Utf8ToCp1251(std::string_view utf8, char replacement = '?');

}  // namespace exam
