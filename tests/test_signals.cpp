// The flashing pilot lamp and the audible signals: the seven-tick flash cycle and
// what an erase or a drop does to it, the beep on every second energised
// evaluation and the body fills; and every symbol of the timer, flashing-lamp and
// sounder families in both states and every orientation.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "file_test_support.h"
#include "kept_pictures.h"
#include "load_sheet.h"
#include "platform/msgbox.h"
#include "render/Colors.h"
#include "testkit/recording_dc.h"
#include "testkit/testkit.h"

using velk::filetest::fixtureText;

using namespace velk;
using velk::loadtest::LoadSheet;
using velk::testkit::DcOp;
using velk::testkit::RecordingDc;

namespace {

constexpr int kSounderTypes[] = {kTypeBell, kTypeBuzzer, kTypeSiren, kTypeHorn};

// The colour of the circle's fill among the calls ('.' for none): 'c' the lamp's
// colour, 'w' white.
char circleFill(const RecordingDc& dc, Color lampColor) {
    char fill = '.';
    for (const auto& call : dc.callsOf(DcOp::Ellipse)) {
        if (call.brush.style != BrushStyle::Solid) continue;
        fill = call.brush.color == g_colorWhite ? 'w' : call.brush.color == lampColor ? 'c' : '?';
    }
    return fill;
}

// A load wired to two wires whose letters the test sets.
struct LoadRig {
    explicit LoadRig(int type, const std::string& label = "-H1") {
        load = s.addLoad(type, 40, 40, label);
        x1 = s.wireAt(load, 0, '0');
        x2 = s.wireAt(load, 1, '0', kTypeWireNeutral);
    }
    void letters(char a, char b) {
        s.setLetter(x1, a);
        s.setLetter(x2, b);
    }
    void pass(int p) { s.evaluate(dc, load, p); }
    void paint() {
        dc.clear();
        for (int p = 0; p <= 5; ++p) pass(p);
    }
    LoadSheet s;
    RecordingDc dc;
    int load = -1, x1 = -1, x2 = -1;
};

}  // namespace

// Paint by paint: the voltage ('1' phase against neutral, 'z' phase against a dead
// motor winding, '0' none), the erase before a paint ('e'), and the circle fill of
// each paint ('c' colour, 'w' white, '.' none) with the state after it.
TEST(FlashingLamp, FlashCycleDropsAndErases) {
    struct Row {
        const char* name;
        const char* voltage;
        const char* erase;
        const char* fill;
        const char* state;
    };
    const Row rows[] = {
        {"energised from paint 1", "11111111111111111111", "e...................",
         "c..w..c...w..c...w..", "11111111111111111111"},
        {"against a dead winding", "zzzz", "e...", "w...", "0000"},
        {"dropped in the white half", "11110111", "e.......", "c..wwc..", "11110111"},
        // Deliberately the white of the half it is in, not its colour: an erase
        // (a window uncovered, a scroll, a zoom) must not change what the lamp
        // shows, and a colour fill here would light it for the rest of a white
        // half, out of its rhythm, each time the view is erased.
        {"erased in the white half", "111111111", "e....e...", "c..w.wc..", "111111111"},
        {"erased in the colour half", "11111111", "e.e.....", "c.cw..c.", "11111111"},
        {"erased while dead", "11100", "e...e", "c..ww", "11100"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        LoadRig r(kTypeFlashingPilotLamp);
        const std::string voltage = row.voltage;
        for (std::size_t p = 0; p < voltage.size(); ++p) {
            SCOPED_TRACE("paint " + std::to_string(p + 1));
            if (row.erase[p] == 'e') r.s.view.m_drawnState[r.load] = -1;
            if (voltage[p] == '1') r.letters('1', 'N');
            if (voltage[p] == 'z') r.letters('1', 'Z');
            if (voltage[p] == '0') r.letters('1', '0');
            r.paint();
            EXPECT_EQ(circleFill(r.dc, g_colorGreen), row.fill[p]) << r.dc.transcript();
            EXPECT_EQ(r.s.view.m_state[r.load], row.state[p] - '0');
        }
    }
}

// A lit red lamp has a grey rim and cross in both halves of the cycle; a lit green
// one a red rim. The pulse glyph follows the state colour.
TEST(FlashingLamp, RimOfARedLamp) {
    for (const char* code : {"1", "0"}) {
        SCOPED_TRACE(code);
        LoadRig r(kTypeFlashingPilotLamp);
        r.s.view.m_lampColor[r.load] = code;
        r.letters('2', 'N');
        for (int paint = 1; paint <= 7; ++paint) {
            SCOPED_TRACE("paint " + std::to_string(paint));
            r.paint();
            const auto rims = r.dc.callsOf(DcOp::Ellipse);
            ASSERT_FALSE(rims.empty());
            EXPECT_EQ(rims.back().brush.style, BrushStyle::Hollow);
            EXPECT_EQ(rims.back().pen.color, std::string(code) == "1" ? g_colorGrey : g_colorRed);
        }
    }
}

// The letters that sound a bell and fill it silver on pass 5 of the first paint,
// three beeps a paint; the others leave it silent and never silver.
TEST(Sounder, LettersThatSoundIt) {
    struct Row {
        char x1, x2;
        bool sounds;
    };
    const Row rows[] = {{'1', 'N', true},  {'N', '1', true},  {'1', '3', true},  {'+', '-', true},
                        {'-', '+', true},  {'1', '1', false}, {'1', 'P', false}, {'+', 'N', false},
                        {'0', 'N', false}, {'1', 'Z', false}};
    for (int type : kSounderTypes) {
        for (const Row& row : rows) {
            SCOPED_TRACE(std::string(CVelkarionView::routineNameFor(type)) + " " + row.x1 + "/" + row.x2);
            LoadRig r(type);
            r.letters(row.x1, row.x2);
            const int before = beepCount();
            for (int p = 0; p <= 5; ++p) {
                r.pass(p);
                EXPECT_EQ(r.s.view.m_state[r.load], row.sounds && p == 5 ? 1 : 0);
            }
            EXPECT_EQ(beepCount() - before, row.sounds ? 3 : 0);
            int silver = 0;
            for (const auto& call : r.dc.calls())
                if ((call.op == DcOp::Chord && call.brush.color == g_colorSilver && call.brush.style == BrushStyle::Solid) ||
                    (call.op == DcOp::Polygon && call.brush.color == g_colorSilver))
                    ++silver;
            EXPECT_EQ(silver, row.sounds ? (type == kTypeHorn ? 2 : 1) : 0) << r.dc.transcript();
        }
    }
}

// The toggle counts energised evaluations across passes, paints and interruptions:
// a beep whenever it goes from 0 to 1; a dead evaluation leaves it as it is.
TEST(Sounder, ToggleCarriesOverInterruptions) {
    LoadRig r(kTypeBuzzer);
    // Per evaluation: 'e' energised, '.' dead; and whether it beeps.
    const std::string voltage = "eee..e.eee";
    const std::string beeps = "b.b....b.b";
    for (std::size_t i = 0; i < voltage.size(); ++i) {
        SCOPED_TRACE("evaluation " + std::to_string(i + 1));
        r.letters(voltage[i] == 'e' ? '2' : '0', 'N');
        const int before = beepCount();
        r.pass(static_cast<int>(i % 5));
        EXPECT_EQ(beepCount() - before, beeps[i] == 'b' ? 1 : 0);
    }
}

// On the rising edge the bell and buzzer fill their half disc with a brush of their
// own and keep the pen, so their outline stays grey in that paint and turns red in
// the next; the siren and the horn fill in the pen colour and are red at once. The
// drop is the mirror image: white fill, the bell's outline red for one more paint.
TEST(Sounder, OutlineColourOnTheEdges) {
    struct Row {
        int type;
        bool late;
    };
    const Row rows[] = {{kTypeBell, true}, {kTypeBuzzer, true}, {kTypeSiren, false}, {kTypeHorn, false}};
    for (const Row& row : rows) {
        SCOPED_TRACE(CVelkarionView::routineNameFor(row.type));
        LoadRig r(row.type);
        const auto outline = [&](int pass) {
            r.dc.clear();
            r.pass(pass);
            const auto lines = r.dc.callsOf(DcOp::LineTo);
            return lines.empty() ? Color{} : lines.back().pen.color;
        };
        r.letters('1', 'N');
        EXPECT_EQ(outline(4), g_colorGrey);
        EXPECT_EQ(outline(5), row.late ? g_colorGrey : g_colorRed) << "rising edge";
        EXPECT_EQ(outline(0), g_colorRed);
        r.letters('0', 'N');
        EXPECT_EQ(outline(5), row.late ? g_colorRed : g_colorGrey) << "falling edge";
        EXPECT_EQ(outline(0), g_colorGrey);
        EXPECT_EQ(r.s.view.m_state[r.load], 0);
    }
}

// The sheet a user draws: an L-N supply with a bell -H1 across it and an auxiliary
// contact -H1. The bell rings from Simulate's first paint, the contact never
// follows it, a click on the bell changes nothing, and without the
// neutral it falls silent at once and turns white.
TEST(SounderScenario, BellRingsWhileFed) {
    testkit::Session session;
    session.writeFile("bell_across_supply.cad", fixtureText("bell_across_supply.cad"));
    CVelkarionView& v = session.openSheet("bell_across_supply.cad");
    const int bell = 1, contact = 2, neutral = 5;
    ASSERT_EQ(v.m_type[bell], kTypeBell);
    EXPECT_EQ(session.beeps(), 0);

    // The neutral reaches X2 with the first wire pass: five energised evaluations
    // a paint, a beep on every second one, counted on from paint to paint.
    v.OnModeRun();
    session.flush();
    EXPECT_EQ(session.beeps(), 3);
    EXPECT_EQ(v.m_state[bell], 1);
    session.tick(v);
    EXPECT_EQ(session.beeps(), 5);
    session.tick(v);
    EXPECT_EQ(session.beeps(), 8);
    EXPECT_EQ(v.m_state[contact], 0);

    const double zoom = session.document(v).m_zoom;
    const auto screen = [&](int cx, int cy) {
        const Point scroll = v.scrollPosition();
        return Point{static_cast<int>(static_cast<int>(v.m_x[bell] * zoom) + cx * zoom / 5) - scroll.x,
                     static_cast<int>(static_cast<int>(v.m_y[bell] * zoom) + cy * zoom / 5) - scroll.y};
    };
    const Point body = screen(28, 30);
    EXPECT_EQ(session.surface(v).pixel(body.x, body.y), g_colorSilver);
    session.press(v, body.x, body.y);
    session.release(v, body.x, body.y);
    EXPECT_EQ(v.m_state[bell], 1);

    const int rung = session.beeps();
    v.m_deleted[neutral] = 1;
    session.tick(v);
    EXPECT_EQ(session.beeps(), rung);
    EXPECT_EQ(v.m_state[bell], 0);
    EXPECT_EQ(session.surface(v).pixel(body.x, body.y), g_colorWhite);
    EXPECT_TRUE(session.messages().empty());
}

// The preview shows "-H" and the names X1 and X2 with no fill; a sounder's label
// stands right of its lead ("-025" for the horn's wider body).
TEST(SignalSymbols, Preview) {
    for (int type : {kTypeFlashingPilotLamp, kTypeBell, kTypeBuzzer, kTypeSiren, kTypeHorn}) {
        SCOPED_TRACE(CVelkarionView::routineNameFor(type));
        LoadSheet s;
        RecordingDc dc;
        s.drawPreview(dc, type, 200, 200);
        std::vector<std::string> texts;
        for (const auto& call : dc.callsOf(DcOp::TextOut)) texts.push_back(call.text);
        EXPECT_EQ(texts, (std::vector<std::string>{"   -H", "X1", "X2"}));
        EXPECT_EQ(dc.count(DcOp::Polygon) + dc.count(DcOp::Chord), 0);
        for (const auto& call : dc.callsOf(DcOp::Ellipse)) EXPECT_EQ(call.brush.style, BrushStyle::Hollow);
    }
}

// Every timer, flashing-lamp and sounder symbol in the eight orientations, wired at
// its turned terminals, energised and not: the wires are found in every
// orientation, the body is filled (silver, or the lamp's green) when energised and
// white when not. The picture is kept for a look.
TEST(SignalSymbols, EveryOrientationInBothStates) {
    struct Row {
        int type;
        Point body;  // a point inside the filled body, command units
        Color lit;
    };
    const Row rows[] = {
        {kTypeOnDelayTimer, {10, 30}, g_colorSilver},    {kTypeOffDelayTimer, {10, 30}, g_colorSilver},
        {kTypeOnOffDelayTimer, {10, 30}, g_colorSilver}, {kTypeCyclicTimer, {10, 30}, g_colorSilver},
        {kTypeFlashingPilotLamp, {0, 22}, g_colorGreen}, {kTypeBell, {28, 30}, g_colorSilver},
        {kTypeBuzzer, {22, 30}, g_colorSilver},          {kTypeSiren, {25, 30}, g_colorSilver},
        {kTypeHorn, {5, 30}, g_colorSilver},
    };
    constexpr int kCell = 140;
    constexpr int kZoom = 4;
    LoadSheet s;
    s.doc.m_zoom = kZoom;
    Surface sheet(16 * kCell, static_cast<int>(std::size(rows)) * kCell);
    Dc dc(sheet);
    int rowIndex = 0;
    for (const Row& row : rows) {
        for (int column = 0; column < 16; ++column) {
            const int orientation = column % 8;
            const bool energised = column < 8;
            SCOPED_TRACE(std::string(CVelkarionView::routineNameFor(row.type)) + " orientation " +
                         std::to_string(orientation) + (energised ? " energised" : " dead"));
            const int x = (column * kCell + kCell / 2) / kZoom, y = (rowIndex * kCell + kCell / 2) / kZoom;
            const int load = s.addLoad(row.type, x, y, "-K1", orientation);
            s.view.m_drawnState[load] = -1;
            s.wireAt(load, 0, energised ? '1' : '0');
            s.wireAt(load, 1, 'N', kTypeWireNeutral);
            for (int paint = 0; paint < 2; ++paint)
                for (int pass = 0; pass <= 5; ++pass) s.evaluate(dc, load, pass);
            EXPECT_EQ(s.view.m_coilVoltageSeen[load] == 1 || s.view.m_drawnState[load] == 1, energised);
            const Point p = s.pixelOf(load, row.body.x, row.body.y);
            EXPECT_EQ(sheet.pixel(p.x, p.y), energised ? row.lit : g_colorWhite);
        }
        ++rowIndex;
    }
    testpictures::keepPicture(sheet, "signal_symbols.png");
}
