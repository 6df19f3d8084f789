// An inverter drawn with the mouse: a three-phase supply feeds the power part
// -G1, which drives motor -M1; the control block -G1 feeds two latching switches
// from its "+" terminal, one to I1 (run forward) and one, further right, to I3
// (preset 1, 10 Hz).
#include <gtest/gtest.h>

#include "circuit_sheet.h"
#include "model/DriveParameters.h"

using namespace velk;
using velk::circuittest::Circuit;
using velk::circuittest::Sheet;

namespace {

constexpr int kPhase = ID_PLACE_WIRE_PHASE;

const Sheet kInverterDrive = {
    {
        {ID_PLACE_SUPPLY_L1L2L3, {60, 30}, ""},
        {ID_PLACE_INVERTER_THREE_PHASE, {60, 60}, "-G1"},
        {ID_PLACE_MOTOR_THREE_PHASE, {60, 120}, "-M1"},
        {ID_PLACE_INVERTER_CONTROL, {150, 60}, ""},
        {ID_PLACE_LATCHING_SWITCH_NO, {174, 30}, "-S1"},
        {ID_PLACE_LATCHING_SWITCH_NO, {210, 30}, "-S3"},
    },
    {
        {kPhase, {60, 30}, {60, 60}},
        {kPhase, {66, 30}, {66, 60}},
        {kPhase, {72, 30}, {72, 60}},
        {kPhase, {60, 90}, {60, 120}},
        {kPhase, {66, 90}, {66, 120}},
        {kPhase, {72, 90}, {72, 120}},
        {kPhase, {174, 42}, {174, 60}},
        {kPhase, {210, 42}, {210, 51}},
        {kPhase, {210, 51}, {186, 51}},
        {kPhase, {186, 51}, {186, 60}},
        {kPhase, {198, 60}, {198, 24}},
        {kPhase, {198, 24}, {210, 24}},
        {kPhase, {210, 24}, {210, 30}},
        {kPhase, {198, 24}, {174, 24}},
        {kPhase, {174, 24}, {174, 30}},
    },
};

TEST(InverterCircuit, LatchingSwitchesRunTheMotorAndSimulateStartsStopped) {
    testkit::Session session;
    Circuit c(session);
    c.draw(kInverterDrive);
    CVelkarionView& v = c.view();
    const int power = c.slotOf(kTypeInverterThreePhase);
    const int block = c.slotOf(kTypeInverterControl);
    const int motor = c.slotOf(kTypeMotorThreePhase);
    const int s1 = c.slotOf(kTypeLatchingSwitchNO, 0);
    const int s3 = c.slotOf(kTypeLatchingSwitchNO, 1);
    ASSERT_EQ(v.m_type[block + 1], kTypeCompanionSlot);
    // The block's own slot, not its companion (the last slot placed), takes the label.
    v.m_label[block] = "-G1";
    ASSERT_EQ(v.m_paramText[block], kInverterDefaultParameters);

    c.simulate();
    c.tick(2);
    EXPECT_EQ(v.m_state[power], 1);
    EXPECT_EQ(v.m_state[block], 1);
    EXPECT_EQ(v.m_controlOutput[block], 0);
    c.press(s3);
    c.release(s3);
    c.press(s1);
    c.release(s1);
    c.tick(4);
    EXPECT_GT(v.m_controlOutput[block], 0);
    c.tick(20);
    EXPECT_EQ(v.m_controlOutput[block], 1000);
    EXPECT_EQ(v.m_driveCommand[power].letter(), '1');
    EXPECT_EQ(v.m_drawnState[motor], 1) << "the motor runs forward";

    // Opening I1 ramps the drive down to a stop.
    c.press(s1);
    c.release(s1);
    c.tick(25);
    EXPECT_EQ(v.m_controlOutput[block], 0);
    EXPECT_EQ(v.m_driveCommand[power].letter(), '0');

    // Running again, then Edit and Simulate: stopped until I1 closes, then from 0.
    c.press(s1);
    c.release(s1);
    c.tick(10);
    ASSERT_GT(v.m_controlOutput[block], 0);
    session.command(v, ID_MODE_EDIT);
    c.simulate();
    c.tick(3);
    EXPECT_EQ(v.m_controlOutput[block], 0);
    EXPECT_EQ(v.m_driveCommand[power].letter(), '0');
    c.press(s1);
    c.release(s1);
    c.press(s3);
    c.release(s3);
    c.tick(1);
    EXPECT_GT(v.m_controlOutput[block], 0);
    EXPECT_LE(v.m_controlOutput[block], 100);
}

}  // namespace
