#pragma once
// Text drawn the plain way: one toolkit painter per call, the text laid out and
// rasterised afresh each time. Tests hold the device context's remembered text
// against it.
#include <string>

#include "platform/dc.h"

namespace velk::testkit {

struct TextCall {
    Font font;
    int align = kAlignLeft | kAlignTop;
    bool transparent = true;
    Color text = rgb(0, 0, 0);
    Color background = rgb(255, 255, 255);
};

// Draws `text` (Windows-1250) anchored at device point (x, y), inside `clip` only.
void drawTextPlainly(Surface& surface, const Rect& clip, int x, int y, const TextCall& call, const std::string& text);

}  // namespace velk::testkit
