// The Windows-1250 text of files and of the program, and its conversion where text
// meets the screen and the keyboard.
#include <gtest/gtest.h>

#include <string>

#include "platform/text1250.h"

using namespace velk;

namespace {

constexpr unsigned char kUndefinedBytes[] = {0x81, 0x83, 0x88, 0x90, 0x98};

bool isUndefined(int byte) {
    for (unsigned char u : kUndefinedBytes)
        if (u == byte) return true;
    return false;
}

std::string bytes(std::initializer_list<int> values) {
    std::string s;
    for (int v : values) s += static_cast<char>(v);
    return s;
}

}  // namespace

TEST(Text1250, EveryDefinedByteRoundTrips) {
    for (int b = 0; b < 256; ++b) {
        SCOPED_TRACE(b);
        const char32_t cp = TextCodec1250::codePointOf(static_cast<unsigned char>(b));
        if (isUndefined(b)) {
            EXPECT_EQ(cp, U'\uFFFD');
            continue;
        }
        if (b < 0x80) {
            EXPECT_EQ(cp, static_cast<char32_t>(b)) << "ASCII maps to itself";
        }
        EXPECT_NE(cp, U'\uFFFD');
        EXPECT_EQ(TextCodec1250::byteOf(cp), b);
        // Through UTF-8 and back as a one-byte text.
        const std::string one(1, static_cast<char>(b));
        std::string back;
        ASSERT_TRUE(TextCodec1250::fromUtf8(TextCodec1250::toUtf8(one), back));
        EXPECT_EQ(back, one);
    }
    EXPECT_EQ(TextCodec1250::byteOf(U'\uFFFD'), -1) << "the replacement character has no byte";
    EXPECT_EQ(TextCodec1250::toUtf8(bytes({0x41, 0x81, 0x42})), "A\xEF\xBF\xBD" "B");
}

TEST(Text1250, ProgramTextsKeepTheirLetters) {
    struct Row {
        const char* utf8;
        std::string expected;
    };
    const Row rows[] = {
        {"Edición", bytes({'E', 'd', 'i', 'c', 'i', 0xF3, 'n'})},
        {"Wybierz obraz", "Wybierz obraz"},
        {"ąćęłńóśźż", bytes({0xB9, 0xE6, 0xEA, 0xB3, 0xF1, 0xF3, 0x9C, 0x9F, 0xBF})},
        {"ĄĆĘŁŃÓŚŹŻ", bytes({0xA5, 0xC6, 0xCA, 0xA3, 0xD1, 0xD3, 0x8C, 0x8F, 0xAF})},
        {"El archivo de configuración no es valido",
         std::string("El archivo de configuraci") + static_cast<char>(0xF3) + "n no es valido"},
        {"€ „x” – 10 °C ±",
         bytes({0x80, ' ', 0x84, 'x', 0x94, ' ', 0x96, ' ', '1', '0', ' ', 0xB0, 'C', ' ', 0xB1})},
        {"", ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.utf8);
        std::string held = "unchanged";
        ASSERT_TRUE(TextCodec1250::fromUtf8(row.utf8, held));
        EXPECT_EQ(held, row.expected);
        EXPECT_EQ(cp1250(row.utf8), row.expected);
        EXPECT_EQ(TextCodec1250::toUtf8(held), row.utf8) << "shown as it was typed";
    }
}

TEST(Text1250, RefusesWhatTheCodePageCannotHold) {
    struct Row {
        const char* name;
        std::string utf8;
        std::string literal;  // what cp1250() makes of it
    };
    const Row rows[] = {
        {"CJK character", "Plan 日", "Plan ?"},
        {"Spanish enye is not in the code page", "Señal", "Se?al"},
        {"inverted question mark", "¿Guardar?", "?Guardar?"},
        {"replacement character", "a\xEF\xBF\xBD", "a?"},
        {"emoji outside the basic plane", "x\xF0\x9F\x94\x8C", "x?"},
        {"lone continuation byte", "a\x80z", "a?z"},
        {"sequence cut by the end", "ab\xC5", "ab?"},
        {"overlong slash", "\xC0\xAF", "??"},
        {"surrogate half", "\xED\xA0\x80", "???"},
        {"beyond U+10FFFF", "\xF4\x90\x80\x80", "????"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::string out = "unchanged";
        EXPECT_FALSE(TextCodec1250::fromUtf8(row.utf8, out));
        EXPECT_EQ(out, "unchanged") << "a refused text leaves the target alone";
        EXPECT_EQ(cp1250(row.utf8.c_str()), row.literal);
    }
    EXPECT_EQ(TextCodec1250::byteOf(U'日'), -1);
    EXPECT_EQ(TextCodec1250::byteOf(U'€'), 0x80);
    EXPECT_EQ(cp1250(nullptr), "");
}
