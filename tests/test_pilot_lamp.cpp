// The pilot lamp: lit by the letters at its terminals, latched on the last lamp
// pass, filled in one of five colours, and lamps in series across a voltage that
// find each other through the marker letters they write on the nets between them.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "kept_pictures.h"
#include "load_sheet.h"
#include "render/Colors.h"
#include "testkit/recording_dc.h"

using namespace velk;
using velk::loadtest::LoadSheet;
using velk::testkit::DcOp;
using velk::testkit::RecordingDc;

namespace {

constexpr int kLampLatchPass = 4;

// The filled circle of the latch: the one ellipse drawn with a solid brush.
std::optional<testkit::DcCall> circleFill(const RecordingDc& dc) {
    for (const auto& call : dc.callsOf(DcOp::Ellipse))
        if (call.brush.style == BrushStyle::Solid) return call;
    return std::nullopt;
}

bool anyPixelNear(const Surface& surface, Point p, Color c) {
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (surface.pixel(p.x + dx, p.y + dy) == c) return true;
    return false;
}

// Lamps in series from an L-N (or +/-) supply at (20, 20) down a column at x = 20,
// lamp i at y = 40 + 30 i; the return conductor runs up at x = 26 to the supply's
// second terminal. Lamps are put into the slot table in the order asked.
struct Chain {
    std::vector<int> lamps;   // top to bottom
    std::vector<int> middle;  // the wire between lamp i and lamp i + 1
    int feed = -1;            // supply to the top lamp
};

Chain buildChain(LoadSheet& s, int supply, int count, bool reversed, bool closed) {
    Chain c;
    c.feed = s.addLine(kTypeWirePhase, 20, 20, 20, 40);
    s.addSymbol(supply, 20, 20);
    c.lamps.assign(static_cast<std::size_t>(count), -1);
    for (int n = 0; n < count; ++n) {
        const int i = reversed ? count - 1 - n : n;
        c.lamps[static_cast<std::size_t>(i)] = s.addLoad(kTypePilotLamp, 20, 40 + 30 * i, "-H" + std::to_string(i));
    }
    for (int i = 0; i + 1 < count; ++i) c.middle.push_back(s.addLine(kTypeWirePhase, 20, 52 + 30 * i, 20, 70 + 30 * i));
    const int bottom = 52 + 30 * (count - 1);
    if (closed) {
        const int back = supply == kTypeSupplyPlusMinus ? kTypeWireMinus : kTypeWireNeutral;
        s.addLine(back, 20, bottom, 20, bottom + 8);
        s.addLine(back, 20, bottom + 8, 26, bottom + 8);
        s.addLine(back, 26, bottom + 8, 26, 20);
    } else {
        c.middle.push_back(s.addLine(kTypeWirePhase, 20, bottom, 20, bottom + 8));
    }
    return c;
}

}  // namespace

// The letters at X1 and X2 light the lamp when they put a voltage across it, or a
// phase meets a dead motor winding; the lamp takes the result on the last lamp
// pass only, filled in its colour, and goes dark (white) on the last lamp pass
// without it.
TEST(PilotLamp, LitByTheLettersAtItsTerminals) {
    struct Row {
        char x1, x2;
        bool lit;
    };
    const Row rows[] = {
        {'1', 'N', true}, {'N', '3', true},  {'1', '2', true},  {'-', '+', true},  {'2', 'Z', true},
        {'Z', '3', true}, {'1', 'P', false}, {'1', '1', false}, {'N', 'Z', false}, {'+', 'Z', false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(1, row.x1) + " " + row.x2);
        LoadSheet s;
        RecordingDc dc;
        const int lamp = s.addLoad(kTypePilotLamp, 40, 40, "-H1");
        const int x1 = s.wireAt(lamp, 0, row.x1);
        const int x2 = s.wireAt(lamp, 1, row.x2);
        for (int pass = 0; pass <= kLampLatchPass; ++pass) {
            s.evaluate(dc, lamp, pass);
            EXPECT_EQ(s.view.m_state[lamp], row.lit && pass == kLampLatchPass ? 1 : 0) << "lamp pass " << pass;
        }
        std::optional<testkit::DcCall> fill = circleFill(dc);
        if (!row.lit) {
            EXPECT_FALSE(fill) << "a lamp that stays dark is not filled again";
            continue;
        }
        ASSERT_TRUE(fill);
        EXPECT_EQ(fill->brush.color, g_colorGreen);

        s.setLetter(x1, '0');
        s.setLetter(x2, '0');
        for (int pass = 0; pass <= kLampLatchPass; ++pass) {
            dc.clear();
            s.evaluate(dc, lamp, pass);
            EXPECT_EQ(s.view.m_state[lamp], pass == kLampLatchPass ? 0 : 1) << "dark on lamp pass " << pass;
        }
        fill = circleFill(dc);
        ASSERT_TRUE(fill);
        EXPECT_EQ(fill->brush.color, g_colorWhite);
        EXPECT_EQ(fill->pen.color, g_colorGrey);
    }
}

// The colour code (terminal name 2) picks the fill; a lit red lamp gets a grey rim
// and cross, every other lit lamp a red one. A code no dialog writes lights
// green, like a new lamp.
TEST(PilotLamp, ColourCodes) {
    struct Row {
        const char* code;
        Color fill;
        Color rim;
    };
    const Row rows[] = {
        {"0", g_colorGreen, g_colorRed},  {"1", g_colorRed, g_colorGrey}, {"2", g_colorYellow, g_colorRed},
        {"3", g_colorBlue, g_colorRed},   {"4", g_colorGrey, g_colorRed}, {"7", g_colorGreen, g_colorRed},
        {"", g_colorGreen, g_colorRed},   {"01", g_colorGreen, g_colorRed},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string("code '") + row.code + "'");
        LoadSheet s;
        RecordingDc dc;
        const int lamp = s.addLoad(kTypePilotLamp, 40, 40, "-H1");
        s.view.m_lampColor[lamp] = row.code;
        s.wireAt(lamp, 0, '1');
        s.wireAt(lamp, 1, 'N', kTypeWireNeutral);
        s.evaluate(dc, lamp, kLampLatchPass);
        const std::optional<testkit::DcCall> fill = circleFill(dc);
        ASSERT_TRUE(fill);
        EXPECT_EQ(fill->brush.color, row.fill);
        EXPECT_EQ(fill->pen.color, g_colorRed);
        const auto ellipses = dc.callsOf(DcOp::Ellipse);
        ASSERT_EQ(ellipses.size(), 2u);
        EXPECT_EQ(ellipses.back().brush.style, BrushStyle::Hollow) << "the rim is an outline";
        EXPECT_EQ(ellipses.back().pen.color, row.rim);
        const auto lines = dc.callsOf(DcOp::LineTo);
        ASSERT_EQ(lines.size(), 4u);
        EXPECT_EQ(lines.back().pen.color, row.rim) << "the cross";
    }
}

// Lamps in series across a voltage all light in the same paint, whatever their slot
// order: the nets between them end with the completion letter of the chain. An open
// chain stays dark and its dead net carries the through letter until the next tick.
TEST(LampChain, LampsInSeriesLightTogether) {
    struct Row {
        const char* name;
        int supply;
        int count;
        bool reversed;
        bool closed;
        char between;
    };
    const Row rows[] = {
        {"one lamp across L-N", kTypeSupplyLN, 1, false, true, 0},
        {"two lamps, top first", kTypeSupplyLN, 2, false, true, 'A'},
        {"two lamps, bottom first", kTypeSupplyLN, 2, true, true, 'A'},
        {"two lamps across +/-", kTypeSupplyPlusMinus, 2, false, true, 'F'},
        {"two lamps across +/-, bottom first", kTypeSupplyPlusMinus, 2, true, true, 'F'},
        {"three lamps, bottom first", kTypeSupplyLN, 3, true, true, 'A'},
        {"four lamps, top first", kTypeSupplyLN, 4, false, true, 'A'},
        {"four lamps, bottom first", kTypeSupplyLN, 4, true, true, 'A'},
        {"one lamp into a dead net", kTypeSupplyLN, 1, false, false, 'R'},
        {"two lamps into a dead net", kTypeSupplyLN, 2, false, false, 'R'},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        LoadSheet s;
        s.show();
        const Chain c = buildChain(s, row.supply, row.count, row.reversed, row.closed);
        s.simulate();
        for (int tick = 0; tick < 2; ++tick) {
            SCOPED_TRACE("paint " + std::to_string(tick + 1));
            for (int lamp : c.lamps) {
                EXPECT_EQ(s.view.m_state[lamp], row.closed ? 1 : 0) << "slot " << lamp;
                EXPECT_EQ(s.pixel(s.pixelOf(lamp, 0, 22)), row.closed ? g_colorGreen : g_colorWhite);
            }
            for (int wire : c.middle) EXPECT_EQ(s.letter(wire), row.between) << "wire " << wire;
            EXPECT_EQ(s.letter(c.feed), row.supply == kTypeSupplyLN ? '1' : '+');
            s.tick();
        }
        if (row.count == 4 && row.reversed)
            testpictures::keepPicture(s.view.surface(), "lamp_chain.png");
    }
}

// A lamp writes its letters only into the nets of the wires it found in the same
// call and never into a deleted wire: a lamp whose X2 is open marks nothing (the
// wire in slot 0 keeps its supply letter), and a deleted wire of a marked net
// stays dead.
TEST(LampChain, MarksOnlyItsOwnLiveNets) {
    LoadSheet s;
    s.show();
    const Chain open = buildChain(s, kTypeSupplyLN, 1, false, false);
    ASSERT_EQ(open.feed, 0);
    const int hidden = s.addLine(kTypeWirePhase, 60, 60, 60, 80);
    const int loose = s.addLoad(kTypePilotLamp, 100, 40, "-H9");
    s.addLine(kTypeWirePhase, 20, 20, 100, 20);  // from L to X1; X2 has no wire
    s.addLine(kTypeWirePhase, 100, 20, 100, 40);
    s.simulate();
    s.view.m_deleted[hidden] = 1;
    s.view.m_netNumber[hidden] = s.net(open.middle[0]);
    s.tick();
    EXPECT_EQ(s.letter(open.middle[0]), 'R');
    EXPECT_EQ(s.letter(hidden), '0') << "deleted wires are not written";
    EXPECT_EQ(s.letter(open.feed), '1') << "an open X2 marks nothing";
    EXPECT_EQ(s.view.m_state[loose], 0);
    EXPECT_EQ(s.view.m_terminalLink[loose][1], 0) << "no wire found at X2, no link kept";
}

// Outside simulation the lamp only draws: the preview with its default texts, a
// placed lamp in the paint's colour and unfilled, whatever state a stopped run
// left in it.
TEST(PilotLamp, OutsideSimulationOnlyDraws) {
    LoadSheet s;
    RecordingDc dc;
    s.drawPreview(dc, kTypePilotLamp, 200, 200);
    std::vector<std::string> texts;
    for (const auto& call : dc.callsOf(DcOp::TextOut)) texts.push_back(call.text);
    EXPECT_EQ(texts, (std::vector<std::string>{"   -H", "X1", "X2"}));

    const int lamp = s.addLoad(kTypePilotLamp, 40, 40, "-H1");
    s.view.m_lampColor[lamp] = "1";
    s.view.m_state[lamp] = 1;
    s.wireAt(lamp, 0, '1');
    s.wireAt(lamp, 1, 'N', kTypeWireNeutral);
    dc.clear();
    s.drawPlaced(dc, lamp);
    EXPECT_FALSE(circleFill(dc));
    for (const auto& call : dc.callsOf(DcOp::LineTo)) EXPECT_EQ(call.pen.color, g_colorBlack);
    for (const auto& call : dc.callsOf(DcOp::Ellipse)) EXPECT_EQ(call.pen.color, g_colorBlack);
    EXPECT_EQ(s.view.m_drawnState[lamp], 0);
    EXPECT_EQ(s.view.m_terminalLink[lamp][0], 0);
}

// The lamp in the eight orientations, lit in each of the five colours and dark:
// the wires are found in every orientation, the inside shows the colour, the leads
// are red while lit and grey while dark, and so is the cross, grey on a lit red lamp. The picture is kept for a look.
TEST(PilotLamp, EveryOrientationAndColour) {
    constexpr int kCell = 100;
    const struct {
        const char* code;
        Color fill;
    } colours[] = {{"0", g_colorGreen}, {"1", g_colorRed}, {"2", g_colorYellow}, {"3", g_colorBlue},
                   {"4", g_colorGrey},  {"0", g_colorWhite}};
    LoadSheet s;
    s.doc.m_zoom = 4;
    Surface sheet(8 * kCell, 6 * kCell);
    Dc dc(sheet);
    for (int row = 0; row < 6; ++row) {
        const bool lit = row < 5;
        for (int orientation = 0; orientation < 8; ++orientation) {
            SCOPED_TRACE(std::string("colour ") + colours[row].code + (lit ? " lit" : " dark") + ", orientation " +
                         std::to_string(orientation));
            const int x = (orientation * kCell + kCell / 2) / 4, y = (row * kCell + kCell / 2) / 4;
            const int lamp = s.addLoad(kTypePilotLamp, x, y, "-H1", orientation);
            s.view.m_lampColor[lamp] = colours[row].code;
            s.view.m_drawnState[lamp] = -1;
            s.wireAt(lamp, 0, lit ? '2' : 'P');
            s.wireAt(lamp, 1, 'N', kTypeWireNeutral);
            for (int pass = 0; pass <= kLampLatchPass; ++pass) s.evaluate(dc, lamp, pass);
            EXPECT_EQ(s.view.m_state[lamp], lit ? 1 : 0);
            const Point inside = s.pixelOf(lamp, 0, 22);
            EXPECT_EQ(sheet.pixel(inside.x, inside.y), colours[row].fill);
            const Point lead = s.pixelOf(lamp, 0, 5);
            EXPECT_EQ(sheet.pixel(lead.x, lead.y), lit ? g_colorRed : g_colorGrey);
            // On the diagonal from (-11, 19) to (11, 41), give or take the rounding of a turn.
            const Point cross = s.pixelOf(lamp, 5, 35);
            const Color rim = !lit || std::string(colours[row].code) == "1" ? g_colorGrey : g_colorRed;
            EXPECT_TRUE(anyPixelNear(sheet, cross, rim));
        }
    }
    testpictures::keepPicture(sheet, "pilot_lamp_orientations.png");
}
