// An inverter drawn with the mouse (drive_sheets.h), run from its switches: -S1
// on I1 runs forward, -S3 on I3 chooses preset 1, 10 Hz.
#include <gtest/gtest.h>

#include "circuit_sheet.h"
#include "drive_sheets.h"
#include "model/DriveParameters.h"

using namespace velk;
using velk::circuittest::Circuit;

namespace {

TEST(InverterCircuit, LatchingSwitchesRunTheMotorAndSimulateStartsStopped) {
    testkit::Session session;
    Circuit c(session);
    drivetest::drawInverterDrive(c);
    CVelkarionView& v = c.view();
    const int power = c.slotOf(kTypeInverterThreePhase);
    const int block = c.slotOf(kTypeInverterControl);
    const int motor = c.slotOf(kTypeMotorThreePhase);
    const int s1 = c.slotOf(kTypeLatchingSwitchNO, 0);
    const int s3 = c.slotOf(kTypeLatchingSwitchNO, 1);
    ASSERT_EQ(v.m_type[block + 1], kTypeCompanionSlot);
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
