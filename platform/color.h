#pragma once
// Colours as one integer, red in the low byte, then green, then blue: the value
// that sheet files store for an item's colour.
#include <cstdint>

namespace velk {

using Color = std::uint32_t;

constexpr Color rgb(int r, int g, int b) {
    return static_cast<Color>((r & 0xff) | ((g & 0xff) << 8) | ((b & 0xff) << 16));
}
constexpr int redOf(Color c) { return static_cast<int>(c & 0xff); }
constexpr int greenOf(Color c) { return static_cast<int>((c >> 8) & 0xff); }
constexpr int blueOf(Color c) { return static_cast<int>((c >> 16) & 0xff); }

}  // namespace velk
