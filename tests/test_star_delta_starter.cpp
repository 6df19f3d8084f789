// A star-delta starter drawn with the mouse: a three-phase supply, the line
// contacts -K1 feeding the motor's top ends and, through junctions, the delta
// contacts -K3, which join each bottom end to a top end; the star contacts -K2
// bridge the bottom ends. Each coil is fed through a latching switch from an L-N
// supply of its own: a click switches it on, the next one off.
#include <gtest/gtest.h>

#include "circuit_sheet.h"

using namespace velk;
using velk::circuittest::Circuit;
using velk::circuittest::kNeutral;
using velk::circuittest::kPhase;
using velk::circuittest::Sheet;

namespace {

// A control column at x: supply, switch, coil, neutral back round the right.
void addControl(Sheet& s, int x, const char* button, const char* coil) {
    s.parts.push_back({ID_PLACE_SUPPLY_LN, {x, 30}, ""});
    s.parts.push_back({ID_PLACE_LATCHING_SWITCH_NO, {x, 45}, button});
    s.parts.push_back({ID_PLACE_COIL, {x, 66}, coil});
    const circuittest::Wire wires[] = {
        {kPhase, {x, 30}, {x, 45}},           {kPhase, {x, 57}, {x, 66}},
        {kNeutral, {x, 78}, {x, 87}},         {kNeutral, {x, 87}, {x + 18, 87}},
        {kNeutral, {x + 18, 87}, {x + 18, 36}}, {kNeutral, {x + 18, 36}, {x + 6, 36}},
        {kNeutral, {x + 6, 36}, {x + 6, 30}},
    };
    for (const circuittest::Wire& w : wires) s.wires.push_back(w);
}

// Motor at (60, 90), bottom ends W2 U2 V2 at y 114; -K1 at (60, 60), -K3 at
// (90, 90), -K2 at (60, 126).
Sheet starDeltaStarter() {
    Sheet s{
        {
            {ID_PLACE_SUPPLY_L1L2L3, {60, 30}, ""},
            {ID_PLACE_MAIN_CONTACTS_III, {60, 60}, "-K1"},
            {ID_PLACE_MOTOR_STAR_DELTA, {60, 90}, "-M1"},
            {ID_PLACE_MAIN_CONTACTS_III, {90, 90}, "-K3"},
            {ID_PLACE_MAIN_CONTACTS_III, {60, 126}, "-K2"},
        },
        {
            {kPhase, {60, 30}, {60, 60}},     {kPhase, {66, 30}, {66, 60}},     {kPhase, {72, 30}, {72, 60}},
            // Line contacts to the top ends and to the delta contacts.
            {kPhase, {60, 72}, {60, 78}},     {kPhase, {60, 78}, {60, 90}},     {kPhase, {60, 78}, {90, 78}},
            {kPhase, {90, 78}, {90, 90}},     {kPhase, {66, 72}, {66, 81}},     {kPhase, {66, 81}, {66, 90}},
            {kPhase, {66, 81}, {96, 81}},     {kPhase, {96, 81}, {96, 90}},     {kPhase, {72, 72}, {72, 84}},
            {kPhase, {72, 84}, {72, 90}},     {kPhase, {72, 84}, {102, 84}},    {kPhase, {102, 84}, {102, 90}},
            // Bottom ends to the star contacts and to the delta contacts.
            {kPhase, {60, 114}, {60, 117}},   {kPhase, {60, 117}, {60, 126}},   {kPhase, {60, 117}, {90, 117}},
            {kPhase, {90, 117}, {90, 102}},   {kPhase, {66, 114}, {66, 120}},   {kPhase, {66, 120}, {66, 126}},
            {kPhase, {66, 120}, {96, 120}},   {kPhase, {96, 120}, {96, 102}},   {kPhase, {72, 114}, {72, 123}},
            {kPhase, {72, 123}, {72, 126}},   {kPhase, {72, 123}, {102, 123}},  {kPhase, {102, 123}, {102, 102}},
            // The star bridge.
            {kPhase, {60, 138}, {66, 138}},   {kPhase, {66, 138}, {72, 138}},
        },
    };
    addControl(s, 180, "-S1", "-K1");
    addControl(s, 210, "-S2", "-K2");
    addControl(s, 240, "-S3", "-K3");
    return s;
}

}  // namespace

TEST(StarDeltaStarter, RunsForwardInStarThenInDelta) {
    testkit::Session session;
    Circuit c(session);
    c.draw(starDeltaStarter());
    if (HasFatalFailure()) return;
    CVelkarionView& v = c.view();
    const int motor = c.slotOf(kTypeMotorStarDelta);
    const int line = c.slotOf(kTypeMainContactsIII, 0), delta = c.slotOf(kTypeMainContactsIII, 1),
              star = c.slotOf(kTypeMainContactsIII, 2);
    const int s1 = c.slotOf(kTypeLatchingSwitchNO, 0), s2 = c.slotOf(kTypeLatchingSwitchNO, 1),
              s3 = c.slotOf(kTypeLatchingSwitchNO, 2);
    const auto click = [&c](int slot) {
        c.press(slot);
        c.release(slot);
    };
    ASSERT_GE(s3, 0);
    ASSERT_GE(motor, 0);

    c.simulate();
    c.tick(2);
    EXPECT_EQ(v.m_drawnState[motor], 0);

    // Line and star contactors on: the motor starts in star.
    click(s1);
    click(s2);
    c.tick(4);
    EXPECT_EQ(v.m_state[line], 1);
    EXPECT_EQ(v.m_state[star], 1);
    EXPECT_EQ(v.m_state[delta], 0);
    EXPECT_EQ(v.m_drawnState[motor], 1);
    EXPECT_EQ(c.pixelAt(motor, {15, 95}), g_colorSilver);

    // Change-over: star off, then delta on.
    click(s2);
    c.tick(3);
    EXPECT_EQ(v.m_state[star], 0);
    EXPECT_EQ(v.m_drawnState[motor], 0);
    click(s3);
    c.tick(4);
    EXPECT_EQ(v.m_state[line], 1);
    EXPECT_EQ(v.m_state[delta], 1);
    EXPECT_EQ(v.m_drawnState[motor], 1);
    EXPECT_EQ(c.pixelAt(motor, {15, 95}), g_colorSilver);
    EXPECT_TRUE(session.messages().empty());
}
