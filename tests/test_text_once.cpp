// A text left out by the paint's memo must leave the surface exactly as drawing it
// would: after any drawing over it, in every turn and alignment.
#include <gtest/gtest.h>

#include <string>

#include "platform/dc.h"
#include "platform/surface.h"
#include "render/TextOnce.h"

using namespace velk;

namespace {

struct Case {
    const char* name;
    int escapement;
    int align;
};

// The same drawing on two surfaces, texts through the memo on one and straight on
// the other: a text, the same text again, a white bar across it, the text again,
// then another colour.
void draw(Dc& dc, TextMemo* memo, const Case& c) {
    const auto text = [&](const std::string& s) {
        if (memo)
            memo->textOut(dc, 60, 60, s);
        else
            dc.textOut(60, 60, s);
    };
    Font font;
    font.height = 14;
    font.escapement = c.escapement;
    dc.selectFont(font);
    dc.setBackgroundTransparent(true);
    dc.setTextAlign(c.align);
    dc.setTextColor(rgb(128, 128, 128));
    text("-K12");
    text("-K12");
    dc.fillRect({40, 50, 90, 66}, rgb(255, 255, 255));
    text("-K12");
    text("-K12");
    dc.setTextColor(rgb(255, 0, 0));
    text("-K12");
    dc.fillRect({55, 30, 58, 90}, rgb(0, 0, 255));
    text("-K12");
}

}  // namespace

TEST(TextOnce, LeavesTheSurfaceAsDrawingWould) {
    const Case cases[] = {
        {"left top", 0, kAlignLeft | kAlignTop},        {"right top", 0, kAlignRight | kAlignTop},
        {"left bottom", 0, kAlignLeft | kAlignBottom},  {"upward", 900, kAlignLeft | kAlignTop},
        {"upside down", 1800, kAlignRight | kAlignTop}, {"downward", 2700, kAlignLeft | kAlignTop},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Surface withMemo(120, 120), straight(120, 120);
        Dc a(withMemo), b(straight);
        TextMemo memo;
        draw(a, &memo, c);
        draw(b, nullptr, c);
        int differing = 0;
        for (int y = 0; y < 120; ++y)
            for (int x = 0; x < 120; ++x) differing += withMemo.pixel(x, y) != straight.pixel(x, y);
        EXPECT_EQ(differing, 0);
    }
}
