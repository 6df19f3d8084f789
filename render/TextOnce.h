#pragma once
// A simulating paint draws every label and terminal name once per evaluation pass,
// on a surface it does not erase. Text is drawn without antialiasing, so drawing
// the same text again in the same place, font, colour and clip changes no pixel
// unless something has been drawn over it since. The memo keeps, for each text
// drawn in the paint, the pixels around it as the draw left them; a later draw of
// the same text is left out while those pixels are still exactly so. Every paint
// thus ends with the very surface it would have had.
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/dc.h"

namespace velk {

class TextMemo {
public:
    // Draws the text, or leaves it out where drawing it would change no pixel.
    void textOut(Dc& dc, int x, int y, const std::string& text);

private:
    struct Drawn {
        Rect box;  // device pixels the draw may touch, inside the surface
        std::vector<std::uint32_t> pixels;
    };
    static bool boxOf(Dc& dc, int x, int y, Point extent, Rect& box);
    std::string m_key;
    std::unordered_map<std::string, Drawn> m_drawn;
    std::unordered_map<std::string, Point> m_extents;  // by font and text
};

}  // namespace velk
