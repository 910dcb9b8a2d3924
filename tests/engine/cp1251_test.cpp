#include "engine/cp1251.h"

#include <gtest/gtest.h>

#include <string>

#if __has_include(<iconv.h>)
#include <iconv.h>
#define EXAM_HAVE_ICONV 1
#endif

namespace exam {
namespace {

#ifdef EXAM_HAVE_ICONV
// The C library's converter is an independent source for the code page.
std::string IconvToUtf8(const std::string& cp1251) {
    iconv_t cd = iconv_open("UTF-8", "CP1251");
    EXPECT_NE(cd, reinterpret_cast<iconv_t>(-1));
    std::string in = cp1251;
    std::string out(in.size() * 4, '\0');
    char* inPtr = in.data();
    char* outPtr = out.data();
    std::size_t inLeft = in.size();
    std::size_t outLeft = out.size();
    const std::size_t rc = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    if (rc == static_cast<std::size_t>(-1)) {
        return "<invalid>";
    }
    out.resize(out.size() - outLeft);
    return out;
}

TEST(Cp1251, EveryByteDecodesAsTheSystemConverterDoes) {
    for (int byte = 1; byte < 256; ++byte) {
        const std::string one(1, static_cast<char>(byte));
        if (byte == 0x98) {
            EXPECT_EQ(Cp1251ToUtf8(one), "\xEF\xBF\xBD") << "undefined byte";
            continue;
        }
        EXPECT_EQ(Cp1251ToUtf8(one), IconvToUtf8(one)) << "byte " << byte;
        EXPECT_EQ(Utf8ToCp1251(Cp1251ToUtf8(one)), one) << "round trip of byte " << byte;
    }
}

#endif

TEST(Cp1251, LiteralsAreConvertedWhileCompiling) {
    constexpr TCp1251Literal word = u8"Ёлка №1";
    static_assert(word.View().size() == 7, "one byte per character");
    EXPECT_EQ(word.View(),
              "\xA8\xEB\xEA\xE0 \xB9"
              "1");
}

TEST(Cp1251, CharactersOutsideTheCodePageBecomeTheReplacement) {
    EXPECT_EQ(Utf8ToCp1251("\xE2\x89\xA5"
                           "5"),
              "?5");                       // the sign >= is not in the code page
    EXPECT_EQ(Utf8ToCp1251("\xD0"), "?");  // cut sequence
    EXPECT_EQ(Utf8ToCp1251("\xF0\x9F\x98\x80", '#'), "#");
}

}  // namespace
}  // namespace exam
