#include "platform/text1250.h"

#include <cstddef>
#include <utility>

namespace velk {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// The upper half of the code page; the five bytes it leaves undefined hold U+FFFD.
constexpr char32_t kUpperHalf[128] = {
    // 0x80
    0x20AC, 0xFFFD, 0x201A, 0xFFFD, 0x201E, 0x2026, 0x2020, 0x2021,
    0xFFFD, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,
    // 0x90
    0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0xFFFD, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,
    // 0xA0
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    // 0xB0
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,
    // 0xC0
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,
    // 0xD0
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    // 0xE0
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,
    // 0xF0
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

// Decodes one UTF-8 sequence at `pos`; false on a malformed, overlong, surrogate
// or out-of-range sequence. `pos` moves past what was read (one byte on failure).
bool decodeUtf8(const std::string& s, std::size_t& pos, char32_t& cp) {
    const auto byteAt = [&s](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char lead = byteAt(pos);
    int extra = 0;
    char32_t value = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        cp = lead;
        ++pos;
        return true;
    } else if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        value = lead & 0x1F;
        minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        value = lead & 0x0F;
        minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3;
        value = lead & 0x07;
        minimum = 0x10000;
    } else {
        ++pos;
        return false;
    }
    if (pos + static_cast<std::size_t>(extra) >= s.size()) {
        ++pos;
        return false;
    }
    for (int k = 1; k <= extra; ++k) {
        const unsigned char next = byteAt(pos + k);
        if ((next & 0xC0) != 0x80) {
            ++pos;
            return false;
        }
        value = (value << 6) | (next & 0x3F);
    }
    if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        ++pos;
        return false;
    }
    cp = value;
    pos += static_cast<std::size_t>(extra) + 1;
    return true;
}

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

}  // namespace

char32_t TextCodec1250::codePointOf(unsigned char byte) {
    if (byte < 0x80) return byte;
    return kUpperHalf[byte - 0x80];
}

int TextCodec1250::byteOf(char32_t codePoint) {
    if (codePoint < 0x80) return static_cast<int>(codePoint);
    if (codePoint == kReplacement) return -1;
    for (int i = 0; i < 128; ++i) {
        if (kUpperHalf[i] == codePoint) return 0x80 + i;
    }
    return -1;
}

std::string TextCodec1250::toUtf8(const std::string& bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 2);
    for (char c : bytes) appendUtf8(out, codePointOf(static_cast<unsigned char>(c)));
    return out;
}

bool TextCodec1250::fromUtf8(const std::string& utf8, std::string& out) {
    std::string result;
    result.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        char32_t cp = 0;
        if (!decodeUtf8(utf8, pos, cp)) return false;
        const int b = byteOf(cp);
        if (b < 0) return false;
        result += static_cast<char>(b);
    }
    out = std::move(result);
    return true;
}

bool isSheetTextCharacter(char32_t codePoint) {
    if (codePoint == U'*' || codePoint == U'#' || codePoint == U'$') return false;
    return TextCodec1250::byteOf(codePoint) >= 0;
}

bool isSheetText(const std::string& utf8) {
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        char32_t cp = 0;
        if (!decodeUtf8(utf8, pos, cp) || !isSheetTextCharacter(cp)) return false;
    }
    return true;
}

std::string screenText(const std::string& text) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        char32_t cp = 0;
        if (!decodeUtf8(text, pos, cp)) return TextCodec1250::toUtf8(text);
    }
    return text;
}

std::string cp1250(const char* utf8) {
    std::string out;
    if (utf8 == nullptr) return out;
    const std::string in(utf8);
    std::size_t pos = 0;
    while (pos < in.size()) {
        char32_t cp = 0;
        const int b = decodeUtf8(in, pos, cp) ? TextCodec1250::byteOf(cp) : -1;
        out += b < 0 ? '?' : static_cast<char>(b);
    }
    return out;
}

}  // namespace velk
