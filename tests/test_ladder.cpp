// Ladder rungs: the contacts and their pass rules, the edge contacts' pulses, the
// coils with their latch, set and reset, the label binding of coils, the logic
// probe and display, a rung drawn with the mouse, and every symbol in the eight
// orientations.
#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <string>
#include <vector>

#include "circuit_sheet.h"
#include "kept_pictures.h"
#include "render/Colors.h"
#include "render/Terminals.h"
#include "res/Resource.h"
#include "symbol_sheet.h"
#include "testkit/testkit.h"

using namespace velk;
using velk::symboltest::kShortCircuit;
using velk::symboltest::SymbolSheet;
using velk::testkit::DcCall;
using velk::testkit::DcOp;

namespace {

std::string nameOf(int type) { return CVelkarionView::routineNameFor(type); }

int supplyType(char letter) {
    switch (letter) {
        case '+': return kTypeSupplyPlus;
        case '-': return kTypeSupplyMinus;
        case 'N': return kTypeSupplyN;
        default: return kTypeSupplyL;
    }
}

// A sheet at zoom 5, run paint by paint. A rung element at (x, y) has its left
// terminal there and its right terminal 12 units to the right.
class LadderSheet : public SymbolSheet {
public:
    LadderSheet() { doc.m_zoom = 5; }
    ~LadderSheet() { g_simPass = 0; }

    int element(int type, int x, int y, const char* label) {
        const int i = place(type, x, y);
        view.m_label[i] = label;
        return i;
    }
    // A supply of the letter at `at` and a wire from it to `to`; the wire's slot.
    // A letter of '0' gives the bare wire.
    int fedWire(char letter, Point at, Point to) {
        if (letter != '0') place(supplyType(letter), at.x, at.y);
        return wire(at.x, at.y, to.x, to.y);
    }

    // What one paint shows of a slot, pass by pass: the letter of a wire after the
    // first wire pass, the colour of the state box and the digit a routine drew.
    struct Trace {
        std::string letters = "......";
        std::string boxes = "......";
        std::string digits = "......";
    };
    Trace paintTraced(int watchedWire, int slot) {
        Trace t;
        view.m_wirePassProbe = [&](Dc& dc) {
            view.DrawWires(dc);
            char& seen = t.letters[static_cast<std::size_t>(g_simPass)];
            if (seen == '.' && watchedWire >= 0) seen = letter(watchedWire);
        };
        view.m_routineProbe = [&](Dc& d, int type, double zoom, int ox, int oy) {
            const std::size_t before = dc.calls().size();
            (view.*CVelkarionView::routineFor(type))(d, zoom, ox, oy);
            if (view.m_loopIndex != slot || view.m_drawingPlaced != 1) return;
            const std::vector<DcCall>& calls = dc.calls();
            for (std::size_t c = before; c < calls.size(); ++c) {
                const DcCall& call = calls[c];
                const std::size_t pass = static_cast<std::size_t>(g_simPass);
                if (call.op == DcOp::Polygon && call.point(0) == Point{ox + 25, oy - 10})
                    t.boxes[pass] = call.brush.color == g_colorBlue    ? 'B'
                                    : call.brush.color == g_colorWhite ? 'W'
                                                                       : '?';
                if (call.op == DcOp::TextOut && (call.text == "0    " || call.text == "1    "))
                    t.digits[pass] = call.text[0];
            }
        };
        view.OnTimer(kSimulationTimerId);
        paint();
        view.m_wirePassProbe = nullptr;
        view.m_routineProbe = nullptr;
        return t;
    }
    // A device of the label operated by the mouse: its state into every slot of
    // equal label.
    void operate(int device, int state) {
        view.m_state[device] = state;
        view.CopyStateToLabel(device);
    }
};

}  // namespace

// One rung: a supply (or none) into the left terminal, the contact, and on the
// right terminal a wire and a second wire of its net, with a supply (or none) at
// the far end. The right net carries "+" only from a passing contact with "+" on
// its left and nothing on its right.
TEST(LadderContacts, RungTable) {
    struct Row {
        const char* name;
        int type;
        int state;
        char left, right;      // supplies; '0' none, 'x' no wire at all
        const char* rightNet;  // both wires of the right net after a paint
        char leftWire;
        const char* box;
    };
    const Row rows[] = {
        {"NO actuated", kTypeLadderContactNO, 1, '+', '0', "++", '+', ""},
        {"NO at rest", kTypeLadderContactNO, 0, '+', '0', "00", '+', ""},
        {"NC at rest", kTypeLadderContactNC, 0, '+', '0', "++", '+', ""},
        {"NC actuated", kTypeLadderContactNC, 1, '+', '0', "00", '+', ""},
        {"right + with left dead", kTypeLadderContactNO, 1, '0', '+', "++", '0', ""},
        {"- on the left", kTypeLadderContactNO, 1, '-', '0', "00", '-', ""},
        {"a phase on the left", kTypeLadderContactNO, 1, '1', '0', "00", '1', ""},
        {"left unconnected", kTypeLadderContactNO, 1, 'x', '0', "00", '0', ""},
        {"right unconnected", kTypeLadderContactNO, 1, '+', 'x', "00", '+', ""},
        {"+ against -", kTypeLadderContactNO, 1, '+', '-', "", '0', kShortCircuit},
        {"+ against - while open", kTypeLadderContactNC, 1, '+', '-', "--", '+', ""},
        {"rising edge with its variable 1", kTypeLadderRisingEdge, 1, '+', '0', "++", '+', ""},
        {"falling edge without a fall", kTypeLadderFallingEdge, 0, '+', '0', "00", '+', ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        LadderSheet s;
        const int left = row.left == 'x' ? s.wire(30, 90, 54, 90) : s.fedWire(row.left, {30, 60}, {60, 60});
        const int c = s.element(row.type, 60, 60, "-U");
        // Without a right wire, a wire that only comes near the terminal.
        const int first = row.right == 'x' ? s.wire(75, 60, 90, 60) : s.wire(72, 60, 90, 60);
        const int second = s.fedWire(row.right == 'x' ? '0' : row.right, {90, 90}, {90, 60});
        s.view.OnModeRun();
        s.view.m_state[c] = row.state;
        s.tick();
        EXPECT_EQ(s.box(), row.box);
        if (*row.box) {
            EXPECT_EQ(s.view.m_simulating, 0);
            continue;
        }
        EXPECT_EQ(s.letters({first, second}), row.rightNet);
        EXPECT_EQ(s.letter(left), row.leftWire);
    }
}

// A passing contact writes "+" onto every wire and dot of its right net in its own
// call, with the fed mark; a wire of another net stays as it was.
TEST(LadderContacts, FeedsTheWholeRightNetInItsCall) {
    LadderSheet s;
    const int in = s.wire(48, 60, 60, 60);
    const int c = s.element(kTypeLadderContactNO, 60, 60, "-U");
    const int near = s.wire(72, 60, 90, 60);
    const int far = s.wire(90, 60, 90, 90);
    const int dot = s.addSymbol(kTypeConnectionDot, 90, 60);
    const int other = s.wire(120, 60, 150, 60);
    s.view.OnModeRun();
    ASSERT_NE(s.net(near), 0);
    ASSERT_EQ(s.net(far), s.net(near));
    s.view.m_state[c] = 1;
    s.setLetter(in, '+');
    s.view.m_simulating = 1;
    g_simPass = 0;
    s.drawPlaced(c, g_colorBlack, 5, {300, 300});
    EXPECT_EQ(s.letters({near, far, dot, other}), "+++0");
    EXPECT_EQ(s.view.m_terminalPotential[far][1].letter(), '*');
    EXPECT_EQ(s.view.m_terminalPotential[other][1].letter(), '0');
}

// Edge contacts bound to a push button: one paint of "+" per press (rising) or per
// release (falling), also with the window erased in between; the rising edge's box
// blue on pass 0 of its pulse and white again on pass 5.
TEST(LadderContacts, EdgesGiveOnePaintPerChange) {
    struct Row {
        const char* name;
        int type;
        bool eraseBeforeRelease;
        std::vector<std::string> letters;  // the output per pass: idle, press, hold, release, after
        std::vector<std::string> boxes;
    };
    const Row rows[] = {
        {"rising",
         kTypeLadderRisingEdge,
         false,
         {"000000", "++++++", "000000", "000000", "000000"},
         {"W.....", "B....W", "......", "......", "......"}},
        {"falling",
         kTypeLadderFallingEdge,
         false,
         {"000000", "000000", "000000", "++++++", "000000"},
         {"WWWWWW", "WWWWWW", "WWWWWW", "BBBBBW", "WWWWWW"}},
        {"falling, erased before the release",
         kTypeLadderFallingEdge,
         true,
         {"000000", "000000", "000000", "++++++", "000000"},
         {"WWWWWW", "WWWWWW", "WWWWWW", "BBBBBW", "WWWWWW"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        LadderSheet s;
        const int button = s.element(kTypePushButtonNO, 150, 150, "-S1");
        s.fedWire('+', {30, 60}, {60, 60});
        const int c = s.element(row.type, 60, 60, "-S1");
        const int out = s.wire(72, 60, 90, 60);
        s.view.OnModeRun();
        // The first paint of a run follows an erase.
        for (int i = 0; i < s.view.m_componentCount; ++i) s.view.m_drawnState[i] = -1;
        const int states[] = {0, 1, 1, 0, 0};
        for (std::size_t step = 0; step < 5; ++step) {
            SCOPED_TRACE("paint " + std::to_string(step));
            if (step > 0 && states[step] != states[step - 1]) s.operate(button, states[step]);
            if (step == 3 && row.eraseBeforeRelease) s.view.OnEraseBkgnd(s.dc);
            const LadderSheet::Trace t = s.paintTraced(out, c);
            EXPECT_EQ(t.letters, row.letters[step]);
            EXPECT_EQ(t.boxes, row.boxes[step]);
        }
        EXPECT_TRUE(s.boxes.empty());
    }
}

// A coil between two supplies (or none): energised only by "+" and "-", in either
// order. The assign and the set coil take state 1 in the first paint.
TEST(LadderCoils, EnergisingTable) {
    struct Row {
        const char* name;
        char left, right;  // '0' no wire
        bool energised;
    };
    const Row rows[] = {
        {"+ and -", '+', '-', true},           {"- and +", '-', '+', true},      {"+ and +", '+', '+', false},
        {"N and -", 'N', '-', false},          {"phase and -", '1', '-', false}, {"right unconnected", '+', '0', false},
        {"left unconnected", '0', '-', false},
    };
    for (const int type : {kTypeLadderCoil, kTypeLadderSetCoil}) {
        for (const Row& row : rows) {
            SCOPED_TRACE(nameOf(type) + " " + row.name);
            LadderSheet s;
            if (row.left != '0') s.fedWire(row.left, {30, 60}, {60, 60});
            const int coil = s.element(type, 60, 60, "-K");
            if (row.right != '0') s.fedWire(row.right, {102, 60}, {72, 60});
            s.simulate(1);
            EXPECT_EQ(s.view.m_state[coil], row.energised ? 1 : 0);
            EXPECT_TRUE(s.boxes.empty());
        }
    }
}

// An assign coil latches on pass 5; its NO and NC contacts change from the next
// paint on. A state put into the coil from outside stays until the energisation
// changes, erase or not.
TEST(LadderCoils, AssignLatchesOnTheLastPass) {
    LadderSheet s;
    s.fedWire('+', {30, 60}, {60, 60});
    const int coil = s.element(kTypeLadderCoil, 60, 60, "-K");
    const int minus = s.fedWire('-', {102, 60}, {72, 60});
    s.fedWire('+', {30, 120}, {60, 120});
    s.element(kTypeLadderContactNO, 60, 120, "-K");
    const int no = s.wire(72, 120, 90, 120);
    s.fedWire('+', {30, 180}, {60, 180});
    s.element(kTypeLadderContactNC, 60, 180, "-K");
    const int nc = s.wire(72, 180, 90, 180);
    s.view.OnModeRun();

    LadderSheet::Trace first = s.paintTraced(no, coil);
    EXPECT_EQ(first.boxes, ".....B");
    EXPECT_EQ(s.view.m_state[coil], 1);
    EXPECT_EQ(s.letters({no, nc}), "0+");
    s.tick();
    EXPECT_EQ(s.letters({no, nc}), "+0");

    // Unpowered: the latch falls on pass 5 of the next paint.
    s.view.m_deleted[minus] = 1;
    LadderSheet::Trace fall = s.paintTraced(no, coil);
    EXPECT_EQ(fall.boxes, ".....W");
    EXPECT_EQ(s.view.m_state[coil], 0);
    s.tick();
    EXPECT_EQ(s.letters({no, nc}), "0+");

    // A device of its label puts 1 into the unpowered coil: it stays, and an erase
    // only draws the box again.
    const int button = s.element(kTypePushButtonNO, 150, 240, "-K");
    s.operate(button, 1);
    s.tick();
    s.view.OnEraseBkgnd(s.dc);
    LadderSheet::Trace erased = s.paintTraced(no, coil);
    EXPECT_EQ(erased.boxes, ".....W");
    EXPECT_EQ(s.view.m_state[coil], 1);
    EXPECT_EQ(s.letter(no), '+');
    EXPECT_TRUE(s.boxes.empty());
}

// Set and reset coils of one label share one memory: a set coil energised for one
// paint leaves 1 in both, which holds without power until the reset coil is
// energised.
TEST(LadderCoils, SetHoldsUntilReset) {
    LadderSheet s;
    s.fedWire('+', {30, 60}, {48, 60});
    const int s1 = s.element(kTypeLadderContactNO, 48, 60, "-S1");
    s.wire(60, 60, 72, 60);
    const int set = s.element(kTypeLadderSetCoil, 72, 60, "-M");
    s.fedWire('-', {102, 60}, {84, 60});
    s.fedWire('+', {30, 120}, {48, 120});
    const int s2 = s.element(kTypeLadderContactNO, 48, 120, "-S2");
    s.wire(60, 120, 72, 120);
    const int reset = s.element(kTypeLadderResetCoil, 72, 120, "-M");
    s.fedWire('-', {102, 120}, {84, 120});
    s.fedWire('+', {30, 180}, {60, 180});
    s.element(kTypeLadderContactNO, 60, 180, "-M");
    const int out = s.wire(72, 180, 90, 180);
    s.view.OnModeRun();

    struct Step {
        const char* name;
        int s1, s2;
        const char* coils;  // set and reset coil after the paint
        char out;           // the output of the "-M" contact in the paint after
    };
    const Step steps[] = {
        {"rest", 0, 0, "00", '0'},       {"set", 1, 0, "11", '+'},   {"set let go", 0, 0, "11", '+'},
        {"still held", 0, 0, "11", '+'}, {"reset", 0, 1, "00", '0'}, {"reset let go", 0, 0, "00", '0'},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        s.view.m_state[s1] = step.s1;
        s.view.m_state[s2] = step.s2;
        LadderSheet::Trace t = s.paintTraced(-1, set);
        EXPECT_EQ(t.boxes, step.coils[0] == '1' ? ".....B" : ".....W");
        EXPECT_EQ(std::string() + char('0' + s.view.m_state[set]) + char('0' + s.view.m_state[reset]), step.coils);
        s.tick();
        EXPECT_EQ(s.letter(out), step.out);
    }
    EXPECT_TRUE(s.boxes.empty());
}

// What an energised coil writes: ladder NO and NC contacts and main contacts of
// exactly its label (an empty label binds empty labels), never edge or auxiliary
// contacts, nor a label differing in case.
TEST(LadderCoils, LabelBinding) {
    struct Bound {
        int type;
        const char* label;
        int state;  // after two paints
    };
    for (const char* coilLabel : {"-K", ""}) {
        SCOPED_TRACE(std::string("coil label '") + coilLabel + "'");
        const std::string other = *coilLabel ? "-k" : "-K";
        const Bound bound[] = {
            {kTypeLadderContactNO, coilLabel, 1},     {kTypeLadderContactNC, coilLabel, 1},
            {kTypeLadderContactNO, other.c_str(), 0}, {kTypeLadderRisingEdge, coilLabel, 0},
            {kTypeLadderFallingEdge, coilLabel, 0},   {kTypeAuxContactNO, coilLabel, 0},
            {kTypeMainContactsI, coilLabel, 1},       {kTypeMainContactsII, coilLabel, 1},
            {kTypeMainContactsIII, coilLabel, 1},     {kTypeMainContactsIIII, coilLabel, 1},
        };
        LadderSheet s;
        s.fedWire('+', {30, 60}, {60, 60});
        const int coil = s.element(kTypeLadderCoil, 60, 60, coilLabel);
        s.fedWire('-', {102, 60}, {72, 60});
        std::vector<int> slots;
        for (std::size_t k = 0; k < std::size(bound); ++k)
            slots.push_back(s.element(bound[k].type, 150, 60 + 60 * static_cast<int>(k), bound[k].label));
        s.simulate(2);
        EXPECT_EQ(s.view.m_state[coil], 1);
        for (std::size_t k = 0; k < std::size(bound); ++k)
            EXPECT_EQ(s.view.m_state[slots[k]], bound[k].state)
                << nameOf(bound[k].type) << " '" << bound[k].label << "'";
    }
}

// Outside simulation every rung element is drawn whole in the paint's colour,
// without a state box: the body and glyph of a contact, the leads, arcs and letter
// of a coil; the label above, the second text below, "-U" in the preview.
TEST(LadderRungs, EditModeDrawing) {
    struct Row {
        int type;
        int lines, polygons, arcs;
        const char* letter;  // "" for none
    };
    const Row rows[] = {
        {kTypeLadderContactNO, 4, 0, 0, ""},      {kTypeLadderContactNC, 5, 0, 0, ""},
        {kTypeLadderRisingEdge, 5, 1, 0, ""},     {kTypeLadderFallingEdge, 5, 1, 0, ""},
        {kTypeLadderCoil, 2, 0, 2, ""},           {kTypeLadderSetCoil, 2, 0, 2, "S    "},
        {kTypeLadderResetCoil, 2, 0, 2, "R    "},
    };
    for (const Row& row : rows) {
        for (const Color preset : {g_colorBlack, g_colorRed}) {
            SCOPED_TRACE(nameOf(row.type) + (preset == g_colorRed ? " picked" : ""));
            LadderSheet s;
            const int i = s.element(row.type, 60, 60, "-K1");
            s.view.m_label2[i] = "X";
            s.view.m_label2Visible[i] = 1;
            s.drawPlaced(i, preset, 5, {300, 300});
            EXPECT_EQ(s.dc.count(DcOp::LineTo), row.lines);
            EXPECT_EQ(s.dc.count(DcOp::Polygon), row.polygons);
            EXPECT_EQ(s.dc.count(DcOp::Arc), row.arcs);
            for (const DcCall& l : s.dc.callsOf(DcOp::LineTo)) EXPECT_EQ(l.pen.color, preset);
            const std::vector<DcCall> texts = s.dc.callsOf(DcOp::TextOut);
            ASSERT_GE(texts.size(), 2u);
            const auto at = [](const DcCall& t) { return Point{t.point(0).x - 300, t.point(0).y - 300}; };
            EXPECT_EQ(texts[0].text, "  -K1");
            EXPECT_EQ(at(texts[0]), (Point{10, -32}));
            EXPECT_EQ(texts[1].text, "    X");
            EXPECT_EQ(at(texts[1]), (Point{10, 16}));
            int letters = 0;
            for (const DcCall& t : texts) letters += t.text == "S    " || t.text == "R    ";
            EXPECT_EQ(letters, *row.letter ? 1 : 0);
            if (*row.letter) {
                EXPECT_EQ(texts.back().text, row.letter);
            }
        }
        LadderSheet s;
        s.drawPreview(row.type);
        ASSERT_FALSE(s.dc.callsOf(DcOp::TextOut).empty());
        EXPECT_EQ(s.dc.callsOf(DcOp::TextOut).front().text, "   -U");
    }
}

// A probe held down puts "+" on its wire; the display on that wire shows the digit
// 1 on pass 5 of the paint after the press, 0 again after the release.
TEST(LogicProbeAndDisplay, ProbeIntoDisplay) {
    for (const bool displayFirst : {false, true}) {
        SCOPED_TRACE(displayFirst ? "display first in slot order" : "probe first in slot order");
        LadderSheet s;
        int display = -1, probe = -1;
        if (displayFirst) display = s.element(kTypeLogicDisplay, 90, 60, "-Q");
        probe = s.element(kTypeLogicProbe, 60, 60, "-I");
        const int w = s.wire(60, 60, 90, 60);
        if (!displayFirst) display = s.element(kTypeLogicDisplay, 90, 60, "-Q");
        s.view.OnModeRun();
        const int presses[] = {0, 1, 1, 0};
        const char* digits[] = {".....0", ".....1", ".....1", ".....0"};
        for (std::size_t step = 0; step < 4; ++step) {
            SCOPED_TRACE("paint " + std::to_string(step));
            if (step > 0 && presses[step] != presses[step - 1]) s.operate(probe, presses[step]);
            const LadderSheet::Trace t = s.paintTraced(w, display);
            EXPECT_EQ(t.digits, digits[step]);
            EXPECT_EQ(s.view.m_state[display], presses[step]);
            EXPECT_EQ(s.letter(w), presses[step] ? '+' : '0');
            EXPECT_EQ(s.view.m_terminalLink[probe][0], w);
            EXPECT_EQ(s.view.m_terminalLink[display][0], w);
        }
    }
}

// A probe without a wire writes no letter, yet a ladder NO contact of its label
// passes while it is held; a display on "-" or without a wire shows 0, and its
// link says "no wire".
TEST(LogicProbeAndDisplay, ProbeWithoutWireAndDisplayAtZero) {
    LadderSheet s;
    const int probe = s.element(kTypeLogicProbe, 60, 300, "-X");
    s.fedWire('+', {30, 60}, {60, 60});
    s.element(kTypeLadderContactNO, 60, 60, "-X");
    const int out = s.wire(72, 60, 90, 60);
    const int minus = s.fedWire('-', {30, 120}, {60, 120});
    const int onMinus = s.element(kTypeLogicDisplay, 60, 120, "-Q1");
    const int alone = s.element(kTypeLogicDisplay, 60, 180, "-Q2");
    s.view.OnModeRun();
    s.operate(probe, 1);
    s.tick();
    EXPECT_EQ(s.letter(out), '+');
    EXPECT_EQ(s.view.m_terminalLink[probe][0], -1);
    EXPECT_EQ(s.letter(minus), '-');
    EXPECT_EQ(s.view.m_state[onMinus], 0);
    EXPECT_EQ(s.view.m_state[alone], 0);
    EXPECT_EQ(s.view.m_terminalLink[alone][0], -1);
    // On pass 5: white fills, a grey outline and the digit 0.
    s.view.m_simulating = 1;
    g_simPass = 5;
    s.drawPlaced(onMinus, g_colorBlack, 5, {300, 300});
    const std::vector<DcCall> fills = s.dc.callsOf(DcOp::Polygon);
    ASSERT_EQ(fills.size(), 2u);
    for (const DcCall& f : fills) EXPECT_EQ(f.brush.color, g_colorWhite);
    for (const DcCall& l : s.dc.callsOf(DcOp::LineTo)) EXPECT_EQ(l.pen.color, g_colorGrey);
    EXPECT_EQ(s.dc.callsOf(DcOp::TextOut).back().text, "0    ");
    s.operate(probe, 0);
    s.tick();
    EXPECT_EQ(s.letter(out), '0');
    EXPECT_TRUE(s.boxes.empty());
}

// Outside simulation: the outline and the digit 0 in the paint's colour, no fills;
// the labels on their sides; the preview with its own label.
TEST(LogicProbeAndDisplay, EditModeDrawing) {
    struct Row {
        int type;
        const char* preview;
        Point labelAt;
    };
    const Row rows[] = {{kTypeLogicProbe, "   -I", {-50, -12}}, {kTypeLogicDisplay, "   -Q", {50, -12}}};
    for (const Row& row : rows) {
        SCOPED_TRACE(nameOf(row.type));
        LadderSheet s;
        const int i = s.element(row.type, 60, 60, "-A1");
        s.drawPlaced(i, g_colorBlack, 5, {300, 300});
        EXPECT_EQ(s.dc.count(DcOp::Polygon), 0);
        EXPECT_EQ(s.dc.count(DcOp::LineTo), 6);
        const std::vector<DcCall> texts = s.dc.callsOf(DcOp::TextOut);
        ASSERT_GE(texts.size(), 2u);
        EXPECT_EQ(texts.front().text, "  -A1");
        EXPECT_EQ((Point{texts.front().point(0).x - 300, texts.front().point(0).y - 300}), row.labelAt);
        EXPECT_EQ(texts.back().text, "0    ");
        s.drawPreview(row.type);
        ASSERT_FALSE(s.dc.callsOf(DcOp::TextOut).empty());
        EXPECT_EQ(s.dc.callsOf(DcOp::TextOut).front().text, row.preview);
    }
}

// Drawn with the mouse: "+" supply, a NO contact labelled like a push button, an
// assign coil to a "-" supply; a second rung with a NO contact of the coil's label
// to a display. Pressing the button makes the display show 1.
TEST(LadderRungs, ButtonThroughCoilToDisplayWithTheMouse) {
    using namespace circuittest;
    testkit::Session session;
    Circuit circuit(session);
    const Sheet sheet{
        {
            {ID_PLACE_SUPPLY_PLUS, {30, 60}, ""},
            {ID_PLACE_LADDER_CONTACT_NO, {60, 60}, "-S1"},
            {ID_PLACE_LADDER_COIL, {90, 60}, "-K1"},
            {ID_PLACE_SUPPLY_MINUS, {120, 60}, ""},
            {ID_PLACE_SUPPLY_PLUS, {30, 120}, ""},
            {ID_PLACE_LADDER_CONTACT_NO, {60, 120}, "-K1"},
            {ID_PLACE_LOGIC_DISPLAY, {90, 120}, ""},
            {ID_PLACE_PUSH_BUTTON_NO, {60, 180}, "-S1"},
        },
        {
            {ID_PLACE_WIRE_PLUS, {30, 60}, {60, 60}},
            {ID_PLACE_WIRE_PLUS, {72, 60}, {90, 60}},
            {ID_PLACE_WIRE_PLUS, {102, 60}, {120, 60}},
            {ID_PLACE_WIRE_PLUS, {30, 120}, {60, 120}},
            {ID_PLACE_WIRE_PLUS, {72, 120}, {90, 120}},
        },
    };
    circuit.draw(sheet);
    CVelkarionView& v = circuit.view();
    const int display = circuit.slotOf(kTypeLogicDisplay);
    const int button = circuit.slotOf(kTypePushButtonNO);
    const int coil = circuit.slotOf(kTypeLadderCoil);
    ASSERT_GE(display, 0);
    circuit.simulate();
    circuit.tick(2);
    EXPECT_EQ(v.m_state[display], 0);
    circuit.press(button);
    circuit.tick(1);
    EXPECT_EQ(v.m_state[coil], 1);
    circuit.tick(1);
    EXPECT_EQ(v.m_state[display], 1);
    circuit.release(button);
    circuit.tick(3);
    EXPECT_EQ(v.m_state[coil], 0);
    EXPECT_EQ(v.m_state[display], 0);
    EXPECT_TRUE(session.messages().empty());
    EXPECT_EQ(v.m_simulating, 1);
}

// Every symbol of the family in the eight orientations, operated (left half) and
// at rest (right half), wired at its turned terminals and run through one paint's
// passes: the box or the fills blue or white. The picture is kept for a look.
TEST(LadderRungs, EveryOrientationInBothStates) {
    constexpr int kCell = 160;
    constexpr double kZoom = 4;  // 0.8 pixels per symbol unit
    const int types[] = {kTypeLadderContactNO,   kTypeLadderContactNC, kTypeLadderRisingEdge,
                         kTypeLadderFallingEdge, kTypeLadderCoil,      kTypeLadderSetCoil,
                         kTypeLadderResetCoil,   kTypeLogicProbe,      kTypeLogicDisplay};
    LadderSheet s;
    s.doc.m_zoom = kZoom;
    Surface sheet(16 * kCell, static_cast<int>(std::size(types)) * kCell);
    sheet.fill(g_colorSilver);
    Dc dc(sheet);
    int row = 0;
    for (const int type : types) {
        const bool coil = type >= kTypeLadderCoil && type <= kTypeLadderResetCoil;
        const bool edge = type == kTypeLadderRisingEdge || type == kTypeLadderFallingEdge;
        for (int column = 0; column < 16; ++column) {
            const int code = column % 8;
            const bool active = column < 8;
            SCOPED_TRACE(nameOf(type) + " orientation " + std::to_string(code) + (active ? " on" : " off"));
            const int x = (column * kCell + kCell / 2) / 4, y = (row * kCell + kCell / 2) / 4;
            const int i = s.place(type, x, y, code);
            // A label of its own: coils of one label share their state.
            s.view.m_label[i] = "L" + std::to_string(i);
            const auto end = [&](Point p) {
                const Point t = symboltest::turned(code, p);
                return Point{x + t.x / 5, y + t.y / 5};
            };
            const Point a = end({0, 0}), b = end({60, 0});
            const int left = s.wire(a.x, a.y, a.x, a.y);
            const int right = s.wire(b.x, b.y, b.x, b.y);
            s.view.OnModeRun();
            s.view.m_drawnState[i] = -1;
            s.view.m_simulating = 1;
            // What operates each symbol: "+" and "-" at an assign or set coil, "+" at a
            // display, a pending fall at a falling edge, else its variable at 1.
            const bool powered = active && (type == kTypeLadderCoil || type == kTypeLadderSetCoil);
            s.setLetter(left, powered || (active && type == kTypeLogicDisplay) ? '+' : '0');
            s.setLetter(right, powered ? '-' : '0');
            if (type == kTypeLadderFallingEdge)
                s.view.m_ladderMemory[i] = active ? 1 : 0;
            else if (!powered && type != kTypeLogicDisplay)
                s.view.m_state[i] = active ? 1 : 0;
            // The edges show their pulse on the first pass.
            const int lastPass = edge ? 0 : 5;
            for (int pass = 0; pass <= lastPass; ++pass) {
                g_simPass = pass;
                s.view.m_loopIndex = i;
                s.view.m_drawingPlaced = 1;
                s.view.m_penColor = g_colorBlack;
                (s.view.*CVelkarionView::routineFor(type))(dc, kZoom, static_cast<int>(x * kZoom),
                                                           static_cast<int>(y * kZoom));
            }
            const auto pixelAt = [&](Point symbolPoint) {
                const Point t = symboltest::turned(code, symbolPoint);
                return sheet.pixel(static_cast<int>(x * kZoom) + t.x * 4 / 5,
                                   static_cast<int>(y * kZoom) + t.y * 4 / 5);
            };
            // NC passes at rest; the others show blue when operated.
            const bool blue = type == kTypeLadderContactNC ? !active : active;
            Point inside = edge ? Point{27, 2} : Point{34, -8};
            if (type == kTypeLogicProbe) inside = {-43, 8};
            if (type == kTypeLogicDisplay) inside = {43, 8};
            if (coil) inside = {26, 8};
            EXPECT_EQ(pixelAt(inside), blue ? g_colorBlue : g_colorWhite);
        }
        ++row;
    }
    testpictures::keepPicture(sheet, "ladder_orientations.png");
}
