// Simulate, Pause, Step and Edit, and the clock that drives a run.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "file_test_support.h"
#include "render/Clock.h"
#include "render/Terminals.h"
#include "sim_sheet.h"
#include "testkit/testkit.h"

using velk::filetest::fixtureText;

using namespace velk;
using velk::simtest::SimSheet;

namespace {

struct Flags {
    int simulating, paused, stepMode, stepPending;
    bool operator==(const Flags& o) const {
        return simulating == o.simulating && paused == o.paused && stepMode == o.stepMode &&
               stepPending == o.stepPending;
    }
};

std::string shown(const Flags& f) {
    return "simulating " + std::to_string(f.simulating) + ", paused " + std::to_string(f.paused) + ", step " +
           std::to_string(f.stepMode) + ", pending " + std::to_string(f.stepPending);
}

Flags flagsOf(const CVelkarionView& v) { return {v.m_simulating, v.m_paused, v.m_stepMode, v.m_stepPending}; }

void setFlags(CVelkarionView& v, const Flags& f) {
    v.m_simulating = f.simulating;
    v.m_paused = f.paused;
    v.m_stepMode = f.stepMode;
    v.m_stepPending = f.stepPending;
}

// Keeps the speed setting as the other tests expect it.
struct SpeedReset {
    ~SpeedReset() { g_simSpeed = 50; }
};

}  // namespace

// Every command from every mode: the flags after it, whether it reset the run (a
// device state set before it is gone), the status panes, and whether the next
// tick then advances the run (clears the wire letters for a new step).
TEST(SimulationModes, Transitions) {
    const Flags editing{0, 0, 0, 0}, running{1, 0, 0, 0}, stepping{1, 0, 1, 0}, paused{1, 1, 0, 0},
        pausedStep{1, 1, 1, 1};
    enum Command { Simulate, Pause, Step, Edit };
    struct Row {
        const char* name;
        Flags from;
        Command command;
        Flags to;
        bool reset;
        const char* pane1;
        const char* pane2;
        bool tickAdvances;
    };
    const Row rows[] = {
        {"Simulate from editing", editing, Simulate, running, true, "Simulación", "Run", true},
        {"Simulate while running restarts", running, Simulate, running, true, "Simulación", "Run", true},
        {"Simulate while stepping restarts running", stepping, Simulate, running, true, "Simulación", "Run", true},
        {"Simulate while paused only resumes", paused, Simulate, running, false, "Simulación", "Run", true},
        {"Simulate after Pause and Step resumes stepping", pausedStep, Simulate, {1, 0, 1, 1}, false, "Simulación",
         "Run", true},
        {"Pause from editing", editing, Pause, {0, 1, 0, 0}, false, "before", "Pausa", false},
        {"Pause while running", running, Pause, paused, false, "before", "Pausa", false},
        {"Pause while stepping", stepping, Pause, paused, false, "before", "Pausa", false},
        {"Pause while paused", pausedStep, Pause, paused, false, "before", "Pausa", false},
        {"Step from editing", editing, Step, {0, 0, 1, 1}, false, "before", "Paso a Paso", false},
        {"Step while running", running, Step, {1, 0, 1, 1}, false, "before", "Paso a Paso", true},
        {"Step while stepping", stepping, Step, {1, 0, 1, 1}, false, "before", "Paso a Paso", true},
        {"Step while paused keeps the pause", paused, Step, pausedStep, false, "before", "Paso a Paso", false},
        {"Edit from editing", editing, Edit, editing, true, "Edición", "Stop", false},
        {"Edit while running", running, Edit, editing, true, "Edición", "Stop", false},
        {"Edit while stepping", stepping, Edit, editing, true, "Edición", "Stop", false},
        {"Edit while paused", pausedStep, Edit, editing, true, "Edición", "Stop", false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        SimSheet s;
        CVelkarionView& v = s.view;
        const int coil = s.addSymbol(kTypeCoil, 50, 50);
        const int wire = s.addLine(kTypeWirePhase, 0, 0, 10, 0);
        v.m_state[coil] = 1;
        setFlags(v, row.from);
        s.panes.setPaneText(1, "before");
        s.panes.setPaneText(2, "before");

        switch (row.command) {
            case Simulate: v.OnModeRun(); break;
            case Pause: v.OnModePause(); break;
            case Step: v.OnModeStep(); break;
            case Edit: v.OnModeEdit(); break;
        }

        EXPECT_EQ(shown(flagsOf(v)), shown(row.to));
        EXPECT_EQ(v.m_state[coil], row.reset ? 0 : 1);
        EXPECT_EQ(s.pane(1), row.pane1);
        EXPECT_EQ(s.pane(2), row.pane2);
        s.setLetter(wire, '1');
        v.OnTimer(kSimulationTimerId);
        EXPECT_EQ(s.letter(wire), row.tickAdvances ? '0' : '1');
        EXPECT_TRUE(s.boxes.empty());
    }
}

// Every tick re-arms timer 1 with 1000 - 10 x speed milliseconds, 1 ms when that
// is not positive, in every mode.
TEST(SimulationClock, TimerPeriodFollowsSpeed) {
    struct Row {
        int speed;
        int periodMs;
        int simulating;
    };
    const Row rows[] = {{50, 500, 0}, {1, 990, 0}, {100, 1, 0}, {100, 1, 1}, {50, 500, 1},
                        {1, 990, 1},  {99, 10, 0}, {101, 1, 0}, {150, 1, 1}, {0, 1000, 0}};
    SpeedReset speedReset;
    for (const Row& row : rows) {
        SCOPED_TRACE("speed " + std::to_string(row.speed) + (row.simulating ? ", running" : ", editing"));
        SimSheet s;
        s.view.m_simulating = row.simulating;
        s.view.setTimer(kSimulationTimerId, 250);
        g_simSpeed = row.speed;
        s.view.OnTimer(kSimulationTimerId);
        EXPECT_EQ(s.view.timerPeriod(kSimulationTimerId), row.periodMs);
        g_simSpeed = 50;
        s.view.OnTimer(kSimulationTimerId);
        EXPECT_EQ(s.view.timerPeriod(kSimulationTimerId), 500) << "read afresh at every tick";
    }
}

// A running tick clears the letters of wires, chart lines, dots, bundle entries and
// connection points, so that the paint it asks for starts from dead wires; device
// letters, terminal letters and hidden slots are left alone.
TEST(SimulationClock, TickClearsWireLetters) {
    struct Row {
        int type;
        bool cleared;
    };
    const Row rows[] = {
        {kTypeWirePhase, true},          {kTypeWireNeutral, true},
        {kTypeWirePE, true},             {kTypeWirePlus, true},
        {kTypeWireMinus, true},          {kTypeGrafcetAndDivergence, true},
        {kTypeGrafcetAndConvergence, true}, {kTypeGrafcetLink, true},
        {kTypeConnectionDot, true},      {kTypeBundleEntryLeft, true},
        {kTypeBundleEntryRight, true},   {kTypeConnectionPointLeft, true},
        {kTypeConnectionPointRight, true}, {kTypeBundle, false},
        {kTypeCoil, false},              {kTypeSupplyL, false},
        {kTypeTerminalI, false},         {kTypePilotLamp, false},
        {kTypeGrafcetStep, false},
    };
    SimSheet s;
    CVelkarionView& v = s.view;
    for (const Row& row : rows) {
        const int i = s.addLine(row.type, 0, 0, 10, 0, '1');
        v.m_terminalPotential[i][0].setLetter('*');
        v.m_state[i] = 1;
    }
    const int hidden = s.addLine(kTypeWirePhase, 0, 0, 10, 0, '2');
    v.m_deleted[hidden] = 1;
    v.m_simulating = 1;
    v.OnTimer(kSimulationTimerId);
    for (int i = 0; i < static_cast<int>(std::size(rows)); ++i) {
        SCOPED_TRACE(typeCodeName(rows[i].type));
        EXPECT_EQ(s.letter(i), rows[i].cleared ? '0' : '1');
        EXPECT_EQ(v.m_terminalPotential[i][0].letter(), '*');
        EXPECT_EQ(v.m_state[i], 1);
    }
    EXPECT_EQ(s.letter(hidden), '2');
}

// Simulate puts every live slot at rest: states, letters, terminal letters 0 to 7
// and all nine links, except the drive command in letter 8, the drive output and
// the corner order of a line item; hidden slots are not touched. Then the initial
// chart steps are active and nothing is selected, picked or being placed.
TEST(SimulationModes, SimulateStartsFromRest) {
    SimSheet s;
    CVelkarionView& v = s.view;
    struct Row {
        int type;
        int hidden;
        int stateAfter;
    };
    const Row rows[] = {
        {kTypeCoil, 0, 0},           {kTypeLine, 0, 0},           {kTypeInverterThreePhase, 0, 0},
        {kTypeGrafcetInitialStep, 0, 1}, {kTypeGrafcetStep, 0, 0}, {kTypeGrafcetTransition, 0, 0},
        {kTypeGrafcetMacroStep, 0, 0}, {kTypeGrafcetInitialStep, 1, 7}, {kTypeCoil, 1, 7},
    };
    for (const Row& row : rows) {
        const int i = s.addSymbol(row.type, 30, 30);
        v.m_deleted[i] = row.hidden;
        v.m_state[i] = 7;
        v.m_drawnState[i] = 7;
        v.m_selected[i] = 1;
        v.m_controlOutput[i] = 4200;
        s.setLetter(i, '1');
        for (int k = 0; k < kTerminalCount; ++k) {
            v.m_terminalPotential[i][k].setLetter('2');
            v.m_terminalLink[i][k] = 10 + k;
        }
    }
    g_itemPicked = 1;
    g_selectionCount = 3;
    g_currentTool = kTypeCoil;
    v.m_rubberBandActive = v.m_selectionValid = v.m_floatingBlock = v.m_pasteSingle = 1;

    v.OnModeRun();

    for (int i = 0; i < static_cast<int>(std::size(rows)); ++i) {
        const Row& row = rows[i];
        SCOPED_TRACE(std::string(typeCodeName(row.type)) + (row.hidden ? ", hidden" : ""));
        EXPECT_EQ(v.m_state[i], row.stateAfter);
        EXPECT_EQ(v.m_controlOutput[i], 4200);
        if (row.hidden) {
            EXPECT_EQ(v.m_drawnState[i], 7);
            EXPECT_EQ(v.m_selected[i], 1);
            EXPECT_EQ(s.letter(i), '1');
            EXPECT_EQ(v.m_terminalLink[i][6], 16);
            continue;
        }
        EXPECT_EQ(v.m_drawnState[i], 0);
        EXPECT_EQ(v.m_selected[i], 0);
        EXPECT_EQ(s.letter(i), '0');
        for (int k = 0; k < 8; ++k) EXPECT_EQ(v.m_terminalPotential[i][k].letter(), '0') << "terminal " << k;
        // An inverter's command starts at stop; other slots keep their letter 8.
        EXPECT_EQ(v.m_driveCommand[i].letter(), row.type == kTypeInverterThreePhase ? '0' : '2');
        EXPECT_EQ(v.m_terminalLink[i][0], row.type == kTypeLine ? 10 : 0);
        for (int k = 1; k < kTerminalCount; ++k) EXPECT_EQ(v.m_terminalLink[i][k], 0) << "link " << k;
    }
    EXPECT_EQ(g_itemPicked, 0);
    EXPECT_EQ(g_selectionCount, 0);
    EXPECT_EQ(g_currentTool, 0);
    EXPECT_EQ(v.m_rubberBandActive + v.m_selectionValid + v.m_floatingBlock + v.m_pasteSingle, 0);
}

// Edit stops the run and puts every slot below the count at rest, hidden ones too;
// net numbers and selection stay, and no terminal is left for a routine to find.
TEST(SimulationModes, EditPutsEverySlotAtRest) {
    SimSheet s;
    CVelkarionView& v = s.view;
    const int wire = s.addLine(kTypeWirePhase, 0, 0, 10, 0, '1');
    const int timer = s.addSymbol(kTypeOnDelayTimer, 40, 40);
    const int hidden = s.addSymbol(kTypeCoil, 80, 40);
    v.m_deleted[hidden] = 1;
    for (int i : {wire, timer, hidden}) {
        s.setLetter(i, 'N');
        v.m_state[i] = 1;
        v.m_drawnState[i] = 1;
        v.m_selected[i] = 1;
        for (int k = 0; k < kTerminalCount; ++k) {
            v.m_terminalPotential[i][k].setLetter('N');
            v.m_terminalLink[i][k] = 5;
        }
    }
    g_terminalPoint = {120, 80};
    v.OnModeRun();
    v.m_paused = v.m_stepMode = v.m_stepPending = 1;

    v.OnModeEdit();

    EXPECT_EQ(shown(flagsOf(v)), shown({0, 0, 0, 0}));
    EXPECT_EQ(g_terminalPoint, (Point{0, 0}));
    for (int i : {wire, timer, hidden}) {
        SCOPED_TRACE(typeCodeName(v.m_type[i]));
        EXPECT_EQ(s.letter(i), '0');
        EXPECT_EQ(v.m_state[i], 0);
        EXPECT_EQ(v.m_drawnState[i], 0);
        for (int k = 0; k < 8; ++k) EXPECT_EQ(v.m_terminalPotential[i][k].letter(), '0') << "terminal " << k;
        EXPECT_EQ(v.m_timerCount[i], 0);
        EXPECT_EQ(v.m_timerOutput[i], 0);
        EXPECT_EQ(v.m_brakeCountdown[i], 0);
    }
    EXPECT_EQ(v.m_netNumber[wire], 1) << "numbered by the run, kept by Edit";
    EXPECT_EQ(v.m_terminalLink[hidden][1], 5);
    EXPECT_EQ(v.m_selected[hidden], 1);
    EXPECT_EQ(v.m_driveCommand[timer].letter(), 'N');
}

// Simulate erases and repaints a small sheet at once; a sheet of 140 slots or more
// gets that repaint from its next tick instead, and only once. Ticks of a run
// otherwise repaint without erasing.
TEST(SimulationClock, ErasingRepaintOfLargeSheetsWaitsForTheTick) {
    struct Row {
        int count;
        bool deferred;
    };
    const Row rows[] = {{1, false}, {139, false}, {140, true}, {145, true}, {151, true}};
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.count) + " slots");
        SimSheet s;
        s.show();
        for (int n = 0; n < row.count; ++n) s.addLine(kTypeWirePhase, 10, 10 + 3 * n, 20, 10 + 3 * n);
        s.view.OnModeRun();
        EXPECT_EQ(s.view.m_deferredRedraw, row.deferred ? 1 : 0);
        EXPECT_EQ(s.view.hasPendingPaint(), !row.deferred);
        if (!row.deferred) {
            EXPECT_TRUE(s.nextPaintErases());
        }

        s.view.OnTimer(kSimulationTimerId);
        EXPECT_EQ(s.view.m_deferredRedraw, 0);
        EXPECT_EQ(s.nextPaintErases(), row.deferred) << "first tick";
        s.view.OnTimer(kSimulationTimerId);
        EXPECT_FALSE(s.nextPaintErases()) << "second tick";
    }
}

// A sheet of wires alone, opened in the program and run for several ticks. After
// each tick letters are put on three wires (as supplies would) and a repaint
// carries them: to the end of a chain, across a bundle between entries of equal
// label, from an AND bar to its link; the next tick clears them again. Edit then
// puts every run-time column back at rest.
TEST(SimulationScenario, WiresOnlySheetRunsAndComesBackToRest) {
    testkit::Session session;
    session.writeFile("wires_only.cad", fixtureText("wires_only.cad"));
    CVelkarionView& v = session.openSheet("wires_only.cad");
    ASSERT_EQ(v.m_componentCount, 17);
    const int chainStart = 0, chainEnd = 2, bundleWireIn = 12, bundleWireOut = 13, andBar = 14, link = 15;
    auto letter = [&v](int slot) { return v.m_potential[slot].letter(); };

    v.OnModeRun();
    session.flush();
    EXPECT_EQ(TextCodec1250::toUtf8(session.paneText(1)), "Simulación");
    EXPECT_EQ(session.paneText(2), "Run");
    for (int tick = 0; tick < 4; ++tick) {
        SCOPED_TRACE("tick " + std::to_string(tick));
        session.tick(v);
        EXPECT_EQ(letter(chainEnd), '0');
        EXPECT_EQ(letter(bundleWireOut), '0');
        EXPECT_EQ(letter(link), '0');
        v.m_potential[chainStart].setLetter('1');
        v.m_potential[bundleWireIn].setLetter('2');
        v.m_potential[andBar].setLetter('N');
        v.invalidate(false);
        session.flush();
        EXPECT_EQ(letter(chainEnd), '1');
        EXPECT_EQ(letter(bundleWireOut), '2');
        EXPECT_EQ(letter(link), 'N');
        EXPECT_EQ(v.m_simulating, 1);
    }

    v.OnModeEdit();
    session.flush();
    EXPECT_TRUE(session.messages().empty());
    EXPECT_EQ(shown(flagsOf(v)), shown({0, 0, 0, 0}));
    EXPECT_EQ(TextCodec1250::toUtf8(session.paneText(1)), "Edición");
    EXPECT_EQ(session.paneText(2), "Stop");
    for (int i = 0; i < kSlotCount; ++i) {
        SCOPED_TRACE("slot " + std::to_string(i));
        ASSERT_EQ(letter(i), '0');
        ASSERT_EQ(v.m_state[i], 0);
        ASSERT_EQ(v.m_drawnState[i], 0);
        for (int k = 0; k < kTerminalCount; ++k) {
            ASSERT_EQ(v.m_terminalPotential[i][k].letter(), '0');
        }
        ASSERT_EQ(v.m_timerCount[i], 0);
        ASSERT_EQ(v.m_timerOutput[i], 0);
        ASSERT_EQ(v.m_brakeCountdown[i], 0);
    }
}
