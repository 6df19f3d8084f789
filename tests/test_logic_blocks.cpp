// The logic blocks: the output rule of every member over its inputs, the input
// checks against the output, where the terminals are, the colours of both states,
// the negation bubble and its brush, and blocks wired with the mouse.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "kept_pictures.h"
#include "render/Colors.h"
#include "render/Terminals.h"
#include "res/Resource.h"
#include "symbol_sheet.h"
#include "testkit/testkit.h"

using namespace velk;
using velk::symboltest::kEarthFault;
using velk::symboltest::kShortCircuit;
using velk::symboltest::SymbolSheet;
using velk::testkit::DcCall;
using velk::testkit::DcOp;

namespace {

enum class Rule { And, Or, Nand, Nor, Not, Exor };

struct Member {
    int type;
    int inputs;
    Rule rule;
    bool bubble;
    const char* secondY;  // the second text's row, symbol units
};

constexpr Member kMembers[] = {
    {kTypeAnd2, 2, Rule::And, false, "46"},   {kTypeAnd3, 3, Rule::And, false, "76"},
    {kTypeAnd4, 4, Rule::And, false, "106"},  {kTypeAnd5, 5, Rule::And, false, "136"},
    {kTypeOr2, 2, Rule::Or, false, "46"},     {kTypeOr3, 3, Rule::Or, false, "76"},
    {kTypeOr4, 4, Rule::Or, false, "106"},    {kTypeOr5, 5, Rule::Or, false, "136"},
    {kTypeNand2, 2, Rule::Nand, true, "46"},  {kTypeNand3, 3, Rule::Nand, true, "76"},
    {kTypeNand4, 4, Rule::Nand, true, "106"}, {kTypeNand5, 5, Rule::Nand, true, "136"},
    {kTypeNor2, 2, Rule::Nor, true, "46"},    {kTypeNor3, 3, Rule::Nor, true, "76"},
    {kTypeNor4, 4, Rule::Nor, true, "106"},   {kTypeNor5, 5, Rule::Nor, true, "136"},
    {kTypeNot, 1, Rule::Not, true, "16"},     {kTypeExor, 2, Rule::Exor, false, "46"},
};

const Member& memberOf(int type) {
    for (const Member& m : kMembers)
        if (m.type == type) return m;
    return kMembers[0];
}

std::string nameOf(int type) { return CVelkarionView::routineNameFor(type); }

bool expectedOutput(Rule rule, int ones, int inputs) {
    switch (rule) {
        case Rule::And: return ones == inputs;
        case Rule::Or: return ones > 0;
        case Rule::Nand: return ones < inputs;
        case Rule::Nor:
        case Rule::Not: return ones == 0;
        case Rule::Exor: return ones == 1;
    }
    return false;
}

// The function signs in the box, as the "TEXT" fields hold them.
std::vector<std::string> signsOf(const Member& m) {
    switch (m.rule) {
        case Rule::And:
        case Rule::Nand: return {"&    "};
        case Rule::Or:
        case Rule::Nor: return {">    ", "=    ", "1    "};
        case Rule::Exor: return {"=    ", "1    "};
        case Rule::Not: break;
    }
    return {};
}

// Terminal ends in symbol units, orientation 0: input k at (0, 30k), the output on
// the last input's row at (75, 30(n-1)).
Point inputEnd(int k) { return {0, 30 * k}; }
Point outputEnd(int inputs) { return {75, 30 * (inputs - 1)}; }

// A sheet of blocks whose routines are called the way the paint calls them.
class LogicSheet : public SymbolSheet {
public:
    LogicSheet() {
        g_simPass = 0;
        clearTerminalPoint();
    }
    ~LogicSheet() {
        g_simPass = 0;
        clearTerminalPoint();
    }

    int block(int type, int x = 60, int y = 60, int code = 0) {
        const int i = place(type, x, y, code);
        view.m_label[i] = "-U";
        view.m_labelVisible[i] = 1;
        return i;
    }
    // The drawing-unit point of a symbol-unit point of a placed block.
    Point end(int slot, Point symbolPoint) const {
        const Point t = symboltest::turned(view.m_orientation[slot], symbolPoint);
        return {view.m_x[slot] + t.x / 5, view.m_y[slot] + t.y / 5};
    }
    // A short horizontal wire ending on the point from the left (wires are kept
    // horizontal or vertical, left end first).
    int wireAt(int slot, Point symbolPoint, char letter = '0', int type = kTypeWirePhase) {
        const Point e = end(slot, symbolPoint);
        return addLine(type, e.x - 2, e.y, e.x, e.y, letter);
    }
    // Call `slot`'s routine once as evaluation pass `pass` of a running simulation.
    void evaluate(int slot, int pass) {
        view.m_simulating = 1;
        g_simPass = pass;
        view.m_penColor = g_colorBlack;
        drawPlaced(slot, g_colorBlack, 5, {300, 300});
    }
};

// The drawn calls of one routine call, in symbol units around the origin (300, 300)
// at zoom 5.
Point local(Point p) { return {p.x - 300, p.y - 300}; }

struct Stroke {
    Point a, b;
    Color color;
};

std::vector<Stroke> linesOf(const testkit::RecordingDc& dc) {
    std::vector<Stroke> out;
    for (const DcCall& c : dc.calls())
        if (c.op == DcOp::LineTo) out.push_back({local(c.point(0)), local(c.point(1)), c.pen.color});
    return out;
}

Color colorOfLine(const std::vector<Stroke>& lines, Point a, Point b) {
    for (const Stroke& s : lines)
        if (s.a == a && s.b == b) return s.color;
    return Surface::kInvalidColor;
}

}  // namespace

// Every member over every mix of "+" inputs, "0" inputs and inputs without a wire:
// the output wire carries "+" exactly when the rule says 1, and the state follows.
TEST(LogicBlocks, TruthTableOfEveryMember) {
    for (const Member& m : kMembers) {
        LogicSheet s;
        const int b = s.block(m.type);
        std::vector<int> inputs;
        for (int k = 0; k < m.inputs; ++k) inputs.push_back(s.wireAt(b, inputEnd(k)));
        const int out = s.wireAt(b, outputEnd(m.inputs));
        int combinations = 1;
        for (int k = 0; k < m.inputs; ++k) combinations *= 3;
        for (int c = 0; c < combinations; ++c) {
            std::string mix;
            int ones = 0;
            for (int k = 0, code = c; k < m.inputs; ++k, code /= 3) {
                const char what = "+0-"[code % 3];  // '-': no wire at the input
                mix += what;
                s.view.m_deleted[inputs[static_cast<std::size_t>(k)]] = what == '-' ? 1 : 0;
                ones += what == '+';
            }
            SCOPED_TRACE(nameOf(m.type) + " inputs " + mix + " ('-' unconnected)");
            s.view.OnModeRun();
            for (std::size_t k = 0; k < inputs.size(); ++k) s.setLetter(inputs[k], mix[k] == '+' ? '+' : '0');
            s.evaluate(b, 0);
            const bool on = expectedOutput(m.rule, ones, m.inputs);
            EXPECT_EQ(s.letter(out), on ? '+' : '0');
            EXPECT_EQ(s.view.m_state[b], on ? 1 : 0);
            EXPECT_EQ(s.view.m_terminalLink[b][m.inputs], out);
        }
    }
}

// The inverting members rest at 1 through whole paints: nothing at their inputs,
// "+" on their output wire, the others at 0.
TEST(LogicBlocks, InvertingMembersRestAtOne) {
    for (const Member& m : kMembers) {
        SCOPED_TRACE(nameOf(m.type));
        LogicSheet s;
        const int b = s.block(m.type);
        const int out = s.wireAt(b, outputEnd(m.inputs));
        s.simulate(2);
        const bool rests = m.rule == Rule::Nand || m.rule == Rule::Nor || m.rule == Rule::Not;
        EXPECT_EQ(s.view.m_state[b], rests ? 1 : 0);
        EXPECT_EQ(s.letter(out), rests ? '+' : '0');
        EXPECT_EQ(s.box(), "");
    }
}

// An input against the block's own output stops the simulation on the pass after
// the block wrote: one report, after which the call writes and draws nothing.
TEST(LogicBlocks, InputAgainstOutputIsReportedOnce) {
    struct Row {
        const char* name;
        int type;
        std::vector<int> supplies;  // per input: the supply feeding it, 0 for none
        const char* box;
        const char* outputPerPass;  // the output wire's letter after each wire pass
    };
    const Row rows[] = {
        {"OR with + and -", kTypeOr2, {kTypeSupplyPlus, kTypeSupplyMinus}, kShortCircuit, "+0...."},
        {"OR with + and P", kTypeOr2, {kTypeSupplyPlus, kTypeSupplyPE}, kEarthFault, "+0...."},
        {"AND with P alone", kTypeAnd2, {kTypeSupplyPE, 0}, "", "000000"},
        {"NOT on -", kTypeNot, {kTypeSupplyMinus}, kShortCircuit, "+0...."},
        {"NOT on P", kTypeNot, {kTypeSupplyPE}, kEarthFault, "+0...."},
        {"NAND with + and N", kTypeNand2, {kTypeSupplyPlus, kTypeSupplyN}, kShortCircuit, "+0...."},
        {"NOR on a phase", kTypeNor2, {kTypeSupplyL, 0}, kShortCircuit, "+0...."},
        {"EXOR with + and -", kTypeExor, {kTypeSupplyPlus, kTypeSupplyMinus}, kShortCircuit, "+0...."},
        {"EXOR with + and +", kTypeExor, {kTypeSupplyPlus, kTypeSupplyPlus}, "", "000000"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        // The supplies come first in slot order, so the block sees their letters
        // from pass 0 on. Input k of a block at (60, 90) is at (60, 90 + 6k).
        LogicSheet s;
        const int n = memberOf(row.type).inputs;
        for (int k = 0; k < n; ++k) {
            const int supply = row.supplies[static_cast<std::size_t>(k)];
            if (supply == 0) continue;
            s.place(supply, 36, 90 + 6 * k);
            s.wire(36, 90 + 6 * k, 60, 90 + 6 * k);
        }
        const int b = s.block(row.type, 60, 90);
        const int out = s.wireAt(b, outputEnd(n));
        // The output wire's letter after the first wire pass of each evaluation pass.
        std::string perPass = "......";
        s.view.m_wirePassProbe = [&](Dc& dc) {
            s.view.DrawWires(dc);
            char& seen = perPass[static_cast<std::size_t>(g_simPass)];
            if (seen == '.') seen = s.letter(out);
        };
        s.simulate(1);
        EXPECT_EQ(s.box(), row.box);
        EXPECT_EQ(perPass, row.outputPerPass);
        if (*row.box) {
            // The report came on pass 1 of the first paint, and the block wrote,
            // latched and drew nothing after it.
            EXPECT_EQ(g_simPass, 1);
            EXPECT_EQ(s.letter(out), '0');
            EXPECT_EQ(s.view.m_state[b], 1);
            EXPECT_EQ(s.view.m_simulating, 0);
        }
    }
}

// Where the wires must end, in every orientation: inputs at (0, 30k), the output
// on the last input's row at (75, 30(n-1)), no drop below the terminal label.
TEST(LogicBlocks, TerminalsInEveryOrientation) {
    const int types[] = {kTypeAnd3, kTypeNand5, kTypeNot, kTypeExor};
    for (int type : types) {
        const Member& m = memberOf(type);
        for (int code = 0; code < 8; ++code) {
            SCOPED_TRACE(nameOf(type) + " orientation " + std::to_string(code));
            LogicSheet s;
            const int b = s.block(type, 90, 90, code);
            std::vector<int> inputs;
            for (int k = 0; k < m.inputs; ++k) inputs.push_back(s.wireAt(b, inputEnd(k), '+'));
            const int out = s.wireAt(b, outputEnd(m.inputs));
            // Where a dropped terminal or a middle output would be.
            const int dropped = s.wireAt(b, {75, 30 * (m.inputs - 1) + 15});
            const int above = m.inputs > 1 ? s.wireAt(b, {75, 30 * (m.inputs - 2)}) : -1;
            s.view.OnModeRun();
            for (int w : inputs) s.setLetter(w, '+');
            s.evaluate(b, 0);
            const bool on = expectedOutput(m.rule, m.inputs, m.inputs);
            for (int k = 0; k < m.inputs; ++k) EXPECT_EQ(s.view.m_terminalPotential[b][k].letter(), '+') << k;
            EXPECT_EQ(s.view.m_terminalLink[b][m.inputs], out);
            EXPECT_EQ(s.letter(out), on ? '+' : '0');
            EXPECT_EQ(s.letter(dropped), '0');
            if (above >= 0) {
                EXPECT_EQ(s.letter(above), '0');
            }
        }
    }
}

// The output is written to the one wire its scan found: a wire in slot 0 is a real
// output wire; without a wire the link says so and the state still follows the
// rule. Of two wires on one input the later slot is read.
TEST(LogicBlocks, OutputWireAndInputScan) {
    {
        SCOPED_TRACE("output wire in slot 0");
        LogicSheet s;
        const int out = s.addLine(kTypeWirePhase, 75, 66, 90, 66);
        ASSERT_EQ(out, 0);
        const int b = s.block(kTypeNor2);
        s.view.OnModeRun();
        s.evaluate(b, 0);
        EXPECT_EQ(s.view.m_terminalLink[b][2], 0);
        EXPECT_EQ(s.letter(out), '+');
    }
    {
        SCOPED_TRACE("no output wire");
        LogicSheet s;
        const int b = s.block(kTypeAnd2);
        const int in0 = s.wireAt(b, inputEnd(0));
        const int in1 = s.wireAt(b, inputEnd(1));
        const int elsewhere = s.addLine(kTypeWirePhase, 0, 0, 9, 0);
        s.view.OnModeRun();
        s.setLetter(in0, '+');
        s.setLetter(in1, '+');
        s.evaluate(b, 0);
        EXPECT_EQ(s.view.m_state[b], 1);
        EXPECT_EQ(s.view.m_terminalLink[b][2], -1);
        EXPECT_EQ(s.letter(elsewhere), '0');
        s.setLetter(in1, '0');
        s.evaluate(b, 1);
        EXPECT_EQ(s.view.m_state[b], 0);
    }
    for (const char* order : {"0+", "+0"}) {
        SCOPED_TRACE(std::string("two wires on input 0, in slot order ") + order);
        LogicSheet s;
        const int b = s.block(kTypeOr2);
        const int first = s.wireAt(b, inputEnd(0), order[0]);
        const int second = s.addLine(kTypeWirePhase, 60, 50, 60, 60, order[1]);
        const int out = s.wireAt(b, outputEnd(2));
        s.view.OnModeRun();
        s.setLetter(first, order[0]);
        s.setLetter(second, order[1]);
        s.evaluate(b, 0);
        EXPECT_EQ(s.view.m_terminalPotential[b][0].letter(), order[1]);
        EXPECT_EQ(s.view.m_terminalLink[b][0], s.net(second));
        EXPECT_EQ(s.letter(out), order[1]);
    }
}

// On pass 5 an active block shows red leads, a grey body, a red frame, red function
// signs and a red bubble ring; an inactive one grey leads, a silver body, a black
// frame and signs. Passes 0 to 4 draw no lead, body or sign.
TEST(LogicBlocks, StateColoursOnTheLastPass) {
    struct Row {
        int type;
        const char* inputs;  // letters of the input wires
        bool active;
    };
    const Row rows[] = {
        {kTypeAnd2, "++", true}, {kTypeAnd2, "+0", false}, {kTypeNand3, "000", true},
        {kTypeNand3, "+++", false}, {kTypeNot, "0", true}, {kTypeNot, "+", false},
        {kTypeExor, "+0", true}, {kTypeOr5, "00000", false},
    };
    for (const Row& row : rows) {
        const Member& m = memberOf(row.type);
        SCOPED_TRACE(nameOf(row.type) + " inputs " + row.inputs);
        LogicSheet s;
        const int b = s.block(row.type);
        std::vector<int> inputs;
        for (int k = 0; k < m.inputs; ++k) inputs.push_back(s.wireAt(b, inputEnd(k)));
        s.view.OnModeRun();
        for (int k = 0; k < m.inputs; ++k) s.setLetter(inputs[static_cast<std::size_t>(k)], row.inputs[k]);
        for (int pass = 0; pass < 5; ++pass) {
            s.evaluate(b, pass);
            EXPECT_EQ(s.dc.count(DcOp::LineTo), 0) << pass;
            EXPECT_EQ(s.dc.count(DcOp::Polygon), 0) << pass;
        }
        s.evaluate(b, 5);
        const Color lead = row.active ? g_colorRed : g_colorGrey;
        const Color body = row.active ? g_colorGrey : g_colorSilver;
        const Color frame = row.active ? g_colorRed : g_colorBlack;
        const std::vector<Stroke> lines = linesOf(s.dc);
        const int last = 30 * (m.inputs - 1);
        const int bottom = last + 15;
        for (int k = 0; k < m.inputs; ++k) EXPECT_EQ(colorOfLine(lines, {0, 30 * k}, {15, 30 * k}), lead) << k;
        const Point outLead = m.rule == Rule::Not ? Point{70, 0} : Point{60, last};
        EXPECT_EQ(colorOfLine(lines, outLead, {75, last}), lead);
        EXPECT_EQ(colorOfLine(lines, {15, -15}, {60, -15}), frame);
        EXPECT_EQ(colorOfLine(lines, {60, -15}, {60, bottom}), frame);
        EXPECT_EQ(colorOfLine(lines, {60, bottom}, {15, bottom}), frame);
        EXPECT_EQ(colorOfLine(lines, {15, bottom}, {15, -15}), frame);
        const std::vector<DcCall> fills = s.dc.callsOf(DcOp::Polygon);
        ASSERT_EQ(fills.size(), 1u);
        EXPECT_EQ(fills[0].brush.style, BrushStyle::Solid);
        EXPECT_EQ(fills[0].brush.color, body);
        // Label first, in the paint's colour; the signs last, in the frame's.
        const std::vector<DcCall> texts = s.dc.callsOf(DcOp::TextOut);
        ASSERT_FALSE(texts.empty());
        EXPECT_EQ(texts.front().text, "   -U");
        EXPECT_EQ(texts.front().textColor, g_colorBlack);
        const std::vector<std::string> signs = signsOf(m);
        ASSERT_GE(texts.size(), signs.size() + 1);
        for (std::size_t i = 0; i < signs.size(); ++i) {
            const DcCall& t = texts[texts.size() - signs.size() + i];
            EXPECT_EQ(t.text, signs[i]);
            EXPECT_EQ(t.textColor, frame);
        }
        // The bubble twice on one box: a disc in the body's colour, then the ring.
        const std::vector<DcCall> ellipses = s.dc.callsOf(DcOp::Ellipse);
        if (!m.bubble) {
            EXPECT_TRUE(ellipses.empty());
            continue;
        }
        std::vector<DcCall> bubble;
        for (const DcCall& e : ellipses)
            if (local(e.point(0)) == Point{60, last - 5} && local(e.point(1)) == Point{70, last + 5})
                bubble.push_back(e);
        ASSERT_EQ(bubble.size(), 2u);
        EXPECT_EQ(bubble[0].brush.style, BrushStyle::Solid);
        EXPECT_EQ(bubble[0].brush.color, body);
        EXPECT_EQ(bubble[0].pen.color, body);
        EXPECT_EQ(bubble[1].brush.style, BrushStyle::Hollow);
        EXPECT_EQ(bubble[1].pen.color, frame);
        EXPECT_EQ(s.dc.brush().style, BrushStyle::Hollow);
    }
}

// Outside simulation: leads, frame, ring and signs in the paint's colour, the body
// and the bubble's disc silver; the label and the second text on their rows, the
// preview with "-U", blank terminal names and no second text.
TEST(LogicBlocks, StaticDrawingAndTexts) {
    for (const Member& m : kMembers) {
        for (const Color preset : {g_colorBlack, g_colorRed}) {
            SCOPED_TRACE(nameOf(m.type) + (preset == g_colorRed ? " picked" : ""));
            LogicSheet s;
            const int b = s.block(m.type);
            s.view.m_label[b] = "-U1234567";
            s.view.m_label2[b] = "F";
            s.view.m_label2Visible[b] = 1;
            s.drawPlaced(b, preset, 5, {300, 300});
            for (const Stroke& l : linesOf(s.dc)) EXPECT_EQ(l.color, preset);
            const std::vector<DcCall> fills = s.dc.callsOf(DcOp::Polygon);
            ASSERT_EQ(fills.size(), 1u);
            EXPECT_EQ(fills[0].brush.color, g_colorSilver);
            const std::vector<DcCall> ellipses = s.dc.callsOf(DcOp::Ellipse);
            ASSERT_EQ(ellipses.size(), m.bubble ? 2u : 0u);
            if (m.bubble) {
                EXPECT_EQ(ellipses[0].brush.color, g_colorSilver);
                EXPECT_EQ(ellipses[1].pen.color, preset);
            }
            const std::vector<DcCall> texts = s.dc.callsOf(DcOp::TextOut);
            ASSERT_GE(texts.size(), 2u);
            EXPECT_EQ(texts[0].text, "-U123");
            EXPECT_EQ(local(texts[0].point(0)), (Point{15, -32}));
            EXPECT_EQ(texts[1].text, "    F");
            EXPECT_EQ(local(texts[1].point(0)), (Point{15, std::stoi(m.secondY)}));
        }
        SCOPED_TRACE(nameOf(m.type) + " preview");
        LogicSheet s;
        s.drawPreview(m.type);
        std::vector<std::string> texts;
        for (const DcCall& t : s.dc.callsOf(DcOp::TextOut)) texts.push_back(t.text);
        ASSERT_FALSE(texts.empty());
        EXPECT_EQ(texts[0], "   -U");
        for (std::size_t i = 1; i < texts.size(); ++i) EXPECT_NE(texts[i], "    F");
        for (const Stroke& l : linesOf(s.dc)) EXPECT_EQ(l.color, g_colorRed);
        ASSERT_EQ(s.dc.callsOf(DcOp::Polygon).size(), 1u);
        EXPECT_EQ(s.dc.callsOf(DcOp::Polygon)[0].brush.color, g_colorSilver);
    }
}

// Every brush a bubble takes is put away in the same call: a thousand paints of a
// running sheet leave as many brushes released as were created.
TEST(LogicBlocks, BubbleBrushesAreReleased) {
    LogicSheet s;
    const int nand = s.block(kTypeNand2, 60, 60);
    const int nor = s.block(kTypeNor3, 120, 60);
    const int inverter = s.block(kTypeNot, 60, 120);
    s.wireAt(nand, outputEnd(2));
    s.wireAt(inverter, outputEnd(1));
    // A brush still selected when a routine returns is one it did not put away.
    int leftSelected = 0;
    s.view.m_routineProbe = [&](Dc& dc, int type, double zoom, int ox, int oy) {
        (s.view.*CVelkarionView::routineFor(type))(dc, zoom, ox, oy);
        leftSelected += dc.brush().style == BrushStyle::Solid;
    };
    s.view.OnModeRun();
    for (int paint = 0; paint < 1000 && s.view.m_simulating == 1; ++paint) s.tick();
    ASSERT_EQ(s.view.m_simulating, 1);
    EXPECT_EQ(leftSelected, 0);
    EXPECT_EQ(s.view.m_state[nand] + s.view.m_state[nor] + s.view.m_state[inverter], 3);
    // Three discs and three body fills on the last pass of each paint.
    EXPECT_GE(s.dc.brushesCreated(), 6 * 1000);
    EXPECT_EQ(s.dc.brushesCreated(), s.dc.brushesReleased());
    EXPECT_NE(s.dc.brush().style, BrushStyle::Solid);
}

// Drawn with the mouse: a "+" supply feeds two push buttons, each into one input of
// a block, and a wire leaves its output. An AND gives "+" only while both buttons
// are pressed, a NOR only while neither is.
TEST(LogicBlocks, ButtonsIntoABlockThroughTheTestKit) {
    struct Row {
        const char* name;
        int command;
        const char* expected;  // output letter with: none, S1, S2, both pressed
    };
    const Row rows[] = {{"AND", ID_PLACE_AND, "000+"}, {"NOR", ID_PLACE_NOR, "+000"}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        testkit::Session session;
        CVelkarionView& v = session.newSheet();
        const auto place = [&](int command, Point at) {
            session.command(v, command);
            const Point w = session.unitsToWindow(v, at.x, at.y);
            session.move(v, w.x, w.y);
            session.press(v, w.x, w.y);
            session.release(v, w.x, w.y);
            return v.m_componentCount - 1;
        };
        const auto wire = [&](Point from, Point to) {
            session.command(v, ID_PLACE_WIRE_PLUS);
            const Point a = session.unitsToWindow(v, from.x, from.y);
            const Point b = session.unitsToWindow(v, to.x, to.y);
            session.move(v, a.x, a.y);
            session.press(v, a.x, a.y);
            session.move(v, b.x, b.y);
            session.release(v, b.x, b.y);
            return v.m_componentCount - 1;
        };
        // The buttons' terminals are at their point and 12 units below, their
        // operating areas overlap between x 60 and 65; the block's inputs are at
        // (120, 150) and (120, 156), its output at (135, 156).
        place(ID_PLACE_SUPPLY_PLUS, {30, 60});
        const int s1 = place(ID_PLACE_PUSH_BUTTON_NO, {60, 90});
        const int s2 = place(ID_PLACE_PUSH_BUTTON_NO, {75, 90});
        v.m_label[s1] = "-S1";
        v.m_label[s2] = "-S2";
        const int block = place(row.command, {120, 150});
        ASSERT_EQ(v.m_x[block], 120);
        ASSERT_EQ(v.m_y[block], 150);
        wire({30, 60}, {30, 75});
        wire({30, 75}, {60, 75});
        wire({60, 75}, {60, 90});
        wire({60, 75}, {75, 75});
        wire({75, 75}, {75, 90});
        wire({60, 102}, {60, 156});
        wire({60, 156}, {120, 156});
        wire({75, 102}, {75, 150});
        wire({75, 150}, {120, 150});
        const int out = wire({135, 156}, {165, 156});
        session.command(v, ID_TOOL_SELECT);
        session.command(v, ID_MODE_RUN);

        // A press held over a tick, then let go.
        std::string seen;
        for (const int x : {0, 48, 78, 63}) {
            const Point w = session.unitsToWindow(v, x, 96);
            if (x != 0) {
                session.move(v, w.x, w.y);
                session.press(v, w.x, w.y);
            }
            session.tick(v, 1);
            seen += v.m_potential[out].letter();
            SCOPED_TRACE("pressed at x " + std::to_string(x));
            EXPECT_EQ(v.m_state[s1], x == 48 || x == 63 ? 1 : 0);
            EXPECT_EQ(v.m_state[s2], x == 78 || x == 63 ? 1 : 0);
            if (x != 0) session.release(v, w.x, w.y);
        }
        EXPECT_EQ(seen, row.expected);
        EXPECT_TRUE(session.messages().empty());
        EXPECT_EQ(v.m_simulating, 1);
    }
}

// Six members in the eight orientations, active (left half) and inactive (right
// half), wired at their turned terminals: on the last pass the body is grey inside
// a red frame or silver inside a black one. The picture is kept for a look.
TEST(LogicBlocks, EveryOrientationInBothStates) {
    constexpr int kCell = 200;
    constexpr double kZoom = 4;  // 0.8 pixels per symbol unit: multiples of 5 land on whole pixels
    const int types[] = {kTypeAnd2, kTypeOr3, kTypeNand2, kTypeNor4, kTypeNot, kTypeExor};
    LogicSheet s;
    s.doc.m_zoom = kZoom;
    Surface sheet(16 * kCell, 6 * kCell);
    Dc dc(sheet);
    int row = 0;
    for (int type : types) {
        const Member& m = memberOf(type);
        for (int column = 0; column < 16; ++column) {
            const int code = column % 8;
            const bool active = column < 8;
            SCOPED_TRACE(nameOf(type) + " orientation " + std::to_string(code) + (active ? " active" : " inactive"));
            // The insertion point in the middle of the cell: the symbol turns about it.
            const int x = (column * kCell + kCell / 2) / 4, y = (row * kCell + kCell / 2) / 4;
            const int b = s.block(type, x, y, code);
            // All inputs "+", none, or the first only: whichever gives the state wanted.
            int ones = m.inputs;
            if (expectedOutput(m.rule, ones, m.inputs) != active) ones = 0;
            if (expectedOutput(m.rule, ones, m.inputs) != active) ones = 1;
            std::vector<int> inputs;
            for (int k = 0; k < m.inputs; ++k) inputs.push_back(s.wireAt(b, inputEnd(k)));
            const int out = s.wireAt(b, outputEnd(m.inputs));
            s.view.OnModeRun();
            for (int k = 0; k < m.inputs; ++k) s.setLetter(inputs[static_cast<std::size_t>(k)], k < ones ? '+' : '0');
            s.view.m_simulating = 1;
            for (int pass = 0; pass <= 5; ++pass) {
                g_simPass = pass;
                s.view.m_loopIndex = b;
                s.view.m_drawingPlaced = 1;
                s.view.m_penColor = g_colorBlack;
                (s.view.*CVelkarionView::routineFor(type))(dc, kZoom, static_cast<int>(x * kZoom),
                                                           static_cast<int>(y * kZoom));
            }
            EXPECT_EQ(s.view.m_state[b], active ? 1 : 0);
            EXPECT_EQ(s.letter(out), active ? '+' : '0');
            const auto pixelAt = [&](Point symbolPoint) {
                const Point t = symboltest::turned(code, symbolPoint);
                const int ox = static_cast<int>(x * kZoom), oy = static_cast<int>(y * kZoom);
                return sheet.pixel(ox + t.x * 4 / 5, oy + t.y * 4 / 5);
            };
            EXPECT_EQ(pixelAt({50, 10}), active ? g_colorGrey : g_colorSilver);
            EXPECT_EQ(pixelAt({15, 5}), active ? g_colorRed : g_colorBlack);
            EXPECT_EQ(pixelAt({5, 0}), active ? g_colorRed : g_colorGrey);
        }
        ++row;
    }
    testpictures::keepPicture(sheet, "logic_block_orientations.png");
}
