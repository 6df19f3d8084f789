// Contactor main contacts: what a closed pole does with the letters at its two
// terminals, when the contact is drawn, and how it looks in the preview. Each
// routine is called once for one slot, as the paint calls it, after Simulate has
// numbered the nets; the letters are then set on the wires by hand.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "render/Colors.h"
#include "render/Paint.h"
#include "render/Potentials.h"
#include "symbol_sheet.h"

using namespace velk;
using velk::symboltest::SymbolSheet;
using velk::testkit::DcCall;
using velk::testkit::DcOp;

namespace {

constexpr int kX = 60, kY = 60;  // the contact; its bottom terminals lie 12 units below

int linesDrawn(const testkit::RecordingDc& dc) {
    const auto& calls = dc.calls();
    return static_cast<int>(std::count_if(calls.begin(), calls.end(), [](const DcCall& c) { return c.op == DcOp::LineTo; }));
}

std::vector<std::string> textsDrawn(const testkit::RecordingDc& dc) {
    std::vector<std::string> out;
    for (const DcCall& c : dc.calls())
        if (c.op == DcOp::TextOut) out.push_back(c.text);
    return out;
}

// One contact on a small sheet: for each pole a net above (one wire up to the
// top terminal) and a net below (a wire down from the bottom terminal, a second
// wire on from it and a dot where they meet).
class PoleBench {
public:
    struct PoleNets {
        int top, bottom, bottomOn, dot;
    };

    void build(int type, int poles) {
        contact = sheet.place(type, kX, kY);
        sheet.view.m_label[contact] = "-K1";
        for (int p = 0; p < poles; ++p) {
            const int x = kX + 6 * p;
            PoleNets n{};
            n.top = sheet.wire(x, kY - 9, x, kY);
            n.bottom = sheet.wire(x, kY + 12, x, kY + 18);
            n.bottomOn = sheet.wire(x, kY + 18, x, kY + 30);
            n.dot = sheet.place(kTypeConnectionDot, x, kY + 18);
            nets.push_back(n);
        }
        sheet.view.OnModeRun();
        ASSERT_EQ(sheet.view.m_simulating, 1);
        for (const PoleNets& n : nets) {
            ASSERT_EQ(sheet.net(n.bottom), sheet.net(n.bottomOn));
            ASSERT_NE(sheet.net(n.bottom), sheet.net(n.top));
        }
    }
    void setTop(int p, char c) { sheet.setLetter(nets[p].top, c); }
    void setBottom(int p, char c) {
        for (int i : {nets[p].bottom, nets[p].bottomOn, nets[p].dot}) sheet.setLetter(i, c);
    }
    std::string bottomLetters(int p) const {
        return sheet.letters({nets[p].bottom, nets[p].bottomOn, nets[p].dot});
    }
    // One evaluation of the contact, closed or open, drawn before as `drawn`.
    void evaluate(int state, int drawn = 0) {
        sheet.view.m_state[contact] = state;
        sheet.view.m_drawnState[contact] = drawn;
        sheet.drawPlaced(contact, g_colorBlack);
    }

    SymbolSheet sheet;
    int contact = -1;
    std::vector<PoleNets> nets;
};

}  // namespace

TEST(MainContacts, ClosedPoleJoinsItsTwoLetters) {
    struct Row {
        const char* name;
        char top, bottom;
        char topAfter, bottomAfter;
        const char* box;
    };
    const Row rows[] = {
        {"live top feeds the dead net and its dot", '1', '0', '1', '1', ""},
        {"live bottom feeds upward", '0', '1', '1', '1', ""},
        {"protective earth is fed silently", 'P', '0', 'P', 'P', ""},
        {"a star point mark travels like any letter", 'Y', '0', 'Y', 'Y', ""},
        {"a phase against a dead winding does nothing", '1', 'Z', '1', 'Z', ""},
        {"equal letters do nothing", 'N', 'N', 'N', 'N', ""},
        {"star point below a candidate upgrades it", 'y', 'Y', 'Y', 'Y', ""},
        {"star point above a candidate upgrades it", 'Y', 'y', 'Y', 'Y', ""},
        {"two phases short-circuit", '1', '2', '0', '0', symboltest::kShortCircuit},
        {"a phase against earth", '1', 'P', '0', '0', symboltest::kEarthFault},
        {"minus against neutral", '-', 'N', '0', '0', symboltest::kShortCircuit},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        PoleBench b;
        b.build(kTypeMainContactsI, 1);
        b.setTop(0, r.top);
        b.setBottom(0, r.bottom);
        b.evaluate(1);
        EXPECT_EQ(b.sheet.box(), r.box);
        EXPECT_EQ(b.sheet.letter(b.nets[0].top), r.topAfter);
        EXPECT_EQ(b.bottomLetters(0), std::string(3, r.bottomAfter));
        if (*r.box) {
            // The report ends the call: no blade, lead or dash is drawn.
            EXPECT_EQ(b.sheet.view.m_simulating, 0);
            EXPECT_EQ(linesDrawn(b.sheet.dc), 0);
        } else {
            EXPECT_GT(linesDrawn(b.sheet.dc), 0);
        }
        // The star step marks what it upgrades like the feed step.
        const bool fedDown = (r.top != '0' && r.bottom == '0') || (r.top == 'Y' && r.bottom == 'y');
        const bool fedUp = (r.top == '0' && r.bottom != '0') || (r.top == 'y' && r.bottom == 'Y');
        EXPECT_EQ(b.sheet.view.m_terminalPotential[b.nets[0].bottom][1].letter() == kPotentialFedMark, fedDown);
        EXPECT_EQ(b.sheet.view.m_terminalPotential[b.nets[0].dot][1].letter() == kPotentialFedMark, fedDown);
        EXPECT_EQ(b.sheet.view.m_terminalPotential[b.nets[0].top][0].letter() == kPotentialFedMark, fedUp);
    }
}

TEST(MainContacts, OpenPolePassesAndChecksNothing) {
    PoleBench b;
    b.build(kTypeMainContactsII, 2);
    b.setTop(0, '1');
    b.setTop(1, '1');
    b.setBottom(1, '2');
    b.evaluate(0);
    EXPECT_EQ(b.sheet.box(), "");
    EXPECT_EQ(b.bottomLetters(0), "000");
    EXPECT_EQ(b.sheet.view.m_simulating, 1);
}

TEST(MainContacts, FourthPoleTakesNoStarStepButCarriesTheMarks) {
    PoleBench b;
    b.build(kTypeMainContactsIIII, 4);
    b.setTop(3, 'Y');
    b.setBottom(3, 'y');
    b.evaluate(1);
    EXPECT_EQ(b.bottomLetters(3), "yyy");
    b.setTop(3, 'y');
    b.setBottom(3, 'Y');
    b.evaluate(1);
    EXPECT_EQ(b.sheet.letter(b.nets[3].top), 'y');
    // The first three poles do take it.
    b.setTop(2, 'y');
    b.setBottom(2, 'Y');
    b.evaluate(1);
    EXPECT_EQ(b.sheet.letter(b.nets[2].top), 'Y');
    b.setTop(3, 'Y');
    b.setBottom(3, '0');
    b.evaluate(1);
    EXPECT_EQ(b.bottomLetters(3), "YYY");
}

// Three poles whose bottoms share one dead net, the tops at "Y", "y", "y": the
// later poles' feeds win on each wire, then the star steps of the next passes
// form the star point on every side.
TEST(MainContacts, StarPointFormsAcrossThreePolesInThreePasses) {
    PoleBench b;
    b.contact = b.sheet.place(kTypeMainContactsIII, kX, kY);
    int tops[3], bottoms[3];
    for (int p = 0; p < 3; ++p) {
        const int x = kX + 6 * p;
        tops[p] = b.sheet.wire(x, kY - 9, x, kY);
        bottoms[p] = b.sheet.wire(x, kY + 12, x, kY + 18);
    }
    const int bridge1 = b.sheet.wire(kX, kY + 18, kX + 6, kY + 18);
    const int bridge2 = b.sheet.wire(kX + 6, kY + 18, kX + 12, kY + 18);
    b.sheet.view.OnModeRun();
    ASSERT_EQ(b.sheet.net(bottoms[0]), b.sheet.net(bottoms[2]));
    ASSERT_EQ(b.sheet.net(bottoms[0]), b.sheet.net(bridge2));
    b.sheet.setLetter(tops[0], 'Y');
    b.sheet.setLetter(tops[1], 'y');
    b.sheet.setLetter(tops[2], 'y');
    const std::initializer_list<int> star = {bottoms[0], bottoms[1], bottoms[2], bridge1, bridge2};

    b.evaluate(1);
    EXPECT_EQ(b.sheet.letters(star), "yyyyy");
    b.evaluate(1, 1);
    EXPECT_EQ(b.sheet.letters(star), "YYYYY");
    EXPECT_EQ(b.sheet.letters({tops[0], tops[1], tops[2]}), "Yyy");
    b.evaluate(1, 1);
    EXPECT_EQ(b.sheet.letters({tops[0], tops[1], tops[2]}), "YYY");
    EXPECT_EQ(b.sheet.box(), "");
}

TEST(MainContacts, TerminalScan) {
    PoleBench b;
    b.contact = b.sheet.place(kTypeMainContactsI, kX, kY);
    const int top = b.sheet.wire(kX, kY - 9, kX, kY);
    // Only a dot on the bottom terminal: unconnected, whatever its net.
    const int dot = b.sheet.place(kTypeConnectionDot, kX, kY + 12);
    const int dotWire = b.sheet.wire(kX + 3, kY + 12, kX + 9, kY + 12);
    b.sheet.view.OnModeRun();
    b.sheet.view.m_terminalLink[b.contact][1] = b.sheet.net(dotWire);
    b.sheet.setLetter(top, '1');
    b.evaluate(1);
    EXPECT_EQ(b.sheet.letters({dot, dotWire}), "00");

    // Two wires on one terminal: the later one gives the letter and the net.
    SymbolSheet two;
    const int c = two.place(kTypeMainContactsI, kX, kY);
    const int t = two.wire(kX, kY - 9, kX, kY);
    const int earlier = two.wire(kX, kY + 12, kX - 9, kY + 12);
    const int later = two.wire(kX, kY + 12, kX + 9, kY + 12);
    two.view.OnModeRun();
    // Kept apart by hand, as two b.nets would be.
    two.view.m_netNumber[earlier] = 100;
    two.view.m_netNumber[later] = 101;
    two.setLetter(t, '2');
    two.view.m_state[c] = 1;
    two.drawPlaced(c, g_colorBlack);
    EXPECT_EQ(two.view.m_terminalLink[c][1], 101);
    EXPECT_EQ(two.letters({earlier, later}), "02");
}

TEST(MainContacts, BodyIsDrawnOnlyWhenTheStateChanged) {
    PoleBench b;
    b.build(kTypeMainContactsIII, 3);
    b.evaluate(1, 1);
    EXPECT_EQ(linesDrawn(b.sheet.dc), 0);
    EXPECT_FALSE(textsDrawn(b.sheet.dc).empty());  // label and terminal names every pass

    b.evaluate(1, 0);
    EXPECT_EQ(b.sheet.view.m_drawnState[b.contact], 1);
    int red = 0, white = 0;
    for (const DcCall& c : b.sheet.dc.calls()) {
        if (c.op != DcOp::LineTo) continue;
        if (c.pen.color == g_colorRed) ++red;
        if (c.pen.color == g_colorWhite) ++white;
    }
    // Leads, closed blades, stubs and dashes red; open blades and dashes erased.
    EXPECT_EQ(red, 6 + 3 + 3 + 3);
    EXPECT_EQ(white, 3 + 3);

    b.evaluate(0, 1);
    EXPECT_EQ(b.sheet.view.m_drawnState[b.contact], 0);
    EXPECT_EQ(linesDrawn(b.sheet.dc), 6 + 9 + 6);
}

TEST(MainContacts, PreviewShowsTheDefaultsOpen) {
    PoleBench b;
    struct Row {
        int type;
        int lines;  // leads, open blades, open dashes
        std::vector<std::string> names;
    };
    const Row rows[] = {
        {kTypeMainContactsI, 3, {"1", "2"}},
        {kTypeMainContactsII, 8, {"1", "3", "2", "4"}},
        {kTypeMainContactsIII, 12, {"1", "3", "5", "2", "4", "6"}},
        {kTypeMainContactsIIII, 16, {"1", "3", "5", "7", "2", "4", "6", "8"}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.type);
        b.sheet.drawPreview(r.type);
        EXPECT_EQ(linesDrawn(b.sheet.dc), r.lines);
        std::vector<std::string> expected = {"  -KM"};
        expected.insert(expected.end(), r.names.begin(), r.names.end());
        EXPECT_EQ(textsDrawn(b.sheet.dc), expected);
    }
}
