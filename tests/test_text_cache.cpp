// Text drawn from what the device context remembers of it is the text drawn
// afresh, pixel for pixel, wherever it lands and however it is clipped; a scrolled
// surface moves as one block.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/dc.h"
#include "platform/surface.h"
#include "platform/text1250.h"
#include "testkit/text_reference.h"

using namespace velk;
using velk::testkit::TextCall;

namespace {

constexpr Color kPaper = rgb(255, 255, 240);

// Where the first differing pixel is, or "" when the surfaces are equal.
std::string firstDifference(const Surface& a, const Surface& b) {
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.rawAt(x, y) != b.rawAt(x, y)) return "(" + std::to_string(x) + "," + std::to_string(y) + ")";
    return "";
}

Font font(int height, int escapement = 0, int weight = 0, bool italic = false, bool underline = false,
          const char* face = "Arial") {
    Font f;
    f.face = face;
    f.height = height;
    f.escapement = escapement;
    f.weight = weight;
    f.italic = italic;
    f.underline = underline;
    return f;
}

}  // namespace

TEST(TextCache, RememberedTextIsTheTextDrawnAfresh) {
    const Font fonts[] = {
        font(3),  font(12),       font(15, 900),       font(30, 1800), font(45, 2700),
        font(60), font(-20, 0, 700, true, true), font(16, 0, 0, false, false, "Courier"),
        font(24, 450),
        font(200),   // glyphs this large are filled as outlines
        font(3000),  // too large to remember: drawn straight through the toolkit
    };
    const std::string texts[] = {"-K1", cp1250("Łódź gj"), "H-Kg 12"};
    const int aligns[] = {kAlignLeft | kAlignTop, kAlignRight | kAlignBottom, kAlignCenter | kAlignBaseline};
    // Anchors and clips: whole surface, a strip the text only reaches into from an
    // anchor outside it, and a clip far from the text.
    struct Place {
        const char* name;
        Point anchor;
        Rect clip;
    };
    const Place places[] = {
        {"inside", {150, 120}, {0, 0, 320, 240}},
        {"again, elsewhere", {61, 173}, {0, 0, 320, 240}},
        {"clipped to a strip", {150, 120}, {0, 112, 320, 126}},
        {"anchor left of a column strip", {140, 120}, {150, 0, 170, 240}},
        {"anchor below a row strip", {150, 150}, {0, 100, 320, 118}},
        {"far from the clip", {20, 20}, {250, 200, 320, 240}},
        {"partly off the surface's top left", {-9, -4}, {0, 0, 320, 240}},
    };
    for (const Font& f : fonts)
        for (const std::string& text : texts)
            for (int align : aligns)
                for (bool transparent : {true, false})
                    for (const Place& place : places) {
                        SCOPED_TRACE("height " + std::to_string(f.height) + " turn " + std::to_string(f.escapement) +
                                     " \"" + text + "\" align " + std::to_string(align) +
                                     (transparent ? " transparent " : " opaque ") + place.name);
                        Surface drawn(320, 240, kPaper);
                        Surface plain(320, 240, kPaper);
                        TextCall call;
                        call.font = f;
                        call.align = align;
                        call.transparent = transparent;
                        call.text = rgb(0, 0, 160);
                        call.background = rgb(255, 200, 0);
                        Dc dc(drawn);
                        dc.setClip(place.clip);
                        // A viewport origin moves the anchor as it moves everything else.
                        dc.setViewportOrigin(-7, 5);
                        dc.selectFont(f);
                        dc.setTextAlign(align);
                        dc.setBackgroundTransparent(transparent);
                        dc.setBackgroundColor(call.background);
                        dc.setTextColor(call.text);
                        dc.textOut(place.anchor.x + 7, place.anchor.y - 5, text);
                        testkit::drawTextPlainly(plain, place.clip, place.anchor.x, place.anchor.y, call, text);
                        EXPECT_EQ(firstDifference(drawn, plain), "");
                    }
}

TEST(TextCache, ExtentIsTheSameMeasuredBeforeOrAfterDrawing) {
    Surface s(100, 100);
    for (const std::string text : {"-K1 extent", "A1 extent"}) {
        SCOPED_TRACE(text);
        Dc first(s);
        first.selectFont(font(23));
        const Point before = first.textExtent(text);
        first.textOut(10, 10, text);
        Dc second(s);
        second.selectFont(font(23));
        EXPECT_EQ(second.textExtent(text).x, before.x);
        EXPECT_EQ(second.textExtent(text).y, before.y);
        EXPECT_GT(before.x, 0);
    }
}

TEST(SurfaceScroll, MovesTheKeptPictureAndLeavesTheRest) {
    const int w = 23, h = 17;
    Surface original(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) original.setPixel(x, y, rgb(x * 10, y * 10, (x * 7 + y * 3) % 256));
    const Point moves[] = {{0, 1},  {0, -1}, {3, 0},  {-3, 0}, {2, 5},  {-4, 6}, {5, -2},
                           {-1, -1}, {0, 16}, {22, 0}, {0, 17}, {-23, 0}, {0, 0}};
    for (const Point m : moves) {
        SCOPED_TRACE("by (" + std::to_string(m.x) + "," + std::to_string(m.y) + ")");
        Surface moved = original;
        moved.scroll(m.x, m.y);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const bool kept = original.inside(x + m.x, y + m.y);
                const Color expected = kept ? original.pixel(x + m.x, y + m.y) : original.pixel(x, y);
                ASSERT_EQ(moved.pixel(x, y), expected) << "at (" << x << "," << y << ")";
            }
    }
}
