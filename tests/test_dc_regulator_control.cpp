// The DC regulator control block: power from the regulator of equal label, the
// ready relay and V+, the run request from IN, the set point raised to the
// minimum voltage, the ramp once per paint, the command letter to the power part,
// the display. A paint is passes 0 to 5 over the slots in order; the supply and
// input letters are set on the wires by hand, the set point directly. Then a
// drive drawn with the mouse and run through the test kit.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "circuit_sheet.h"
#include "drive_sheets.h"
#include "kept_pictures.h"
#include "model/DriveParameters.h"
#include "render/Colors.h"
#include "render/Paint.h"
#include "render/Potentials.h"
#include "render/Terminals.h"
#include "symbol_sheet.h"

using namespace velk;
using velk::symboltest::SymbolSheet;
using velk::testkit::DcCall;
using velk::testkit::DcOp;

namespace {

constexpr int kPX = 30, kPY = 30;  // power part 1057
constexpr int kBX = 90, kBY = 30;  // control block
constexpr int kMX = 30, kMY = 75;  // motor 1006 on M1, M2

// Holds the program-wide set point for one test and puts it back to 0.
class SetpointGuard {
public:
    explicit SetpointGuard(float value) { g_analogSetpoint = value; }
    ~SetpointGuard() { g_analogSetpoint = 0.0f; }
};

// Power part -G1 with wires at L1, N, M1, M2 (M1 and M2 lead to a permanent-magnet
// motor), control block -G1 with wires at RA, RC, IN and V+.
class RegulatorBench {
public:
    explicit RegulatorBench(const std::string& text = kDcRegulatorDefaultParameters) {
        power = sheet.place(kTypeDcRegulatorSinglePhase, kPX, kPY);
        sheet.view.m_label[power] = "-G1";
        l1 = sheet.wire(kPX, kPY - 9, kPX, kPY);
        n = sheet.wire(kPX + 6, kPY - 9, kPX + 6, kPY);
        m1 = sheet.wire(kPX, kPY + 30, kMX, kMY);
        m2 = sheet.wire(kPX + 12, kPY + 30, kMX + 18, kMY);
        motor = sheet.place(kTypeMotorDcPermanentMagnet, kMX, kMY);
        block = sheet.place(kTypeDcRegulatorControl, kBX, kBY);
        sheet.view.m_label[block] = "-G1";
        sheet.view.m_paramText[block] = text;
        ra = sheet.wire(kBX + 3, kBY - 9, kBX + 3, kBY);
        rc = sheet.wire(kBX + 15, kBY - 9, kBX + 15, kBY);
        in = sheet.wire(kBX + 24, kBY - 9, kBX + 24, kBY);
        vplus = sheet.wire(kBX + 30, kBY - 9, kBX + 30, kBY);
    }
    // Simulate with a supply ("1N" powers the part) and IN at "+" or "0".
    void start(const char* supply = "1N", char input = '+') {
        sheet.view.OnModeRun();
        sheet.setLetter(l1, supply[0]);
        sheet.setLetter(n, supply[1]);
        sheet.setLetter(in, input);
    }
    void paint(int times = 1) {
        for (int t = 0; t < times && sheet.view.m_simulating == 1; ++t)
            for (int pass = 0; pass <= 5; ++pass) {
                g_simPass = pass;
                for (int i = 0; i < sheet.view.m_componentCount && sheet.view.m_simulating == 1; ++i) {
                    if (isTerminalWire(sheet.view.m_type[i])) continue;
                    sheet.drawPlaced(i, g_colorBlack);
                    if (i == block && pass == kFinalSimPass) keepBlockTexts();
                }
            }
        g_simPass = 0;
    }
    char command() const { return sheet.view.m_driveCommand[power].letter(); }
    int output() const { return sheet.view.m_controlOutput[block]; }
    // Whether the block's last pass 5 drew this text.
    bool shows(const std::string& text) const {
        for (const std::string& t : blockTexts)
            if (t == text) return true;
        return false;
    }

    SymbolSheet sheet;
    std::vector<std::string> blockTexts;
    int power = -1, block = -1, motor = -1;
    int l1 = -1, n = -1, m1 = -1, m2 = -1, ra = -1, rc = -1, in = -1, vplus = -1;

private:
    void keepBlockTexts() {
        blockTexts.clear();
        for (const DcCall& c : sheet.dc.calls())
            if (c.op == DcOp::TextOut) blockTexts.push_back(c.text);
    }
};

// The default text with one field replaced.
std::string withField(std::size_t first, const char* value) {
    std::string text = kDcRegulatorDefaultParameters;
    return text.replace(first, std::char_traits<char>::length(value), value);
}

}  // namespace

TEST(DcRegulatorControl, SetpointRaisedToTheMinimumAndShown) {
    SetpointGuard guard(0.0f);
    RegulatorBench b;
    b.start("1N", '0');
    b.paint();
    EXPECT_EQ(g_analogSetpoint, 50.0f);
    EXPECT_EQ(g_regulatorMinVoltage, 50.0f);
    EXPECT_EQ(g_regulatorMaxVoltage, 230.0f);
    EXPECT_TRUE(b.shows("CONS:"));
    EXPECT_TRUE(b.shows(" 50 V"));
    EXPECT_TRUE(b.shows("  0 V")) << "no run request: the voltage stays 0";
    EXPECT_TRUE(b.shows("   0 "));
    EXPECT_TRUE(b.shows("r.p.m"));  // a text has five columns
    EXPECT_EQ(b.command(), '0');
    // Powered: the ready relay closes and V+ feeds.
    EXPECT_EQ(b.sheet.view.m_state[b.block], 1);
    EXPECT_EQ(b.sheet.letter(b.vplus), '+');
    b.sheet.setLetter(b.ra, '+');
    b.paint();
    EXPECT_EQ(b.sheet.letter(b.rc), '+');
}

TEST(DcRegulatorControl, RampsUpThenDownWithTheCommand) {
    SetpointGuard guard(230.0f);
    RegulatorBench b;
    b.start();
    b.paint();
    EXPECT_EQ(b.output(), 1150);
    EXPECT_EQ(b.command(), '1');
    b.paint(18);
    EXPECT_EQ(b.output(), 19 * 1150);
    b.paint();
    EXPECT_EQ(b.output(), 23000);
    EXPECT_TRUE(b.shows("230 V"));
    b.paint(2);
    EXPECT_EQ(b.output(), 23000) << "held at the set point";
    EXPECT_EQ(b.sheet.letter(b.m1), '+');
    EXPECT_EQ(b.sheet.letter(b.m2), '-');
    EXPECT_EQ(b.sheet.view.m_drawnState[b.motor], 1) << "the motor runs forward";

    // IN dropped: down by 1150 a paint, "0" on the paint that reaches 0.
    b.sheet.setLetter(b.in, '0');
    b.paint();
    EXPECT_EQ(b.output(), 23000 - 1150);
    b.paint(18);
    EXPECT_EQ(b.output(), 1150);
    EXPECT_EQ(b.command(), '1');
    b.paint();
    EXPECT_EQ(b.output(), 0);
    EXPECT_EQ(b.command(), '0');
    b.paint();
    EXPECT_EQ(b.sheet.letter(b.m1), '0');
    EXPECT_EQ(b.sheet.view.m_drawnState[b.motor], 0);
}

TEST(DcRegulatorControl, ZeroTimesAndSpeed) {
    {
        SCOPED_TRACE("deceleration 0 stops on the same pass 5");
        SetpointGuard guard(230.0f);
        RegulatorBench b(withField(23, "00"));
        b.start();
        b.paint(5);
        ASSERT_EQ(b.output(), 5 * 1150);
        b.sheet.setLetter(b.in, '0');
        b.paint();
        EXPECT_EQ(b.output(), 0);
        EXPECT_EQ(b.command(), '0');
        EXPECT_TRUE(b.shows("  0 V"));
        b.sheet.setLetter(b.in, '+');
        b.paint();
        EXPECT_EQ(b.output(), 1150) << "a new start ramps from 0";
    }
    {
        SCOPED_TRACE("acceleration 0: the set point at once; 2000 / 230 x 115");
        SetpointGuard guard(115.0f);
        RegulatorBench b(withField(20, "00"));
        b.start();
        b.paint();
        EXPECT_EQ(b.command(), '1');
        EXPECT_TRUE(b.shows("115 V"));
        EXPECT_TRUE(b.shows("1000 "));
    }
    {
        SCOPED_TRACE("maximum voltage 0 and deceleration 0");
        SetpointGuard guard(0.0f);
        RegulatorBench b(withField(6, "000").replace(23, 2, "00"));
        b.start();
        b.paint(3);
        EXPECT_EQ(b.sheet.box(), "");
        EXPECT_TRUE(b.shows("   0 ")) << "no speed without a maximum voltage";
        EXPECT_EQ(b.command(), '1');
        b.sheet.setLetter(b.in, '0');
        b.paint();
        EXPECT_EQ(b.output(), 0);
        EXPECT_EQ(b.command(), '0');
    }
}

TEST(DcRegulatorControl, PowerPartsAndFaults) {
    SetpointGuard guard(100.0f);
    {
        SCOPED_TRACE("two power parts: the first");
        RegulatorBench b;
        const int second = b.sheet.place(kTypeDcRegulatorThreePhaseField, 200, 100);
        b.sheet.view.m_label[second] = "-G1";
        b.start();
        b.paint(2);
        EXPECT_EQ(b.command(), '1');
        EXPECT_EQ(b.sheet.view.m_driveCommand[second].letter(), '0');
    }
    {
        SCOPED_TRACE("unpowered: output 0, no V+, set point still shown");
        RegulatorBench b;
        b.start("12");
        b.paint(3);
        EXPECT_EQ(b.output(), 0);
        EXPECT_EQ(b.command(), '0');
        EXPECT_EQ(b.sheet.letter(b.vplus), '0');
        EXPECT_TRUE(b.shows("100 V"));
    }
    {
        SCOPED_TRACE("losing power stops at once");
        RegulatorBench b;
        b.start();
        b.paint(3);
        ASSERT_GT(b.output(), 0);
        b.sheet.setLetter(b.n, '2');
        b.paint();
        EXPECT_EQ(b.output(), 0);
        EXPECT_EQ(b.command(), '0');
    }
    {
        SCOPED_TRACE("no power part of that label");
        RegulatorBench b;
        b.sheet.view.m_label[b.power] = "-G2";
        b.start();
        b.paint(2);
        EXPECT_EQ(b.output(), 0);
        EXPECT_EQ(b.sheet.view.m_state[b.block], 0);
    }
    struct Fault {
        char letter;
        const char* box;
    };
    for (const Fault& f : {Fault{'2', symboltest::kShortCircuit}, Fault{'N', symboltest::kShortCircuit},
                           Fault{'-', symboltest::kShortCircuit}, Fault{'P', symboltest::kEarthFault}}) {
        SCOPED_TRACE(std::string("V+ at ") + f.letter);
        RegulatorBench b;
        b.start();
        b.sheet.setLetter(b.vplus, f.letter);
        b.paint(2);
        EXPECT_EQ(b.sheet.box(), f.box);
        EXPECT_EQ(b.sheet.view.m_simulating, 0);
    }
    {
        SCOPED_TRACE("ready relay between two live letters");
        RegulatorBench b;
        b.start();
        b.paint();
        b.sheet.setLetter(b.ra, '+');
        b.sheet.setLetter(b.rc, '1');
        b.paint();
        EXPECT_EQ(b.sheet.box(), symboltest::kShortCircuit);
    }
}

TEST(DcRegulatorControl, OddTextsStayInBoundsAndSimulateStartsStopped) {
    SetpointGuard guard(100.0f);
    for (const char* text : {"", "9", "0-05", "1- 50-230"}) {
        SCOPED_TRACE(text);
        RegulatorBench b(text);
        b.start();
        b.paint(4);
        EXPECT_EQ(b.sheet.box(), "");
    }
    RegulatorBench b;
    b.start();
    b.paint(4);
    ASSERT_GT(b.output(), 0);
    ASSERT_EQ(b.command(), '1');
    b.sheet.view.OnModeEdit();
    b.start("1N", '0');
    EXPECT_EQ(b.output(), 0);
    EXPECT_EQ(b.command(), '0');
    b.paint();
    EXPECT_EQ(b.sheet.letter(b.m1), '0');
}

TEST(DcRegulatorControl, PotentiometerAndPreview) {
    SymbolSheet sheet;
    const int plain = sheet.place(kTypeDcRegulatorControl, 30, 30);
    sheet.view.m_paramText[plain] = kDcRegulatorDefaultParameters;
    const int withPot = sheet.place(kTypeDcRegulatorControl, 90, 30);
    sheet.view.m_paramText[withPot] = "1-050-230-0050-2000-05-05";
    auto lines = [&] {
        int count = 0;
        for (const DcCall& c : sheet.dc.calls())
            if (c.op == DcOp::LineTo) ++count;
        return count;
    };
    sheet.drawPlaced(plain, g_colorBlack);
    const int plainLines = lines();
    sheet.drawPlaced(withPot, g_colorBlack);
    EXPECT_EQ(lines(), plainLines + 9);
    sheet.drawPreview(kTypeDcRegulatorControl);
    EXPECT_EQ(lines(), plainLines);
    std::vector<std::string> texts;
    for (const DcCall& c : sheet.dc.calls())
        if (c.op == DcOp::TextOut) texts.push_back(c.text);
    for (const char* name : {"   -G", "RA", "RC", "IN", "V+", "+", "AI", "0V"})
        EXPECT_NE(std::find(texts.begin(), texts.end(), name), texts.end()) << name;
}

// --- a DC drive drawn with the mouse ----------------------------------------------

using velk::circuittest::Circuit;
using velk::drivetest::kDcDrive;

TEST(DcRegulatorCircuit, LatchingSwitchRunsTheMotorForwardAndStopsIt) {
    SetpointGuard guard(0.0f);
    testkit::Session session;
    Circuit c(session);
    c.draw(kDcDrive);
    CVelkarionView& v = c.view();
    const int power = c.slotOf(kTypeDcRegulatorSinglePhaseField);
    const int block = c.slotOf(kTypeDcRegulatorControl);
    const int motor = c.slotOf(kTypeMotorDcSeparatelyExcited);
    const int s1 = c.slotOf(kTypeLatchingSwitchNO);
    ASSERT_EQ(v.m_paramText[block], kDcRegulatorDefaultParameters);

    c.simulate();
    c.tick(2);
    EXPECT_EQ(v.m_state[power], 1);
    EXPECT_EQ(v.m_state[block], 1);
    EXPECT_EQ(g_analogSetpoint, 50.0f);
    EXPECT_EQ(v.m_drawnState[motor], 0);

    c.press(s1);
    c.release(s1);
    c.tick(4);
    EXPECT_GT(v.m_controlOutput[block], 0);
    EXPECT_EQ(v.m_driveCommand[power].letter(), '1');
    EXPECT_EQ(v.m_drawnState[motor], 1) << "the motor runs forward";
    c.tick(20);
    EXPECT_EQ(v.m_controlOutput[block], 5000);
    testpictures::keepPicture(session.surface(v), "dc_drive_running.png");

    c.press(s1);
    c.release(s1);
    c.tick(25);
    EXPECT_EQ(v.m_controlOutput[block], 0);
    EXPECT_EQ(v.m_driveCommand[power].letter(), '0');
    EXPECT_EQ(v.m_drawnState[motor], 0) << "stopped";
    testpictures::keepPicture(session.surface(v), "dc_drive_stopped.png");
    EXPECT_TRUE(session.messages().empty());
}

// The block in the eight orientations, unpowered (white, relay open) and powered
// (silver, relay closed, display cells filled), with its regulator -G1 to -G8
// drawn beside it. The picture is kept for a look.
TEST(DcRegulatorDrawing, EveryOrientationInBothStates) {
    SetpointGuard guard(115.0f);
    constexpr int kCell = 300;
    SymbolSheet s;
    s.doc.m_zoom = 5;
    Surface picture(4 * kCell, 4 * kCell);
    picture.fill(g_colorWhite);
    Dc dc(picture);
    for (int row = 0; row < 2; ++row) {
        const bool powered = row == 1;
        for (int orientation = 0; orientation < 8; ++orientation) {
            SCOPED_TRACE(std::to_string(orientation) + (powered ? " powered" : " unpowered"));
            const int column = orientation % 4, line = orientation / 4 + 2 * row;
            // The symbol turns about its origin: its middle goes to the cell's.
            const Point middle = symboltest::turned(orientation, Point{16, 17});
            const int x = (column * kCell + kCell / 2) / 5 - middle.x, y = (line * kCell + kCell / 2) / 5 - middle.y;
            const std::string label = "-G" + std::to_string(row * 8 + orientation);
            const int power = s.place(kTypeDcRegulatorSinglePhase, 1000, 1000);
            s.view.m_label[power] = label;
            s.view.m_state[power] = powered ? 1 : 0;
            const int block = s.place(kTypeDcRegulatorControl, x, y, orientation);
            s.view.m_label[block] = label;
            // Odd orientations with the potentiometer and a start at once.
            s.view.m_paramText[block] =
                orientation % 2 == 0 ? kDcRegulatorDefaultParameters : "1-050-230-0050-2000-00-05";
            const Point in = symboltest::turned(orientation, Point{24, 0});
            s.addLine(kTypeWirePhase, x + in.x, y + in.y, x + in.x, y + in.y, powered ? '+' : '0');
            s.view.m_simulating = 1;
            s.view.m_state[block] = powered ? 0 : 1;  // the relay shown is the previous state's
            s.view.m_drawnState[block] = -1;
            s.view.m_loopIndex = block;
            s.view.m_drawingPlaced = 1;
            s.view.m_penColor = g_colorBlack;
            // The state fill covers the display drawn before it; the next paint
            // shows it again.
            g_simPass = 5;
            for (int paint = 0; paint < 2; ++paint)
                (s.view.*CVelkarionView::routineFor(kTypeDcRegulatorControl))(dc, 5, x * 5, y * 5);
            g_simPass = 0;
            EXPECT_EQ(s.view.m_drawnState[block], powered ? 1 : 0);
        }
    }
    s.view.m_simulating = 0;
    testpictures::keepPicture(picture, "dc_regulator_orientations.png");
}
