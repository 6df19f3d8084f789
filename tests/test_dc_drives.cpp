// The DC motors and the power parts of the DC regulators: the rotation a DC
// motor reads from its armature (and field) polarity, its field colour, the
// arrow that a stop or a direct reversal erases; the regulator's supply check,
// its outputs from the command letter and its protective earth. Each routine is
// called for one slot as the paint calls it in a given pass, after Simulate;
// the letters are set on the wires by hand, the command letter directly.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <string>
#include <vector>

#include "kept_pictures.h"
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
constexpr Point kOrigin{100, 100};  // where drawPlaced puts the symbol, one pixel per symbol unit
constexpr char kNoWire = '_';
constexpr const char* kFedEarth = "Se esta alimentado una conexion de masa";

struct Offset {
    int dx, dy;  // drawing units from the symbol's origin
};

// A symbol with one short wire at each terminal whose letter is not kNoWire.
class Bench {
public:
    Bench(int type, const std::vector<Offset>& terminals, const std::string& letters) {
        slot = sheet.place(type, kX, kY);
        for (std::size_t k = 0; k < terminals.size(); ++k) {
            const int x = kX + terminals[k].dx, y = kY + terminals[k].dy;
            const char c = k < letters.size() ? letters[k] : kNoWire;
            wires.push_back(c == kNoWire ? -1 : sheet.wire(x - 4, y, x, y));
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
        sheet.drawPlaced(slot, g_colorBlack);
        g_simPass = 0;
    }
    // The letters of the wires at the given terminals ('_' for none).
    std::string letters(std::initializer_list<int> terminals) const {
        std::string s;
        for (int k : terminals) s += wires[static_cast<std::size_t>(k)] < 0 ? kNoWire : sheet.letter(wires[static_cast<std::size_t>(k)]);
        return s;
    }
    std::vector<const DcCall*> calls(DcOp op) const {
        std::vector<const DcCall*> out;
        for (const DcCall& c : sheet.dc.calls())
            if (c.op == op) out.push_back(&c);
        return out;
    }

    SymbolSheet sheet;
    int slot = -1;
    std::vector<int> wires;
};

// A1, A2, PE, F1, F2 in drawing units (a fifth of the symbol units).
const std::vector<Offset> kMotorTerminals = {{0, 0}, {18, 0}, {9, 9}, {0, -9}, {18, -9}};

class MotorBench : public Bench {
public:
    MotorBench(int type, const std::string& letters)
        : Bench(type, {kMotorTerminals.begin(), kMotorTerminals.begin() + (type == kTypeMotorDcPermanentMagnet ? 3 : 5)},
                letters) {}
    // The arrow heads drawn by the last call, by the x of their tip (19 left, 70
    // right) and colour.
    struct Head {
        int x;
        Color color;
    };
    std::vector<Head> heads() const {
        std::vector<Head> out;
        for (const DcCall* c : calls(DcOp::Polygon))
            if (c->point(0).y - kOrigin.y == -21) out.push_back({c->point(0).x - kOrigin.x, c->pen.color});
        return out;
    }
    // The colour of the field bar drawn by the last call; -1 when none.
    long fieldColor() const {
        for (const DcCall* c : calls(DcOp::Polygon))
            if (c->point(0).y - kOrigin.y == -50) return static_cast<long>(c->pen.color);
        return -1;
    }
    std::vector<Color> fills() const {
        std::vector<Color> out;
        for (const DcCall* c : calls(DcOp::Ellipse))
            if (c->brush.style == BrushStyle::Solid) out.push_back(c->brush.color);
        return out;
    }
    int rotation() const { return sheet.view.m_drawnState[slot]; }
};

}  // namespace

TEST(DcMotors, RotationFromArmatureAndFieldPolarity) {
    struct Row {
        int type;
        const char* letters;  // A1 A2 PE (F1 F2)
        int rotation;
        long field;  // colour of the field bar while simulating, -1 for none
    };
    const long red = static_cast<long>(g_colorRed), grey = static_cast<long>(g_colorGrey);
    const Row rows[] = {
        {kTypeMotorDcPermanentMagnet, "+-0", 1, -1},
        {kTypeMotorDcPermanentMagnet, "-+_", 2, -1},
        {kTypeMotorDcPermanentMagnet, "+0P", 0, -1},
        {kTypeMotorDcPermanentMagnet, "+N0", 0, -1},
        {kTypeMotorDcPermanentMagnet, "+__", 0, -1},
        {kTypeMotorDcPermanentMagnet, "12_", 0, -1},  // phases on the armature: no run, no report
        {kTypeMotorDcPermanentMagnet, "1-_", 0, -1},
        {kTypeMotorDcSeparatelyExcited, "+-_+-", 1, red},
        {kTypeMotorDcSeparatelyExcited, "-+_+-", 2, red},
        {kTypeMotorDcSeparatelyExcited, "+-_-+", 2, red},
        {kTypeMotorDcSeparatelyExcited, "-+_-+", 1, red},
        {kTypeMotorDcSeparatelyExcited, "+-_00", 0, grey},  // field dead
        {kTypeMotorDcSeparatelyExcited, "+-___", 0, grey},
        {kTypeMotorDcSeparatelyExcited, "+-_++", 0, grey},
        {kTypeMotorDcSeparatelyExcited, "00_+-", 0, red},  // armature dead
        {kTypeMotorDcSeparatelyExcited, "12_-+", 0, red},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::to_string(r.type) + " " + r.letters);
        MotorBench b(r.type, r.letters);
        for (int pass = 0; pass <= 5; ++pass) {
            b.evaluate(pass);
            EXPECT_EQ(b.fieldColor(), r.field) << "pass " << pass;
        }
        EXPECT_EQ(b.rotation(), r.rotation);
        EXPECT_EQ(b.sheet.box(), "");
        const auto heads = b.heads();
        if (r.rotation == 0) {
            EXPECT_TRUE(heads.empty());
        } else {
            ASSERT_EQ(heads.size(), 1u);
            EXPECT_EQ(heads[0].x, r.rotation == 1 ? 70 : 19);
            EXPECT_EQ(b.fills(), std::vector<Color>{g_colorSilver});
        }
        EXPECT_EQ(b.sheet.view.m_terminalLink[b.slot][0], b.wires[0]);
    }
}

TEST(DcMotors, StopErasesFillAndArrowAndReversalShowsOneArrow) {
    MotorBench b(kTypeMotorDcSeparatelyExcited, "+-_+-");
    b.evaluate(5);
    ASSERT_EQ(b.rotation(), 1);

    // Reversed without a stop: the old arrow goes white before the new one.
    b.setLetters("-+_+-");
    b.evaluate(5);
    EXPECT_EQ(b.rotation(), 2);
    auto heads = b.heads();
    ASSERT_EQ(heads.size(), 3u);
    EXPECT_EQ(heads[0].color, g_colorWhite);
    EXPECT_EQ(heads[1].color, g_colorWhite);
    EXPECT_EQ(heads[2].x, 19);
    EXPECT_NE(heads[2].color, g_colorWhite);
    auto arcs = b.calls(DcOp::Arc);
    ASSERT_EQ(arcs.size(), 2u);
    EXPECT_EQ(arcs[0]->pen.color, g_colorWhite);
    EXPECT_NE(arcs[1]->pen.color, g_colorWhite);

    // A stop: white fill, the arc and both heads white, black after.
    b.setLetters("00_+-");
    b.evaluate(5);
    EXPECT_EQ(b.rotation(), 0);
    EXPECT_EQ(b.fills(), std::vector<Color>{g_colorWhite});
    heads = b.heads();
    ASSERT_EQ(heads.size(), 2u);
    for (const auto& h : heads) EXPECT_EQ(h.color, g_colorWhite);
    arcs = b.calls(DcOp::Arc);
    ASSERT_EQ(arcs.size(), 1u);
    EXPECT_EQ(arcs[0]->pen.color, g_colorWhite);
    EXPECT_EQ(b.sheet.view.m_penColor, g_colorBlack);

    // Stopped stays stopped: nothing more is filled.
    b.evaluate(5);
    EXPECT_TRUE(b.fills().empty());
    EXPECT_TRUE(b.heads().empty());
}

TEST(DcMotors, FedEarthReportsAndDrawsTheFieldPlain) {
    MotorBench b(kTypeMotorDcSeparatelyExcited, "+-N+-");
    b.evaluate(0);
    EXPECT_EQ(b.sheet.box(), kFedEarth);
    EXPECT_EQ(b.fieldColor(), static_cast<long>(g_colorBlack));

    MotorBench magnet(kTypeMotorDcPermanentMagnet, "+-P");
    magnet.evaluate(0);
    EXPECT_EQ(magnet.sheet.box(), "");
}

TEST(DcMotors, PreviewShowsDefaultsAndTheFieldInThePaintColour) {
    SymbolSheet sheet;
    sheet.drawPreview(kTypeMotorDcSeparatelyExcited);
    std::vector<std::string> texts;
    for (const DcCall& c : sheet.dc.calls())
        if (c.op == DcOp::TextOut) texts.push_back(c.text);
    for (const char* name : {"A1", "A2", "PE", "F1", "F2", "-M"})
        EXPECT_NE(std::find_if(texts.begin(), texts.end(),
                               [&](const std::string& t) { return t.find(name) != std::string::npos; }),
                  texts.end())
            << name;
    bool field = false;
    for (const DcCall& c : sheet.dc.calls())
        if (c.op == DcOp::Polygon && c.point(0).y - kOrigin.y == -50) field = c.pen.color == g_colorRed;
    EXPECT_TRUE(field);
}

// --- regulator power parts ------------------------------------------------------

namespace {

struct RegulatorLayout {
    int type;
    std::vector<Offset> terminals;  // in terminal order
    int pe;
    std::vector<int> outputs;  // M1, M2 (F1, F2)
};

const RegulatorLayout kRegulators[] = {
    {kTypeDcRegulatorSinglePhase, {{0, 0}, {6, 0}, {12, 0}, {0, 30}, {12, 30}}, 2, {3, 4}},
    {kTypeDcRegulatorSinglePhaseField,
     {{0, 0}, {6, 0}, {12, 0}, {0, 30}, {6, 30}, {12, 30}, {18, 30}},
     2,
     {3, 4, 5, 6}},
    {kTypeDcRegulatorThreePhase, {{0, 0}, {6, 0}, {12, 0}, {18, 0}, {3, 30}, {15, 30}}, 3, {4, 5}},
    {kTypeDcRegulatorThreePhaseField,
     {{0, 0}, {6, 0}, {12, 0}, {18, 0}, {0, 30}, {6, 30}, {12, 30}, {18, 30}},
     3,
     {4, 5, 6, 7}},
};

const RegulatorLayout& layoutOf(int type) {
    for (const RegulatorLayout& l : kRegulators)
        if (l.type == type) return l;
    return kRegulators[0];
}

// A regulator with a wire on every terminal: the supply letters, PE, the outputs
// preset to "N" so that a write shows.
class RegulatorBench : public Bench {
public:
    RegulatorBench(int type, const std::string& supply, char pe = '0', char command = '0')
        : Bench(type, layoutOf(type).terminals, lettersFor(type, supply, pe)), layout(layoutOf(type)) {
        sheet.view.m_driveCommand[slot].setLetter(command);
    }
    static std::string lettersFor(int type, const std::string& supply, char pe) {
        const RegulatorLayout& l = layoutOf(type);
        std::string s = supply + pe;
        s.resize(l.terminals.size(), 'N');
        return s;
    }
    std::string outputs() const {
        std::string s;
        for (int k : layout.outputs) s += letters({k});
        return s;
    }
    const RegulatorLayout& layout;
};

}  // namespace

TEST(DcRegulators, PoweredByAValidSupply) {
    struct Row {
        int type;
        const char* supply;
        int state;
    };
    const Row rows[] = {
        {kTypeDcRegulatorSinglePhase, "1N", 1},      {kTypeDcRegulatorSinglePhase, "N3", 1},
        {kTypeDcRegulatorSinglePhaseField, "2N", 1}, {kTypeDcRegulatorSinglePhaseField, "N2", 1},
        {kTypeDcRegulatorSinglePhase, "12", 0},      {kTypeDcRegulatorSinglePhase, "NN", 0},
        {kTypeDcRegulatorSinglePhase, "__", 0},      {kTypeDcRegulatorThreePhase, "123", 1},
        {kTypeDcRegulatorThreePhase, "321", 1},      {kTypeDcRegulatorThreePhaseField, "213", 1},
        {kTypeDcRegulatorThreePhaseField, "132", 1}, {kTypeDcRegulatorThreePhase, "12_", 0},
        {kTypeDcRegulatorThreePhase, "12N", 0},      {kTypeDcRegulatorThreePhase, "112", 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::to_string(r.type) + " " + r.supply);
        RegulatorBench b(r.type, r.supply);
        b.evaluate(0);
        EXPECT_EQ(b.sheet.view.m_state[b.slot], r.state);
        EXPECT_EQ(b.sheet.box(), "");
    }
}

TEST(DcRegulators, OutputsFollowTheCommandLetter) {
    struct Row {
        char command;
        const char* outputs;  // after the pass, for M1 M2 F1 F2
    };
    const Row rows[] = {{'0', "0000"}, {'1', "+-+-"}, {'2', "NNNN"}, {'3', "NNNN"}};
    for (const RegulatorLayout& l : kRegulators) {
        for (const Row& r : rows) {
            for (const char* supply : {"1N2", "___"}) {  // powered or not, the letter rules
                const std::string s = std::string(supply).substr(0, l.pe);
                SCOPED_TRACE(std::to_string(l.type) + " command " + r.command + " supply " + s);
                RegulatorBench b(l.type, l.pe == 3 ? (supply[0] == '_' ? "___" : "231") : s, '0', r.command);
                b.evaluate(2);
                EXPECT_EQ(b.outputs(), std::string(r.outputs).substr(0, l.outputs.size()));
                EXPECT_EQ(b.sheet.view.m_state[b.slot], supply[0] == '_' ? 0 : 1);
            }
        }
    }
}

TEST(DcRegulators, ProtectiveEarthAndUnconnectedOutputs) {
    RegulatorBench fed(kTypeDcRegulatorSinglePhase, "1N", '1', '1');
    fed.evaluate(0);
    EXPECT_EQ(fed.sheet.box(), kFedEarth);
    EXPECT_EQ(fed.sheet.view.m_state[fed.slot], 0);  // nothing evaluated after the report

    RegulatorBench earthed(kTypeDcRegulatorThreePhase, "123", 'P', '1');
    earthed.evaluate(0);
    EXPECT_EQ(earthed.sheet.box(), "");
    EXPECT_EQ(earthed.outputs(), "+-");
    // The earth's letter is not kept among the terminal letters.
    EXPECT_EQ(earthed.sheet.view.m_terminalPotential[earthed.slot][3].letter(), '0');

    // Outputs on no wire write nothing and raise nothing.
    Bench bare(kTypeDcRegulatorSinglePhase, layoutOf(kTypeDcRegulatorSinglePhase).terminals, "1N0__");
    bare.sheet.view.m_driveCommand[bare.slot].setLetter('1');
    bare.evaluate(0);
    EXPECT_EQ(bare.sheet.box(), "");
    EXPECT_EQ(bare.sheet.view.m_state[bare.slot], 1);
}

TEST(DcRegulators, FillOnlyWhenThePoweredStateChanges) {
    RegulatorBench b(kTypeDcRegulatorThreePhaseField, "123");
    auto fillColor = [&]() -> long {
        for (const DcCall* c : b.calls(DcOp::Polygon))
            if (c->point(0).x - kOrigin.x == -15) return static_cast<long>(c->pen.color);
        return -1;
    };
    b.evaluate(5);
    EXPECT_EQ(fillColor(), static_cast<long>(g_colorSilver));
    EXPECT_FALSE(b.calls(DcOp::LineTo).empty());  // the body after the fill
    b.evaluate(5);
    EXPECT_TRUE(b.calls(DcOp::LineTo).empty());  // unchanged: no body on the last pass
    b.evaluate(3);
    EXPECT_FALSE(b.calls(DcOp::LineTo).empty());
    b.setLetters("12N");
    b.evaluate(5);
    EXPECT_EQ(fillColor(), static_cast<long>(g_colorWhite));
    EXPECT_EQ(b.sheet.view.m_penColor, g_colorBlack);
}

// Every member in the eight orientations, stopped or unpowered and running or
// powered with command "1": the body filled white or silver in each. The picture
// is kept for a look.
TEST(DcDrawing, EveryOrientationInBothStates) {
    struct Member {
        int type;
        std::vector<Offset> terminals;
        const char* idle;
        const char* running;
    };
    const Member members[] = {
        {kTypeMotorDcPermanentMagnet, {{0, 0}, {18, 0}}, "00", "+-"},
        {kTypeMotorDcSeparatelyExcited, {{0, 0}, {18, 0}, {0, -9}, {18, -9}}, "+-00", "-++-"},
        {kTypeDcRegulatorSinglePhase, layoutOf(kTypeDcRegulatorSinglePhase).terminals, "00", "1N"},
        {kTypeDcRegulatorSinglePhaseField, layoutOf(kTypeDcRegulatorSinglePhaseField).terminals, "00", "N2"},
        {kTypeDcRegulatorThreePhase, layoutOf(kTypeDcRegulatorThreePhase).terminals, "000", "123"},
        {kTypeDcRegulatorThreePhaseField, layoutOf(kTypeDcRegulatorThreePhaseField).terminals, "000", "321"},
    };
    constexpr int kCell = 180;
    SymbolSheet s;
    s.doc.m_zoom = 4;
    const int rows = static_cast<int>(std::size(members));
    Surface picture(16 * kCell, rows * kCell);
    picture.fill(g_colorWhite);
    Dc dc(picture);
    for (int row = 0; row < rows; ++row) {
        const Member& m = members[row];
        for (int column = 0; column < 16; ++column) {
            const int orientation = column % 8;
            const bool running = column >= 8;
            SCOPED_TRACE(std::to_string(m.type) + " orientation " + std::to_string(orientation));
            const int x = (column * kCell + kCell / 2) / 4, y = (row * kCell + kCell / 2) / 4;
            const int slot = s.place(m.type, x, y, orientation);
            const std::string letters = running ? m.running : m.idle;
            for (std::size_t k = 0; k < letters.size(); ++k) {
                const Point e = symboltest::turned(orientation, Point{m.terminals[k].dx, m.terminals[k].dy});
                s.addLine(kTypeWirePhase, x + e.x, y + e.y, x + e.x, y + e.y, letters[k]);
            }
            s.view.m_driveCommand[slot].setLetter(running ? '1' : '0');
            s.view.m_simulating = 1;
            s.view.m_drawnState[slot] = -1;
            s.view.m_loopIndex = slot;
            s.view.m_drawingPlaced = 1;
            s.view.m_penColor = g_colorBlack;
            g_simPass = 5;
            (s.view.*CVelkarionView::routineFor(m.type))(dc, 4, x * 4, y * 4);
            g_simPass = 0;
            EXPECT_EQ(s.view.m_drawnState[slot] != 0, running);
        }
    }
    s.view.m_simulating = 0;
    testpictures::keepPicture(picture, "dc_drives_orientations.png");
}
