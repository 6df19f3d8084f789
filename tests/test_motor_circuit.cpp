// A motor started by a contactor, drawn with the mouse: a three-phase supply, the
// main contacts -K1, motor -M1 and a second motor with V1 and W1 crossed, and a
// push button that feeds coil -K1 from an L-N supply. The power circuit is drawn
// first, so the contacts come before the coil in slot order.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "circuit_sheet.h"
#include "render/Colors.h"

using namespace velk;
using velk::circuittest::Circuit;
using velk::circuittest::Part;
using velk::circuittest::Sheet;
using velk::circuittest::Wire;

namespace {

constexpr int kPhase = ID_PLACE_WIRE_PHASE;
constexpr int kNeutral = ID_PLACE_WIRE_NEUTRAL;

// L1, L2, L3 at (60, 30), (66, 30), (72, 30); the contacts' tops at y 60 and
// bottoms at y 72; -M1 at (60, 90), -M2 at (120, 90) with L2 on W1 and L3 on V1.
// Each phase leaves the contacts down to a junction row of its own (y 78, 81,
// 84), from which one wire goes on to -M1 and one across to -M2. The control
// supply stands at (180, 30): L, button at (180, 45), coil at (180, 66), N back
// round the right.
const Sheet kMotorStart = {
    {
        {ID_PLACE_SUPPLY_L1L2L3, {60, 30}, ""},
        {ID_PLACE_MAIN_CONTACTS_III, {60, 60}, "-K1"},
        {ID_PLACE_MOTOR_THREE_PHASE, {60, 90}, "-M1"},
        {ID_PLACE_MOTOR_THREE_PHASE, {120, 90}, "-M2"},
        {ID_PLACE_SUPPLY_LN, {180, 30}, ""},
        {ID_PLACE_PUSH_BUTTON_NO, {180, 45}, "-S1"},
        {ID_PLACE_COIL, {180, 66}, "-K1"},
    },
    {
        {kPhase, {60, 30}, {60, 60}},
        {kPhase, {66, 30}, {66, 60}},
        {kPhase, {72, 30}, {72, 60}},
        {kPhase, {60, 72}, {60, 78}},
        {kPhase, {60, 78}, {60, 90}},
        {kPhase, {60, 78}, {120, 78}},
        {kPhase, {120, 78}, {120, 90}},
        {kPhase, {66, 72}, {66, 81}},
        {kPhase, {66, 81}, {66, 90}},
        {kPhase, {66, 81}, {132, 81}},
        {kPhase, {132, 81}, {132, 90}},
        {kPhase, {72, 72}, {72, 84}},
        {kPhase, {72, 84}, {72, 90}},
        {kPhase, {72, 84}, {126, 84}},
        {kPhase, {126, 84}, {126, 90}},
        {kPhase, {180, 30}, {180, 45}},
        {kPhase, {180, 57}, {180, 66}},
        {kNeutral, {180, 78}, {180, 87}},
        {kNeutral, {180, 87}, {198, 87}},
        {kNeutral, {198, 87}, {198, 36}},
        {kNeutral, {198, 36}, {186, 36}},
        {kNeutral, {186, 36}, {186, 30}},
    },
};

// Inside a motor's body, clear of texts and arrows (symbol units).
constexpr Point kBodyPoint{15, 95};
// On the top lead of the contacts' first pole.
constexpr Point kLeadPoint{0, 9};

// The wire whose end lies on a point, -1 for none.
int wireEndingAt(CVelkarionView& v, Point p) {
    for (int i = 0; i < v.m_componentCount; ++i)
        if (v.m_type[i] == kTypeWirePhase &&
            ((v.m_x[i] == p.x && v.m_y[i] == p.y) || (v.m_x2[i] == p.x && v.m_y2[i] == p.y)))
            return i;
    return -1;
}

enum class Act { Simulate, Tick, Press, Release, ClickContacts };
struct Step {
    const char* name;
    Act act;
    int coil, contacts;
    int m1, m2;  // rotation shown
};

// Contacts follow their coil a paint after it latches; after the release the
// letters fed by the still-closed contacts in the first pass live that paint,
// so the motors stop on the third paint.
const std::vector<Step> kSteps = {
    {"simulation started", Act::Simulate, 0, 0, 0, 0},
    {"idle", Act::Tick, 0, 0, 0, 0},
    {"a click on the contacts does nothing", Act::ClickContacts, 0, 0, 0, 0},
    {"button pressed: the coil latches", Act::Press, 1, 0, 0, 0},
    {"contacts close, motors run", Act::Tick, 1, 1, 1, 2},
    {"running", Act::Tick, 1, 1, 1, 2},
    {"button released: the coil drops", Act::Release, 0, 1, 1, 2},
    {"contacts open, letters of the first pass still live", Act::Tick, 0, 0, 1, 2},
    {"motors stop", Act::Tick, 0, 0, 0, 0},
    {"stopped", Act::Tick, 0, 0, 0, 0},
};

void run(Circuit& s) {
    CVelkarionView& v = s.view();
    const int contacts = s.slotOf(kTypeMainContactsIII);
    const int m1 = s.slotOf(kTypeMotorThreePhase, 0), m2 = s.slotOf(kTypeMotorThreePhase, 1);
    const int coil = s.slotOf(kTypeCoil), button = s.slotOf(kTypePushButtonNO);
    ASSERT_GE(contacts, 0);
    ASSERT_GE(m2, 0);
    ASSERT_GT(coil, contacts);
    const std::vector<int> windings = {wireEndingAt(v, {60, 90}),  wireEndingAt(v, {66, 90}),
                                       wireEndingAt(v, {72, 90}),  wireEndingAt(v, {120, 90}),
                                       wireEndingAt(v, {126, 90}), wireEndingAt(v, {132, 90})};
    for (int w : windings) ASSERT_GE(w, 0);

    for (const Step& step : kSteps) {
        SCOPED_TRACE(step.name);
        switch (step.act) {
            case Act::Simulate: s.simulate(); break;
            case Act::Tick: s.tick(); break;
            case Act::Press:
                s.press(button);
                s.tick();
                break;
            case Act::Release:
                s.release(button);
                s.tick();
                break;
            case Act::ClickContacts:
                s.press(contacts);
                s.release(contacts);
                s.tick();
                break;
        }
        ASSERT_EQ(v.m_simulating, 1);
        EXPECT_EQ(v.m_state[coil], step.coil);
        EXPECT_EQ(v.m_state[contacts], step.contacts);
        if (step.act == Act::Simulate) continue;
        EXPECT_EQ(v.m_drawnState[m1], step.m1);
        EXPECT_EQ(v.m_drawnState[m2], step.m2);
        EXPECT_EQ(s.pixelAt(m1, kBodyPoint), step.m1 ? g_colorSilver : g_colorWhite);
        EXPECT_EQ(s.pixelAt(m2, kBodyPoint), step.m2 ? g_colorSilver : g_colorWhite);
        EXPECT_EQ(s.pixelAt(contacts, kLeadPoint), step.contacts ? g_colorRed : g_colorGrey);
        // Dead windings are marked; live ones carry their phase.
        std::string letters;
        for (int w : windings) letters += v.m_potential[w].letter();
        EXPECT_EQ(letters, step.m1 ? "123132" : "ZZZZZZ");
    }
}

}  // namespace

TEST(MotorCircuit, ContactorStartsTwoMotorsInOppositeDirections) {
    testkit::Session session;
    Circuit s(session);
    s.draw(kMotorStart);
    if (HasFatalFailure()) return;
    run(s);
    EXPECT_TRUE(session.messages().empty());

    s.saveAndReopen("motor_start.cad");
    run(s);
    EXPECT_TRUE(session.messages().empty());
}
TEST(MotorCircuit, ExampleSheetRunsAsOpened) {
    testkit::Session session;
    Circuit s(session);
    s.open(std::string(VELK_FIXTURES) + "/../../examples/motor_start.cad");
    run(s);
    EXPECT_TRUE(session.messages().empty());
}
