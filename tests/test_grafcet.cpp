// Sequential charts: where the chart terminals lie, tokens travelling over steps,
// transitions and link lines, receptivity, OR-divergence, AND-convergence, jumps,
// action boxes, the macro-step and its expansion, the memory an erase must not
// touch, and a chart drawn with the mouse, run, saved and run again.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "circuit_sheet.h"
#include "dialogs/Editar.h"
#include "render/Colors.h"
#include "render/Terminals.h"
#include "res/Resource.h"
#include "symbol_sheet.h"
#include "symbols/logic/GrafcetToken.h"
#include "testkit/testkit.h"

using namespace velk;
using velk::symboltest::SymbolSheet;

namespace {

// The label edit of the general property dialog.
constexpr int kEditarLabelEdit = 1043;

// Chart geometry in drawing units: a step's bottom is 18 below its top, a
// transition's 12.
constexpr int kStepDrop = 18;
constexpr int kTransitionDrop = 12;

class Chart : public SymbolSheet {
public:
    int step(int x, int y, const char* label = "1") { return labelled(kTypeGrafcetStep, x, y, label); }
    int initialStep(int x, int y) { return place(kTypeGrafcetInitialStep, x, y); }
    int transition(int x, int y, const char* label) { return labelled(kTypeGrafcetTransition, x, y, label); }
    int link(int x1, int y1, int x2, int y2) { return addLine(kTypeGrafcetLink, x1, y1, x2, y2); }
    int button(const char* label) { return labelled(kTypePushButtonNO, 400, 300 + 30 * m_buttons++, label); }
    int labelled(int type, int x, int y, const char* label) {
        const int i = place(type, x, y);
        view.m_label[i] = label;
        return i;
    }
    int state(int i) const { return view.m_state[i]; }
    void setState(int i, int s) { view.m_state[i] = s; }

private:
    int m_buttons = 0;
};

}  // namespace

// The last terminal each routine draws leaves its point (command units from the
// position) for the contact tests; the label stands where its format puts it; the
// body is blue while active and grey otherwise.
TEST(GrafcetElements, TerminalLabelAndColours) {
    struct Row {
        int type;
        Point lastTerminal;
        const char* label;  // nullptr: the element shows none
        int activeState;
    };
    const Row rows[] = {
        {kTypeGrafcetInitialStep, {60, 45}, "0", 1}, {kTypeGrafcetStep, {60, 45}, "1", 1},
        {kTypeGrafcetTransition, {0, 60}, "1", 1},   {kTypeGrafcetAction, {180, 0}, nullptr, 1},
        {kTypeGrafcetInputLink, {0, 0}, "1", 1},     {kTypeGrafcetOutputLink, {0, 0}, "1", 1},
        {kTypeGrafcetMacroStep, {0, 90}, "M", 2},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(typeCodeName(row.type));
        SymbolSheet s;
        const int i = s.place(row.type, 30, 60);
        s.drawPlaced(i, g_colorRed);
        // The label right-aligned in five characters; terminals show a blank.
        std::string label;
        for (const testkit::DcCall& call : s.dc.callsOf(testkit::DcOp::TextOut))
            if (call.text != " ") label += call.text;
        EXPECT_EQ(label, row.label ? std::string("    ") + row.label : std::string());
        EXPECT_EQ(s.dc.last(testkit::DcOp::LineTo)->pen.color, g_colorRed);  // edit mode: the paint's colour

        s.view.OnModeRun();
        s.drawPlaced(i, g_colorRed);
        EXPECT_EQ(g_terminalUnits, (Point{150 + row.lastTerminal.x, 300 + row.lastTerminal.y}));
        // A transition starts every evaluation inactive and is blue only after it fired.
        if (row.type == kTypeGrafcetTransition) continue;
        for (int active : {0, row.activeState}) {
            s.view.m_state[i] = active;
            s.drawPlaced(i, g_colorRed);
            EXPECT_EQ(s.dc.last(testkit::DcOp::LineTo)->pen.color, active ? g_colorBlue : g_colorGrey);
        }
    }
}

// Initial step, a transition labelled like a push button, a step, all in direct
// contact: nothing moves while the button is released; after the press the
// transition's first evaluation moves the token. The same chart joined by link
// lines: the token carries the slot that put it there, the transition consumes it
// and the step below takes the one handed on.
TEST(GrafcetRun, TokenCrossesATransitionOnAPress) {
    for (bool throughLinks : {false, true}) {
        SCOPED_TRACE(throughLinks ? "through link lines" : "direct contact");
        Chart c;
        c.doc.m_zoom = 5;
        const int gap = throughLinks ? 6 : 0;
        const int start = c.initialStep(60, 30);
        const int above = throughLinks ? c.link(60, 30 + kStepDrop, 60, 30 + kStepDrop + gap) : -1;
        const int t = c.transition(60, 30 + kStepDrop + gap, "S1");
        const int tBottom = 30 + kStepDrop + gap + kTransitionDrop;
        const int below = throughLinks ? c.link(60, tBottom, 60, tBottom + gap) : -1;
        const int next = c.step(60, tBottom + gap);
        const int button = c.button("S1");

        c.simulate(3);
        EXPECT_EQ(c.state(start), 1);
        EXPECT_EQ(c.state(next), 0);
        if (throughLinks) {
            EXPECT_EQ(c.letter(above), 'N');
            EXPECT_EQ(c.state(above), start);  // the token's source
            EXPECT_EQ(c.letter(below), '0');
        }

        // The press alone, before any evaluation, moves nothing.
        c.setState(button, 1);
        EXPECT_EQ(c.state(start), 1);
        c.tick();
        EXPECT_EQ(c.state(start), 0);
        EXPECT_EQ(c.state(next), 1);
        EXPECT_EQ(c.state(t), 0);  // the step below took the token
        if (throughLinks) {
            EXPECT_EQ(c.letter(above), '0');
            EXPECT_EQ(c.state(above), kNoTokenSource);
            EXPECT_EQ(c.letter(below), '0');  // taken by the step
        }
        // Released again, the chart stays where it is.
        c.setState(button, 0);
        c.tick();
        c.tick();
        EXPECT_EQ(c.state(start), 0);
        EXPECT_EQ(c.state(next), 1);
    }
}

// Only a live non-chart component of the label in state 1 makes a transition
// receptive: not a step of that label, not a selector in its second position.
TEST(GrafcetRun, ReceptivityNeedsANonChartComponentInState1) {
    struct Case {
        const char* name;
        int type;
        int state;
        bool fires;
    };
    const Case cases[] = {
        {"step of the label", kTypeGrafcetStep, 1, false},
        {"selector in position 2", kTypeSelectorSwitchCenterOff, 2, false},
        {"selector in position 1", kTypeSelectorSwitchCenterOff, 1, true},
        {"action box of the label", kTypeGrafcetAction, 1, false},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        Chart c;
        const int start = c.initialStep(60, 30);
        c.transition(60, 48, "S1");
        const int next = c.step(60, 60);
        const int other = c.labelled(k.type, 300, 300, "S1");
        c.simulate(1);
        c.setState(other, k.state);
        c.tick();
        EXPECT_EQ(c.state(next), k.fires ? 1 : 0);
        EXPECT_EQ(c.state(start), k.fires ? 0 : 1);
    }
}

// An OR-divergence bar under an active step with two receptive transitions: the
// first in slot order fires; the second finds the bar's net cleared.
TEST(GrafcetRun, OrDivergenceFiresOnlyTheFirstTransition) {
    Chart c;
    const int start = c.initialStep(60, 30);
    const int bar = c.link(30, 48, 90, 48);
    const int branchLeft = c.link(30, 48, 30, 54);
    const int branchRight = c.link(90, 48, 90, 54);
    c.transition(30, 54, "S1");
    c.transition(90, 54, "S1");
    const int left = c.step(30, 66);
    const int right = c.step(90, 66);
    const int button = c.button("S1");
    c.simulate(2);
    // The active step marks the bar and every line of its net with its own slot.
    EXPECT_EQ(c.letters({bar, branchLeft, branchRight}), "NNN");
    EXPECT_EQ(c.state(branchRight), start);
    c.setState(button, 1);
    c.tick();
    EXPECT_EQ(c.state(start), 0);
    EXPECT_EQ(c.state(left), 1);
    EXPECT_EQ(c.state(right), 0);
    EXPECT_EQ(c.letters({bar, branchLeft, branchRight}), "000");
}

// Three steps on an AND-convergence bar: two active leave the bar empty; the
// third fills it and the "=1" transition below clears all three at once.
TEST(GrafcetRun, AndConvergenceWaitsForEveryStep) {
    Chart c;
    const int a = c.step(30, 30), b = c.step(60, 30), d = c.step(90, 30);
    const int bar = c.addLine(kTypeGrafcetAndConvergence, 20, 48, 100, 48);
    c.transition(75, 48, "=1");
    const int after = c.step(75, 60);
    c.simulate(1);
    c.setState(a, 1);
    c.setState(b, 1);
    c.tick();
    EXPECT_EQ(c.letter(bar), '0');
    EXPECT_EQ(c.state(after), 0);
    EXPECT_EQ(c.view.m_chartBarRecord[d], bar);
    c.setState(d, 1);
    c.tick();
    EXPECT_EQ(c.state(after), 1);
    EXPECT_EQ(c.state(a) + c.state(b) + c.state(d), 0);
    EXPECT_EQ(c.letter(bar), '0');
}

// A step hands its token to the output link below it; "J" waits, blue, until an
// input link "J" with a step below takes it.
TEST(GrafcetRun, JumpWaitsForAnInputLinkOfItsLabel) {
    Chart c;
    c.initialStep(60, 30);
    c.transition(60, 48, "S1");
    const int from = c.step(60, 60);
    const int out = c.labelled(kTypeGrafcetOutputLink, 60, 78, "J");
    const int in = c.labelled(kTypeGrafcetInputLink, 150, 30, "K");
    const int target = c.step(150, 30);
    const int button = c.button("S1");
    c.simulate(1);
    c.setState(button, 1);
    c.tick();
    c.setState(button, 0);
    c.tick();
    EXPECT_EQ(c.state(from), 0);
    EXPECT_EQ(c.state(out), 1);
    EXPECT_EQ(c.state(target), 0);
    c.drawPlaced(out, g_colorRed);
    EXPECT_EQ(c.dc.last(testkit::DcOp::LineTo)->pen.color, g_colorBlue);

    c.view.m_label[in] = "J";
    c.tick();
    EXPECT_EQ(c.state(out), 0);
    EXPECT_EQ(c.state(in), 0);
    EXPECT_EQ(c.state(target), 1);
}

// Action boxes chained end to end follow their step, whatever the slot order.
TEST(GrafcetRun, ChainedActionBoxesFollowTheirStep) {
    Chart c;
    const int third = c.place(kTypeGrafcetAction, 144, 39);
    const int second = c.place(kTypeGrafcetAction, 108, 39);
    const int s = c.step(60, 30);
    const int first = c.place(kTypeGrafcetAction, 72, 39);
    c.simulate(1);
    c.setState(s, 1);
    c.tick();
    EXPECT_EQ(c.state(first) + c.state(second) + c.state(third), 3);
    c.setState(s, 0);
    c.tick();
    EXPECT_EQ(c.state(first) + c.state(second) + c.state(third), 0);
}

// A macro-step: entered from the transition above, it starts the entry step of
// its expansion, ends it at the exit step, offers the token below and is idle
// again after the transition below fired.
TEST(GrafcetRun, MacroStepRunsItsExpansion) {
    Chart c;
    const int start = c.initialStep(60, 0);
    c.transition(60, 18, "S1");
    const int macro = c.labelled(kTypeGrafcetMacroStep, 60, 30, "M");
    c.transition(60, 48, "S2");
    const int after = c.step(60, 60);
    const int entry = c.step(150, 0, "M");
    c.transition(150, 18, "S3");
    const int exit = c.step(150, 30, "M");
    const int s1 = c.button("S1"), s2 = c.button("S2"), s3 = c.button("S3");
    c.simulate(1);

    struct Phase {
        const char* name;
        int pressed;
        int macroState;
        int entryState, exitState, afterState;
    };
    const Phase phases[] = {
        {"nothing pressed", -1, kMacroIdle, 0, 0, 0},
        {"entered: entry step active", s1, kMacroRunning, 1, 0, 0},
        {"running", -1, kMacroRunning, 1, 0, 0},
        {"exit step reached: finished", s3, kMacroFinished, 0, 0, 0},
        {"finished waits for its transition", -1, kMacroFinished, 0, 0, 0},
        {"fired below", s2, kMacroIdle, 0, 0, 1},
    };
    for (const Phase& p : phases) {
        SCOPED_TRACE(p.name);
        for (int b : {s1, s2, s3}) c.setState(b, b == p.pressed ? 1 : 0);
        c.tick();
        EXPECT_EQ(c.state(macro), p.macroState);
        EXPECT_EQ(c.state(entry), p.entryState);
        EXPECT_EQ(c.state(exit), p.exitState);
        EXPECT_EQ(c.state(after), p.afterState);
    }
    EXPECT_EQ(c.state(start), 0);
    EXPECT_EQ(c.view.m_macroExitFlag[macro], 0);
}

// A token handed on by a transition has no source: a transition that fires on it
// leaves slot 0, a pressed push button, alone.
TEST(GrafcetRun, TokenWithoutSourceLeavesSlot0Alone) {
    Chart c;
    const int button = c.button("S1");
    ASSERT_EQ(button, 0);
    c.initialStep(60, 30);
    c.transition(60, 48, "S1");
    const int line = c.link(60, 60, 60, 72);
    c.transition(60, 72, "S1");
    const int last = c.step(60, 84);
    c.simulate(1);
    EXPECT_EQ(c.state(line), kNoTokenSource);
    c.setState(button, 1);
    c.tick();
    EXPECT_EQ(c.state(last), 1);
    EXPECT_EQ(c.state(button), 1);
}

// The exit flag is no redraw cache: an erase between the exit and the
// macro-step's next evaluation changes nothing.
TEST(GrafcetRun, EraseKeepsTheExitFlag) {
    for (bool erase : {false, true}) {
        SCOPED_TRACE(erase ? "erased" : "not erased");
        Chart c;
        const int macro = c.labelled(kTypeGrafcetMacroStep, 60, 30, "M");
        c.transition(60, 48, "S2");
        const int after = c.step(60, 60);
        // The expansion's exit step is evaluated after the macro-step.
        c.transition(150, 18, "S3");
        const int exit = c.step(150, 30, "M");
        const int s2 = c.button("S2");
        c.simulate(1);
        c.setState(macro, kMacroRunning);
        c.setState(exit, 1);
        // One evaluation of the macro-step: the exit step is reached, the token is
        // offered below only at the next evaluation.
        c.drawPlaced(macro, g_colorRed);
        EXPECT_EQ(c.state(exit), 0);
        EXPECT_EQ(c.state(macro), kMacroRunning);
        ASSERT_EQ(c.view.m_macroExitFlag[macro], 1);
        if (erase) c.view.OnEraseBkgnd(c.dc);
        c.tick();
        EXPECT_EQ(c.state(macro), kMacroFinished);
        c.setState(s2, 1);
        c.tick();
        EXPECT_EQ(c.state(macro), kMacroIdle);
        EXPECT_EQ(c.state(after), 1);
    }
}

// Drawn with the mouse: initial step, transition relabelled like the push button,
// step. Simulating, pressing the button moves the token; saved and reopened, the
// chart runs the same.
TEST(GrafcetRun, MouseDrawnChartRunsAndReloads) {
    using namespace velk::circuittest;
    testkit::Session session;
    Circuit c(session);
    c.draw({{{ID_PLACE_GRAFCET_INITIAL_STEP, {60, 30}, ""},
             {ID_PLACE_GRAFCET_TRANSITION, {60, 48}, ""},
             {ID_PLACE_GRAFCET_STEP, {60, 60}, ""},
             {ID_PLACE_PUSH_BUTTON_NO, {150, 30}, "-S1"}},
            {}});
    // The transition takes the button's label in its property dialog, opened by a
    // double click on it.
    {
        CVelkarionView& view = c.view();
        const int transition = c.slotOf(kTypeGrafcetTransition);
        const Point at = session.unitsToWindow(view, view.m_x[transition], view.m_y[transition]);
        session.answerDialog(IDD_EDITAR, [](testkit::DialogDriver& d) {
            d.setText(kEditarLabelEdit, "-S1");
            d.click(IDOK);
        });
        session.doubleClick(view, at.x, at.y);
        ASSERT_EQ(session.modalRuns(), std::vector<int>{IDD_EDITAR});
        ASSERT_EQ(view.m_label[transition], "-S1");
    }
    auto run = [&] {
        const int start = c.slotOf(kTypeGrafcetInitialStep);
        const int next = c.slotOf(kTypeGrafcetStep);
        const int button = c.slotOf(kTypePushButtonNO);
        c.simulate();
        c.tick(2);
        EXPECT_EQ(c.view().m_state[start], 1);
        EXPECT_EQ(c.view().m_state[next], 0);
        EXPECT_EQ(c.pixelAt(start, {30, 45}), g_colorBlue);
        c.press(button);
        c.tick();
        c.release(button);
        c.tick();
        EXPECT_EQ(c.view().m_state[start], 0);
        EXPECT_EQ(c.view().m_state[next], 1);
        EXPECT_EQ(c.pixelAt(next, {30, 45}), g_colorBlue);
        EXPECT_EQ(c.pixelAt(start, {30, 45}), g_colorGrey);
    };
    run();
    c.saveAndReopen("chart.cad");
    EXPECT_EQ(c.view().m_label[c.slotOf(kTypeGrafcetTransition)], "-S1");
    run();
    EXPECT_TRUE(session.messages().empty());
}
