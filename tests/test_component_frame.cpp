// The steps every component routine shares: texts, terminal scans, pole
// conduction, the state colour, the redraw of state pictures and the fault stop.
// A device slot of a switching type stands in for whichever family uses them.
#include <gtest/gtest.h>

#include <cstdio>

#include <string>
#include <vector>

#include "render/Colors.h"
#include "symbol_sheet.h"
#include "symbols/ComponentFrame.h"
#include "terminal_bench.h"

using namespace velk;
using velk::symboltest::kEarthFault;
using velk::symboltest::kShortCircuit;
using velk::symboltest::SymbolSheet;
using velk::testkit::DcCall;
using velk::testkit::DcOp;

namespace {

constexpr const char* kTopTerminal = "NUME,+005,+000,%c%c%c%c";     // wire end (0, 0)
constexpr const char* kBottomTerminal = "NUME,+005,+045,%c%c%c%c";  // wire end (0, 60): 12 units down
constexpr Pole kOnePole[] = {{0, 1}};

// A device at (50, 50) drawn as a placed slot while simulating.
struct DeviceSheet : SymbolSheet {
    int device;
    DeviceSheet() {
        device = place(kTypeFuseI, 50, 50);
        view.m_simulating = 1;
        select();
    }
    void select() {
        view.m_loopIndex = device;
        view.m_drawingPlaced = 1;
        view.m_penColor = g_colorBlack;
    }
    int netWire(int x1, int y1, int x2, int y2, int net, char letter = '0') {
        const int j = wire(x1, y1, x2, y2);
        view.m_netNumber[j] = net;
        setLetter(j, letter);
        return j;
    }
};

}  // namespace

// Formatting is bounds-safe: labels and second texts at most five characters,
// right-aligned in five; terminal names at most four, and a shorter name ends the
// command after its last character.
TEST(ComponentFrame, CommandTexts) {
    struct Row {
        const char* text;
        const char* label;
        const char* terminal;
    };
    const Row rows[] = {
        {"-X", "TEXT,-010,-023,   -X,2", "NUME,+005,+000,-X"},
        {"-X1234567", "TEXT,-010,-023,-X123,2", "NUME,+005,+000,-X12"},
        {"", "TEXT,-010,-023,     ,2", "NUME,+005,+000,"},
        {"A1", "TEXT,-010,-023,   A1,2", "NUME,+005,+000,A1"},
    };
    const TextSpot spot{"TEXT,%3s,%3s,%5s,2", "-010", "-023"};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(textCommand(spot, row.text), row.label);
        EXPECT_EQ(terminalCommand(kTopTerminal, row.text), row.terminal);
    }
}

// A label command is put together as the C library's formatting would write it,
// for the label formats and for any other: flags, other conversions, fields
// narrower than their text, a text longer than the command's room.
TEST(ComponentFrame, LabelCommandsAsPrintfWritesThem) {
    const std::string longRow(70, '+');
    const TextSpot spots[] = {
        {"TEXT,%3s,%3s,%5s,2", "-010", "-023"}, {"TEXT,%3s,%3s,%5s,0", "+5", "+000"},
        {"TEXT,%s,%s,%s", "-010", "-023"},      {"TEXT,%-3s,%3s,%5s,2", "+1", "+2"},
        {"TEXT,%3s,%3s,%5s,2%%", "+1", "+2"},
        {"TEXT,%3s,%3s,%5s,2", longRow.c_str(), "+2"},
        {"TEXT", "+1", "+2"},
    };
    for (const TextSpot& spot : spots) {
        for (const char* text : {"", "-K1", "-K12345", "ĄŁ"}) {
            SCOPED_TRACE(std::string(spot.format) + " " + text);
            char expected[64];
            const std::string field = std::string(text).substr(0, 5);
            // The C library's own formatting, as the reference.
            const int n = std::snprintf(expected, sizeof expected, spot.format, spot.dx, spot.dy, field.c_str());
            ASSERT_GE(n, 0);
            EXPECT_EQ(textCommand(spot, text), std::string(expected));
        }
    }
}

// The name a terminal shows: the family's default in the preview (whatever the slot
// beyond the count holds), the slot's name when shown, a single blank when hidden.
TEST(ComponentFrame, TerminalNames) {
    struct Row {
        const char* name;
        bool preview;
        const char* stored;
        int visible;
        const char* shown;
    };
    const Row rows[] = {
        {"preview", true, "ZZ", 1, "A1"},
        {"placed and shown", false, "13", 1, "13"},
        {"placed, cut to four", false, "X1234", 1, "X123"},
        {"placed and hidden", false, "13", 0, " "},
        {"placed, shown but empty", false, "", 1, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        DeviceSheet s;
        s.view.m_simulating = 0;
        const int target = row.preview ? s.view.m_componentCount : s.device;
        s.view.m_terminalName[target][0] = row.stored;
        s.view.m_terminalNameVisible[target][0] = row.visible;
        if (row.preview) {
            s.view.m_loopIndex = s.view.m_componentCount;
            s.view.m_drawingPlaced = 0;
        }
        ComponentFrame f(s.view, s.dc, 5, 100, 100);
        EXPECT_EQ(f.preview(), row.preview);
        EXPECT_EQ(f.terminalName(0, "A1"), row.shown);
    }
}

// A terminal scan records the letter and the net (or the slot) of the wire at the
// terminal just drawn; of several wires the last in slot order; either end; hidden
// wires and connection dots never. Without a wire the letter reads '0' and the
// link keeps its value.
TEST(ComponentFrame, TerminalScan) {
    struct Wire {
        int x1, y1, x2, y2;
        int net;
        char letter;
        int type = kTypeWirePhase;
        int deleted = 0;
    };
    struct Row {
        const char* name;
        std::vector<Wire> wires;
        WireLink link;
        char letter;
        int linkValue;  // net number, or slot index for WireLink::Slot
        bool found;
    };
    const Row rows[] = {
        {"one wire", {{50, 30, 50, 50, 4, '1'}}, WireLink::Net, '1', 4, true},
        {"second end on the terminal", {{50, 50, 50, 70, 4, 'N'}}, WireLink::Net, 'N', 4, true},
        {"the later of two wires wins", {{50, 30, 50, 50, 4, '1'}, {30, 50, 50, 50, 6, '2'}}, WireLink::Net, '2', 6,
         true},
        {"kept as a slot", {{40, 40, 40, 40, 0, '0'}, {50, 30, 50, 50, 4, '+'}}, WireLink::Slot, '+', 2, true},
        {"a wire one unit off", {{51, 30, 51, 50, 4, '1'}}, WireLink::Net, '0', 9, false},
        {"a hidden wire", {{50, 30, 50, 50, 4, '1', kTypeWirePhase, 1}}, WireLink::Net, '0', 9, false},
        {"a connection dot on the terminal", {{50, 50, 50, 50, 4, '1', kTypeConnectionDot}}, WireLink::Net, '0', 9,
         false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        DeviceSheet s;
        for (const Wire& w : row.wires) {
            const int j = s.addLine(w.type, w.x1, w.y1, w.x2, w.y2, w.letter);
            s.view.m_netNumber[j] = w.net;
            s.view.m_deleted[j] = w.deleted;
        }
        // What an earlier pass left.
        s.view.m_terminalPotential[s.device][0].setLetter('k');
        s.view.m_terminalLink[s.device][0] = 9;
        ComponentFrame f(s.view, s.dc, 5, 250, 250);
        f.terminal(kTopTerminal, 0, "1", row.link);
        EXPECT_EQ(f.letterAt(0), row.letter);
        EXPECT_EQ(s.view.m_terminalLink[s.device][0], row.linkValue);
        EXPECT_EQ(f.wireFoundAt(0), row.found);
        EXPECT_FALSE(f.wireFoundAt(1));
    }
}

// One rule for every family that scans through the frame: a terminal whose wire
// is gone reads '0' in the next call, so the letter it found before neither
// clashes nor feeds the other side of a closed pole.
TEST(ComponentFrame, TerminalThatLostItsWireReadsZeroInEveryFamily) {
    constexpr Point kTwo[] = {{0, 0}, {0, 12}};
    constexpr Point kFour[] = {{0, 0}, {9, 0}, {0, 12}, {9, 12}};
    constexpr Point kThreePoles[] = {{0, 0}, {6, 0}, {12, 0}, {0, 12}, {6, 12}, {12, 12}};
    struct Row {
        const char* name;
        int type;
        const Point* ends;
        int count;
        int state;  // a state in which terminal 0 conducts to `other`
        int other;  // the terminal across the closed pole
        const char* after;  // every net once terminal 0 lost its wire (the hidden
                            // wire keeps what the test gave it)
    };
    const Row rows[] = {
        {"auxiliary contact NO, actuated", kTypeAuxContactNO, kTwo, 2, 1, 1, "111 000"},
        {"push button NC, at rest", kTypePushButtonNC, kTwo, 2, 0, 1, "111 000"},
        {"on-delay contact NO+NC, the NC pole at rest", kTypeOnDelayContactNONC, kFour, 4, 0, 2, "111 000 000 000"},
        {"thermal relay contact NO, tripped", kTypeThermalContactNO, kTwo, 2, 1, 1, "111 000"},
        {"fuse, intact", kTypeFuseI, kTwo, 2, 0, 1, "111 000"},
        {"breaker III, closed", kTypeBreakerIII, kThreePoles, 6, 1, 3, "111 000 000 000 000 000"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        symboltest::TerminalBench b(row.type, row.ends, row.count);
        b.evaluate(row.state, "1");
        ASSERT_EQ(b.s.letter(b.nets[static_cast<std::size_t>(row.other)][0]), '1')
            << "the closed pole feeds while the wire is there";

        b.s.view.m_deleted[b.nets[0][0]] = 1;
        b.evaluate(row.state, "1");
        EXPECT_EQ(b.s.view.m_terminalPotential[b.device][0].letter(), '0');
        EXPECT_EQ(b.after(), row.after);
        EXPECT_EQ(b.s.box(), "");
    }
}

// Pole conduction: while the device conducts, the live side's letter goes into
// every live wire and dot of the dead side's net, with the fed mark in the entry of
// the dead terminal. Only a side whose wire was found in this call is fed, so a
// link left from before feeds nothing, and net 0 never is.
TEST(ComponentFrame, PoleConduction) {
    struct Row {
        const char* name;
        char top, bottom;
        bool conducts;
        ClashCheck check;
        bool bottomWired;
        int bottomNet;
        const char* letters;  // top wire, bottom wire, far wire and dot of the bottom net,
                              // wire of another net, hidden wire of the bottom net, dot of net 0
        const char* box;
    };
    const ClashCheck S = ClashCheck::Sides, None = ClashCheck::None;
    const Row rows[] = {
        {"live top feeds the bottom net", '1', '0', true, S, true, 2, "1111000", ""},
        {"live bottom feeds the top net", '0', 'N', true, S, true, 2, "NN00000", ""},
        {"a marker letter is live too", 'Y', '0', true, S, true, 2, "YYYY000", ""},
        {"not conducting", '1', '0', false, S, true, 2, "1000000", ""},
        {"both sides live and equal", '2', '2', true, S, true, 2, "2200000", ""},
        {"both dead", '0', '0', true, S, true, 2, "0000000", ""},
        {"different letters, checked", '1', 'N', true, S, true, 2, "0000000", kShortCircuit},
        {"earth against a phase, checked", 'P', '3', true, S, true, 2, "0000000", kEarthFault},
        {"different letters, unchecked", '1', 'N', true, None, true, 2, "1N00000", ""},
        {"no wire at the dead terminal in this call", '1', '0', true, S, false, 2, "1-00000", ""},
        {"a dead side of net 0 (never numbered) feeds nothing", '1', '0', true, S, true, 0, "1000000", ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        DeviceSheet s;
        const int top = s.netWire(50, 30, 50, 50, 1, row.top);
        const int bottom = row.bottomWired ? s.netWire(50, 62, 50, 80, row.bottomNet, row.bottom) : -1;
        const int far = s.netWire(100, 100, 120, 100, 2);
        const int dot = s.place(kTypeConnectionDot, 110, 100);
        s.view.m_netNumber[dot] = 2;
        const int other = s.netWire(200, 10, 210, 10, 3);
        const int hidden = s.netWire(130, 100, 140, 100, 2);
        s.view.m_deleted[hidden] = 1;
        const int lonely = s.place(kTypeConnectionDot, 300, 300);
        // A link that an earlier call could have left.
        s.view.m_terminalLink[s.device][1] = 2;
        s.select();

        ComponentFrame f(s.view, s.dc, 5, 250, 250);
        f.terminal(kTopTerminal, 0, "1");
        f.terminal(kBottomTerminal, 1, "2");
        const bool goOn = f.conductPoles(kOnePole, row.conducts, row.check);

        std::string letters;
        for (int slot : {top, bottom, far, dot, other, hidden, lonely}) letters += slot < 0 ? '-' : s.letter(slot);
        EXPECT_EQ(letters, row.letters);
        EXPECT_EQ(s.box(), row.box);
        EXPECT_EQ(goOn, std::string(row.box).empty());
        EXPECT_EQ(f.stopped(), !goOn);
        if (row.top != '0' && row.bottom == '0' && row.conducts && row.bottomWired && row.bottomNet != 0) {
            EXPECT_EQ(s.view.m_terminalPotential[far][1].letter(), '*');
            EXPECT_EQ(s.view.m_terminalPotential[dot][1].letter(), '*');
            EXPECT_EQ(s.view.m_terminalPotential[far][0].letter(), '0');
        }
        // After a report the frame draws nothing more.
        s.dc.clear();
        f.draw("LINE,+000,+000,+010,+000");
        EXPECT_EQ(s.dc.count(DcOp::LineTo), goOn ? 1 : 0);
    }
}

// The state picture: outside simulation the fixed and rest parts in the paint's
// colour every call; while simulating only on a change of state, with the other
// state's parts erased in white between the fixed parts and the state's own.
TEST(ComponentFrame, StatePictureRedrawnOnChange) {
    static constexpr const char* kFixed[] = {"LINE,+000,+000,+010,+000"};
    static constexpr const char* kRest[] = {"LINE,+000,+005,+010,+005"};
    static constexpr const char* kOperated[] = {"LINE,+000,+009,+010,+009"};
    const StatePicture picture{kFixed, kRest, kOperated};
    struct Row {
        const char* name;
        bool simulating;
        bool preview;
        int state, drawnBefore;
        const char* drawn;  // per line: its y (0 fixed, 5 rest, 9 operated) and colour
        int drawnAfter;
    };
    const Row rows[] = {
        {"edit mode", false, false, 1, 7, "0k 5k", 7},
        {"preview", false, true, 1, 7, "0r 5r", 7},
        {"unchanged state", true, false, 1, 1, "", 1},
        {"switched on", true, false, 1, 0, "0r 5w 9r", 1},
        {"switched off", true, false, 0, 1, "0g 9w 5g", 0},
        {"after a background erase", true, false, 0, -1, "0g 9w 5g", 0},
        {"a third state shows the rest picture", true, false, 2, 0, "0g 9w 5g", 2},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        DeviceSheet s;
        s.view.m_simulating = row.simulating ? 1 : 0;
        s.view.m_state[s.device] = row.state;
        s.view.m_drawnState[s.device] = row.drawnBefore;
        if (row.preview) {
            s.view.m_loopIndex = s.view.m_componentCount;
            s.view.m_drawingPlaced = 0;
            s.view.m_penColor = g_colorRed;
        }
        ComponentFrame f(s.view, s.dc, 5, 100, 100);
        EXPECT_EQ(f.drawStatePicture(picture), std::string(row.drawn) != "");
        std::string drawn;
        for (const DcCall& c : s.dc.callsOf(DcOp::LineTo)) {
            if (!drawn.empty()) drawn += ' ';
            drawn += std::to_string(c.point(1).y - 100);
            drawn += c.pen.color == g_colorRed    ? 'r'
                     : c.pen.color == g_colorGrey ? 'g'
                     : c.pen.color == g_colorWhite ? 'w'
                     : c.pen.color == g_colorBlack ? 'k'
                                                   : '?';
        }
        EXPECT_EQ(drawn, row.drawn);
        EXPECT_EQ(s.view.m_drawnState[s.device], row.drawnAfter);
    }
}

// Colours set by a routine take effect only while it evaluates; the preview and
// the edit mode keep the colour the paint chose.
TEST(ComponentFrame, PenColourOnlyWhileEvaluating) {
    struct Row {
        const char* name;
        bool simulating, preview;
        int state;
        Color after;
    };
    const Row rows[] = {
        {"evaluating, state 1", true, false, 1, g_colorRed},
        {"evaluating, state 0", true, false, 0, g_colorGrey},
        {"evaluating, state 2", true, false, 2, g_colorGrey},
        {"edit mode", false, false, 1, g_colorBlack},
        {"preview", false, true, 1, g_colorBlack},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        DeviceSheet s;
        s.view.m_simulating = row.simulating ? 1 : 0;
        s.view.m_state[s.device] = row.state;
        if (row.preview) {
            s.view.m_loopIndex = s.view.m_componentCount;
            s.view.m_drawingPlaced = 0;
        }
        ComponentFrame f(s.view, s.dc, 5, 100, 100);
        f.useStateColor();
        EXPECT_EQ(s.view.m_penColor, row.after);
        EXPECT_EQ(f.evaluating(), row.simulating && !row.preview);
    }
}

// A device that owns its output wire writes it directly: only a live wire found at
// that terminal in this call.
TEST(ComponentFrame, LinkedWireWrittenOnlyWhenFound) {
    struct Row {
        const char* name;
        bool wired;
        bool hiddenAfterScan;
        char expected;
    };
    const Row rows[] = {
        {"found in this call", true, false, '+'},
        {"not found", false, false, '0'},
        {"hidden since", true, true, '0'},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        DeviceSheet s;
        const int out = s.netWire(row.wired ? 50 : 55, 30, row.wired ? 50 : 55, 50, 1);
        // A slot index from before pointing at the wire.
        s.view.m_terminalLink[s.device][0] = out;
        ComponentFrame f(s.view, s.dc, 5, 250, 250);
        f.terminal(kTopTerminal, 0, "1", WireLink::Slot);
        if (row.hiddenAfterScan) s.view.m_deleted[out] = 1;
        f.writeLinkedWire(0, '+');
        EXPECT_EQ(s.letter(out), row.expected);
    }
}
