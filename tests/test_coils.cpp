// The coils: the voltage test every load shares, the latch on the last pass, the
// bistable and impulse-relay rules, the copy into the contacts of equal label, and
// the symbols in both states and every orientation.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "file_test_support.h"
#include "kept_pictures.h"
#include "load_sheet.h"
#include "render/Colors.h"
#include "symbols/control/VoltageTest.h"
#include "testkit/recording_dc.h"
#include "testkit/testkit.h"

using velk::filetest::fixtureText;

using namespace velk;
using velk::loadtest::LoadSheet;
using velk::testkit::DcOp;
using velk::testkit::RecordingDc;

namespace {

constexpr int kCoilTypes[] = {kTypeCoil, kTypeBistableCoil, kTypeImpulseRelayCoil, kTypeSolenoidValveCoil};

// The terminals that carry the energising voltage: A1 and A2 (the bistable coil's
// set pair).
int lastTerminal(int type) { return type == kTypeBistableCoil ? 2 : 1; }

// Fills drawn with a solid brush of this colour (the body, the valve glyph).
int fillsOf(const RecordingDc& dc, Color c) {
    int n = 0;
    for (const auto& call : dc.callsOf(DcOp::Polygon))
        if (call.brush.style == BrushStyle::Solid && call.brush.color == c) ++n;
    return n;
}

}  // namespace

// Every pair of letters of the alphabet, in both orders: only a phase against
// neutral, two different phases and the two DC poles energise a load.
TEST(LoadVoltage, EnergisingLetterPairs) {
    const std::string alphabet = "0123NP+-YyZRSTWABCF*";
    const std::vector<std::string> energising = {"1N", "2N", "3N", "N1", "N2", "N3", "12", "13",
                                                 "21", "23", "31", "32", "+-", "-+"};
    for (char a : alphabet) {
        for (char b : alphabet) {
            const std::string pair{a, b};
            SCOPED_TRACE(pair);
            bool expected = false;
            for (const std::string& e : energising) expected = expected || e == pair;
            EXPECT_EQ(voltageAcross(a, b), expected);
        }
    }
}

// Coil, valve and impulse relay take their state on the last pass only; when the
// voltage goes, the coil and the valve drop on the last pass, the impulse relay holds.
TEST(CoilLatch, StateChangesOnTheLastPassOnly) {
    struct Row {
        int type;
        int stateAfterDrop;
    };
    const Row rows[] = {{kTypeCoil, 0}, {kTypeSolenoidValveCoil, 0}, {kTypeImpulseRelayCoil, 1}};
    for (const Row& row : rows) {
        SCOPED_TRACE(CVelkarionView::routineNameFor(row.type));
        LoadSheet s;
        RecordingDc dc;
        const int coil = s.addLoad(row.type, 40, 40, "-K1");
        const int a1 = s.wireAt(coil, 0, '1');
        s.wireAt(coil, 1, 'N', kTypeWireNeutral);
        for (int pass = 0; pass <= 5; ++pass) {
            SCOPED_TRACE("energised, pass " + std::to_string(pass));
            s.evaluate(dc, coil, pass);
            EXPECT_EQ(s.view.m_state[coil], pass == 5 ? 1 : 0);
        }
        s.setLetter(a1, '0');
        for (int pass = 0; pass <= 5; ++pass) {
            SCOPED_TRACE("dropped, pass " + std::to_string(pass));
            s.evaluate(dc, coil, pass);
            EXPECT_EQ(s.view.m_state[coil], pass == 5 ? row.stateAfterDrop : 1);
        }
        EXPECT_EQ(s.view.m_terminalPotential[coil][0].letter(), '0') << "a coil records no terminal letter";
        EXPECT_EQ(s.view.m_terminalLink[coil][0], 0) << "nor a link";
    }
}

// A master copies its state into the main and auxiliary contacts of exactly its
// label, from its next call on; no other type, label or hidden slot follows. A
// state other than 1 copies as 0. The valve drives nothing.
TEST(CoilSlaveCopy, ContactsOfEqualLabelFollow) {
    struct Contact {
        int type;
        const char* label;
        bool deleted;
        bool follows;
    };
    const Contact contacts[] = {
        {kTypeMainContactsII, "-K1", false, true},   {kTypeMainContactsIII, "-K1", false, true},
        {kTypeMainContactsIIII, "-K1", false, true}, {kTypeMainContactsI, "-K1", false, true},
        {kTypeAuxContactNO, "-K1", false, true},     {kTypeAuxContactNC, "-K1", false, true},
        {kTypeAuxContactNONC, "-K1", false, true},   {kTypeAuxContactChangeover, "-K1", false, true},
        {kTypeSwitchDisconnectorII, "-K1", false, false}, {kTypeOnDelayContactNO, "-K1", false, false},
        {kTypePushButtonNO, "-K1", false, false},    {kTypeCoil, "-K1", false, false},
        {kTypeAuxContactNO, "-K2", false, false},    {kTypeAuxContactNO, "-k1", false, false},
        {kTypeAuxContactNO, "-K1 ", false, false},   {kTypeAuxContactNO, "", false, false},
        {kTypeAuxContactNO, "-K1", true, false},
    };
    struct Master {
        int type;
        bool copies;
    };
    const Master masters[] = {{kTypeCoil, true},
                              {kTypeBistableCoil, true},
                              {kTypeImpulseRelayCoil, true},
                              {kTypeSolenoidValveCoil, false}};
    for (const Master& m : masters) {
        SCOPED_TRACE(CVelkarionView::routineNameFor(m.type));
        LoadSheet s;
        RecordingDc dc;
        std::vector<int> slots;
        for (const Contact& c : contacts) {
            const int slot = s.addSymbol(c.type, 100, 100, c.label);
            s.view.m_deleted[slot] = c.deleted ? 1 : 0;
            slots.push_back(slot);
        }
        const int master = s.addLoad(m.type, 40, 40, "-K1");
        for (int state : {1, 2}) {
            s.view.m_state[master] = state;
            s.evaluate(dc, master, 0);
            for (std::size_t i = 0; i < slots.size(); ++i) {
                const Contact& c = contacts[i];
                SCOPED_TRACE(std::string("master state ") + std::to_string(state) + ", contact " +
                             std::to_string(c.type) + " '" + c.label + "'" + (c.deleted ? " deleted" : ""));
                const bool set = m.copies && c.follows && state == 1;
                EXPECT_EQ(s.view.m_state[slots[i]], set ? 1 : 0);
            }
        }
    }

    // An unlabelled coil binds nothing: not even an unlabelled contact moves.
    for (const Master& m : masters) {
        SCOPED_TRACE(std::string("unlabelled ") + CVelkarionView::routineNameFor(m.type));
        LoadSheet s;
        RecordingDc dc;
        const int unnamed = s.addSymbol(kTypeAuxContactNO, 100, 100, "");
        const int named = s.addSymbol(kTypeAuxContactNO, 100, 100, "-K");
        const int coil = s.addLoad(m.type, 40, 40, "");
        s.view.m_state[coil] = 1;
        s.evaluate(dc, coil, 0);
        EXPECT_EQ(s.view.m_state[unnamed], 0);
        EXPECT_EQ(s.view.m_state[named], 0);
    }
}

// The sheet a user draws: an L-N supply, a coil -K1 wired across it, and an
// auxiliary contact -K1. The coil latches in the first paint of the run, the
// contact switches in the next one; without neutral both go back the same way.
TEST(CoilScenario, CoilLatchesAndItsContactFollowsOnePaintLater) {
    testkit::Session session;
    session.writeFile("coil_drives_contact.cad", fixtureText("coil_drives_contact.cad"));
    CVelkarionView& v = session.openSheet("coil_drives_contact.cad");
    ASSERT_EQ(v.m_componentCount, 7);
    const int coil = 1, contact = 2, neutral = 5;
    ASSERT_EQ(v.m_type[coil], kTypeCoil);
    ASSERT_EQ(v.m_type[contact], kTypeAuxContactNO);
    ASSERT_EQ(v.m_type[neutral], kTypeWireNeutral);

    v.OnModeRun();
    session.flush();
    EXPECT_EQ(v.m_state[coil], 1) << "latched in the first paint";
    EXPECT_EQ(v.m_state[contact], 0) << "the contact follows one paint later";
    const double zoom = session.document(v).m_zoom;
    const Point body = {static_cast<int>(v.m_x[coil] * zoom), static_cast<int>(v.m_y[coil] * zoom + 6 * zoom)};
    const Point bodyOnScreen = {body.x - v.scrollPosition().x, body.y - v.scrollPosition().y};
    EXPECT_EQ(session.surface(v).pixel(bodyOnScreen.x, bodyOnScreen.y), g_colorSilver);

    session.tick(v);
    EXPECT_EQ(v.m_state[contact], 1);
    testpictures::keepPicture(session.surface(v), "coil_drives_contact.png");

    v.m_deleted[neutral] = 1;  // as a cut of the neutral wire would leave it
    session.tick(v);
    EXPECT_EQ(v.m_state[coil], 0);
    EXPECT_EQ(v.m_state[contact], 1);
    EXPECT_EQ(session.surface(v).pixel(bodyOnScreen.x, bodyOnScreen.y), g_colorWhite);
    session.tick(v);
    EXPECT_EQ(v.m_state[contact], 0);
}

// An impulse relay fed through a wire that comes and goes: it toggles once per
// rising edge, holds while the voltage stays or goes, and a zoom, a scroll or an
// uncovered window while it is energised redraws it without toggling it.
TEST(ImpulseRelay, TogglesOncePerRisingEdgeOnly) {
    enum Action { VoltageOn, VoltageOff, Tick, ZoomIn, ZoomOut, Scroll, Uncover };
    struct Step {
        const char* name;
        Action action;
        int state;
    };
    const Step steps[] = {
        {"first paint with voltage", VoltageOn, 1},
        {"held", Tick, 1},
        {"zoom in while energised", ZoomIn, 1},
        {"tick after the zoom", Tick, 1},
        {"scrolled while energised", Scroll, 1},
        {"window uncovered while energised", Uncover, 1},
        {"zoom out while energised", ZoomOut, 1},
        {"voltage gone", VoltageOff, 1},
        {"zoom while dead", ZoomIn, 1},
        {"voltage back", VoltageOn, 0},
        {"held again", Tick, 0},
        {"uncovered again", Uncover, 0},
        {"gone again", VoltageOff, 0},
        {"back again", VoltageOn, 1},
    };
    LoadSheet s;
    s.show();
    CVelkarionView& v = s.view;
    // An L-N supply (L at its point, N 6 units right) wired to A1 and A2.
    s.addSymbol(kTypeSupplyLN, 20, 20);
    const int relay = s.addLoad(kTypeImpulseRelayCoil, 20, 40, "-K1");
    s.addLine(kTypeWirePhase, 20, 20, 20, 40);
    s.addLine(kTypeWireNeutral, 26, 20, 26, 60);
    s.addLine(kTypeWireNeutral, 26, 60, 20, 60);
    const int neutral = s.addLine(kTypeWireNeutral, 20, 60, 20, 52);
    v.m_deleted[neutral] = 1;
    const int contact = s.addSymbol(kTypeAuxContactNO, 60, 40, "-K1");
    s.simulate();
    ASSERT_EQ(v.m_state[relay], 0);

    int previous = 0;
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        switch (step.action) {
            case VoltageOn: v.m_deleted[neutral] = 0; s.tick(); break;
            case VoltageOff: v.m_deleted[neutral] = 1; s.tick(); break;
            case Tick: s.tick(); break;
            case ZoomIn: v.OnZoomIn(); v.runPendingPaint(); break;
            case ZoomOut: v.OnZoomOut(); v.runPendingPaint(); break;
            case Scroll:
                v.OnVScroll(kScrollLineDown, 0);
                v.runPendingPaint();
                break;
            case Uncover: v.invalidate(true); v.runPendingPaint(); break;
        }
        ASSERT_TRUE(s.boxes.empty()) << "no fault on this sheet";
        EXPECT_EQ(v.m_state[relay], step.state);
        // A repaint after an erase shows the body again, silver while energised.
        const bool energised = v.m_deleted[neutral] == 0;
        EXPECT_EQ(s.pixel(s.pixelOf(relay, 5, 30)), energised ? g_colorSilver : g_colorWhite);
        if (step.action == VoltageOn || step.action == VoltageOff || step.action == Tick) {
            EXPECT_EQ(v.m_state[contact], previous) << "the contact is one paint behind";
        }
        previous = v.m_state[relay];
    }
}

// The bistable coil sets on A1-A2 and resets on B1-A2 on the pass the voltage
// arrives; reset wins when both carry voltage, and without either it holds. Only a
// change of voltage draws it: the body silver or white and the whole coil in the
// colour of the state it ends in. Its contacts follow on its next pass.
TEST(BistableCoil, SetResetAndHold) {
    struct Step {
        const char* name;
        char a1, b1, a2;
        int state;
        bool drawn;
    };
    const Step steps[] = {
        {"set", '1', '0', 'N', 1, true},
        {"set held", '1', '0', 'N', 1, false},
        {"no voltage holds", '0', '0', 'N', 1, true},
        {"reset", '0', '2', 'N', 0, true},
        {"set again by two phases", '3', '0', '1', 1, true},
        {"both: reset wins", '1', '1', 'N', 0, true},
        {"earth holds", 'P', '0', '1', 0, true},
        {"set by DC", '+', '0', '-', 1, true},
        {"reset by DC", '0', '-', '+', 0, true},
        {"all dead holds", '0', '0', '0', 0, true},
    };
    LoadSheet s;
    RecordingDc dc;
    const int coil = s.addLoad(kTypeBistableCoil, 40, 40, "-K1");
    const int a1 = s.wireAt(coil, 0, '0');
    const int b1 = s.wireAt(coil, 1, '0');
    const int a2 = s.wireAt(coil, 2, '0');
    const int contact = s.addSymbol(kTypeAuxContactNO, 100, 100, "-K1");
    int pass = 0, previous = 0;
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        s.setLetter(a1, step.a1);
        s.setLetter(b1, step.b1);
        s.setLetter(a2, step.a2);
        dc.clear();
        s.evaluate(dc, coil, pass);
        pass = (pass + 1) % 5;  // never the last pass: the bistable coil does not wait for it
        EXPECT_EQ(s.view.m_state[coil], step.state);
        EXPECT_EQ(s.view.m_state[contact], previous);
        previous = step.state;
        const auto lines = dc.callsOf(DcOp::LineTo);
        if (!step.drawn) {
            EXPECT_TRUE(lines.empty()) << dc.transcript();
            continue;
        }
        ASSERT_EQ(lines.size(), 12u);
        const Color outline = step.state == 1 ? g_colorRed : g_colorGrey;
        for (const auto& line : lines) EXPECT_EQ(line.pen.color, outline) << line.describe();
        EXPECT_EQ(fillsOf(dc, step.state == 1 ? g_colorSilver : g_colorWhite), 1) << dc.transcript();
    }
}

// After an erase of the view every coil fills its body once more on the next
// last pass, in the colour of the voltage it carries, and keeps its state.
TEST(CoilErase, NextLastPassRedrawsTheBodyAndKeepsTheState) {
    struct Row {
        int type;
        int fills;  // the valve fills its glyph along with the box
    };
    const Row rows[] = {{kTypeCoil, 1}, {kTypeBistableCoil, 1}, {kTypeImpulseRelayCoil, 1}, {kTypeSolenoidValveCoil, 2}};
    for (const Row& row : rows) {
        for (bool energised : {true, false}) {
            SCOPED_TRACE(std::string(CVelkarionView::routineNameFor(row.type)) + (energised ? " energised" : " dead"));
            LoadSheet s;
            RecordingDc dc;
            const int coil = s.addLoad(row.type, 40, 40, "-K1");
            s.wireAt(coil, 0, energised ? '1' : '0');
            s.wireAt(coil, lastTerminal(row.type), 'N', kTypeWireNeutral);
            for (int pass = 0; pass <= 5; ++pass) s.evaluate(dc, coil, pass);
            const int state = s.view.m_state[coil];
            EXPECT_EQ(state, energised ? 1 : 0);

            s.view.m_drawnState[coil] = -1;  // what the erase leaves
            dc.clear();
            for (int pass = 0; pass <= 5; ++pass) s.evaluate(dc, coil, pass);
            EXPECT_EQ(s.view.m_state[coil], state);
            EXPECT_EQ(fillsOf(dc, energised ? g_colorSilver : g_colorWhite), row.fills) << dc.transcript();
            EXPECT_EQ(fillsOf(dc, energised ? g_colorWhite : g_colorSilver), 0);
        }
    }
}

// The preview shows the family's default label and terminal names; a placed coil
// with everything hidden shows an empty label and a blank per terminal. Outside
// simulation nothing is evaluated and the outline is drawn in the paint's colour.
TEST(CoilSymbols, TextsOfPreviewAndHiddenNames) {
    struct Row {
        int type;
        std::vector<std::string> preview;
        int lines;
    };
    const Row rows[] = {
        {kTypeCoil, {"   -K", "A1", "A2"}, 8},
        {kTypeBistableCoil, {"   -K", "A1", "B1", "A2"}, 12},
        {kTypeImpulseRelayCoil, {"  -KA", "A1", "A2"}, 11},
        {kTypeSolenoidValveCoil, {"  -EV", "A1", "A2"}, 13},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(CVelkarionView::routineNameFor(row.type));
        LoadSheet s;
        RecordingDc dc;
        s.drawPreview(dc, row.type, 200, 200);
        std::vector<std::string> texts;
        for (const auto& call : dc.callsOf(DcOp::TextOut)) texts.push_back(call.text);
        EXPECT_EQ(texts, row.preview);
        EXPECT_EQ(dc.count(DcOp::LineTo), row.lines);
        EXPECT_EQ(dc.count(DcOp::Polygon), 0);

        const int coil = s.addLoad(row.type, 40, 40, "-K9");
        s.view.m_labelVisible[coil] = 0;
        for (int k = 0; k < 3; ++k) s.view.m_terminalNameVisible[coil][k] = 0;
        s.view.m_state[coil] = 1;
        dc.clear();
        s.drawPlaced(dc, coil);
        texts.clear();
        for (const auto& call : dc.callsOf(DcOp::TextOut)) texts.push_back(call.text);
        std::vector<std::string> hidden(row.preview.size(), " ");
        hidden[0] = "     ";
        EXPECT_EQ(texts, hidden);
        for (const auto& line : dc.callsOf(DcOp::LineTo)) EXPECT_EQ(line.pen.color, g_colorBlack);
        EXPECT_EQ(s.view.m_state[coil], 1);
        EXPECT_EQ(s.view.m_drawnState[coil], 0);
    }
}

// Each coil in the eight orientations, wired at its turned terminals, energised
// and not: the wires are found in every orientation, the body is silver and the
// outline red when energised, white and grey when not. The picture is kept for a look.
TEST(CoilSymbols, EveryOrientationInBothStates) {
    constexpr int kCell = 140;
    LoadSheet s;
    s.doc.m_zoom = 4;
    Surface sheet(16 * kCell, 4 * kCell);
    Dc dc(sheet);
    int row = 0;
    for (int type : kCoilTypes) {
        for (int column = 0; column < 16; ++column) {
            const int orientation = column % 8;
            const bool energised = column < 8;
            SCOPED_TRACE(std::string(CVelkarionView::routineNameFor(type)) + " orientation " +
                         std::to_string(orientation) + (energised ? " energised" : " dead"));
            // The insertion point in the middle of the cell: the symbol turns about it.
            const int x = (column * kCell + kCell / 2) / 4, y = (row * kCell + kCell / 2) / 4;
            const int coil = s.addLoad(type, x, y, "-K1", orientation);
            s.view.m_drawnState[coil] = -1;
            s.wireAt(coil, 0, energised ? '1' : '0');
            s.wireAt(coil, lastTerminal(type), 'N', kTypeWireNeutral);
            for (int pass = 0; pass <= 5; ++pass) s.evaluate(dc, coil, pass);
            EXPECT_EQ(s.view.m_state[coil], energised ? 1 : 0);
            // The bistable coil's slants pass near the middle; look beside them.
            EXPECT_EQ(sheet.pixel(s.pixelOf(coil, 0, 24).x, s.pixelOf(coil, 0, 24).y),
                      energised ? g_colorSilver : g_colorWhite);
            EXPECT_EQ(sheet.pixel(s.pixelOf(coil, 20, 30).x, s.pixelOf(coil, 20, 30).y),
                      energised ? g_colorRed : g_colorGrey);
        }
        ++row;
    }
    testpictures::keepPicture(sheet, "coil_orientations.png");
}
