// Switches the user operates: latching and limit switches, the selectors, the
// intermediate switch and the switch-disconnectors. Devices stand on a simulating
// sheet with a wire leading away from every terminal; each clock tick puts the
// letters of a row on those wires by hand, paints, and reads back what every
// terminal wire carries. The clicks go through the mouse operation of the view.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "circuit_sheet.h"
#include "kept_pictures.h"
#include "render/Colors.h"
#include "render/Potentials.h"
#include "symbol_sheet.h"

using namespace velk;
using velk::symboltest::SymbolSheet;

namespace {

constexpr double kZoom = 5;  // one pixel per symbol unit

// Terminal connection points in drawing units from the device's point, in
// terminal order.
std::vector<Point> terminalEnds(int type) {
    switch (type) {
        case kTypeLatchingSwitchNONC:
        case kTypeLimitSwitchNONC: return {{0, 0}, {9, 0}, {0, 12}, {9, 12}};
        case kTypeLatchingSwitchChangeover:
        case kTypeLimitSwitchChangeover:
        case kTypeSelectorSwitchCenterOff: return {{3, 0}, {0, 12}, {6, 12}};
        case kTypeSelectorSwitchThreeWay: return {{6, 0}, {0, 12}, {6, 12}, {12, 12}};
        case kTypeIntermediateSwitch: return {{0, 0}, {6, 0}, {0, 12}, {6, 12}};
        case kTypeSwitchDisconnectorI: return {{0, 0}, {0, 12}};
        case kTypeSwitchDisconnectorII: return {{0, 0}, {6, 0}, {0, 12}, {6, 12}};
        case kTypeSwitchDisconnectorIII: return {{0, 0}, {6, 0}, {12, 0}, {0, 12}, {6, 12}, {12, 12}};
        case kTypeSwitchDisconnectorIIII:
            return {{0, 0}, {6, 0}, {12, 0}, {18, 0}, {0, 12}, {6, 12}, {12, 12}, {18, 12}};
        default: return {{0, 0}, {0, 12}};
    }
}

// A sheet at zoom 5 painted onto a surface, so what a paint left can be read
// back pixel by pixel.
class SwitchBench {
public:
    struct Device {
        int slot;
        std::vector<int> wires;  // one per terminal, in terminal order
    };

    SwitchBench() { s.doc.m_zoom = kZoom; }

    // A device with the placement defaults of its type and the label given, and
    // a short wire away from each terminal (up from the top ones, down from the
    // bottom ones), each a net of its own.
    Device add(int type, Point at, const char* label) {
        Device d{s.place(type, at.x, at.y), {}};
        s.view.m_label[d.slot] = label;
        for (const Point& e : terminalEnds(type)) {
            const int x = at.x + e.x, y = at.y + e.y;
            d.wires.push_back(e.y == 0 ? s.wire(x, y - 6, x, y) : s.wire(x, y, x, y + 6));
        }
        devices.push_back(d);
        return d;
    }
    // Simulate, and the erase of the window that follows it.
    void simulate() {
        s.view.OnModeRun();
        ASSERT_EQ(s.view.m_simulating, 1);
        s.view.OnEraseBkgnd(dc);
    }
    // One clock tick with letters put on the terminal wires of devices ('.' leaves
    // a wire as the tick left it).
    struct Feed {
        const Device* device;
        std::string letters;
    };
    void tick(const std::vector<Feed>& feeds) {
        s.view.OnTimer(kSimulationTimerId);
        for (const Feed& f : feeds)
            for (std::size_t k = 0; k < f.letters.size() && k < f.device->wires.size(); ++k)
                if (f.letters[k] != '.') s.setLetter(f.device->wires[k], f.letters[k]);
        s.view.OnDraw(dc);
    }
    // The same for one device; the letters of its wires after the paint.
    std::string tick(const Device& d, const std::string& letters) {
        tick({{&d, letters}});
        return lettersOf(d);
    }
    std::string lettersOf(const Device& d) const {
        std::string out;
        for (int w : d.wires) out += s.letter(w);
        return out;
    }
    // 'L' a left click, 'P' a press, 'U' a release over the device, 'R' a right press.
    void operate(const Device& d, char op) {
        const Point p{static_cast<int>((s.view.m_x[d.slot] - 3) * kZoom),
                      static_cast<int>((s.view.m_y[d.slot] + 6) * kZoom)};
        if (op == 'L' || op == 'P') s.view.OperateOnPress(p);
        if (op == 'L' || op == 'U') s.view.OperateOnRelease(p);
        if (op == 'R') s.view.OperateOnRightPress(p);
    }
    // A release far from every device.
    void releaseElsewhere() { s.view.OperateOnRelease({5, 5}); }

    // The pixel at a point of a device's symbol (symbol units, orientation 0).
    Color pixel(const Device& d, Point symbolPoint) const {
        return surface.pixel(static_cast<int>(s.view.m_x[d.slot] * kZoom) + symbolPoint.x,
                             static_cast<int>(s.view.m_y[d.slot] * kZoom) + symbolPoint.y);
    }

    SymbolSheet s;
    Surface surface{1200, 900};
    testkit::RecordingDc dc{surface};
    std::vector<Device> devices;
};

}  // namespace

// --- latching and limit switches, intermediate switch --------------------------------

// Each form conducts its rest pairs at rest and its actuated pairs when actuated;
// a latching switch toggles per press and stays, a limit switch conducts while
// held and is let go by the button coming up anywhere.
TEST(Switches, TwoPositionSwitchesConductTheirFormsPairs) {
    struct Row {
        const char* name;
        int type;
        const char* feed;  // letters on the terminal wires every tick
        // (operation, what the wires carry after the next tick), from the start
        std::vector<std::pair<char, const char*>> steps;
    };
    const Row rows[] = {
        {"latching NO toggles per press", kTypeLatchingSwitchNO, "1.",
         {{'-', "10"}, {'P', "11"}, {'U', "11"}, {'P', "10"}, {'U', "10"}, {'L', "11"}}},
        {"latching NC", kTypeLatchingSwitchNC, "1.", {{'-', "11"}, {'L', "10"}, {'L', "11"}}},
        {"latching NO+NC", kTypeLatchingSwitchNONC, "12..", {{'-', "1210"}, {'L', "1202"}, {'L', "1210"}}},
        {"latching changeover", kTypeLatchingSwitchChangeover, "1..", {{'-', "110"}, {'L', "101"}, {'L', "110"}}},
        {"limit NO conducts while held", kTypeLimitSwitchNO, "1.",
         {{'-', "10"}, {'P', "11"}, {'-', "11"}, {'U', "10"}, {'P', "11"}, {'E', "10"}}},
        {"limit NC", kTypeLimitSwitchNC, "1.", {{'-', "11"}, {'P', "10"}, {'U', "11"}}},
        {"limit NO+NC", kTypeLimitSwitchNONC, "12..", {{'-', "1210"}, {'P', "1202"}, {'U', "1210"}}},
        {"limit changeover", kTypeLimitSwitchChangeover, "1..", {{'-', "110"}, {'P', "101"}, {'E', "110"}}},
        // Crossed at rest, straight after a click; never T1 to T2 or T3 to T4.
        {"intermediate switch", kTypeIntermediateSwitch, "1N..", {{'-', "1NN1"}, {'L', "1N1N"}, {'L', "1NN1"}}},
        {"intermediate switch fed from below", kTypeIntermediateSwitch, "..1N", {{'-', "N11N"}, {'L', "1N1N"}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        SwitchBench b;
        const SwitchBench::Device d = b.add(row.type, {60, 60}, "-S1");
        b.simulate();
        for (const auto& [op, expected] : row.steps) {
            SCOPED_TRACE(std::string("after ") + op);
            if (op == 'E')
                b.releaseElsewhere();
            else if (op != '-')
                b.operate(d, op);
            EXPECT_EQ(b.tick(d, row.feed), expected);
        }
        EXPECT_TRUE(b.s.boxes.empty());
    }
}

// "1" on T1 and "2" on T4: crossed they meet and are reported once; straight each
// goes its own way.
TEST(Switches, IntermediateSwitchShortCircuitsOnlyCrossed) {
    {
        SwitchBench b;
        const SwitchBench::Device d = b.add(kTypeIntermediateSwitch, {60, 60}, "-S1");
        b.simulate();
        b.tick(d, "1..2");
        EXPECT_EQ(b.s.box(), symboltest::kShortCircuit);
        EXPECT_EQ(b.s.view.m_simulating, 0);
    }
    {
        SwitchBench b;
        const SwitchBench::Device d = b.add(kTypeIntermediateSwitch, {60, 60}, "-S1");
        b.simulate();
        b.operate(d, 'L');
        EXPECT_EQ(b.tick(d, "1..2"), "1212");
        EXPECT_EQ(b.tick(d, "1..2"), "1212");
        EXPECT_TRUE(b.s.boxes.empty());
    }
}

// --- selectors ------------------------------------------------------------------------

// Clicks in turn and the outputs the common feeds after each; "1" on T1, the
// outputs dead unless fed.
TEST(Switches, SelectorsJoinTheCommonToThePositionsOutput) {
    struct Row {
        const char* name;
        int type;
        const char* ops;  // 'L' left click, 'R' right press, '-' nothing
        std::vector<int> positions;
        std::vector<std::string> wires;
    };
    const Row rows[] = {
        {"I-0-II left clicks", kTypeSelectorSwitchCenterOff, "-LLL", {0, 1, 0, 1}, {"100", "110", "100", "110"}},
        {"I-0-II right clicks", kTypeSelectorSwitchCenterOff, "RRR", {2, 0, 2}, {"101", "100", "101"}},
        {"I-0-II left at 2 gives 0, right at 1 gives 0", kTypeSelectorSwitchCenterOff, "RLLR",
         {2, 0, 1, 0}, {"101", "100", "110", "100"}},
        {"I-II-III joins T1 and T2 from the start", kTypeSelectorSwitchThreeWay, "-LLLR", {0, 1, 2, 0, 0},
         {"1100", "1010", "1001", "1100", "1100"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        SwitchBench b;
        const SwitchBench::Device d = b.add(row.type, {60, 60}, "-S1");
        b.simulate();
        for (std::size_t i = 0; row.ops[i]; ++i) {
            SCOPED_TRACE(std::string("step ") + std::to_string(i));
            if (row.ops[i] != '-') b.operate(d, row.ops[i]);
            EXPECT_EQ(b.s.view.m_state[d.slot], row.positions[i]);
            EXPECT_EQ(b.tick(d, "1"), row.wires[i]);
        }
        EXPECT_TRUE(b.s.boxes.empty());
    }
}

// A live letter on the selected output meets the common's: one report. Outputs
// that are not selected are never fed, whatever the others carry.
TEST(Switches, SelectorFeedsOnlyTheSelectedOutput) {
    {
        SwitchBench b;
        const SwitchBench::Device d = b.add(kTypeSelectorSwitchThreeWay, {60, 60}, "-S1");
        b.simulate();
        b.operate(d, 'L');
        b.tick(d, "1.2.");
        EXPECT_EQ(b.s.box(), symboltest::kShortCircuit);
    }
    {
        SwitchBench b;
        const SwitchBench::Device d = b.add(kTypeSelectorSwitchCenterOff, {60, 60}, "-S1");
        b.simulate();
        b.operate(d, 'L');
        EXPECT_EQ(b.tick(d, "1.."), "110");
        // The selected output fed from below feeds the common; the other stays dead.
        EXPECT_EQ(b.tick(d, "0N."), "NN0");
        b.operate(d, 'L');
        EXPECT_EQ(b.tick(d, "1.2"), "102");
        EXPECT_TRUE(b.s.boxes.empty());
    }
}

// Every blade but the current one is erased, whatever the order the positions
// came in: here an I-II-III follows an I-0-II of its label from 1 straight back
// to 0.
TEST(Switches, SelectorRedrawLeavesOnlyTheCurrentBlade) {
    SwitchBench b;
    const SwitchBench::Device centerOff = b.add(kTypeSelectorSwitchCenterOff, {60, 60}, "-S3");
    const SwitchBench::Device threeWay = b.add(kTypeSelectorSwitchThreeWay, {120, 60}, "-S3");
    b.simulate();
    // Blades of I-II-III at y 35: positions 0, 1, 2.
    const Point blade[] = {{12, 35}, {30, 35}, {48, 35}};
    const auto blades = [&] {
        std::vector<Color> out;
        for (const Point& p : blade) out.push_back(b.pixel(threeWay, p));
        return out;
    };
    b.tick(threeWay, "");
    EXPECT_EQ(blades(), (std::vector<Color>{g_colorRed, g_colorWhite, g_colorWhite}));
    EXPECT_EQ(b.pixel(threeWay, {30, 5}), g_colorGrey);  // T1 lead: position 0 is at rest
    b.operate(centerOff, 'L');
    b.tick(threeWay, "");
    EXPECT_EQ(b.s.view.m_state[threeWay.slot], 1);
    EXPECT_EQ(blades(), (std::vector<Color>{g_colorWhite, g_colorRed, g_colorWhite}));
    EXPECT_EQ(b.pixel(threeWay, {30, 5}), g_colorRed);
    b.operate(centerOff, 'L');
    b.tick(threeWay, "");
    EXPECT_EQ(b.s.view.m_state[threeWay.slot], 0);
    EXPECT_EQ(blades(), (std::vector<Color>{g_colorRed, g_colorWhite, g_colorWhite}));
    // The I-0-II's centre blade is grey, its turned blades erased.
    EXPECT_EQ(b.pixel(centerOff, {15, 35}), g_colorGrey);
    EXPECT_EQ(b.pixel(centerOff, {5, 40}), g_colorWhite);
}

// --- equal labels ----------------------------------------------------------------------

TEST(Switches, EqualLabelsActAsOneDevice) {
    SwitchBench b;
    const SwitchBench::Device latchingNO = b.add(kTypeLatchingSwitchNO, {60, 60}, "-S1");
    const SwitchBench::Device latchingNC = b.add(kTypeLatchingSwitchNC, {120, 60}, "-S1");
    const SwitchBench::Device cross = b.add(kTypeIntermediateSwitch, {180, 60}, "-S1");
    const SwitchBench::Device other = b.add(kTypeLatchingSwitchNO, {60, 120}, "-S2");
    b.simulate();
    const auto tickAll = [&] {
        b.tick({{&latchingNO, "1"}, {&latchingNC, "1"}, {&cross, "1N"}, {&other, "1"}});
        return b.lettersOf(latchingNO) + " " + b.lettersOf(latchingNC) + " " + b.lettersOf(cross) + " " +
               b.lettersOf(other);
    };
    EXPECT_EQ(tickAll(), "10 11 1NN1 10");
    // Either latching switch moves the other and the intermediate switch of its label.
    b.operate(latchingNO, 'L');
    EXPECT_EQ(tickAll(), "11 10 1N1N 10");
    b.operate(latchingNC, 'L');
    EXPECT_EQ(tickAll(), "10 11 1NN1 10");
    b.operate(cross, 'L');
    EXPECT_EQ(tickAll(), "11 10 1N1N 10");
    b.operate(other, 'L');
    EXPECT_EQ(tickAll(), "11 10 1N1N 11");
    EXPECT_TRUE(b.s.boxes.empty());
}

// A selector copies its position itself; a two-position switch given 2 closes
// no pole and is drawn at rest.
TEST(Switches, SwitchGivenASelectorsPositionTwoRestsOpen) {
    SwitchBench b;
    const SwitchBench::Device selector = b.add(kTypeSelectorSwitchCenterOff, {60, 60}, "-S4");
    const SwitchBench::Device changeover = b.add(kTypeLatchingSwitchChangeover, {120, 60}, "-S4");
    const SwitchBench::Device twin = b.add(kTypeSelectorSwitchCenterOff, {180, 60}, "-S4");
    b.simulate();
    b.operate(selector, 'R');
    EXPECT_EQ(b.s.view.m_state[changeover.slot], 2);
    EXPECT_EQ(b.s.view.m_state[twin.slot], 2);
    EXPECT_EQ(b.tick(changeover, "1.."), "100");
    EXPECT_EQ(b.tick(twin, "1.."), "101");
    // The bracket stands at rest, in grey.
    EXPECT_EQ(b.pixel(changeover, {-30, 25}), g_colorGrey);
    EXPECT_EQ(b.pixel(changeover, {-20, 25}), g_colorWhite);
    b.operate(selector, 'L');
    EXPECT_EQ(b.tick(changeover, "1.."), "110");
}

// --- switch-disconnectors ----------------------------------------------------------------

TEST(Switches, SwitchDisconnectorClosesOnlyByClick) {
    SwitchBench b;
    const SwitchBench::Device sd = b.add(kTypeSwitchDisconnectorIII, {60, 60}, "-Q1");
    // A coil of its label, energised on every tick.
    const SwitchBench::Device coil = b.add(kTypeCoil, {150, 60}, "-Q1");
    b.simulate();
    for (int t = 0; t < 3; ++t) {
        b.tick({{&sd, "123"}, {&coil, "1N"}});
        EXPECT_EQ(b.s.view.m_state[coil.slot], 1);
        EXPECT_EQ(b.lettersOf(sd), "123000");
    }
    EXPECT_EQ(b.s.view.m_state[sd.slot], 0);
    EXPECT_EQ(b.pixel(sd, {-45, 25}), g_colorGrey);  // open grip

    // The press lands on the handle, left of the first pole.
    b.operate(sd, 'L');
    EXPECT_EQ(b.s.view.m_state[sd.slot], 1);
    EXPECT_EQ(b.tick(sd, "123..."), "123123");
    EXPECT_EQ(b.pixel(sd, {-35, 25}), g_colorRed);  // closed grip
    EXPECT_EQ(b.pixel(sd, {-45, 25}), g_colorWhite);
    b.operate(sd, 'L');
    EXPECT_EQ(b.tick(sd, "123..."), "123000");
    EXPECT_EQ(b.pixel(sd, {-45, 25}), g_colorGrey);
    EXPECT_EQ(b.pixel(sd, {-35, 25}), g_colorWhite);
    EXPECT_TRUE(b.s.boxes.empty());
}

// The area that takes the click reaches left over the handle, to x -90.
TEST(Switches, SwitchDisconnectorAreaCoversTheHandle) {
    SwitchBench b;
    const SwitchBench::Device sd = b.add(kTypeSwitchDisconnectorI, {60, 60}, "-Q1");
    b.simulate();
    const auto clickAt = [&](int unitsLeft) {
        const int before = b.s.view.m_state[sd.slot];
        const Point p{static_cast<int>((60 - unitsLeft) * kZoom), static_cast<int>(66 * kZoom)};
        b.s.view.OperateOnPress(p);
        b.s.view.OperateOnRelease(p);
        return b.s.view.m_state[sd.slot] != before;
    };
    EXPECT_TRUE(clickAt(15));   // x -75: the box starts at -90, the area 3 units in
    EXPECT_TRUE(clickAt(9));    // the open grip
    EXPECT_FALSE(clickAt(18));  // x -90: outside the area
}

// Closed, the two-pole member draws its linkage from +3 to +13 and +24 to +34,
// its twin from -1 to +9 and +20 to +28.
TEST(Switches, TwoPoleSwitchDisconnectorHasItsOwnClosedLinkage) {
    SwitchBench b;
    const SwitchBench::Device sd = b.add(kTypeSwitchDisconnectorII, {60, 60}, "-Q1");
    const SwitchBench::Device twin = b.add(kTypeMainContactsII, {150, 60}, "-K1");
    b.simulate();
    b.s.view.m_state[sd.slot] = 1;
    b.s.view.m_state[twin.slot] = 1;
    b.tick(sd, "");
    EXPECT_EQ(b.pixel(sd, {12, 30}), g_colorRed);
    EXPECT_EQ(b.pixel(sd, {31, 30}), g_colorRed);
    EXPECT_EQ(b.pixel(sd, {1, 30}), g_colorWhite);  // where the open dash was
    EXPECT_EQ(b.pixel(twin, {1, 30}), g_colorRed);
    EXPECT_EQ(b.pixel(twin, {31, 30}), g_colorWhite);
}

// A closed four-pole member carries a star point over its first three poles
// only: "Y" above and "y" below its fourth pole leave the "y" net as it is.
TEST(Switches, FourthPoleTakesNoStarStep) {
    SwitchBench b;
    const SwitchBench::Device sd = b.add(kTypeSwitchDisconnectorIIII, {60, 60}, "-Q1");
    b.simulate();
    b.operate(sd, 'L');
    EXPECT_EQ(b.tick(sd, "Y..Yy..y"), "Y00YY00y");
    EXPECT_TRUE(b.s.boxes.empty());
}

// A closed switch-disconnector between two phases: one report.
TEST(Switches, SwitchDisconnectorShortCircuitReportedOnce) {
    SwitchBench b;
    const SwitchBench::Device sd = b.add(kTypeSwitchDisconnectorII, {60, 60}, "-Q1");
    b.simulate();
    b.operate(sd, 'L');
    b.tick(sd, "1121");
    EXPECT_EQ(b.s.box(), symboltest::kShortCircuit);
    EXPECT_EQ(b.s.view.m_simulating, 0);
}

// --- drawn with the mouse ----------------------------------------------------------------

// A three-phase supply, switch-disconnector -Q1 and a motor below it: a click on
// the handle runs the motor, a second click stops it, before and after the sheet
// is saved and opened again.
TEST(SwitchesScenario, SwitchDisconnectorRunsAndStopsAMotor) {
    using namespace velk::circuittest;
    const Sheet sheet = {
        {
            {ID_PLACE_SUPPLY_L1L2L3, {60, 30}, ""},
            {ID_PLACE_SWITCH_DISCONNECTOR_III, {60, 60}, "-Q1"},
            {ID_PLACE_MOTOR_THREE_PHASE, {60, 90}, "-M1"},
        },
        {
            {kPhase, {60, 30}, {60, 60}},
            {kPhase, {66, 30}, {66, 60}},
            {kPhase, {72, 30}, {72, 60}},
            {kPhase, {60, 72}, {60, 90}},
            {kPhase, {66, 72}, {66, 90}},
            {kPhase, {72, 72}, {72, 90}},
        },
    };
    testkit::Session session;
    Circuit c(session);
    c.draw(sheet);
    const auto run = [&] {
        CVelkarionView& v = c.view();
        const int sd = c.slotOf(kTypeSwitchDisconnectorIII), motor = c.slotOf(kTypeMotorThreePhase);
        ASSERT_GE(sd, 0);
        ASSERT_GE(motor, 0);
        const auto handle = [&](Point symbolPoint) {
            const double zoom = session.document(v).m_zoom;
            const Point o = session.unitsToWindow(v, v.m_x[sd], v.m_y[sd]);
            return session.surface(v).pixel(o.x + static_cast<int>(symbolPoint.x * zoom / 5),
                                            o.y + static_cast<int>(symbolPoint.y * zoom / 5));
        };
        const auto click = [&] {
            c.press(sd);
            c.release(sd);
        };

        c.simulate();
        c.tick(2);
        EXPECT_EQ(v.m_drawnState[motor], 0);
        EXPECT_EQ(handle({-45, 25}), g_colorGrey);

        click();
        EXPECT_EQ(v.m_state[sd], 1);
        c.tick();
        EXPECT_EQ(v.m_drawnState[motor], 1);
        EXPECT_EQ(handle({-35, 25}), g_colorRed);
        c.tick(2);
        EXPECT_EQ(v.m_drawnState[motor], 1);

        click();
        EXPECT_EQ(v.m_state[sd], 0);
        c.tick(2);
        EXPECT_EQ(v.m_drawnState[motor], 0);
        EXPECT_EQ(handle({-45, 25}), g_colorGrey);
        EXPECT_EQ(v.m_simulating, 1);
        EXPECT_TRUE(session.messages().empty());
    };
    run();
    // The handle's area is kept with the sheet.
    c.saveAndReopen("switch_disconnector.cad");
    run();
}

// --- every position in the eight orientations ---------------------------------------------

namespace {

// Points (symbol units, orientation 0) that only one position's picture covers,
// and that position's colour while simulating.
struct PositionProbe {
    Point at;
    Color color;
};
struct PictureRow {
    const char* name;
    int type;
    std::vector<PositionProbe> positions;
};

constexpr PositionProbe kBracketRest{{-30, 25}, g_colorGrey}, kBracketActuated{{-20, 25}, g_colorRed};
constexpr PositionProbe kRollerRest{{-30, 23}, g_colorGrey}, kRollerActuated{{-20, 23}, g_colorRed};
constexpr PositionProbe kHandleOpen{{-45, 25}, g_colorGrey}, kHandleClosed{{-35, 25}, g_colorRed};

const std::vector<PictureRow>& pictureRows() {
    static const std::vector<PictureRow> rows = {
        {"latching NO", kTypeLatchingSwitchNO, {kBracketRest, kBracketActuated}},
        {"latching NC", kTypeLatchingSwitchNC, {kBracketRest, kBracketActuated}},
        {"latching NO+NC", kTypeLatchingSwitchNONC, {kBracketRest, kBracketActuated}},
        {"latching changeover", kTypeLatchingSwitchChangeover, {kBracketRest, kBracketActuated}},
        {"limit NO", kTypeLimitSwitchNO, {kRollerRest, kRollerActuated}},
        {"limit NC", kTypeLimitSwitchNC, {kRollerRest, kRollerActuated}},
        {"limit NO+NC", kTypeLimitSwitchNONC, {kRollerRest, kRollerActuated}},
        {"limit changeover", kTypeLimitSwitchChangeover, {kRollerRest, kRollerActuated}},
        {"intermediate switch", kTypeIntermediateSwitch, {{{15, 30}, g_colorGrey}, {{3, 40}, g_colorRed}}},
        {"selector I-0-II",
         kTypeSelectorSwitchCenterOff,
         {{{15, 35}, g_colorGrey}, {{5, 40}, g_colorRed}, {{25, 40}, g_colorRed}}},
        {"selector I-II-III",
         kTypeSelectorSwitchThreeWay,
         {{{12, 35}, g_colorRed}, {{30, 35}, g_colorRed}, {{48, 35}, g_colorRed}}},
        {"switch-disconnector I", kTypeSwitchDisconnectorI, {kHandleOpen, kHandleClosed}},
        {"switch-disconnector II", kTypeSwitchDisconnectorII, {kHandleOpen, kHandleClosed}},
        {"switch-disconnector III", kTypeSwitchDisconnectorIII, {kHandleOpen, kHandleClosed}},
        {"switch-disconnector IIII", kTypeSwitchDisconnectorIIII, {kHandleOpen, kHandleClosed}},
    };
    return rows;
}

// The colour drawn at a point, give or take a pixel (turned arcs and ellipses
// land a pixel apart): white when the point and its eight neighbours are white,
// else the colour of the first that is not.
Color colorsAround(const Surface& surface, Point p) {
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (const Color c = surface.pixel(p.x + dx, p.y + dy); c != g_colorWhite) return c;
    return g_colorWhite;
}

}  // namespace

// Each symbol in each position and orientation, drawn as the first paint after a
// change draws it: the position's picture in its colour, every other position's
// erased. One row per symbol, the positions side by side, each in the eight
// orientations; the picture is kept for a look.
TEST(Switches, EveryPositionInEveryOrientation) {
    constexpr int kCell = 260;
    const int rows = static_cast<int>(pictureRows().size());
    SymbolSheet s;
    s.doc.m_zoom = kZoom;
    Surface sheet(24 * kCell, rows * kCell);
    Dc dc(sheet);
    int row = 0;
    for (const PictureRow& r : pictureRows()) {
        const int positions = static_cast<int>(r.positions.size());
        for (int position = 0; position < positions; ++position) {
            for (int code = 0; code < 8; ++code) {
                SCOPED_TRACE(std::string(r.name) + " position " + std::to_string(position) + " orientation " +
                             std::to_string(code));
                const int column = position * 8 + code;
                const Point origin{column * kCell + kCell / 2, row * kCell + kCell / 2};
                const int slot = s.place(r.type, origin.x / 5, origin.y / 5, code);
                s.view.m_simulating = 1;
                s.view.m_state[slot] = position;
                s.view.m_drawnState[slot] = -1;
                s.view.m_loopIndex = slot;
                s.view.m_drawingPlaced = 1;
                s.view.m_penColor = g_colorBlack;
                (s.view.*CVelkarionView::routineFor(r.type))(dc, kZoom, origin.x, origin.y);
                for (int p = 0; p < positions; ++p) {
                    const PositionProbe& probe = r.positions[static_cast<std::size_t>(p)];
                    const Point t = symboltest::turned(code, probe.at);
                    EXPECT_EQ(colorsAround(sheet, {origin.x + t.x, origin.y + t.y}),
                              p == position ? probe.color : g_colorWhite)
                        << "probe of position " << p;
                }
            }
        }
        ++row;
    }
    testpictures::keepPicture(sheet, "switch_positions.png");
}

// The preview, outside simulation: label "-S", the default names, the rest
// position in the preview colour.
TEST(Switches, PreviewShowsTheRestPosition) {
    struct Row {
        const char* name;
        int type;
        std::vector<std::string> texts;
    };
    const Row rows[] = {
        {"latching NO", kTypeLatchingSwitchNO, {"   -S", "13", "14"}},
        {"limit changeover", kTypeLimitSwitchChangeover, {"   -S", "11", "12", "14"}},
        {"intermediate switch", kTypeIntermediateSwitch, {"   -S", "1", "2", "3", "4"}},
        {"selector I-0-II", kTypeSelectorSwitchCenterOff, {"   -S", "    I", "   -0", "  -II", "11", "12", "14"}},
        {"selector I-II-III", kTypeSelectorSwitchThreeWay, {"   -S", "    I", "  -II", " -III", "1", "2", "3", "4"}},
        {"switch-disconnector III", kTypeSwitchDisconnectorIII, {"   -S", "1", "3", "5", "2", "4", "6"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        SymbolSheet s;
        Surface surface(400, 400);
        testkit::RecordingDc dc(surface);
        g_currentTool = row.type;
        s.view.m_toolOrientation = 0;
        s.view.m_loopIndex = s.view.m_componentCount;
        s.view.m_drawingPlaced = 0;
        s.view.m_penColor = g_colorRed;
        (s.view.*CVelkarionView::routineFor(row.type))(dc, kZoom, 200, 200);
        std::vector<std::string> texts;
        for (const testkit::DcCall& c : dc.callsOf(testkit::DcOp::TextOut)) texts.push_back(c.text);
        EXPECT_EQ(texts, row.texts);
        for (const testkit::DcCall& c : dc.callsOf(testkit::DcOp::LineTo)) EXPECT_EQ(c.pen.color, g_colorRed);
        g_currentTool = 0;
    }
}

// A placed symbol with its second text shown: each text at its own anchor (the
// right end of its field), the selectors' legends in the row at y 0.
TEST(Switches, PlacedTextsStandInTheirColumns) {
    struct Text {
        std::string text;
        Point anchor;
    };
    struct Row {
        const char* name;
        int type;
        std::vector<Text> texts;  // labels and legends, in drawing order
    };
    const Row rows[] = {
        {"latching NO", kTypeLatchingSwitchNO, {{"  -S1", {-50, 22}}, {"   Sx", {-50, 37}}}},
        {"limit changeover: second text at -20", kTypeLimitSwitchChangeover,
         {{"  -S1", {-50, 22}}, {"   Sx", {-20, 37}}}},
        {"intermediate switch", kTypeIntermediateSwitch, {{"  -S1", {-40, 22}}, {"   Sx", {-20, 37}}}},
        {"selector I-0-II",
         kTypeSelectorSwitchCenterOff,
         {{"  -S1", {-50, 22}}, {"   Sx", {-20, 37}}, {"    I", {-40, 0}}, {"   -0", {-25, 0}}, {"  -II", {-10, 0}}}},
        {"selector I-II-III",
         kTypeSelectorSwitchThreeWay,
         {{"  -S1", {-50, 22}}, {"   Sx", {-20, 37}}, {"    I", {-40, 0}}, {"  -II", {-27, 0}}, {" -III", {-10, 0}}}},
        {"switch-disconnector II", kTypeSwitchDisconnectorII, {{"  -S1", {-55, 22}}, {"   Sx", {-55, 37}}}},
    };
    constexpr Point kOrigin{300, 300};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        SymbolSheet s;
        const int slot = s.place(row.type, 60, 60);
        s.view.m_label[slot] = "-S1";
        s.view.m_label2[slot] = "Sx";
        s.view.m_label2Visible[slot] = 1;
        s.drawPlaced(slot, g_colorBlack, kZoom, kOrigin);
        const std::vector<testkit::DcCall> calls = s.dc.callsOf(testkit::DcOp::TextOut);
        ASSERT_GE(calls.size(), row.texts.size());
        for (std::size_t k = 0; k < row.texts.size(); ++k) {
            EXPECT_EQ(calls[k].text, row.texts[k].text);
            EXPECT_EQ(calls[k].point(), (Point{kOrigin.x + row.texts[k].anchor.x, kOrigin.y + row.texts[k].anchor.y}));
        }
    }
}
