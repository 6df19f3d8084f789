// How long the drive ramps last, in paints, as a user runs a drive: the drive
// drawn with the mouse, its parameter text as the settings dialog writes it on
// OK, the set point as the run-time panel leaves it, the run switches clicked and
// the clock ticked until the output stands at its target. A time of T seconds
// is meant to last about 4 x T paints, a small set point over a long time too.
#include <gtest/gtest.h>

#include <string>

#include "circuit_sheet.h"
#include "drive_sheets.h"
#include "model/DriveParameters.h"
#include "testkit/testkit.h"

using namespace velk;
using velk::circuittest::Circuit;

namespace {

enum class Drive { Inverter, DcRegulator };

// How the run ends: the run switch opened; the run switch opened as the set point
// falls (the inverter's I3 opened with I1, back to the panel's 0; the DC panel
// turned down to 0, which the block raises to its minimum); or, with the run
// switch left closed, the panel turned to 0.
enum class Stop { OpenRun, OpenRunAsSetpointFalls, PanelToZero };

// One drive on its sheet, run from its switches.
class DriveRun {
public:
    DriveRun(Drive drive, const std::string& text, float panel, bool preset)
        : m_drive(drive), m_preset(preset), m_circuit(m_session) {
        CVelkarionView& v = m_circuit.view();
        if (drive == Drive::Inverter) {
            drivetest::drawInverterDrive(m_circuit);
            m_block = m_circuit.slotOf(kTypeInverterControl);
            m_power = m_circuit.slotOf(kTypeInverterThreePhase);
            m_run = m_circuit.slotOf(kTypeLatchingSwitchNO, 0);
            m_presetSwitch = m_circuit.slotOf(kTypeLatchingSwitchNO, 1);
        } else {
            m_circuit.draw(drivetest::kDcDrive);
            m_block = m_circuit.slotOf(kTypeDcRegulatorControl);
            m_power = m_circuit.slotOf(kTypeDcRegulatorSinglePhaseField);
            m_run = m_circuit.slotOf(kTypeLatchingSwitchNO);
        }
        v.m_paramText[m_block] = text;  // what the settings dialog writes back on OK
        g_analogSetpoint = panel;       // what the run-time panel writes
        m_circuit.simulate();
        m_circuit.tick(2);
    }

    bool powered() { return m_circuit.view().m_state[m_block] == 1; }
    int output() { return m_circuit.view().m_controlOutput[m_block]; }
    char command() { return m_circuit.view().m_driveCommand[m_power].letter(); }

    void start() {
        if (m_preset) click(m_presetSwitch);
        click(m_run);
    }
    void stop(Stop how) {
        if (how != Stop::OpenRun) g_analogSetpoint = 0.0f;
        if (how == Stop::PanelToZero) return;
        if (how == Stop::OpenRunAsSetpointFalls && m_drive == Drive::Inverter) click(m_presetSwitch);
        click(m_run);
    }
    // Ticks until the output stands at `value`: the paints that took, or -1 when
    // it is not there after `limit` paints.
    int paintsUntil(int value, int limit = 1000) {
        for (int n = 1; n <= limit; ++n) {
            m_circuit.tick();
            if (output() == value) return n;
        }
        return -1;
    }
    void tick(int n = 1) { m_circuit.tick(n); }
    bool quiet() const { return m_session.messages().empty(); }

private:
    void click(int slot) {
        m_circuit.press(slot);
        m_circuit.release(slot);
    }

    const Drive m_drive;
    const bool m_preset;
    testkit::Session m_session;
    Circuit m_circuit;
    int m_block = -1, m_power = -1, m_run = -1, m_presetSwitch = -1;
};

}  // namespace

TEST(DriveRamps, PaintsToReachTheTargetAndToStop) {
    struct Row {
        const char* name;
        Drive drive;
        const char* text;
        float panel;  // the set point on the panel at the start
        bool preset;  // the inverter runs on preset 1 (I3 closed)
        int target;   // hundredths of a hertz or a volt the run reaches
        int runPaints;
        Stop stop;
        int stopPaints;
    };
    const Drive inverter = Drive::Inverter, dc = Drive::DcRegulator;
    const Row rows[] = {
        {"10 Hz, 5 s each way", inverter, "1-0-0-000-200-010-025-050-05-05-00-0", 0, true, 1000, 20, Stop::OpenRun,
         20},
        // 3 / 99 x 25 is below one hundredth a paint: one hundredth, not a step
        // taken from the maximum frequency.
        {"3 Hz over 99 s", inverter, "1-0-0-000-200-003-025-050-99-99-00-0", 0, true, 300, 300, Stop::OpenRun, 300},
        {"50 Hz up in 2 s, down in 10 s", inverter, "1-0-0-  0-200- 50- 25- 50- 2-10- 0-0", 0, true, 5000, 8,
         Stop::OpenRun, 40},
        // 7 / 3 x 25 is 58 a paint, which does not divide 700: the last step is cut.
        {"7 Hz over 3 s", inverter, "1-0-0-000-200-007-025-050-03-03-00-0", 0, true, 700, 13, Stop::OpenRun, 13},
        {"times of 0 go at once", inverter, "1-0-0-000-200-010-025-050-00-00-00-0", 0, true, 1000, 1, Stop::OpenRun,
         1},
        // The stop's step comes from the 10 Hz running when it began, not from the
        // set point of 0 it falls back to.
        {"I1 and I3 opened together", inverter, "1-0-0-000-200-010-025-050-05-05-00-0", 0, true, 1000, 20,
         Stop::OpenRunAsSetpointFalls, 20},
        // A set point of 0 gives no step of its own: the way down is timed as a
        // stop is, over the acceleration time.
        {"the panel turned to 0 while running", inverter, "1-0-0-000-200-010-025-050-05-05-00-0", 20, false, 2000, 20,
         Stop::PanelToZero, 20},
        {"230 V, 5 s each way", dc, "0-050-230-0050-2000-05-05", 230, false, 23000, 20, Stop::OpenRun, 20},
        {"2 V over 99 s", dc, "0-002-230-0050-2000-99-99", 2, false, 200, 200, Stop::OpenRun, 200},
        {"IN opened as the panel falls to the minimum", dc, "0-050-230-0050-2000-05-05", 230, false, 23000, 20,
         Stop::OpenRunAsSetpointFalls, 20},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        DriveRun run(row.drive, row.text, row.panel, row.preset);
        EXPECT_TRUE(run.powered());
        EXPECT_EQ(run.output(), 0);

        run.start();
        EXPECT_EQ(run.paintsUntil(row.target), row.runPaints);
        EXPECT_EQ(run.command(), '1');
        run.tick(3);
        EXPECT_EQ(run.output(), row.target) << "held at the set point";

        run.stop(row.stop);
        EXPECT_EQ(run.paintsUntil(0), row.stopPaints);
        EXPECT_EQ(run.command(), '0') << "stopped on the paint that reaches 0";
        run.tick(3);
        EXPECT_EQ(run.output(), 0) << "and stays stopped";
        EXPECT_TRUE(run.quiet());
    }
}
