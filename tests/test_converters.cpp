// Transformers, rectifier bridges, power supply units and the diode: the input
// letters that energise a converter and what it then writes into its own output
// wires, the diode's one-way '+', what they draw, and circuits fed through them.
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

using namespace velk;
using velk::symboltest::SymbolSheet;
using velk::testkit::DcOp;
using Bench = velk::symboltest::TerminalBench;

namespace {

std::string nameOf(int type) { return CVelkarionView::routineNameFor(type); }

// Where each terminal meets its wire, drawing units from the insertion point,
// orientation 0, in terminal order (the earth terminal last).
struct Member {
    int type;
    std::vector<Point> ends;
    int inputs, outputs;
    int earth;  // the earth terminal, -1 for none
    std::vector<std::pair<std::string, std::string>> energising;
};

const std::vector<Member>& members() {
    static const std::vector<std::pair<std::string, std::string>> kPairs = {
        {"12", "12"}, {"23", "23"}, {"13", "13"}, {"1N", "1N"}, {"2N", "2N"}, {"3N", "3N"}};
    static const std::vector<std::pair<std::string, std::string>> kDcPairs = {
        {"12", "+-"}, {"23", "+-"}, {"13", "+-"}, {"1N", "+-"}, {"2N", "+-"}, {"3N", "+-"}};
    static const std::vector<Member> rows = {
        {kTypeTransformer, {{0, 0}, {9, 0}, {0, 15}, {9, 15}}, 2, 2, -1, kPairs},
        {kTypeRectifier, {{-9, 9}, {9, 9}, {0, 0}, {0, 18}}, 2, 2, -1, kDcPairs},
        {kTypePowerSupplyUnit, {{0, 0}, {6, 0}, {0, 18}, {6, 18}, {9, 12}}, 2, 2, 4, kDcPairs},
        {kTypeTransformerThreePhase,
         {{0, 0}, {6, 0}, {12, 0}, {0, 15}, {6, 15}, {12, 15}},
         3,
         3,
         -1,
         {{"123", "123"}, {"231", "123"}, {"312", "123"}, {"132", "132"}, {"213", "132"}, {"321", "132"}}},
        {kTypePowerSupplyUnitThreePhase,
         {{0, 0}, {6, 0}, {12, 0}, {3, 18}, {9, 18}, {15, 12}},
         3,
         2,
         5,
         {{"123", "+-"}, {"231", "+-"}, {"312", "+-"}, {"132", "+-"}, {"213", "+-"}, {"321", "+-"}}},
    };
    return rows;
}

// The letters of the wires at the output terminals, and of the far wires of their
// nets (which only the wire pass would reach).
std::string outputs(const Bench& b, const Member& m) {
    std::string out;
    for (int o = 0; o < m.outputs; ++o) out += b.s.letter(b.nets[static_cast<std::size_t>(m.inputs + o)][0]);
    for (int o = 0; o < m.outputs; ++o) out += b.s.letter(b.nets[static_cast<std::size_t>(m.inputs + o)][1]);
    return out;
}

}  // namespace

// Every energising input row writes its letters into the output wires and nothing
// else; reversed pairs, equal letters, DC, dead, earth and neutral-on-three-phase
// inputs leave the converter at state 0 with nothing written.
TEST(Converters, InputTable) {
    for (const Member& m : members()) {
        const std::string idle(static_cast<std::size_t>(2 * m.outputs), '0');
        for (const auto& [in, out] : m.energising) {
            SCOPED_TRACE(nameOf(m.type) + ", " + in);
            Bench b(m.type, m.ends.data(), static_cast<int>(m.ends.size()));
            b.evaluate(0, in);
            EXPECT_EQ(b.s.view.m_state[b.device], 1);
            EXPECT_EQ(outputs(b, m), out + std::string(static_cast<std::size_t>(m.outputs), '0'));
            EXPECT_EQ(b.s.box(), "");
            for (int o = 0; o < m.outputs; ++o) EXPECT_EQ(b.marks(m.inputs + o), "...");
        }
        const std::vector<std::string> dead =
            m.inputs == 2 ? std::vector<std::string>{"N1", "21", "32", "31", "11", "NN", "+-", "-+", "10", "01", "P1", "1P"}
                          : std::vector<std::string>{"N23", "1N3", "12N", "113", "121", "333", "120", "P23", "+-1", "12"};
        for (const std::string& in : dead) {
            SCOPED_TRACE(nameOf(m.type) + ", " + in);
            Bench b(m.type, m.ends.data(), static_cast<int>(m.ends.size()));
            b.evaluate(1, in);
            EXPECT_EQ(b.s.view.m_state[b.device], 0);
            EXPECT_EQ(outputs(b, m), idle);
        }
    }
}

// An output terminal without a wire gets nothing, the other output is written; the
// earth terminal is drawn but never connects, whatever lies on it.
TEST(Converters, MissingOutputWireAndEarthTerminal) {
    for (const Member& m : members()) {
        SCOPED_TRACE(nameOf(m.type));
        const auto& [in, out] = m.energising[0];
        Bench b(m.type, m.ends.data(), static_cast<int>(m.ends.size()));
        const int first = b.nets[static_cast<std::size_t>(m.inputs)][0];
        b.s.view.m_deleted[first] = 1;
        std::string letters = in + std::string(static_cast<std::size_t>(m.outputs), '0');
        if (m.earth >= 0) letters += 'N';
        b.evaluate(0, letters);
        EXPECT_EQ(b.s.view.m_state[b.device], 1);
        EXPECT_EQ(b.s.letter(first), '0');
        EXPECT_EQ(b.s.letter(b.nets[static_cast<std::size_t>(m.inputs + 1)][0]), out[1]);
        if (m.earth >= 0) {
            EXPECT_EQ(b.s.view.m_terminalPotential[b.device][m.earth].letter(), '0');
            EXPECT_EQ(b.s.view.m_terminalLink[b.device][m.earth], 0);
            EXPECT_EQ(b.s.letter(b.nets[static_cast<std::size_t>(m.earth)][0]), 'N');
        }
        // The wire of an earlier call is not written through once it is gone.
        b.s.view.m_deleted[first] = 0;
        b.evaluate(0, letters);
        ASSERT_EQ(b.s.letter(first), out[0]);
        b.s.view.m_deleted[first] = 1;
        b.evaluate(0, letters);
        EXPECT_EQ(b.s.letter(first), '0');
    }
}

// A live anode ('1', '2', '3', '+') puts '+' with the fed mark on every wire and
// dot of the cathode's net, whatever they carried; anything else leaves the net
// alone and the diode grey. Nothing flows back to the anode.
TEST(Diode, AnodeTable) {
    const Point ends[] = {{0, 0}, {0, 12}};
    struct Case {
        const char* letters;
        std::string after;
        int state;
    };
    const Case cases[] = {
        {"1", "111 +++", 1}, {"2", "222 +++", 1}, {"3", "333 +++", 1}, {"+", "+++ +++", 1},
        {"1-", "111 +++", 1}, {"N", "NNN 000", 0}, {"-", "--- 000", 0}, {"P", "PPP 000", 0},
        {"0+", "000 +++", 0}, {"01", "000 111", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.letters);
        Bench b(kTypeDiode, ends, 2);
        b.evaluate(1 - c.state, c.letters);
        EXPECT_EQ(b.after(), c.after);
        EXPECT_EQ(b.s.view.m_state[b.device], c.state);
        EXPECT_EQ(b.marks(1), c.state == 1 ? "***" : "...");
        EXPECT_EQ(b.marks(0), "...");
        EXPECT_EQ(b.s.box(), "");
        for (const auto& line : b.s.dc.callsOf(DcOp::LineTo))
            EXPECT_EQ(line.pen.color, c.state == 1 ? g_colorRed : g_colorGrey);
    }
    // A cathode without a wire feeds nothing, even through the net it found before.
    Bench b(kTypeDiode, ends, 2);
    b.evaluate(0, "1");
    ASSERT_EQ(b.after(), "111 +++");
    b.s.view.m_deleted[b.nets[1][0]] = 1;
    b.evaluate(0, "1");
    EXPECT_EQ(b.after(), "111 000");
}

// Previews and placed names; while simulating a power supply unit whose state did
// not change draws only its texts and terminals, and the transformers and the
// rectifier only their fixed parts, black.
TEST(Converters, TextsAndRedrawOnChange) {
    struct Row {
        int type;
        std::vector<std::string> preview, placed;
        bool drawsFixedParts;
    };
    const Row rows[] = {
        {kTypeTransformer, {"   -T", "1", "3", "2", "4"}, {"   -T", "1", "2", "3", "4"}, true},
        {kTypeRectifier, {"   -V", "1", "2", "3", "4", "~    ", "~    ", "+    ", "-    "}, {}, true},
        {kTypePowerSupplyUnit, {"   -V", "1", "2", "3", "4", "PE", "+    ", "-    "}, {}, false},
        {kTypeDiode, {"   -D", "13", "14"}, {"   -D", "1", "2"}, true},
        {kTypeTransformerThreePhase, {"   -T", "1", "2", "3", "4", "5", "6"}, {}, true},
        {kTypePowerSupplyUnitThreePhase, {"   -V", "1", "2", "3", "4", "5", "PE", "+    ", "-    "}, {}, false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(nameOf(r.type));
        SymbolSheet s;
        s.drawPreview(r.type);
        std::vector<std::string> texts;
        for (const auto& call : s.dc.callsOf(DcOp::TextOut)) texts.push_back(call.text);
        EXPECT_EQ(texts, r.preview);

        const int d = s.place(r.type, 60, 60);
        s.view.m_terminalName[d][4] = r.type == kTypePowerSupplyUnit ? "E" : s.view.m_terminalName[d][4];
        s.drawPlaced(d, g_colorBlack);
        texts.clear();
        for (const auto& call : s.dc.callsOf(DcOp::TextOut)) texts.push_back(call.text);
        if (!r.placed.empty()) {
            EXPECT_EQ(texts, r.placed);
        }
        if (r.type == kTypePowerSupplyUnit) {
            ASSERT_GT(texts.size(), 5u);
            EXPECT_EQ(texts[5], " E") << "the earth name right-aligned";
        }
        for (const auto& line : s.dc.callsOf(DcOp::LineTo)) EXPECT_EQ(line.pen.color, g_colorBlack);

        s.view.m_simulating = 1;
        s.view.m_drawnState[d] = 0;
        s.drawPlaced(d, g_colorRed);
        const int terminals = r.type == kTypeDiode ? 2 : r.type >= kTypeTransformerThreePhase ? 6 : r.type == kTypePowerSupplyUnit ? 5 : 4;
        if (r.drawsFixedParts) {
            EXPECT_GT(s.dc.count(DcOp::LineTo), 0);
            const Color fixed = r.type == kTypeDiode ? g_colorGrey : g_colorBlack;
            for (const auto& line : s.dc.callsOf(DcOp::LineTo)) EXPECT_EQ(line.pen.color, fixed);
        } else {
            EXPECT_EQ(s.dc.count(DcOp::LineTo), 0) << s.dc.transcript();
            EXPECT_EQ(s.dc.count(DcOp::Polygon), 0);
            EXPECT_EQ(s.dc.count(DcOp::Arc), 0);
            EXPECT_EQ(s.dc.count(DcOp::TextOut), 1 + terminals) << "the label and the terminal names";
        }
        // After an erase the whole picture once, the box white.
        s.view.m_drawnState[d] = -1;
        s.drawPlaced(d, g_colorRed);
        EXPECT_EQ(s.view.m_drawnState[d], r.type == kTypeDiode ? -1 : 0) << "the diode keeps no cache";
        if (!r.drawsFixedParts) {
            const auto polygons = s.dc.callsOf(DcOp::Polygon);
            ASSERT_EQ(polygons.size(), 1u);
            EXPECT_EQ(polygons[0].brush.color, g_colorWhite);
            for (const auto& line : s.dc.callsOf(DcOp::LineTo)) EXPECT_EQ(line.pen.color, g_colorBlack);
        }
        s.view.m_simulating = 0;
    }
}

// Every member in the eight orientations, dead and energised; the picture is kept for a look.
TEST(Converters, EveryOrientationInBothStates) {
    constexpr int kCell = 140;
    const std::vector<int> types = {kTypeTransformer, kTypeRectifier, kTypePowerSupplyUnit, kTypeDiode,
                                    kTypeTransformerThreePhase, kTypePowerSupplyUnitThreePhase};
    SymbolSheet s;
    s.doc.m_zoom = 4;
    Surface sheet(16 * kCell, static_cast<int>(types.size()) * kCell);
    Dc dc(sheet);
    for (std::size_t row = 0; row < types.size(); ++row) {
        const int type = types[row];
        const Member* m = nullptr;
        for (const Member& candidate : members())
            if (candidate.type == type) m = &candidate;
        for (int column = 0; column < 16; ++column) {
            const int orientation = column % 8;
            const bool energised = column >= 8;
            SCOPED_TRACE(nameOf(type) + " orientation " + std::to_string(orientation));
            const int x = (column * kCell + kCell / 2) / 4, y = (static_cast<int>(row) * kCell + kCell / 2) / 4;
            const int slot = s.place(type, x, y, orientation);
            const std::string in = type == kTypeDiode ? "1" : m->energising[0].first;
            const std::vector<Point> ends = type == kTypeDiode ? std::vector<Point>{{0, 0}, {0, 12}} : m->ends;
            for (std::size_t k = 0; k < ends.size(); ++k) {
                const Point e = symboltest::turned(orientation, ends[k]);
                const char letter = energised && k < in.size() ? in[k] : '0';
                const int w = s.addLine(kTypeWirePhase, x + e.x, y + e.y, x + e.x, y + e.y, letter);
                s.view.m_netNumber[w] = 1000 + static_cast<int>(k);
            }
            s.view.m_simulating = 1;
            s.view.m_drawnState[slot] = -1;
            s.view.m_loopIndex = slot;
            s.view.m_drawingPlaced = 1;
            s.view.m_penColor = g_colorBlack;
            (s.view.*CVelkarionView::routineFor(type))(dc, 4, x * 4, y * 4);
            EXPECT_EQ(s.view.m_state[slot], energised ? 1 : 0);
        }
    }
    s.view.m_simulating = 0;
    testpictures::keepPicture(sheet, "converter_orientations.png");
}

// --- circuits -------------------------------------------------------------------------------

namespace {

using circuittest::Circuit;
using circuittest::kNeutral;
using circuittest::kPhase;
using circuittest::Sheet;

// An L-N supply at (60, 60) wired to a transformer at (90, 90) (L to terminal 0,
// or crossed), a lamp at (90, 120) on its secondary.
Sheet transformerAndLamp(bool crossed) {
    Sheet sheet{{{ID_PLACE_SUPPLY_LN, {60, 60}, ""},
                 {ID_PLACE_TRANSFORMER, {90, 90}, ""},
                 {ID_PLACE_PILOT_LAMP, {90, 120}, ""}},
                {{kPhase, {90, 105}, {90, 120}},
                 {kNeutral, {90, 132}, {90, 141}},
                 {kNeutral, {90, 141}, {99, 141}},
                 {kNeutral, {99, 105}, {99, 141}}}};
    if (!crossed) {
        sheet.wires.insert(sheet.wires.end(), {{kPhase, {60, 60}, {60, 75}},
                                               {kPhase, {60, 75}, {90, 75}},
                                               {kPhase, {90, 75}, {90, 90}},
                                               {kNeutral, {66, 60}, {99, 60}},
                                               {kNeutral, {99, 60}, {99, 90}}});
    } else {
        sheet.wires.insert(sheet.wires.end(), {{kPhase, {60, 60}, {60, 80}},
                                               {kPhase, {60, 80}, {99, 80}},
                                               {kPhase, {99, 80}, {99, 90}},
                                               {kNeutral, {66, 60}, {90, 60}},
                                               {kNeutral, {90, 60}, {90, 90}}});
    }
    return sheet;
}

// An L-N supply on the AC inputs of a rectifier bridge at (90, 90), a lamp at
// (129, 120) across its '+' and '-'.
const Sheet kRectifierLamp = {
    {{ID_PLACE_SUPPLY_LN, {60, 60}, ""}, {ID_PLACE_RECTIFIER, {90, 90}, ""}, {ID_PLACE_PILOT_LAMP, {129, 120}, ""}},
    {
        {kPhase, {60, 60}, {60, 99}},
        {kPhase, {60, 99}, {81, 99}},
        {kNeutral, {66, 60}, {105, 60}},
        {kNeutral, {105, 60}, {105, 99}},
        {kNeutral, {105, 99}, {99, 99}},
        {kPhase, {90, 90}, {90, 84}},
        {kPhase, {90, 84}, {129, 84}},
        {kPhase, {129, 84}, {129, 120}},
        {kPhase, {90, 108}, {90, 141}},
        {kPhase, {90, 141}, {129, 141}},
        {kPhase, {129, 132}, {129, 141}},
    },
};

// Three phases at (60, 60), (66, 60), (72, 60) wired to a three-phase transformer
// at (90, 90) in the order given (the terminal each phase goes to), three short
// wires on its secondary.
Sheet threePhaseTransformer(const int (&order)[3]) {
    Sheet sheet{{{ID_PLACE_SUPPLY_L1L2L3, {60, 60}, ""}, {ID_PLACE_TRANSFORMER_THREE_PHASE, {90, 90}, ""}},
                {{kPhase, {90, 105}, {90, 115}}, {kPhase, {96, 105}, {96, 115}}, {kPhase, {102, 105}, {102, 115}}}};
    for (int phase = 0; phase < 3; ++phase) {
        const int x = 60 + 6 * phase, y = 80 - 5 * phase, to = 90 + 6 * order[phase];
        sheet.wires.push_back({kPhase, {x, 60}, {x, y}});
        sheet.wires.push_back({kPhase, {x, y}, {to, y}});
        sheet.wires.push_back({kPhase, {to, y}, {to, 90}});
    }
    return sheet;
}

}  // namespace

TEST(ConverterCircuits, TransformerLightsTheLampOnlyWithLToItsFirstInput) {
    for (bool crossed : {false, true}) {
        SCOPED_TRACE(crossed ? "N to the first input" : "L to the first input");
        testkit::Session session;
        Circuit c(session);
        c.draw(transformerAndLamp(crossed));
        const int transformer = c.slotOf(kTypeTransformer), lamp = c.slotOf(kTypePilotLamp);
        c.simulate();
        c.tick();
        EXPECT_EQ(c.view().m_state[transformer], crossed ? 0 : 1);
        EXPECT_EQ(c.lampPixel(lamp), crossed ? g_colorWhite : g_colorGreen);
        EXPECT_EQ(c.view().m_simulating, 1);
        EXPECT_TRUE(session.messages().empty());
    }
}

TEST(ConverterCircuits, RectifierLightsALampAcrossItsDcOutputs) {
    testkit::Session session;
    Circuit c(session);
    c.draw(kRectifierLamp);
    const int lamp = c.slotOf(kTypePilotLamp);
    c.simulate();
    c.tick();
    EXPECT_EQ(c.view().m_state[c.slotOf(kTypeRectifier)], 1);
    EXPECT_EQ(c.lampPixel(lamp), g_colorGreen);
    EXPECT_TRUE(session.messages().empty());
}

TEST(ConverterCircuits, ThreePhaseTransformerKeepsThePhaseSequence) {
    struct Row {
        const char* name;
        int order[3];
        const char* secondary;
    };
    const Row rows[] = {{"cyclic", {0, 1, 2}, "123"}, {"anticyclic", {0, 2, 1}, "132"}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        testkit::Session session;
        Circuit c(session);
        c.draw(threePhaseTransformer(r.order));
        c.simulate();
        c.tick();
        std::string secondary;
        for (int k = 0; k < 3; ++k) secondary += c.view().m_potential[c.slotOf(kTypeWirePhase, k)].letter();
        EXPECT_EQ(secondary, r.secondary);
        EXPECT_TRUE(session.messages().empty());
    }
}
