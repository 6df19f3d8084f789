// The motor frame with the three-phase and the single-phase motor: the rotation
// a motor reads from its terminal letters, what it shows on the last pass, the
// marks it writes, the protective-earth report and the preview. Each routine is
// called once for one slot, as the paint calls it in a given pass, after Simulate
// has numbered the nets; the letters are then set on the wires by hand.
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

constexpr int kX = 60, kY = 60;
constexpr Point kOrigin{100, 100};  // where drawPlaced puts the motor, at one pixel per symbol unit
constexpr char kNoWire = '_';
constexpr const char* kFedEarth = "Se esta alimentado una conexion de masa";

// A motor with one wire up from each terminal whose letter is not kNoWire.
class MotorBench {
public:
    MotorBench(int type, const std::string& letters) {
        motor = sheet.place(type, kX, kY);
        const int count = type == kTypeMotorSinglePhase ? 3 : 4;
        const int xs3[] = {0, 6, 12, 18};
        const int xs1[] = {0, 12, 18};
        for (int k = 0; k < count; ++k) {
            const int x = kX + (count == 4 ? xs3[k] : xs1[k]);
            const char c = k < static_cast<int>(letters.size()) ? letters[static_cast<std::size_t>(k)] : kNoWire;
            wires.push_back(c == kNoWire ? -1 : sheet.wire(x, kY - 9, x, kY));
        }
        sheet.view.OnModeRun();
        setLetters(letters);
    }
    void setLetters(const std::string& letters) {
        for (std::size_t k = 0; k < wires.size() && k < letters.size(); ++k)
            if (wires[k] >= 0) sheet.setLetter(wires[k], letters[k]);
    }
    void evaluate(int pass) {
        g_simPass = pass;
        sheet.drawPlaced(motor, g_colorBlack);
        g_simPass = 0;
    }
    // Fills of the body drawn by the last call, by colour.
    std::vector<Color> fills() const {
        std::vector<Color> out;
        for (const DcCall& c : sheet.dc.calls())
            if (c.op == DcOp::Ellipse && c.brush.style == BrushStyle::Solid) out.push_back(c.brush.color);
        return out;
    }
    // The x of the arrow head's tip (symbol units), -1 when none was drawn.
    int arrowTip() const {
        for (const DcCall& c : sheet.dc.calls())
            if (c.op == DcOp::Polygon) return c.point(0).x - kOrigin.x;
        return -1;
    }

    SymbolSheet sheet;
    int motor = -1;
    std::vector<int> wires;
};

}  // namespace

TEST(Motors, RotationFromTheTerminalLetters) {
    struct Row {
        const char* name;
        int type;
        const char* letters;  // U1 V1 W1 PE, or U N PE
        int rotation;
    };
    const Row rows[] = {
        {"cyclic order runs forward", kTypeMotorThreePhase, "123P", 1},
        {"cyclic from L2", kTypeMotorThreePhase, "231_", 1},
        {"anticyclic order runs in reverse", kTypeMotorThreePhase, "213P", 2},
        {"anticyclic from L3", kTypeMotorThreePhase, "3210", 2},
        {"two equal phases stay stopped", kTypeMotorThreePhase, "1120", 0},
        {"W1 on no wire stays stopped", kTypeMotorThreePhase, "12_0", 0},
        {"W1 dead stays stopped", kTypeMotorThreePhase, "1200", 0},
        {"plus and minus across two windings brake", kTypeMotorThreePhase, "+2-0", 3},
        {"braking over V1 and W1", kTypeMotorThreePhase, "1-+0", 3},
        {"single phase on L2 and N runs", kTypeMotorSinglePhase, "2NP", 1},
        {"single phase the wrong way round", kTypeMotorSinglePhase, "N10", 0},
        {"single phase across two phases", kTypeMotorSinglePhase, "12_", 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        MotorBench b(r.type, r.letters);
        b.evaluate(5);
        EXPECT_EQ(b.sheet.view.m_drawnState[b.motor], r.rotation);
        EXPECT_EQ(b.sheet.box(), "");
        const std::vector<Color> fills = b.fills();
        // Simulate leaves the drawn state 0: only a running motor is filled, and a
        // stopped three-phase motor, which is filled at every paint.
        const bool filled = r.rotation != 0 || r.type == kTypeMotorThreePhase;
        ASSERT_EQ(fills.size(), filled ? 1u : 0u);
        if (filled) {
            EXPECT_EQ(fills[0], r.rotation == 0 ? g_colorWhite : g_colorSilver);
        }
        const int tips[] = {-1, 55, 4, -1};
        EXPECT_EQ(b.arrowTip(), tips[r.rotation]);
        // Outside the last pass nothing is filled.
        b.evaluate(2);
        EXPECT_TRUE(b.fills().empty());
    }
}

TEST(Motors, LastPassFillsOnlyOnAChangeOfRotation) {
    struct Step {
        const char* letters;
        int fills;
        Color fill;
        int tip;
    };
    const Step steps[] = {
        {"123P", 1, g_colorSilver, 55},
        {"123P", 0, 0, -1},
        {"213P", 1, g_colorSilver, 4},  // from forward straight to reverse
        {"000P", 1, g_colorWhite, -1},
        {"000P", 1, g_colorWhite, -1},  // a stopped three-phase motor is filled at every paint
        {"+-0P", 1, g_colorSilver, -1},
        {"+-0P", 1, g_colorSilver, -1},  // and so is a braking one
        {"231P", 1, g_colorSilver, 55},
    };
    MotorBench b(kTypeMotorThreePhase, "000P");
    for (const Step& s : steps) {
        SCOPED_TRACE(s.letters);
        b.setLetters(s.letters);
        for (int pass = 0; pass <= 5; ++pass) b.evaluate(pass);
        const std::vector<Color> fills = b.fills();
        ASSERT_EQ(static_cast<int>(fills.size()), s.fills);
        if (s.fills) {
            EXPECT_EQ(fills[0], s.fill);
        }
        EXPECT_EQ(b.arrowTip(), s.tip);
    }

    // The single-phase motor has no such rule: a stop is filled once.
    MotorBench one(kTypeMotorSinglePhase, "3NP");
    one.evaluate(5);
    EXPECT_EQ(one.fills(), std::vector<Color>{g_colorSilver});
    one.setLetters("00P");
    one.evaluate(5);
    EXPECT_EQ(one.fills(), std::vector<Color>{g_colorWhite});
    one.evaluate(5);
    EXPECT_TRUE(one.fills().empty());
}

TEST(Motors, DeadWindingWiresAreMarkedOnPassFour) {
    MotorBench b(kTypeMotorThreePhase, "1200");
    for (int pass = 0; pass <= 3; ++pass) b.evaluate(pass);
    EXPECT_EQ(b.sheet.letter(b.wires[2]), '0');
    b.evaluate(4);
    EXPECT_EQ(b.sheet.letters({b.wires[0], b.wires[1], b.wires[2], b.wires[3]}), "12Z0");
    EXPECT_EQ(b.sheet.view.m_terminalLink[b.motor][2], b.wires[2]);

    // No wire, no mark; a single-phase motor marks nothing.
    MotorBench open(kTypeMotorThreePhase, "00_0");
    open.evaluate(4);
    EXPECT_EQ(open.sheet.letters({open.wires[0], open.wires[1], open.wires[3]}), "ZZ0");
    MotorBench one(kTypeMotorSinglePhase, "000");
    one.evaluate(4);
    EXPECT_EQ(one.sheet.letters({one.wires[0], one.wires[1]}), "00");
}

TEST(Motors, LaterWireOnATerminalGivesLetterAndLink) {
    MotorBench b(kTypeMotorThreePhase, "123P");
    // A second wire on W1, later in slot order, dead: the motor stops and marks it.
    const int later = b.sheet.wire(kX + 12, kY, kX + 21, kY);
    b.sheet.view.OnModeRun();
    b.setLetters("123P");
    for (int pass = 0; pass <= 5; ++pass) b.evaluate(pass);
    EXPECT_EQ(b.sheet.view.m_terminalLink[b.motor][2], later);
    EXPECT_EQ(b.sheet.letter(later), 'Z');
    EXPECT_EQ(b.sheet.letter(b.wires[2]), '3');
    EXPECT_EQ(b.sheet.view.m_drawnState[b.motor], 0);
}

TEST(Motors, LiveProtectiveEarthIsReportedOnce) {
    struct Row {
        char pe;
        bool reported;
    };
    const Row rows[] = {{kNoWire, false}, {'P', false}, {'0', false}, {'N', true},
                        {'1', true},      {'+', true},  {'Z', true},  {'Y', true}};
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string(1, r.pe));
        MotorBench b(kTypeMotorThreePhase, std::string("123") + r.pe);
        b.evaluate(0);
        EXPECT_EQ(b.sheet.box(), r.reported ? kFedEarth : "");
        EXPECT_EQ(b.sheet.view.m_simulating, r.reported ? 0 : 1);
        if (r.reported) {
            // Nothing more is evaluated, but the outline is drawn.
            EXPECT_TRUE(b.fills().empty());
            const auto& calls = b.sheet.dc.calls();
            EXPECT_GT(std::count_if(calls.begin(), calls.end(), [](const DcCall& c) { return c.op == DcOp::LineTo; }), 0);
        }
    }
}

TEST(Motors, TextsOfPreviewAndPlacedMotor) {
    MotorBench b(kTypeMotorThreePhase, "____");
    b.sheet.view.OnModeEdit();
    b.sheet.drawPreview(kTypeMotorThreePhase);
    std::vector<std::string> texts;
    for (const DcCall& c : b.sheet.dc.calls())
        if (c.op == DcOp::TextOut) texts.push_back(c.text);
    EXPECT_EQ(texts, (std::vector<std::string>{"   -M", "U1", "V1", "W1", "PE", "M    ", "3    "}));
    EXPECT_TRUE(std::none_of(b.sheet.dc.calls().begin(), b.sheet.dc.calls().end(),
                             [](const DcCall& c) { return c.brush.style == BrushStyle::Solid && c.op == DcOp::Ellipse; }));

    // A placed motor: names in two characters, a hidden one a blank, the second text.
    CVelkarionView& v = b.sheet.view;
    v.m_terminalName[b.motor][0] = "U";
    v.m_terminalNameVisible[b.motor][1] = 0;
    v.m_label2[b.motor] = "7kW";
    v.m_label2Visible[b.motor] = 1;
    b.sheet.drawPlaced(b.motor, g_colorBlack);
    texts.clear();
    for (const DcCall& c : b.sheet.dc.calls())
        if (c.op == DcOp::TextOut) texts.push_back(c.text);
    EXPECT_EQ(texts, (std::vector<std::string>{"   -M", "  7kW", " U", " ", "W1", "PE", "M    ", "3    "}));
}
