// The DC regulator control block: the control electronics of a DC drive. It is
// powered exactly when the first regulator power part of equal label is, closes
// its ready relay and feeds its V+ terminal while powered, takes a run request
// from IN, ramps an output voltage towards the set point once per paint, sends
// the power part "1" while that voltage is above 0 and shows set point, voltage
// and speed.
#include <cstdio>
#include <iterator>
#include <string>

#include "model/DriveParameters.h"
#include "render/Paint.h"
#include "render/Potentials.h"
#include "symbols/ComponentFrame.h"
#include "symbols/power/DriveRamp.h"
#include "symbols/power/Drives.h"

namespace velk {

namespace {

constexpr int kRA = 0, kRC = 1, kIN = 2, kSupplyPlus = 3;
constexpr int kTerminals = 7;

// "+", AI and 0V are drawn and scanned but take no part in the evaluation.
constexpr ControlTerminal kTerminalTable[kTerminals] = {
    {"NUME,+020,+000,%c%c%c%c", "RA", WireLink::Net}, {"NUME,+080,+000,%c%c%c%c", "RC", WireLink::Net},
    {"NUME,+125,+000,%c%c%c%c", "IN", WireLink::Net}, {"NUME,+155,+000,%c%c%c%c", "V+", WireLink::Slot},
    {"NUME,+020,+135,%c%c%c%c", "+", WireLink::Net},  {"NUME,+050,+135,%c%c%c%c", "AI", WireLink::Net},
    {"NUME,+080,+135,%c%c%c%c", "0V", WireLink::Net},
};

constexpr Pole kReadyRelay[] = {{kRA, kRC}};

constexpr const char* kControlFill = "POLI,-015,+015,+180,+015,+180,+135,-015,+135";
constexpr const char* kBladeClosed[] = {"LINE,+030,+037,+060,+030", "LINE,+030,+037,+030,+030"};
constexpr const char* kBladeOpen = "LINE,+030,+045,+060,+030";
constexpr const char* kOutline[] = {
    "LINE,-015,+015,+180,+015", "LINE,+180,+015,+180,+135", "LINE,+180,+135,-015,+135",
    "LINE,-015,+135,-015,+015", "LINE,+015,+000,+015,+030", "LINE,+015,+030,+030,+030",
    "LINE,+075,+000,+075,+030", "LINE,+075,+030,+060,+030",
};
constexpr const char* kLeads[] = {
    "LINE,+120,+000,+120,+015", "LINE,+150,+000,+150,+015", "LINE,+015,+135,+015,+150",
    "LINE,+045,+135,+045,+150", "LINE,+075,+135,+075,+150",
};
constexpr const char* kPotentiometer[] = {
    "LINE,+015,+150,+015,+165", "LINE,+045,+150,+045,+157", "LINE,+075,+150,+075,+165",
    "LINE,+015,+165,+023,+165", "LINE,+067,+165,+075,+165", "LINE,+023,+157,+067,+157",
    "LINE,+067,+157,+067,+173", "LINE,+067,+173,+023,+173", "LINE,+023,+173,+023,+157",
    "POLI,+041,+150,+049,+150,+045,+158,+045,+158",
};
// Set point, voltage and speed.
constexpr DisplayLine kDisplay[] = {
    {"TEXT,+050,+060,CONS:,0", "POLI,+090,+060,+120,+060,+120,+075,+090,+075", "TEXT,+090,+060,%3.0f V,0"},
    {"TEXT,+050,+075,TENS:,0", "POLI,+090,+075,+120,+075,+120,+090,+090,+090", "TEXT,+090,+075,%3.0f V,0"},
    {"TEXT,+050,+090,VELO:,0", "POLI,+090,+090,+120,+090,+120,+105,+090,+105", "TEXT,+090,+090,%4.0f ,0"},
};

// One evaluation of a placed block.
class ControlCall {
public:
    explicit ControlCall(ComponentFrame& f) : m_f(f), m_v(f.view()), m_slot(f.slot()) {}

    // Steps of the evaluation; false when a report stopped the simulation.
    bool evaluate() {
        const bool final = g_simPass == kFinalSimPass;
        m_power = firstDrivePart(m_v,
                                 {kTypeDcRegulatorSinglePhase, kTypeDcRegulatorSinglePhaseField,
                                  kTypeDcRegulatorThreePhase, kTypeDcRegulatorThreePhaseField},
                                 m_v.m_label[m_slot]);
        m_v.m_state[m_slot] = m_power >= 0 ? m_v.m_state[m_power] : 0;
        const bool powered = m_v.m_state[m_slot] == 1;

        if (!feedControlSupply(m_f, kSupplyPlus, m_power, final)) return false;

        const DcRegulatorParameters p = readDcRegulatorParameters(m_v.m_paramText[m_slot]);
        g_regulatorMinVoltage = static_cast<float>(p.minVoltage);
        g_regulatorMaxVoltage = static_cast<float>(p.maxVoltage);

        Letters<2>& request = m_v.m_driveCommand[m_slot];
        request.setLetter(m_f.letterAt(kIN) == kPotentialPlus ? kDriveForward : kDriveStop);

        m_setpoint = g_analogSetpoint;
        if (g_analogSetpoint < g_regulatorMinVoltage) g_analogSetpoint = g_regulatorMinVoltage;

        if (powered && final) {
            ramp(p, request.letter());
            if (m_power >= 0) m_v.m_driveCommand[m_power].setLetter(m_voltage > 0.0f ? kDriveForward : kDriveStop);
            // A maximum voltage of 0 would divide by 0: no speed to show then.
            m_speed = g_regulatorMaxVoltage > 0.0f
                          ? static_cast<float>(p.maxSpeed) / g_regulatorMaxVoltage * m_voltage
                          : 0.0f;
        }
        if (final) display();
        return true;
    }

    // The display as the last pass left it, read back without evaluating: the set
    // point, the voltage the ramp reached and the speed it gives.
    void show() {
        const DcRegulatorParameters p = readDcRegulatorParameters(m_v.m_paramText[m_slot]);
        m_setpoint = g_analogSetpoint;
        if (m_v.m_state[m_slot] == 1) {
            const bool atOnce = p.accelerationSeconds == 0 && m_v.m_driveCommand[m_slot].letter() == kDriveForward;
            m_voltage = atOnce ? m_setpoint : static_cast<float>(m_v.m_controlOutput[m_slot]) / 100.0f;
            const float maxVoltage = static_cast<float>(p.maxVoltage);
            m_speed = maxVoltage > 0.0f ? static_cast<float>(p.maxSpeed) / maxVoltage * m_voltage : 0.0f;
        }
        display();
    }

private:
    // A time of 0 goes to the target at once, so a stop after a start at once
    // ramps down from the voltage shown.
    void ramp(const DcRegulatorParameters& p, char request) {
        int& output = m_v.m_controlOutput[m_slot];
        int& stopFrom = m_v.m_stopRampFrom[m_slot];
        if (request == kDriveForward) {
            output = rampRun(output, hundredths(m_setpoint), m_setpoint, p.accelerationSeconds, stopFrom);
            m_voltage = p.accelerationSeconds == 0 ? m_setpoint : static_cast<float>(output) / 100.0f;
        } else {
            output = rampStop(output, p.decelerationSeconds, stopFrom);
            m_voltage = static_cast<float>(output) / 100.0f;
        }
    }

    void display() {
        const float values[] = {m_setpoint, m_voltage, m_speed};
        drawDisplayLines(m_f, kDisplay, values, std::size(kDisplay));
        m_f.draw("TEXT,+125,+090,r.p.m.");
    }

    ComponentFrame& m_f;
    CVelkarionView& m_v;
    const int m_slot;
    int m_power = -1;
    float m_setpoint = 0.0f;
    float m_voltage = 0.0f;
    float m_speed = 0.0f;
};

}  // namespace

void CVelkarionView::DrawDcRegulatorControl(Dc& dc, double zoom, int ox, int oy) {
    ComponentFrame f(*this, dc, zoom, ox, oy);
    const int slot = f.slot();
    f.drawLabels(kControlBlockLabels);
    for (int k = 0; k < kTerminals; ++k) {
        const ControlTerminal& t = kTerminalTable[k];
        f.terminal(t.format, k, t.name, t.link);
    }

    if (f.evaluating()) {
        // The relay follows the state of the previous evaluation.
        if (!f.conductPoles(kReadyRelay, m_state[slot] == 1, ClashCheck::Sides)) return;
        ControlCall call(f);
        if (!call.evaluate()) return;
        if (g_simPass == kFinalSimPass) {
            if (m_state[slot] == m_drawnState[slot]) return;
            m_drawnState[slot] = m_state[slot];
            drawControlState(f, kControlFill, kBladeClosed, kBladeOpen);
        }
    }
    // A paint held back by Pause or Step shows the block as the last tick left it.
    if (f.showing()) {
        drawControlState(f, kControlFill, kBladeClosed, kBladeOpen);
        ControlCall(f).show();
    }
    f.draw(kOutline);
    if (!f.evaluating() && !f.showing()) f.draw(kBladeOpen);
    f.draw(kLeads);
    if (!f.preview() && readDcRegulatorParameters(m_paramText[slot]).hasPotentiometer()) f.draw(kPotentiometer);
}

}  // namespace velk
