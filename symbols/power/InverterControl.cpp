// The inverter control block: the control electronics of a frequency inverter,
// kept in two slots (the block and, right after it, its companion slot with the
// bottom terminals). It is powered exactly when the power part of equal label
// is, closes its ready relay and feeds its "+" terminal while powered, reads the
// digital inputs I1 to I4, ramps a signed output frequency towards its set point
// once per paint and sends the power part its command: stop, forward, reverse or
// DC brake.
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

constexpr int kRA = 0, kRC = 1, kI1 = 2, kI2 = 3, kI3 = 4, kI4 = 5, kSupplyPlus = 6;
constexpr int kBlockTerminals = 7;
constexpr int kCompanionTerminals = 6;
constexpr int kBrakePlus = 0, kBrakeMinus = 1;  // companion entries of R+ and R-

constexpr ControlTerminal kBlockTerminalTable[kBlockTerminals] = {
    {"NUME,+005,+000,%c%c%c%c", "RA", WireLink::Net}, {"NUME,+065,+000,%c%c%c%c", "RC", WireLink::Net},
    {"NUME,+125,+000,%c%c%c%c", "I1", WireLink::Net}, {"NUME,+155,+000,%c%c%c%c", "I2", WireLink::Net},
    {"NUME,+185,+000,%c%c%c%c", "I3", WireLink::Net}, {"NUME,+215,+000,%c%c%c%c", "I4", WireLink::Net},
    {"NUME,+245,+000,%c%c%c%c", "+", WireLink::Slot},
};
constexpr ControlTerminal kCompanionTerminalTable[kCompanionTerminals] = {
    {"NUME,+005,+135,%c%c%c%c", "R+", WireLink::Slot}, {"NUME,+065,+135,%c%c%c%c", "R-", WireLink::Slot},
    {"NUME,+125,+135,%c%c%c%c", "+", WireLink::Net},   {"NUME,+155,+135,%c%c%c%c", "AI", WireLink::Net},
    {"NUME,+185,+135,%c%c%c%c", "0V", WireLink::Net},  {"NUME,+245,+135,%c%c%c%c", "AO", WireLink::Net},
};

constexpr Pole kReadyRelay[] = {{kRA, kRC}};

constexpr const char* kControlFill = "POLI,-015,+015,+255,+015,+255,+135,-015,+135";
constexpr const char* kBladeClosed[] = {"LINE,+015,+037,+045,+030", "LINE,+015,+037,+015,+030"};
constexpr const char* kBladeOpen = "LINE,+015,+045,+045,+030";
constexpr const char* kOutline[] = {
    "LINE,-015,+015,+255,+015", "LINE,+255,+015,+255,+135", "LINE,+255,+135,-015,+135",
    "LINE,-015,+135,-015,+015", "LINE,+000,+000,+000,+030", "LINE,+000,+030,+015,+030",
    "LINE,+060,+000,+060,+030", "LINE,+060,+030,+045,+030",
};
constexpr const char* kLeads[] = {
    "LINE,+120,+000,+120,+015", "LINE,+150,+000,+150,+015", "LINE,+180,+000,+180,+015",
    "LINE,+210,+000,+210,+015", "LINE,+240,+000,+240,+015", "LINE,+000,+135,+000,+150",
    "LINE,+060,+135,+060,+150", "LINE,+120,+135,+120,+150", "LINE,+150,+135,+150,+150",
    "LINE,+180,+135,+180,+150", "LINE,+240,+135,+240,+150",
};
constexpr const char* kPotentiometer[] = {
    "LINE,+120,+150,+120,+165", "LINE,+150,+150,+150,+157", "LINE,+180,+150,+180,+165",
    "LINE,+120,+165,+128,+165", "LINE,+172,+165,+180,+165", "LINE,+128,+157,+172,+157",
    "LINE,+172,+157,+172,+173", "LINE,+172,+173,+128,+173", "LINE,+128,+173,+128,+157",
    "POLI,+146,+150,+154,+150,+150,+158,+150,+158",
};
// Set point, frequency and speed; the brake's line shows ON or OFF.
constexpr DisplayLine kDisplay[] = {
    {"TEXT,+080,+045,CONS:,0", "POLI,+120,+045,+150,+045,+150,+060,+120,+060", "TEXT,+120,+045,%3.0fHz,0"},
    {"TEXT,+080,+060,FREC:,0", "POLI,+120,+060,+150,+060,+150,+075,+120,+075", "TEXT,+120,+060,%3.0fHz,0"},
    {"TEXT,+080,+075,VELO:,0", "POLI,+120,+075,+150,+075,+150,+090,+120,+090", "TEXT,+120,+075,%4.0f ,0"},
};
constexpr const char* kBrakeCell = "POLI,+120,+090,+150,+090,+150,+105,+120,+105";

// One evaluation of a placed block.
class ControlCall {
public:
    ControlCall(ComponentFrame& f, int companion) : m_f(f), m_v(f.view()), m_slot(f.slot()), m_companion(companion) {}

    // Draws the bottom terminals; while evaluating, scans them into the companion.
    void companionTerminals() {
        for (int k = 0; k < kCompanionTerminals; ++k) {
            const ControlTerminal& t = kCompanionTerminalTable[k];
            std::string name = terminalField(t.name);
            if (!m_f.preview()) {
                name = " ";
                if (m_companion >= 0 && m_v.m_terminalNameVisible[m_companion][k] == 1)
                    name = terminalField(m_v.m_terminalName[m_companion][k]);
                else if (m_companion < 0)
                    name = terminalField(t.name);
            }
            m_f.drawTerminal(t.format, name);
            if (!m_f.evaluating() || m_companion < 0) continue;
            if (scanTerminalInto(m_v, m_companion, k, t.link) >= 0) m_companionFound |= 1u << k;
        }
    }

    // The brake terminals' wires, found in this call, take their letter.
    void writeCompanionWire(int k, char letter) {
        if (m_companion < 0 || (m_companionFound & (1u << k)) == 0) return;
        const int j = m_v.m_terminalLink[m_companion][k];
        if (!m_v.isLive(j) || !isTerminalWire(m_v.m_type[j])) return;
        m_v.m_potential[j].setLetter(letter);
    }

    // Steps of the evaluation; false when a report stopped the simulation.
    bool evaluate() {
        const bool final = g_simPass == kFinalSimPass;
        m_power = firstDrivePart(m_v, kTypeInverterSinglePhaseFed, kTypeInverterThreePhase, m_v.m_label[m_slot]);
        m_v.m_state[m_slot] = m_power >= 0 ? m_v.m_state[m_power] : 0;
        const bool powered = m_v.m_state[m_slot] == 1;

        if (!feedControlSupply(m_f, kSupplyPlus, m_power, final)) return false;

        const InverterParameters p = readInverterParameters(m_v.m_paramText[m_slot]);
        g_inverterMinFrequency = static_cast<float>(p.minFrequency);
        g_inverterMaxFrequency = static_cast<float>(p.maxFrequency);
        const int brakeTicks = static_cast<int>(static_cast<double>(p.brakeSeconds) * 4.0);

        const char request = runRequest(p, final);
        if (powered) {
            if (final) ramp(p, request);
            command(p, brakeTicks, final);
            const int pairs = p.polePairCount();
            m_speed = pairs > 0 ? 60.0f * m_frequency / static_cast<float>(pairs) : 0.0f;
        }
        if (final) display();
        return true;
    }

    // The display as the last pass left it, read back without evaluating: the set
    // point the inputs the last tick found choose, the frequency the ramp reached.
    void show() {
        m_power = firstDrivePart(m_v, kTypeInverterSinglePhaseFed, kTypeInverterThreePhase, m_v.m_label[m_slot]);
        const InverterParameters p = readInverterParameters(m_v.m_paramText[m_slot]);
        const int chosen = chosenSetpoint(p);
        if (chosen == kAnalogSetpoint) m_setpoint = g_analogSetpoint;
        else if (chosen >= 0) m_setpoint = static_cast<float>(p.presets[chosen]);
        if (m_v.m_state[m_slot] == 1) {
            m_frequency = static_cast<float>(m_v.m_controlOutput[m_slot]) / 100.0f;
            const int pairs = p.polePairCount();
            m_speed = pairs > 0 ? 60.0f * m_frequency / static_cast<float>(pairs) : 0.0f;
        }
        display();
    }

private:
    char letter(int k) const { return m_f.letterAt(k); }
    float analogSetpoint() const {
        const float s = g_analogSetpoint;
        if (g_analogSetpoint < g_inverterMinFrequency) g_analogSetpoint = g_inverterMinFrequency;
        return s;
    }

    // The set point the inputs choose: a preset (0 to 2), the analog one, or none.
    static constexpr int kAnalogSetpoint = -1;
    static constexpr int kNoSetpoint = -2;
    int chosenSetpoint(const InverterParameters& p) const {
        const char i3 = letter(kI3), i4 = letter(kI4);
        const char on = kPotentialPlus, off = kPotentialNone;
        if (!p.threeWire()) {
            if (i3 == off && i4 == off) return kAnalogSetpoint;
            if (i3 == on && i4 == off) return 0;
            if (i3 == off && i4 == on) return 1;
            if (i3 == on && i4 == on) return 2;
            return kNoSetpoint;
        }
        if (i4 == off) return kAnalogSetpoint;
        if (i4 == on) return 0;
        return kNoSetpoint;
    }

    // The run request (kept in the block's own command entry) and the set point.
    char runRequest(const InverterParameters& p, bool final) {
        Letters<2>& request = m_v.m_driveCommand[m_slot];
        const char i1 = letter(kI1), i2 = letter(kI2), i3 = letter(kI3);
        const char on = kPotentialPlus, off = kPotentialNone;
        if (!p.threeWire()) {
            request.setLetter(kDriveStop);
            if (i1 == on && i2 == off) request.setLetter(kDriveForward);
            if (i1 == off && i2 == on) request.setLetter(kDriveReverse);
        } else {
            if (i1 == off && final) request.setLetter(kDriveStop);
            if (i1 == on && i2 == on && i3 == off) request.setLetter(kDriveForward);
            if (i1 == on && i2 == off && i3 == on) request.setLetter(kDriveReverse);
        }
        const int chosen = chosenSetpoint(p);
        if (chosen == kAnalogSetpoint) m_setpoint = analogSetpoint();
        else if (chosen >= 0) m_setpoint = static_cast<float>(p.presets[chosen]);
        return request.letter();
    }

    void ramp(const InverterParameters& p, char request) {
        int& output = m_v.m_controlOutput[m_slot];
        int& stopFrom = m_v.m_stopRampFrom[m_slot];
        if (request == kDriveForward || request == kDriveReverse) {
            const float s = request == kDriveForward ? m_setpoint : -m_setpoint;
            output = rampRun(output, hundredths(s), m_setpoint, p.accelerationSeconds, stopFrom);
            m_frequency = p.accelerationSeconds == 0 ? s : static_cast<float>(output) / 100.0f;
        } else {
            output = rampStop(output, p.decelerationSeconds, stopFrom);
            m_frequency = static_cast<float>(output) / 100.0f;
        }
    }

    void command(const InverterParameters& p, int brakeTicks, bool final) {
        if (m_power < 0) return;
        Letters<2>& cmd = m_v.m_driveCommand[m_power];
        int& countdown = m_v.m_brakeCountdown[m_slot];
        if (cmd.letter() == kDriveForward || cmd.letter() == kDriveReverse) countdown = brakeTicks;
        if (final && m_frequency == 0.0f) {
            if (p.permanentBrake()) {
                cmd.setLetter(kDriveDcBrake);
            } else if (countdown > 0) {
                --countdown;
                cmd.setLetter(kDriveDcBrake);
            } else {
                cmd.setLetter(kDriveStop);
            }
        }
        if (cmd.letter() == kDriveDcBrake) {
            writeCompanionWire(kBrakePlus, kPotentialPlus);
            writeCompanionWire(kBrakeMinus, kPotentialMinus);
        }
        if (m_frequency > 0.0f) cmd.setLetter(kDriveForward);
        if (m_frequency < 0.0f) cmd.setLetter(kDriveReverse);
    }

    void display() {
        const float values[] = {m_setpoint, m_frequency, m_speed};
        drawDisplayLines(m_f, kDisplay, values, std::size(kDisplay));
        m_f.draw("TEXT,+155,+075,r.p.m.");
        m_f.draw("TEXT,+080,+090,FREN:,0");
        drawDisplayCell(m_f, kBrakeCell);
        const bool braking = m_power >= 0 && m_v.m_driveCommand[m_power].letter() == kDriveDcBrake;
        m_f.draw(braking ? "TEXT,+125,+090,ON   ,0" : "TEXT,+125,+090,OFF  ,0");
    }

    ComponentFrame& m_f;
    CVelkarionView& m_v;
    const int m_slot;
    const int m_companion;
    unsigned m_companionFound = 0;
    int m_power = -1;
    float m_setpoint = 0.0f;
    float m_frequency = 0.0f;
    float m_speed = 0.0f;
};

// The slot after the block serves only when it is the block's companion.
int companionOf(const CVelkarionView& v, const ComponentFrame& f) {
    if (f.preview()) return -1;
    const int c = f.slot() + 1;
    if (c >= kSlotCount || c >= v.m_componentCount || v.m_type[c] != kTypeCompanionSlot) return -1;
    return c;
}

}  // namespace

void CVelkarionView::DrawInverterControl(Dc& dc, double zoom, int ox, int oy) {
    ComponentFrame f(*this, dc, zoom, ox, oy);
    const int slot = f.slot();
    f.drawLabels(kControlBlockLabels);
    for (int k = 0; k < kBlockTerminals; ++k) {
        const ControlTerminal& t = kBlockTerminalTable[k];
        f.terminal(t.format, k, t.name, t.link);
    }
    ControlCall call(f, companionOf(*this, f));
    call.companionTerminals();

    if (f.evaluating()) {
        // The relay follows the state of the previous evaluation.
        if (!f.conductPoles(kReadyRelay, m_state[slot] == 1, ClashCheck::Sides)) return;
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
        call.show();
    }
    f.draw(kOutline);
    if (!f.evaluating() && !f.showing()) f.draw(kBladeOpen);
    f.draw(kLeads);
    if (!f.preview() && parameterColumn(m_paramText[slot], 2) == '1') f.draw(kPotentiometer);
}

}  // namespace velk
