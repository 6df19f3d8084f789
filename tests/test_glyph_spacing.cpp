// Labels keep their glyphs apart: each glyph of a label, drawn alone at the place
// the layout gives it, puts its ink in columns of its own.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "command_stage.h"
#include "platform/dc.h"
#include "platform/surface.h"

using namespace velk;
using velk::testkit::DcCall;
using velk::testkit::DcOp;

namespace {

constexpr Color kWhite = rgb(255, 255, 255);
constexpr Color kBlack = rgb(0, 0, 0);

// The columns [first, last] holding ink; first > last when there is none.
struct Columns {
    int first = 1 << 30;
    int last = -(1 << 30);
    bool empty() const { return first > last; }
};

Columns inkColumns(const Surface& s) {
    Columns c;
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x)
            if (s.pixel(x, y) != kWhite) {
                c.first = std::min(c.first, x);
                c.last = std::max(c.last, x);
            }
    return c;
}

Surface drawn(const Font& font, int x, const std::string& text) {
    Surface s(240, 120, kWhite);
    Dc dc(s);
    dc.selectFont(font);
    dc.setBackgroundTransparent(true);
    dc.setTextColor(kBlack);
    dc.textOut(x, 10, text);
    return s;
}

bool sameSurface(const Surface& a, const Surface& b) {
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.rawAt(x, y) != b.rawAt(x, y)) return false;
    return true;
}

class GlyphSpacing : public CommandStage {};

}  // namespace

TEST_F(GlyphSpacing, LabelGlyphsDoNotOverlapAtAnyZoom) {
    const char* labels[] = {"-K", "-H", "-S", "A1", "-K1", "-H12"};
    for (int zoom = 1; zoom <= 20; ++zoom) {
        // The font a component's label gets at this zoom, as the symbol draws it.
        draw("TEXT,+000,+000,-K   ,0", zoom / 5.0, 0, 0);
        const DcCall* call = dc.last(DcOp::TextOut);
        ASSERT_NE(call, nullptr);
        const Font font = call->font;
        for (const std::string label : labels) {
            SCOPED_TRACE("zoom " + std::to_string(zoom) + " \"" + label + "\" cell " +
                         std::to_string(font.height));
            Surface measure(1, 1);
            Dc m(measure);
            m.selectFont(font);
            // Each glyph alone at its laid-out place: together they must give the
            // label exactly, so the places are the ones the text is drawn with.
            const Surface whole = drawn(font, 10, label);
            Surface together(whole.width(), whole.height(), kWhite);
            Columns previous;
            for (std::size_t i = 0; i < label.size(); ++i) {
                const int at = 10 + m.textExtent(label.substr(0, i)).x;
                const Surface glyph = drawn(font, at, label.substr(i, 1));
                const Columns ink = inkColumns(glyph);
                if (ink.empty()) continue;  // the smallest cells may drop a glyph's ink
                if (!previous.empty()) {
                    EXPECT_LT(previous.last, ink.first) << "glyph " << i << " runs into the one before";
                }
                previous = ink;
                for (int y = 0; y < glyph.height(); ++y)
                    for (int x = 0; x < glyph.width(); ++x)
                        if (glyph.pixel(x, y) != kWhite) together.setPixel(x, y, glyph.pixel(x, y));
            }
            EXPECT_FALSE(inkColumns(whole).empty());
            EXPECT_TRUE(sameSurface(together, whole)) << "the glyphs drawn alone differ from the label";
        }
    }
}
