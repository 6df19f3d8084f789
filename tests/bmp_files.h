#pragma once
// A .bmp writer of the tests' own, field by field, so that the decoder is held
// against bytes laid out by hand, and the pictures that the sheet tests name.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "platform/color.h"

namespace velk::bmptest {

inline void put16(std::string& s, std::uint32_t v) {
    s += static_cast<char>(v & 0xff);
    s += static_cast<char>((v >> 8) & 0xff);
}
inline void put32(std::string& s, std::uint32_t v) {
    put16(s, v & 0xffff);
    put16(s, v >> 16);
}

struct BmpFields {
    std::uint32_t headerSize = 40;
    std::int32_t width = 3;
    std::int32_t height = 2;  // negative: rows top-down
    int bitCount = 24;
    std::uint32_t compression = 0;
    std::vector<Color> palette;        // written as the colour table, clrUsed = its size
    std::vector<std::uint32_t> masks;  // after a 40-byte header, inside a longer one
    std::string pixels;                // the pixel bytes as the file holds them
};

inline std::string buildBmp(const BmpFields& b) {
    std::string info;
    if (b.headerSize == 12) {
        put32(info, 12);
        put16(info, static_cast<std::uint32_t>(b.width));
        put16(info, static_cast<std::uint32_t>(b.height));
        put16(info, 1);
        put16(info, static_cast<std::uint32_t>(b.bitCount));
    } else {
        put32(info, b.headerSize);
        put32(info, static_cast<std::uint32_t>(b.width));
        put32(info, static_cast<std::uint32_t>(b.height));
        put16(info, 1);
        put16(info, static_cast<std::uint32_t>(b.bitCount));
        put32(info, b.compression);
        put32(info, static_cast<std::uint32_t>(b.pixels.size()));
        put32(info, 2835);
        put32(info, 2835);
        put32(info, static_cast<std::uint32_t>(b.palette.size()));
        put32(info, 0);
        if (b.headerSize > 40)
            for (std::uint32_t m : b.masks) put32(info, m);
        info.resize(b.headerSize, '\0');
    }
    std::string tables;
    if (b.headerSize == 40)
        for (std::uint32_t m : b.masks) put32(tables, m);
    for (Color c : b.palette) {
        tables += static_cast<char>(blueOf(c));
        tables += static_cast<char>(greenOf(c));
        tables += static_cast<char>(redOf(c));
        if (b.headerSize != 12) tables += '\0';
    }
    const std::uint32_t offset = static_cast<std::uint32_t>(14 + info.size() + tables.size());
    std::string file = "BM";
    put32(file, static_cast<std::uint32_t>(offset + b.pixels.size()));
    put32(file, 0);
    put32(file, offset);
    return file + info + tables + b.pixels;
}

inline std::string bytes(std::initializer_list<int> values) {
    std::string s;
    for (int v : values) s += static_cast<char>(v);
    return s;
}

// A run-length file of a few dozen bytes that claims `side` x `side` pixels of one
// colour: its data ends at once, so every pixel keeps colour 0.
inline std::string runLengthOfOneColor(int side, Color color) {
    return buildBmp({40, side, side, 8, 1, {color}, {}, bytes({0, 1})});
}

}  // namespace velk::bmptest
