// Fixed supplies, the earth symbol and the battery: the sources that put letters
// onto the wires at their terminals, their clash checks and how they are drawn.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "render/Colors.h"
#include "symbol_sheet.h"

using namespace velk;
using velk::symboltest::kEarthFault;
using velk::symboltest::kShortCircuit;
using velk::symboltest::SymbolSheet;
using velk::testkit::DcCall;
using velk::testkit::DcOp;

namespace {

// A terminal of a source: its point in drawing units from the insertion point
// (orientation 0) and the letter it forces.
struct SourceTerminal {
    Point at;
    char letter;
};

struct SourceRow {
    const char* name;
    int type;
    std::vector<SourceTerminal> terminals;
};

// Conductor k of a fixed supply ends 30 symbol units (6 drawing units) right of
// conductor 0; the earth symbol's terminal is the top of its lead, the battery's
// the ends of its two leads.
const std::vector<SourceRow>& sources() {
    static const std::vector<SourceRow> rows = {
        {"L", kTypeSupplyL, {{{0, 0}, '1'}}},
        {"N", kTypeSupplyN, {{{0, 0}, 'N'}}},
        {"PE", kTypeSupplyPE, {{{0, 0}, 'P'}}},
        {"L N", kTypeSupplyLN, {{{0, 0}, '1'}, {{6, 0}, 'N'}}},
        {"L N PE", kTypeSupplyLNPE, {{{0, 0}, '1'}, {{6, 0}, 'N'}, {{12, 0}, 'P'}}},
        {"L1 L2 L3", kTypeSupplyL1L2L3, {{{0, 0}, '1'}, {{6, 0}, '2'}, {{12, 0}, '3'}}},
        {"L1 L2 L3 PE", kTypeSupplyL1L2L3PE, {{{0, 0}, '1'}, {{6, 0}, '2'}, {{12, 0}, '3'}, {{18, 0}, 'P'}}},
        {"L1 L2 L3 N", kTypeSupplyL1L2L3N, {{{0, 0}, '1'}, {{6, 0}, '2'}, {{12, 0}, '3'}, {{18, 0}, 'N'}}},
        {"L1 L2 L3 N PE",
         kTypeSupplyL1L2L3NPE,
         {{{0, 0}, '1'}, {{6, 0}, '2'}, {{12, 0}, '3'}, {{18, 0}, 'N'}, {{24, 0}, 'P'}}},
        {"plus", kTypeSupplyPlus, {{{0, 0}, '+'}}},
        {"minus", kTypeSupplyMinus, {{{0, 0}, '-'}}},
        {"plus minus", kTypeSupplyPlusMinus, {{{0, 0}, '+'}, {{6, 0}, '-'}}},
        {"earth symbol", kTypeEarthSymbol, {{{3, 0}, 'P'}}},
        {"battery", kTypeBattery, {{{3, 0}, '+'}, {{3, 9}, '-'}}},
    };
    return rows;
}

}  // namespace

// Every source writes its letter onto every wire with an end on one of its
// terminals, and onto no other, in all eight orientations and at every whole zoom.
// The wire passes are left out, so that only the sources write.
TEST(Supplies, FeedEveryWireAtTheirTerminals) {
    const Point origin{60, 50};
    const double zooms[] = {1, 2, 3, 7};
    for (const SourceRow& row : sources()) {
        for (int code = 0; code < 8; ++code) {
            for (double zoom : zooms) {
                SCOPED_TRACE(std::string(row.name) + ", orientation " + std::to_string(code) + ", zoom " +
                             std::to_string(zoom));
                SymbolSheet s;
                s.view.m_wirePassProbe = [](Dc&) {};
                s.doc.m_zoom = zoom;
                s.place(row.type, origin.x, origin.y, code);
                std::vector<int> fed, missed;
                std::string expected;
                for (const SourceTerminal& t : row.terminals) {
                    const Point p = symboltest::turned(code, t.at);
                    const Point end{origin.x + p.x, origin.y + p.y};
                    fed.push_back(s.wire(end.x, end.y, end.x + 40, end.y + 40));
                    expected += t.letter;
                    missed.push_back(s.wire(end.x + 1, end.y, end.x + 40, end.y + 40));
                    missed.push_back(s.wire(end.x - 40, end.y - 40, end.x, end.y - 1));
                }
                // A wire whose second end lies on the first terminal is fed as well.
                const Point p0 = symboltest::turned(code, row.terminals[0].at);
                fed.push_back(s.wire(origin.x + p0.x - 40, origin.y + p0.y, origin.x + p0.x, origin.y + p0.y));
                expected += row.terminals[0].letter;

                s.simulate();
                std::string got, dead;
                for (int j : fed) got += s.letter(j);
                for (int j : missed) dead += s.letter(j);
                EXPECT_EQ(got, expected);
                EXPECT_EQ(dead, std::string(missed.size(), '0'));
                EXPECT_EQ(s.box(), "");
            }
        }
    }
}

// A source checks the letter a touching wire already carries before it writes its
// own: another supply letter is a short circuit, protective earth an earth fault
// (for an earth source every supply letter is), and any other letter is simply
// overwritten. After a report the wire keeps the "0" the report gave it.
TEST(Supplies, ClashTableOfTheSourceRule) {
    const std::string wireLetters = "0123NP+-ZAY";
    struct Clash {
        char source;
        const char* outcome;  // per wire letter: '.' written, 'S' short circuit, 'E' earth fault
    };
    const Clash table[] = {
        {'1', "..SSSESS..."}, {'2', ".S.SSESS..."}, {'3', ".SS.SESS..."}, {'N', ".SSS.ESS..."},
        {'P', ".EEEE.EE..."}, {'+', ".SSSSE.S..."}, {'-', ".SSSSES...."},
    };
    for (const SourceRow& row : sources()) {
        for (const SourceTerminal& t : row.terminals) {
            const Clash* clash = nullptr;
            for (const Clash& c : table)
                if (c.source == t.letter) clash = &c;
            ASSERT_NE(clash, nullptr);
            for (std::size_t w = 0; w < wireLetters.size(); ++w) {
                SCOPED_TRACE(std::string(row.name) + " terminal '" + t.letter + "' on a wire carrying '" +
                             wireLetters[w] + "'");
                SymbolSheet s;
                s.view.m_wirePassProbe = [](Dc&) {};
                s.place(row.type, 60, 50);
                const int wire = s.wire(60 + t.at.x, 50 + t.at.y, 100, 100);
                s.setLetter(wire, wireLetters[w]);
                s.view.m_simulating = 1;
                s.paint();
                switch (clash->outcome[w]) {
                    case 'S': EXPECT_EQ(s.box(), kShortCircuit); break;
                    case 'E': EXPECT_EQ(s.box(), kEarthFault); break;
                    default: EXPECT_EQ(s.box(), ""); break;
                }
                EXPECT_EQ(s.letter(wire), clash->outcome[w] == '.' ? t.letter : '0');
                EXPECT_EQ(s.view.m_simulating, clash->outcome[w] == '.' ? 1 : 0);
            }
        }
    }
}

// Two sources on one wire, as a user would wire them: the one that runs second
// finds the first one's letter.
TEST(Supplies, TwoSourcesOnOneWire) {
    struct Row {
        const char* name;
        int first, second;
        Point secondTerminal;  // from its insertion point
        char letter;           // of the wire when nothing is reported
        const char* box;
    };
    const Row rows[] = {
        {"two supplies L", kTypeSupplyL, kTypeSupplyL, {0, 0}, '1', ""},
        {"supply L and supply N", kTypeSupplyL, kTypeSupplyN, {0, 0}, '0', kShortCircuit},
        {"supply + and supply -", kTypeSupplyPlus, kTypeSupplyMinus, {0, 0}, '0', kShortCircuit},
        {"earth symbol on a neutral wire", kTypeSupplyN, kTypeEarthSymbol, {3, 0}, '0', kEarthFault},
        {"supply PE on a wire that supply L feeds", kTypeSupplyL, kTypeSupplyPE, {0, 0}, '0', kEarthFault},
        {"supply PE and an earth symbol", kTypeSupplyPE, kTypeEarthSymbol, {3, 0}, 'P', ""},
        {"battery plus and supply +", kTypeSupplyPlus, kTypeBattery, {3, 0}, '+', ""},
        {"battery plus and supply -", kTypeSupplyMinus, kTypeBattery, {3, 0}, '0', kShortCircuit},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        SymbolSheet s;
        s.place(row.first, 20, 20);
        s.place(row.second, 60 - row.secondTerminal.x, 20 - row.secondTerminal.y);
        const int wire = s.wire(20, 20, 60, 20);
        s.simulate();
        EXPECT_EQ(s.box(), row.box);
        EXPECT_EQ(s.letter(wire), row.letter);
    }
}

// After a report the source returns at once: the conductors after the faulty one
// are neither drawn nor fed.
TEST(Supplies, DrawNothingMoreAfterAFault) {
    SymbolSheet s;
    s.view.m_wirePassProbe = [](Dc&) {};
    s.place(kTypeSupplyL1L2L3NPE, 20, 20);
    const int l2 = s.wire(26, 20, 26, 40);
    const int l1 = s.wire(20, 20, 20, 40);
    s.view.m_simulating = 1;
    s.setLetter(l1, 'N');
    s.paint();
    EXPECT_EQ(s.box(), kShortCircuit);
    EXPECT_EQ(s.dc.count(DcOp::Ellipse), 1) << s.dc.transcript();
    for (const DcCall& c : s.dc.callsOf(DcOp::TextOut)) EXPECT_NE(c.text, "L2 ");
    EXPECT_EQ(s.letters({l1, l2}), "00");
}

// The supplies of the three-phase fixture feed exactly the wires at their
// terminals, and the wire pass keeps the phases apart.
TEST(Supplies, ThreePhaseFixtureAtEveryZoom) {
    for (double zoom : {1.0, 2.0, 5.0, 20.0}) {
        SCOPED_TRACE(zoom);
        SymbolSheet s;
        ASSERT_TRUE(s.load("supply_three_phase.cad"));
        ASSERT_EQ(s.view.m_componentCount, 5);
        s.doc.m_zoom = zoom;
        s.simulate(2);
        // Slots: the supply, the wires at (40, 20), (46, 20), (52, 20) and (43, 20).
        EXPECT_EQ(s.letters({1, 2, 3, 4}), "1230");
        EXPECT_EQ(s.box(), "");
    }
}

namespace {

// The colours of what a call drew, one letter per drawing call: k black,
// m maroon, b blue, g green, r red, ? any other.
std::string colorsDrawn(const testkit::RecordingDc& dc) {
    std::string s;
    for (const DcCall& c : dc.calls()) {
        if (!testkit::isDrawingOp(c.op) || c.op == DcOp::MoveTo) continue;
        const Color color = c.op == DcOp::TextOut ? c.textColor : c.pen.color;
        s += color == g_colorBlack    ? 'k'
             : color == g_colorMaroon ? 'm'
             : color == g_colorBlue   ? 'b'
             : color == g_colorGreen  ? 'g'
             : color == g_colorRed    ? 'r'
                                      : '?';
    }
    return s;
}

}  // namespace

// The texts a source shows: its label (the default in the preview, nothing when
// hidden, at most five characters), its second text only when placed and shown,
// and its fixed terminal texts, whatever names the slot stores.
TEST(Supplies, Texts) {
    struct Row {
        const char* name;
        int type;
        bool preview;
        const char* label;
        int labelVisible;
        const char* label2;
        int label2Visible;
        std::vector<std::string> texts;
        Point labelAt;  // the label's anchor at origin (100, 100), one pixel per unit
    };
    const Row rows[] = {
        {"supply preview", kTypeSupplyL1L2L3NPE, true, "", 0, "", 0,
         {"   -X", "L1 ", "L2 ", "L3 ", "N  ", "PE "}, {90, 77}},
        {"supply placed with both texts", kTypeSupplyL1L2L3NPE, false, "-X1", 1, "Q2", 1,
         {"  -X1", "   Q2", "L1 ", "L2 ", "L3 ", "N  ", "PE "}, {90, 77}},
        {"supply with its label hidden", kTypeSupplyL, false, "-X1", 0, "", 0, {"     ", "L  "}, {90, 77}},
        {"a long label is cut to five", kTypeSupplyLNPE, false, "-X123456", 1, "", 0,
         {"-X123", "L  ", "N  ", "PE "}, {90, 77}},
        {"DC supplies show no terminal text", kTypeSupplyPlusMinus, true, "", 0, "", 0, {"   -X", "   ", "   "},
         {90, 77}},
        {"earth symbol preview has no label", kTypeEarthSymbol, true, "", 0, "", 0, {"     ", "   "}, {100, 87}},
        {"earth symbol placed", kTypeEarthSymbol, false, "E1", 1, "PE", 1, {"   E1", "   PE", "   "}, {100, 87}},
        {"battery preview", kTypeBattery, true, "", 0, "", 0, {"   -V", " ", " "}, {90, 97}},
        {"battery never shows its terminal names", kTypeBattery, false, "-V", 1, "", 0, {"   -V", " ", " "},
         {90, 97}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        SymbolSheet s;
        s.place(row.type, 20, 20);
        s.view.m_label[0] = row.label;
        s.view.m_labelVisible[0] = row.labelVisible;
        s.view.m_label2[0] = row.label2;
        s.view.m_label2Visible[0] = row.label2Visible;
        s.view.m_terminalName[0][0] = "X9";
        s.view.m_terminalNameVisible[0][0] = 1;
        if (row.preview) {
            // What an undo left beyond the count is not the preview's.
            s.view.m_label[1] = "OLD";
            s.view.m_label2[1] = "OLD2";
            s.view.m_label2Visible[1] = 1;
            s.drawPreview(row.type);
        } else {
            s.drawPlaced(0, g_colorBlack);
        }
        std::vector<std::string> texts;
        for (const DcCall& c : s.dc.callsOf(DcOp::TextOut)) texts.push_back(c.text);
        EXPECT_EQ(texts, row.texts);
        ASSERT_FALSE(texts.empty());
        EXPECT_EQ(s.dc.callsOf(DcOp::TextOut)[0].point(), row.labelAt);
    }
}

// Outside simulation a source is drawn in the paint's colour; while simulating
// each conductor takes the colour of its letter, the earth symbol is green and the
// battery body black, while the labels (and the battery's terminal texts, which
// come before its colour) keep the paint's colour.
TEST(Supplies, Colors) {
    struct Row {
        const char* name;
        int type;
        bool simulating;
        const char* colors;
    };
    const Row rows[] = {
        {"three phases, neutral and earth", kTypeSupplyL1L2L3NPE, true, "rmmmmmmmmmbbbggg"},
        {"plus and minus", kTypeSupplyPlusMinus, true, "rrrrrrkkkk"},
        {"minus", kTypeSupplyMinus, true, "rkkkk"},
        {"earth symbol", kTypeEarthSymbol, true, "rggggg"},
        {"battery", kTypeBattery, true, "rrrkkkk"},
        {"supply in the edit mode", kTypeSupplyLN, false, "rrrrrrr"},
        {"battery in the edit mode", kTypeBattery, false, "rrrrrrr"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        SymbolSheet s;
        s.place(row.type, 20, 20);
        s.view.m_simulating = row.simulating ? 1 : 0;
        // The paint presets red for a picked slot.
        s.drawPlaced(0, g_colorRed);
        EXPECT_EQ(colorsDrawn(s.dc), row.colors) << s.dc.transcript();
    }
}
