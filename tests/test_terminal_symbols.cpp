// Terminals and connection points: the feed-through terminal that passes letters
// both ways, the terminal circles and strips drawn over the wire ends, and the
// connection points that join circuits through equal labels.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "render/Colors.h"
#include "symbol_sheet.h"

using namespace velk;
using velk::symboltest::kEarthFault;
using velk::symboltest::kShortCircuit;
using velk::symboltest::SymbolSheet;
using velk::symboltest::turned;
using velk::testkit::DcCall;
using velk::testkit::DcOp;
using velk::testkit::RecordingDc;

namespace {

std::string str(Point p) { return "(" + std::to_string(p.x) + "," + std::to_string(p.y) + ")"; }
Point plus(Point a, Point b) { return {a.x + b.x, a.y + b.y}; }
Point times(int k, Point p) { return {k * p.x, k * p.y}; }

}  // namespace

// A feed-through terminal at (60, 60): its top terminal on its insertion point,
// its bottom terminal 12 drawing units further along its axis. Above it a wire
// out to (possibly) a supply; below it a wire with a dot on its middle and a
// branch from the dot; elsewhere a dot on no wire, whose net is 0.
TEST(FeedThroughTerminal, PassesLettersBothWaysInEveryOrientation) {
    struct Row {
        const char* name;
        int above, below;  // supply types at the far ends, 0 for none
        bool belowWired;
        int state;
        const char* letters;  // top wire, bottom wire, dot, branch, lonely dot
        const char* box;
    };
    const Row rows[] = {
        {"a phase above feeds the wires and the dot below", kTypeSupplyL, 0, true, 0, "11110", ""},
        {"neutral below feeds the wire above", 0, kTypeSupplyN, true, 0, "NNNN0", ""},
        {"different letters on both sides: nothing passes, nothing is reported", kTypeSupplyL, kTypeSupplyN, true,
         0, "1NNN0", ""},
        {"state 1 passes nothing", kTypeSupplyL, 0, true, 1, "10000", ""},
        {"nothing wired below: not even a dot of net 0 is fed", kTypeSupplyL, 0, false, 0, "1---0", ""},
    };
    const Point at{60, 60};
    for (const Row& row : rows) {
        for (int code = 0; code < 8; ++code) {
            SCOPED_TRACE(std::string(row.name) + ", orientation " + std::to_string(code));
            SymbolSheet s;
            const int terminal = s.place(kTypeTerminalI, at.x, at.y, code);
            const Point down = turned(code, {0, 1});
            const Point bottom = plus(at, times(12, down));
            const Point topFar = plus(at, times(-20, down));
            const Point bottomFar = plus(bottom, times(20, down));
            const Point dot = plus(bottom, times(10, down));
            const int top = s.wire(topFar.x, topFar.y, at.x, at.y);
            int lower = -1, dotSlot = -1, branch = -1;
            if (row.belowWired) {
                lower = s.wire(std::min(bottom.x, bottomFar.x), std::min(bottom.y, bottomFar.y),
                               std::max(bottom.x, bottomFar.x), std::max(bottom.y, bottomFar.y));
                dotSlot = s.place(kTypeConnectionDot, dot.x, dot.y);
                const Point side = plus(dot, turned(code, {10, 0}));
                branch = s.wire(std::min(dot.x, side.x), std::min(dot.y, side.y), std::max(dot.x, side.x),
                                std::max(dot.y, side.y));
            }
            const int lonely = s.place(kTypeConnectionDot, 150, 150);
            if (row.above) s.place(row.above, topFar.x, topFar.y);
            if (row.below) s.place(row.below, bottomFar.x, bottomFar.y);

            s.view.OnModeRun();
            s.view.m_state[terminal] = row.state;
            s.tick();
            std::string letters;
            for (int slot : {top, lower, dotSlot, branch, lonely}) letters += slot < 0 ? '-' : s.letter(slot);
            EXPECT_EQ(letters, row.letters);
            EXPECT_EQ(s.box(), row.box);
            if (row.letters == std::string("11110")) {
                EXPECT_EQ(s.view.m_terminalPotential[lower][1].letter(), '*') << "the fed mark";
            }
        }
    }
}

// The feed-through terminal of the fixture passes the supply's letter into the
// whole net below it within the first tick.
TEST(FeedThroughTerminal, FixtureSheet) {
    SymbolSheet s;
    ASSERT_TRUE(s.load("feed_through_terminal.cad"));
    ASSERT_EQ(s.view.m_componentCount, 6);
    s.simulate();
    // Slots: supply, wire above, terminal, wire below, dot, branch.
    EXPECT_EQ(s.letters({1, 3, 4, 5}), "1111");
    EXPECT_EQ(s.box(), "");
}

// Circles and strips: for each circle a white disc, then its outline as a symbol
// command in the paint's colour, still over the white brush. The discs turn with
// the symbol, so in every orientation each disc lies under its outline.
TEST(TerminalStrip, DiscsUnderTheirOutlines) {
    struct Row {
        int type;
        int circles;
    };
    const Row rows[] = {{kTypeTerminalII, 1}, {kTypeTerminalStrip2, 2}, {kTypeTerminalStrip3, 3},
                        {kTypeTerminalStrip4, 4}};
    for (const Row& row : rows) {
        for (int code = 0; code < 8; ++code) {
            SCOPED_TRACE(std::string(typeCodeName(row.type)) + ", orientation " + std::to_string(code));
            SymbolSheet s;
            s.place(row.type, 20, 20, code);
            s.drawPlaced(0, g_colorBlack);
            const std::vector<DcCall> ellipses = s.dc.callsOf(DcOp::Ellipse);
            ASSERT_EQ(ellipses.size(), static_cast<std::size_t>(2 * row.circles));
            for (int k = 0; k < row.circles; ++k) {
                const DcCall& disc = ellipses[static_cast<std::size_t>(k)];
                const DcCall& outline = ellipses[static_cast<std::size_t>(row.circles + k)];
                EXPECT_EQ(disc.pen.color, g_colorWhite);
                EXPECT_EQ(disc.brush.color, g_colorWhite);
                EXPECT_EQ(outline.pen.color, g_colorBlack);
                EXPECT_EQ(outline.brush.style, BrushStyle::Solid);
                EXPECT_EQ(outline.brush.color, g_colorWhite);
                EXPECT_EQ(str(disc.point(0)) + str(disc.point(1)), str(outline.point(0)) + str(outline.point(1)));
                // Circle k is 30 units (one device pixel each here) along the strip.
                const Point centre = plus({100, 100}, turned(code, {30 * k, 0}));
                EXPECT_LE(outline.point(0).x, centre.x);
                EXPECT_GE(outline.point(1).x, centre.x);
                EXPECT_LE(outline.point(0).y, centre.y);
                EXPECT_GE(outline.point(1).y, centre.y);
            }
            // The brush the call found is given back.
            EXPECT_EQ(s.dc.brush().style, BrushStyle::Hollow);
        }
    }
}

// At orientation 0 the first disc covers (x - 4s, y - 4s) to (x + 5s, y + 5s); on
// paper without colour its edge is black while its inside stays white.
TEST(TerminalStrip, DiscGeometryAndPrintColour) {
    struct Row {
        double zoom;
        bool monochromePrint;
        Point topLeft, bottomRight;
        Color edge;
    };
    const Row rows[] = {
        {5, false, {96, 96}, {105, 105}, g_colorWhite},
        {2, false, {98, 98}, {102, 102}, g_colorWhite},
        {2, true, {98, 98}, {102, 102}, g_colorBlack},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.zoom) + (row.monochromePrint ? " printed" : ""));
        SymbolSheet s;
        s.place(kTypeTerminalStrip2, 20, 20);
        s.view.m_printing = row.monochromePrint ? 1 : 0;
        s.doc.m_printInColor = row.monochromePrint ? 0 : 1;
        s.drawPlaced(0, g_colorBlack, row.zoom);
        const DcCall disc = s.dc.callsOf(DcOp::Ellipse)[0];
        EXPECT_EQ(str(disc.point(0)) + str(disc.point(1)), str(row.topLeft) + str(row.bottomRight));
        EXPECT_EQ(disc.pen.color, row.edge);
        EXPECT_EQ(disc.brush.color, g_colorWhite);
    }
}

// A strip over the meeting point of two wires changes no letter, and though it
// comes before the wires in slot order it is drawn after them: the wire end
// under a circle is hidden, the wire beside it is not.
TEST(TerminalStrip, DrawnOnTopOfTheWireEnds) {
    SymbolSheet s;
    ASSERT_TRUE(s.load("strip_over_wire_ends.cad"));
    ASSERT_EQ(s.view.m_componentCount, 4);
    Surface surface(200, 200);
    RecordingDc dc(surface);
    s.view.OnModeRun();
    s.view.OnTimer(kSimulationTimerId);
    s.view.OnDraw(dc);
    // Slots: strip, supply, wire above, wire below.
    EXPECT_EQ(s.letters({2, 3}), "11");
    EXPECT_EQ(s.letter(0), '0');

    int lastWireDrawn = -1, firstDisc = -1;
    for (std::size_t i = 0; i < dc.calls().size(); ++i) {
        const DcCall& c = dc.calls()[i];
        if (c.op == DcOp::LineTo && c.pen.color == g_colorMaroon) lastWireDrawn = static_cast<int>(i);
        if (c.op == DcOp::Ellipse && c.pen.color == g_colorWhite && firstDisc < 0) firstDisc = static_cast<int>(i);
    }
    ASSERT_GE(lastWireDrawn, 0);
    EXPECT_GT(firstDisc, lastWireDrawn);
    // At zoom 2 the wires meet at (40, 60).
    EXPECT_EQ(surface.pixel(40, 60), g_colorWhite);
    EXPECT_EQ(surface.pixel(40, 70), g_colorMaroon);
}

// Connection points exchange letters with every point of the other hand that has
// their label, in either slot order and in every orientation; points of one hand
// never join.
TEST(ConnectionPoint, JoinsPointsOfTheOtherHandWithItsLabel) {
    struct Row {
        const char* name;
        int firstType;
        const char* firstLabel;
        int firstSupply;
        int secondType;
        const char* secondLabel;
        int secondSupply;
        char expected;  // the letter of the second point's wire
        const char* box;
    };
    const int L = kTypeConnectionPointLeft, R = kTypeConnectionPointRight;
    const Row rows[] = {
        {"right-hand point fed, left-hand partner", R, "-X", kTypeSupplyL, L, "-X", 0, '1', ""},
        {"left-hand point fed, right-hand partner", L, "-X5", kTypeSupplyPlus, R, "-X5", 0, '+', ""},
        {"the dead point first in slot order", L, "-X", 0, R, "-X", kTypeSupplyN, 'N', ""},
        {"two left-hand points are not joined", L, "-X", kTypeSupplyL, L, "-X", 0, '0', ""},
        {"two right-hand points are not joined", R, "-X", kTypeSupplyL, R, "-X", 0, '0', ""},
        {"labels differing in case are not joined", R, "-x1", kTypeSupplyL, L, "-X1", 0, '0', ""},
        {"phase against phase", R, "-X", kTypeSupplyL, L, "-X", kTypeSupplyL1L2L3, '0', kShortCircuit},
        {"neutral against earth", L, "-X", kTypeSupplyN, R, "-X", kTypeSupplyPE, '0', kEarthFault},
    };
    // The wire end of each hand's terminal in drawing units from the insertion point.
    const auto terminalOf = [](int type, int code) {
        return turned(code, type == kTypeConnectionPointLeft ? Point{-6, 0} : Point{0, 0});
    };
    for (const Row& row : rows) {
        for (int code = 0; code < 8; ++code) {
            SCOPED_TRACE(std::string(row.name) + ", orientation " + std::to_string(code));
            SymbolSheet s;
            const Point firstAt{60, 60}, secondAt{160, 160};
            const int first = s.place(row.firstType, firstAt.x, firstAt.y, code);
            const int second = s.place(row.secondType, secondAt.x, secondAt.y, code);
            s.view.m_label[first] = row.firstLabel;
            s.view.m_label[second] = row.secondLabel;
            const Point e1 = plus(firstAt, terminalOf(row.firstType, code));
            const Point e2 = plus(secondAt, terminalOf(row.secondType, code));
            s.wire(e1.x, e1.y - 20, e1.x, e1.y);
            const int secondWire = s.wire(e2.x, e2.y - 20, e2.x, e2.y);
            if (row.firstSupply) s.place(row.firstSupply, e1.x, e1.y - 20);
            if (row.secondSupply) {
                // The three-phase supply feeds "2" from its second conductor.
                const int dx = row.secondSupply == kTypeSupplyL1L2L3 ? 6 : 0;
                s.place(row.secondSupply, e2.x - dx, e2.y - 20);
            }
            s.simulate();
            EXPECT_EQ(s.box(), row.box);
            EXPECT_EQ(s.letter(secondWire), row.expected);
        }
    }
}

// The fixture: supply L on the wire of a right-hand point; the left-hand point of
// the same default label passes it to its own wire.
TEST(ConnectionPoint, FixtureSheet) {
    SymbolSheet s;
    ASSERT_TRUE(s.load("connection_points.cad"));
    ASSERT_EQ(s.view.m_componentCount, 5);
    s.simulate();
    // Slots: supply, wire, right-hand point, left-hand point, its wire.
    EXPECT_EQ(s.letters({1, 2, 3, 4}), "1111");
}

// The texts of the terminal symbols: the label (default "-X" in the preview) with
// each member's alignment, the second text when placed and shown, the terminal
// names, and for connection points the text drawn last repeated at the terminal.
TEST(TerminalSymbols, Texts) {
    struct Row {
        const char* name;
        int type;
        bool preview;
        const char* label;
        int labelVisible;
        const char* label2;
        int label2Visible;
        std::vector<std::string> texts;
        int labelAlign;
    };
    const int right = kAlignRight | kAlignTop, centre = kAlignCenter | kAlignTop, left = kAlignLeft | kAlignTop;
    const Row rows[] = {
        {"feed-through preview", kTypeTerminalI, true, "", 0, "", 0, {"   -X", " ", " "}, centre},
        {"feed-through placed, names shown", kTypeTerminalI, false, "-X2", 1, "", 0, {"  -X2", "11", "12"}, centre},
        {"feed-through placed, names hidden", kTypeTerminalI, false, "-X2", 1, "", 0, {"  -X2", " ", " "}, centre},
        {"terminal circle preview", kTypeTerminalII, true, "", 0, "", 0, {"   -X", " "}, right},
        {"terminal circle placed", kTypeTerminalII, false, "-X3", 1, "Q", 1, {"  -X3", "    Q", "11"}, right},
        {"strip placed", kTypeTerminalStrip3, false, "-X4", 1, "", 0, {"  -X4"}, right},
        {"left-hand point repeats its label", kTypeConnectionPointLeft, false, "-X7", 1, "", 0, {"  -X7", "-X7"},
         left},
        {"left-hand point repeats its second text", kTypeConnectionPointLeft, false, "-X7", 1, "AB", 1,
         {"  -X7", "   AB", "AB"}, left},
        {"right-hand point preview", kTypeConnectionPointRight, true, "", 0, "", 0, {"   -X", "-X"}, right},
        {"right-hand point, long label", kTypeConnectionPointRight, false, "ABCDEFG", 1, "", 0, {"ABCDE", "ABC"},
         right},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        SymbolSheet s;
        s.place(row.type, 20, 20);
        s.view.m_label[0] = row.label;
        s.view.m_labelVisible[0] = row.labelVisible;
        s.view.m_label2[0] = row.label2;
        s.view.m_label2Visible[0] = row.label2Visible;
        const bool namesShown = std::string(row.name).find("hidden") == std::string::npos;
        for (int k = 0; k < 2; ++k) {
            s.view.m_terminalName[0][k] = k == 0 ? "11" : "12";
            s.view.m_terminalNameVisible[0][k] = namesShown ? 1 : 0;
        }
        if (row.preview)
            s.drawPreview(row.type);
        else
            s.drawPlaced(0, g_colorBlack);
        std::vector<std::string> texts;
        for (const DcCall& c : s.dc.callsOf(DcOp::TextOut)) texts.push_back(c.text);
        EXPECT_EQ(texts, row.texts);
        ASSERT_FALSE(texts.empty());
        EXPECT_EQ(s.dc.callsOf(DcOp::TextOut)[0].textAlign, row.labelAlign);
    }
}
