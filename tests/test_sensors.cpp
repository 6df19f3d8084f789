// Proximity sensors and light barriers: the 2-wire output that conducts like a
// contact, the 3-wire output written onto the wire at S, the reflex barrier's
// changeover output behind its supply test, what they draw on a change of state,
// and whole circuits operated with the mouse.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "circuit_sheet.h"
#include "kept_pictures.h"
#include "render/Colors.h"
#include "render/Potentials.h"
#include "symbol_sheet.h"
#include "terminal_bench.h"
#include "symbols/power/MultiPole.h"

using namespace velk;
using velk::symboltest::kEarthFault;
using velk::symboltest::kShortCircuit;
using velk::symboltest::SymbolSheet;
using velk::testkit::DcOp;
using Bench = velk::symboltest::TerminalBench;

namespace {

std::string nameOf(int type) { return CVelkarionView::routineNameFor(type); }

// Where the terminals meet their wires, drawing units from the insertion point,
// orientation 0: terminals below, or on the right-hand side.
constexpr Point kBelow[] = {{0, 0}, {0, 12}, {9, 6}};
constexpr Point kSide[] = {{3, 0}, {3, 6}, {3, 3}};
constexpr Point kReflex[] = {{0, 0}, {6, 0}, {0, 18}, {3, 18}, {6, 18}};

// Every sensor code with its routine: NO or NC, sensing kind, wiring variant.
struct SensorCode {
    int type;
    bool nc;
    int kind;     // 0 inductive, 1 capacitive, 2 magnetic
    int variant;  // 0 2-wire, 1 PNP, 2 NPN, 3 to 5 the same on one side
};
std::vector<SensorCode> sensorCodes() {
    std::vector<SensorCode> codes;
    for (int nc = 0; nc < 2; ++nc)
        for (int kind = 0; kind < 3; ++kind)
            for (int variant = 0; variant < 6; ++variant)
                codes.push_back({(nc ? 7520 : 7500) + 6 * kind + variant, nc == 1, kind, variant});
    return codes;
}
std::string routineOf(const SensorCode& c) {
    static const char* const kWiring[] = {"2Wire", "3Wire", "3Wire", "2WireSide", "3WireSide", "3WireSide"};
    return std::string("DrawSensor") + (c.nc ? "NC" : "NO") + kWiring[c.variant];
}

std::string three(char a, char b, char c = 0) {
    std::string out = std::string(3, a) + ' ' + std::string(3, b);
    if (c) out += ' ' + std::string(3, c);
    return out;
}

}  // namespace

// The side members draw their twin's picture moved by (-45, -15), texts included.
TEST(SensorDrawing, MovedCommands) {
    struct Row {
        const char* command;
        const char* moved;
    };
    const Row rows[] = {
        {"LINE,-030,+015,+030,+015", "LINE,-075,+000,-015,+000"},
        {"POLI,-015,+036,-017,+038,-015,+038,-015,+036", "POLI,-060,+021,-062,+023,-060,+023,-060,+021"},
        {"TEXT,-004,+023,R    ,0", "TEXT,-049,+008,R    ,0"},
        {"NUME,+005,-000,%c%c%c%c", "NUME,-040,-015,%c%c%c%c"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.command);
        EXPECT_EQ(movedCommand(r.command, -45, -15), r.moved);
    }
}

// Every 2-wire member (sensors and receivers, below and on the side): the output
// conducts T1-T2 by net while on (NO detecting, NC at rest), feeding every wire and
// dot of the dead side with the fed mark; off, it isolates; on across two live
// letters it stops with one message.
TEST(SensorTwoWire, ConductionTable) {
    struct Member {
        int type;
        bool nc;
        bool side;
    };
    const Member members[] = {
        {kTypeInductiveSensorNO2Wire, false, false},   {kTypeMagneticSensorNC2Wire, true, false},
        {kTypeCapacitiveSensorNO2WireSide, false, true}, {kTypeInductiveSensorNC2WireSide, true, true},
        {kTypeBarrierReceiverNO2Wire, false, false},   {kTypeBarrierReceiverNC2Wire, true, false},
        {kTypeBarrierReceiverNO2WireSide, false, true}, {kTypeBarrierReceiverNC2WireSide, true, true},
    };
    for (const Member& m : members) {
        const int on = m.nc ? 0 : 1, off = 1 - on;
        struct Case {
            const char* name;
            int state;
            std::string letters, after, box;
            bool fedBelow, fedAbove;
        };
        const Case cases[] = {
            {"off, 1 above", off, "1", three('1', '0'), "", false, false},
            {"on, 1 above", on, "1", three('1', '1'), "", false, true},
            {"on, 1 below", on, "01", three('1', '1'), "", true, false},
            {"on, equal letters", on, "22", three('2', '2'), "", false, false},
            {"off, 1 and N", off, "1N", three('1', 'N'), "", false, false},
            {"on, 1 and N", on, "1N", "", kShortCircuit, false, false},
            {"on, P and 2", on, "P2", "", kEarthFault, false, false},
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(nameOf(m.type) + ", " + c.name);
            Bench b(m.type, m.side ? kSide : kBelow, 2);
            b.evaluate(c.state, c.letters);
            EXPECT_EQ(b.s.box(), c.box);
            if (!c.box.empty()) {
                EXPECT_EQ(b.s.view.m_simulating, 0);
                continue;
            }
            EXPECT_EQ(b.after(), c.after);
            EXPECT_EQ(b.marks(0), c.fedBelow ? "***" : "...");
            EXPECT_EQ(b.marks(1), c.fedAbove ? "***" : "...");
        }
    }
}

// Every 3-wire member: '+' at T1 and '-' at T2 put '+' (PNP) or '-' (NPN) on the
// wire at S while the output is on, over whatever it carried and without a report;
// any other supply, or no wire at S, writes nothing.
TEST(SensorThreeWire, OutputTable) {
    struct Member {
        int type;
        bool nc;
        bool side;
        char output;
    };
    const Member members[] = {
        {kTypeInductiveSensorNO3WirePnp, false, false, '+'},   {kTypeCapacitiveSensorNO3WireNpn, false, false, '-'},
        {kTypeMagneticSensorNC3WirePnp, true, false, '+'},     {kTypeInductiveSensorNC3WireNpn, true, false, '-'},
        {kTypeMagneticSensorNO3WirePnpSide, false, true, '+'}, {kTypeInductiveSensorNO3WireNpnSide, false, true, '-'},
        {kTypeCapacitiveSensorNC3WirePnpSide, true, true, '+'}, {kTypeMagneticSensorNC3WireNpnSide, true, true, '-'},
        {kTypeBarrierReceiverNO3WirePnp, false, false, '+'},   {kTypeBarrierReceiverNO3WireNpn, false, false, '-'},
        {kTypeBarrierReceiverNC3WirePnpSide, true, true, '+'}, {kTypeBarrierReceiverNC3WireNpnSide, true, true, '-'},
    };
    for (const Member& m : members) {
        const int on = m.nc ? 0 : 1, off = 1 - on;
        const char out = m.output;
        struct Case {
            const char* name;
            int state;
            std::string letters;
            char atS;
        };
        const Case cases[] = {
            {"on, + and -", on, "+-", out},  {"off, + and -", off, "+-", '0'}, {"on, reversed", on, "-+", '0'},
            {"on, AC", on, "1N", '0'},       {"on, - missing", on, "+", '0'},  {"on, S carries 1", on, "+-1", out},
            {"off, S carries 1", off, "+-1", '1'},
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(nameOf(m.type) + ", " + c.name);
            Bench b(m.type, m.side ? kSide : kBelow, 3);
            b.evaluate(c.state, c.letters);
            EXPECT_EQ(b.s.box(), "");
            EXPECT_EQ(b.s.letter(b.nets[2][0]), c.atS);
            EXPECT_EQ(b.s.letter(b.nets[2][1]), c.letters.size() > 2 ? c.letters[2] : '0') << "only the wire at S";
            EXPECT_EQ(b.marks(2), "...");
        }
        // S without a wire: nothing, not even through what an earlier call found.
        SCOPED_TRACE(nameOf(m.type) + ", S loses its wire");
        Bench b(m.type, m.side ? kSide : kBelow, 3);
        b.evaluate(on, "+-");
        ASSERT_EQ(b.s.letter(b.nets[2][0]), out);
        b.s.view.m_deleted[b.nets[2][0]] = 1;
        b.evaluate(on, "+-");
        EXPECT_EQ(b.s.letter(b.nets[2][0]), '0');
    }
}

// A terminal whose wire is gone carries nothing: a letter it found earlier feeds
// no net.
TEST(SensorTwoWire, TerminalThatLostItsWireFeedsNothing) {
    Bench b(kTypeInductiveSensorNO2Wire, kBelow, 2);
    b.evaluate(1, "1");
    ASSERT_EQ(b.after(), three('1', '1'));
    b.s.view.m_deleted[b.nets[0][0]] = 1;
    b.evaluate(1, "1");
    EXPECT_EQ(b.after(), "111 000") << "the deleted wire keeps what the test gave it";
}

// All 36 sensor codes reach their routine, draw the mark of their sensing kind and
// find their wires at their own terminal points (the side members at (15, 0),
// (15, 30) and (15, 15)).
TEST(SensorCodes, EveryCodeReachesItsRoutineMarkAndTerminals) {
    for (const SensorCode& c : sensorCodes()) {
        SCOPED_TRACE(c.type);
        EXPECT_EQ(nameOf(c.type), routineOf(c));
        const bool side = c.variant >= 3, threeWire = c.variant % 3 != 0;
        Bench b(c.type, side ? kSide : kBelow, threeWire ? 3 : 2);
        b.s.view.m_simulating = 0;
        b.s.drawPlaced(b.device, g_colorBlack);
        // Inductive: one block; capacitive: none; magnetic: three.
        const int marks[] = {1, 0, 3};
        EXPECT_EQ(b.s.dc.count(DcOp::Polygon), marks[c.kind]);
        const int lines = 2 + (side ? 2 : 0) + (threeWire ? 1 : 0) + 12 + (c.nc ? 2 : 1) + (c.kind == 0 ? 1 : c.kind == 1 ? 4 : 0);
        EXPECT_EQ(b.s.dc.count(DcOp::LineTo), lines);

        b.evaluate(0, threeWire ? "NP3" : "NP");
        for (int k = 0; k < (threeWire ? 3 : 2); ++k)
            EXPECT_EQ(b.s.view.m_terminalPotential[b.device][k].letter(), "NP3"[k]) << "terminal " << k;
    }
    EXPECT_EQ(CVelkarionView::routineFor(7518), nullptr);
    EXPECT_EQ(CVelkarionView::routineFor(7519), nullptr);
}

// The supply test of the reflex barrier, and its one conducting path: T3-T4 at
// rest or unsupplied, T3-T5 actuated and supplied.
TEST(ReflexBarrier, SupplyAndChangeoverTable) {
    struct Case {
        const char* name;
        std::string supply;
        bool supplied;
    };
    const Case cases[] = {
        {"1 N", "1N", true},   {"N 1", "N1", true},  {"1 3", "13", true},  {"- +", "-+", true},
        {"P 1", "P1", false},  {"N P", "NP", false}, {"+ P", "+P", false}, {"1 1", "11", false},
        {"3 3", "33", false},  {"1 only", "1", false}, {"+ N", "+N", false},
    };
    for (const Case& c : cases) {
        for (int state : {0, 1}) {
            SCOPED_TRACE(std::string(c.name) + (state ? ", actuated" : ", at rest"));
            Bench b(kTypeReflexBarrier, kReflex, 5);
            std::string letters = c.supply;
            letters.resize(2, '0');
            b.evaluate(state, letters + "2");
            EXPECT_EQ(b.s.box(), "");
            const bool active = state == 1 && c.supplied;
            EXPECT_EQ(b.s.letter(b.nets[3][1]), active ? '0' : '2');
            EXPECT_EQ(b.s.letter(b.nets[4][1]), active ? '2' : '0');
            EXPECT_EQ(b.marks(active ? 4 : 3), "***");
        }
    }
    // Actuated and supplied: T3 and T5 meet.
    Bench b(kTypeReflexBarrier, kReflex, 5);
    b.evaluate(1, "1N1N2");
    EXPECT_EQ(b.s.box(), kShortCircuit);
    EXPECT_EQ(b.s.view.m_simulating, 0);
    // At rest T3 and T4 meet.
    Bench rest(kTypeReflexBarrier, kReflex, 5);
    rest.evaluate(0, "001P");
    EXPECT_EQ(rest.s.box(), kEarthFault);
}

// While simulating, an unchanged state draws only the texts and terminals; a
// change (or an erase, drawn state -1) draws everything once, the body silver
// while detecting and white at rest. The reflex barrier and the emitter fill only
// on the last pass while supplied; otherwise they draw every command, unfilled.
TEST(SensorDrawing, UnchangedStateDrawsOnlyTextsAndTerminals) {
    struct Row {
        int type;
        const Point* ends;
        int terminals;
        std::string supply;
    };
    const Row rows[] = {
        {kTypeInductiveSensorNO2Wire, kBelow, 2, ""},
        {kTypeMagneticSensorNC3WireNpnSide, kSide, 3, ""},
        {kTypeBarrierReceiverNO2Wire, kBelow, 2, ""},
        {kTypeBarrierReceiverNC3WirePnpSide, kSide, 3, ""},
        {kTypeBarrierEmitter, kBelow, 2, "1N"},
        {kTypeBarrierEmitterSide, kSide, 2, "+-"},
        {kTypeReflexBarrier, kReflex, 5, "1N"},
    };
    for (const Row& r : rows) {
        const bool lastPassOnly = r.type == kTypeReflexBarrier || r.type == kTypeBarrierEmitter ||
                                  r.type == kTypeBarrierEmitterSide;
        for (int state : {0, 1}) {
            SCOPED_TRACE(nameOf(r.type) + (state ? ", detecting" : ", at rest"));
            Bench b(r.type, r.ends, r.terminals);
            const int pass = 5;
            b.evaluate(state, r.supply, pass);
            EXPECT_EQ(b.s.dc.count(DcOp::LineTo), 0) << b.s.dc.transcript();
            EXPECT_EQ(b.s.dc.count(DcOp::Polygon), 0);
            EXPECT_EQ(b.s.dc.count(DcOp::TextOut), 1 + r.terminals) << "the label and the terminal names";

            b.s.view.m_drawnState[b.device] = -1;  // what an erase leaves
            b.s.view.m_simulating = 1;
            g_simPass = lastPassOnly ? 4 : pass;
            b.s.drawPlaced(b.device, g_colorBlack);
            if (lastPassOnly) {
                EXPECT_EQ(b.s.view.m_drawnState[b.device], -1) << "only the last pass fills";
                EXPECT_GT(b.s.dc.count(DcOp::LineTo), 0) << "but every command is drawn";
                g_simPass = 5;
                b.s.drawPlaced(b.device, g_colorBlack);
            }
            g_simPass = 0;
            EXPECT_EQ(b.s.view.m_drawnState[b.device], state);
            const auto polygons = b.s.dc.callsOf(DcOp::Polygon);
            ASSERT_FALSE(polygons.empty());
            EXPECT_EQ(polygons[0].brush.color, state == 1 ? g_colorSilver : g_colorWhite);
            EXPECT_GT(b.s.dc.count(DcOp::LineTo), 8);
        }
    }
    // Unsupplied, the reflex barrier never fills, whatever the pass.
    Bench b(kTypeReflexBarrier, kReflex, 5);
    b.s.view.m_drawnState[b.device] = -1;
    b.s.view.m_state[b.device] = 1;
    b.s.view.m_simulating = 1;
    g_simPass = 5;
    b.s.drawPlaced(b.device, g_colorBlack);
    g_simPass = 0;
    EXPECT_EQ(b.s.view.m_drawnState[b.device], -1);
    for (const auto& p : b.s.dc.callsOf(DcOp::Polygon)) EXPECT_NE(p.brush.color, g_colorSilver);
}

// The previews: the default label, the terminal names, the rest blade and the mark
// of the tool; nothing filled.
TEST(SensorDrawing, Previews) {
    struct Row {
        int tool;
        std::vector<std::string> texts;
        int polygons;
    };
    const Row rows[] = {
        {kTypeInductiveSensorNO2Wire, {"   -B", "1", "2"}, 1},
        {kTypeCapacitiveSensorNO2Wire, {"   -B", "1", "2"}, 0},
        {kTypeMagneticSensorNC2Wire, {"   -B", "1", "2"}, 3},
        {kTypeReflexBarrier, {"   -B", "1", "2", "3", "4", "5"}, 4},
        {kTypeBarrierEmitter, {"   -B", "1", "2", "E    "}, 2},
        {kTypeBarrierReceiverNO2Wire, {"   -B", "1", "2", "R    "}, 2},
        {kTypeBarrierReceiverNC2Wire, {"   -B", "1", "2", "R    "}, 2},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(nameOf(r.tool));
        SymbolSheet s;
        s.drawPreview(r.tool);
        std::vector<std::string> texts;
        for (const auto& call : s.dc.callsOf(DcOp::TextOut)) texts.push_back(call.text);
        EXPECT_EQ(texts, r.texts);
        EXPECT_EQ(s.dc.count(DcOp::Polygon), r.polygons);
        for (const auto& line : s.dc.callsOf(DcOp::LineTo)) EXPECT_EQ(line.pen.color, g_colorRed);
    }
}

// Every member in the eight orientations, at rest and detecting (supplied where
// it needs a supply): the body is filled white or silver in every orientation. The
// pictures are kept for a look, one per family.
TEST(SensorDrawing, EveryOrientationInBothStates) {
    struct Family {
        const char* file;
        std::vector<int> types;
    };
    const Family families[] = {
        {"sensor_orientations.png",
         {7500, 7501, 7502, 7503, 7504, 7505, 7506, 7513, 7523, 7524, 7525, 7529, 7532, 7534}},
        {"barrier_orientations.png", {7550, 7551, 7552, 7553, 7554, 7555, 7556, 7557, 7559, 7560, 7562, 7564}},
    };
    constexpr int kCell = 140;
    for (const Family& family : families) {
        SymbolSheet s;
        s.doc.m_zoom = 4;
        const int rows = static_cast<int>(family.types.size());
        Surface sheet(16 * kCell, rows * kCell);
        sheet.fill(g_colorWhite);
        Dc dc(sheet);
        for (int row = 0; row < rows; ++row) {
            const int type = family.types[static_cast<std::size_t>(row)];
            for (int column = 0; column < 16; ++column) {
                const int orientation = column % 8;
                const int state = column < 8 ? 0 : 1;
                SCOPED_TRACE(std::to_string(type) + " orientation " + std::to_string(orientation));
                const int x = (column * kCell + kCell / 2) / 4, y = (row * kCell + kCell / 2) / 4;
                const int slot = s.place(type, x, y, orientation);
                s.view.m_label[slot] = "-B1";
                s.view.m_labelVisible[slot] = 1;
                for (int k = 0; k < 5; ++k) {
                    s.view.m_terminalName[slot][k] = std::string(1, "12345"[k]);
                    s.view.m_terminalNameVisible[slot][k] = 1;
                }
                const bool needsSupply = type == kTypeReflexBarrier || type == kTypeBarrierEmitter ||
                                         type == kTypeBarrierEmitterSide;
                if (needsSupply) {
                    const Point* ends = type == kTypeReflexBarrier ? kReflex : type == kTypeBarrierEmitter ? kBelow : kSide;
                    for (int k = 0; k < 2; ++k) {
                        const Point e = symboltest::turned(orientation, ends[k]);
                        s.addLine(kTypeWirePhase, x + e.x, y + e.y, x + e.x, y + e.y, "1N"[k]);
                    }
                }
                s.view.m_simulating = 1;
                s.view.m_state[slot] = state;
                s.view.m_drawnState[slot] = -1;
                s.view.m_loopIndex = slot;
                s.view.m_drawingPlaced = 1;
                s.view.m_penColor = g_colorBlack;
                g_simPass = 5;
                (s.view.*CVelkarionView::routineFor(type))(dc, 4, x * 4, y * 4);
                g_simPass = 0;
                EXPECT_EQ(s.view.m_drawnState[slot], state);
            }
        }
        s.view.m_simulating = 0;
        testpictures::keepPicture(sheet, family.file);
    }
}

// --- circuits operated with the mouse -----------------------------------------------------

namespace {

using circuittest::Circuit;
using circuittest::kNeutral;
using circuittest::kPhase;
using circuittest::Sheet;

// An L-N supply at (60, 60) (L there, N 6 units right), a two-terminal switching
// device at (90, 90) and a lamp below it.
Sheet switchAndLamp(int tool) {
    return {
        {
            {ID_PLACE_SUPPLY_LN, {60, 60}, ""},
            {tool, {90, 90}, ""},
            {ID_PLACE_PILOT_LAMP, {90, 120}, ""},
        },
        {
            {kPhase, {60, 60}, {60, 75}},
            {kPhase, {60, 75}, {90, 75}},
            {kPhase, {90, 75}, {90, 90}},
            {kPhase, {90, 102}, {90, 120}},
            {kNeutral, {90, 132}, {90, 141}},
            {kNeutral, {90, 141}, {150, 141}},
            {kNeutral, {66, 60}, {150, 60}},
            {kNeutral, {150, 60}, {150, 141}},
        },
    };
}

// A reflex barrier at (90, 90) supplied L-N, L on its common, a lamp on T4 at
// (120, 120) and one on T5 at (150, 120); an emitter of the same label beside it.
const Sheet kReflexLamps = {
    {
        {ID_PLACE_SUPPLY_LN, {60, 60}, ""},
        {ID_PLACE_REFLEX_BARRIER, {90, 90}, ""},
        {ID_PLACE_PILOT_LAMP, {120, 120}, ""},
        {ID_PLACE_PILOT_LAMP, {150, 120}, ""},
        {ID_PLACE_BARRIER_EMITTER, {240, 90}, ""},
    },
    {
        {kPhase, {60, 60}, {60, 75}},
        {kPhase, {60, 75}, {90, 75}},
        {kPhase, {90, 75}, {90, 90}},
        {kPhase, {60, 75}, {60, 108}},
        {kPhase, {60, 108}, {90, 108}},
        {kPhase, {93, 108}, {93, 114}},
        {kPhase, {93, 114}, {120, 114}},
        {kPhase, {120, 114}, {120, 120}},
        {kPhase, {96, 108}, {96, 111}},
        {kPhase, {96, 111}, {150, 111}},
        {kPhase, {150, 111}, {150, 120}},
        {kNeutral, {66, 60}, {96, 60}},
        {kNeutral, {96, 60}, {96, 90}},
        {kNeutral, {96, 60}, {180, 60}},
        {kNeutral, {180, 60}, {180, 141}},
        {kNeutral, {120, 132}, {120, 141}},
        {kNeutral, {150, 132}, {150, 141}},
        {kNeutral, {120, 141}, {150, 141}},
        {kNeutral, {150, 141}, {180, 141}},
    },
};

}  // namespace

// A sensor (or a receiver on its own) between the supply and a lamp: a press on it
// lights the lamp a tick later, a release over it darkens it; an NC sensor the
// other way round.
TEST(SensorCircuits, PressOnTheDeviceSwitchesTheLamp) {
    struct Row {
        int tool;
        int type;
        bool nc;
    };
    const Row rows[] = {
        {ID_PLACE_INDUCTIVE_SENSOR_NO, kTypeInductiveSensorNO2Wire, false},
        {ID_PLACE_MAGNETIC_SENSOR_NC, kTypeMagneticSensorNC2Wire, true},
        {ID_PLACE_BARRIER_RECEIVER_NO, kTypeBarrierReceiverNO2Wire, false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(nameOf(r.type));
        testkit::Session session;
        Circuit c(session);
        c.draw(switchAndLamp(r.tool));
        const int sensor = c.slotOf(r.type), lamp = c.slotOf(kTypePilotLamp);
        ASSERT_GE(sensor, 0);
        ASSERT_GE(lamp, 0);
        const Color rest = r.nc ? g_colorGreen : g_colorWhite, held = r.nc ? g_colorWhite : g_colorGreen;
        c.simulate();
        c.tick();
        EXPECT_EQ(c.lampPixel(lamp), rest);
        c.press(sensor);
        EXPECT_EQ(c.lampPixel(lamp), rest) << "not before the next tick";
        c.tick();
        EXPECT_EQ(c.view().m_state[sensor], 1);
        EXPECT_EQ(c.lampPixel(lamp), held);
        c.tick();
        EXPECT_EQ(c.lampPixel(lamp), held);
        c.release(sensor);
        c.tick();
        EXPECT_EQ(c.view().m_state[sensor], 0);
        EXPECT_EQ(c.lampPixel(lamp), rest);
        // Held, then the button comes up far from it: it is let go all the same.
        c.press(sensor);
        c.tick();
        EXPECT_EQ(c.lampPixel(lamp), held);
        const Point away = session.unitsToWindow(c.view(), 300, 300);
        session.move(c.view(), away.x, away.y);
        session.release(c.view(), away.x, away.y);
        c.tick();
        EXPECT_EQ(c.view().m_state[sensor], 0);
        EXPECT_EQ(c.lampPixel(lamp), rest);
        EXPECT_EQ(c.view().m_simulating, 1);
        EXPECT_TRUE(session.messages().empty());
    }
}

// A supplied reflex barrier lights the lamp on T4 at rest; a press on it, or on an
// emitter of its label, switches over to the lamp on T5 until the button comes up.
TEST(SensorCircuits, ReflexBarrierSwitchesOverWhilePressedOrItsEmitterIs) {
    testkit::Session session;
    Circuit c(session);
    c.draw(kReflexLamps);
    const int barrier = c.slotOf(kTypeReflexBarrier), emitter = c.slotOf(kTypeBarrierEmitter);
    const int restLamp = c.slotOf(kTypePilotLamp, 0), activeLamp = c.slotOf(kTypePilotLamp, 1);
    c.simulate();
    c.tick();
    EXPECT_EQ(c.lampPixel(restLamp), g_colorGreen);
    EXPECT_EQ(c.lampPixel(activeLamp), g_colorWhite);
    for (int pressed : {barrier, emitter}) {
        SCOPED_TRACE(pressed == barrier ? "press on the barrier" : "press on the emitter");
        c.press(pressed);
        c.tick();
        EXPECT_EQ(c.view().m_state[barrier], 1);
        EXPECT_EQ(c.lampPixel(restLamp), g_colorWhite);
        EXPECT_EQ(c.lampPixel(activeLamp), g_colorGreen);
        c.release(pressed);
        c.tick();
        EXPECT_EQ(c.lampPixel(restLamp), g_colorGreen);
        EXPECT_EQ(c.lampPixel(activeLamp), g_colorWhite);
    }
    EXPECT_EQ(c.view().m_simulating, 1);
    EXPECT_TRUE(session.messages().empty());
}
