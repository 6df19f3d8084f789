#pragma once
// Windows-1250: the 8-bit text of sheet files, "config.cfg", libraries and of
// every text the program holds. Conversion happens only where text meets the
// screen or the keyboard.
#include <string>

namespace velk {

class TextCodec1250 {
public:
    // Each byte to its character; bytes without a character become U+FFFD.
    static std::string toUtf8(const std::string& bytes);
    // False (and `out` untouched) when a character has no Windows-1250 byte or the
    // input is not valid UTF-8.
    static bool fromUtf8(const std::string& utf8, std::string& out);
    // One Unicode code point to its byte; -1 when it has none.
    static int byteOf(char32_t codePoint);
    static char32_t codePointOf(unsigned char byte);
};

// What a user may type into a text the sheet file keeps: a character with a
// Windows-1250 byte that is not one of the file's separators "*", "#" and "$".
// Every text entry refuses the rest where it is typed.
bool isSheetTextCharacter(char32_t codePoint);
// True when every character of the UTF-8 text passes isSheetTextCharacter.
bool isSheetText(const std::string& utf8);

// The program's own texts (prompts, captions, menus) are UTF-8; texts that come
// from a sheet, a file name or "config.cfg" are Windows-1250 bytes. Where a text
// meets the screen: one that is valid UTF-8 is shown as written, any other as
// Windows-1250 bytes (such bytes are almost never valid UTF-8 as well).
std::string screenText(const std::string& text);

// Source texts are written in UTF-8; this gives their Windows-1250 bytes
// (for literals that are known to be representable).
std::string cp1250(const char* utf8);

}  // namespace velk
