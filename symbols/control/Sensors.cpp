// Inductive, capacitive and magnetic proximity sensors, and the procedure they
// share with the receivers of the light barriers (see Sensors.h).
#include "symbols/control/Sensors.h"

#include <string>

#include "render/Colors.h"
#include "render/Potentials.h"
#include "symbols/control/VoltageTest.h"
#include "symbols/power/MultiPole.h"

namespace velk {

namespace {

// The side members draw the picture of their twin with the terminals below moved
// this far, so that the body lies left of the terminals.
constexpr int kSideDx = -45;
constexpr int kSideDy = -15;

constexpr const char* kTextFormat = "TEXT,%3s,%3s,%5s,2";

// --- what every member draws -----------------------------------------------------------

constexpr const char* kLeads[] = {"LINE,+000,+000,+000,+015", "LINE,+000,+045,+000,+060"};
constexpr const char* kOutputLead[] = {"LINE,+030,+030,+045,+030"};
constexpr const char* kSideLeads[] = {"LINE,+000,+000,+015,+000", "LINE,+000,+030,+015,+030",
                                      "LINE,+000,+000,-015,+008", "LINE,+000,+030,-015,+022"};
constexpr const char* kSideOutputLead[] = {"LINE,+015,+015,-015,+015"};
constexpr const char* kBody[] = {"POLI,-030,+015,+030,+015,+030,+045,-030,+045"};
constexpr const char* kSideBody[] = {"POLI,-075,+000,-015,+000,-015,+030,-075,+030"};

constexpr const char* kOpenBlade[] = {"LINE,+015,+025,+020,+035"};
constexpr const char* kClosedBlade[] = {"LINE,+025,+023,+020,+035", "LINE,+020,+025,+027,+025"};

struct TerminalSpot {
    const char* format;
    const char* name;  // preview name
};
constexpr TerminalSpot kBelowTwoWire[] = {{"NUME,+005,-000,%c%c%c%c", "1"}, {"NUME,+005,+045,%c%c%c%c", "2"}};
constexpr TerminalSpot kBelowThreeWire[] = {
    {"NUME,+005,-000,%c%c%c%c", "+"}, {"NUME,+005,+045,%c%c%c%c", "-"}, {"NUME,+050,+015,%c%c%c%c", "S"}};
constexpr TerminalSpot kSideTerminals[] = {
    {"NUME,+020,+000,%c%c%c%c", "1"}, {"NUME,+020,+030,%c%c%c%c", "2"}, {"NUME,+020,+015,%c%c%c%c", "S"}};

constexpr int kT1 = 0, kT2 = 1, kS = 2;
constexpr Pole kSwitchedPath[] = {{kT1, kT2}};

// --- the sensors' own picture ----------------------------------------------------------

// Box, rhombus and contact stubs.
constexpr const char* kSensorPicture[] = {
    "LINE,-030,+015,+030,+015", "LINE,+030,+015,+030,+045", "LINE,+030,+045,-030,+045",
    "LINE,-030,+045,-030,+015", "LINE,+000,+020,+010,+030", "LINE,+010,+030,+000,+040",
    "LINE,+000,+040,-010,+030", "LINE,-010,+030,+000,+020", "LINE,-005,+025,-005,+035",
    "LINE,+005,+025,+005,+035", "LINE,+020,+020,+020,+025", "LINE,+020,+035,+020,+040",
};

constexpr const char* kInductiveMark[] = {"LINE,-020,+020,-020,+040", "POLI,-023,+025,-017,+025,-017,+035,-023,+035"};
constexpr const char* kCapacitiveMark[] = {"LINE,-020,+020,-020,+027", "LINE,-020,+033,-020,+040",
                                           "LINE,-026,+027,-012,+027", "LINE,-026,+033,-012,+033"};
constexpr const char* kMagneticMark[] = {"POLI,-020,+025,-017,+025,-017,+035,-020,+035",
                                         "POLI,-023,+025,-020,+025,-020,+028,-023,+028",
                                         "POLI,-023,+033,-020,+033,-020,+035,-023,+035"};

// The sensor codes: 7500 (NO) or 7520 (NC), plus 6 per sensing kind, plus the
// wiring variant 0 to 5.
constexpr int kSensorsNO = 7500;
constexpr int kSensorsNC = 7520;
constexpr int kVariants = 6;
constexpr int kSensingKinds = 3;
constexpr Commands kMarks[kSensingKinds] = {kInductiveMark, kCapacitiveMark, kMagneticMark};

// The variant (0 to 17: sensing kind x 6 + wiring) of a sensor code, -1 for none.
int sensorVariant(int type) {
    for (int base : {kSensorsNO, kSensorsNC})
        if (type >= base && type < base + kSensingKinds * kVariants) return type - base;
    return -1;
}

Commands sensingMark(int type) {
    const int variant = sensorVariant(type);
    return variant < 0 ? Commands() : kMarks[variant / kVariants];
}

// Wiring variants 2 (NPN) and 5 (NPN, side) sink the output.
bool sensorSinksOutput(int type) { return sensorVariant(type) % 3 == 2; }

constexpr LabelLayout kBelowLabels{"-B", {kTextFormat, "-040", "+000"}, {kTextFormat, "-040", "+015"}};
constexpr LabelLayout kSideLabels{"-B", {kTextFormat, "-085", "-005"}, {kTextFormat, "-085", "+010"}};

constexpr SensorForm sensorForm(SensorContact contact, SensorWiring wiring, SensorSide side) {
    return {contact,        wiring, side, side == SensorSide::Side ? kSideLabels : kBelowLabels,
            kSensorPicture, SensorMark::ByType, sensorSinksOutput};
}

constexpr SensorForm kNO2Wire = sensorForm(SensorContact::NO, SensorWiring::TwoWire, SensorSide::Below);
constexpr SensorForm kNO3Wire = sensorForm(SensorContact::NO, SensorWiring::ThreeWire, SensorSide::Below);
constexpr SensorForm kNO2WireSide = sensorForm(SensorContact::NO, SensorWiring::TwoWire, SensorSide::Side);
constexpr SensorForm kNO3WireSide = sensorForm(SensorContact::NO, SensorWiring::ThreeWire, SensorSide::Side);
constexpr SensorForm kNC2Wire = sensorForm(SensorContact::NC, SensorWiring::TwoWire, SensorSide::Below);
constexpr SensorForm kNC3Wire = sensorForm(SensorContact::NC, SensorWiring::ThreeWire, SensorSide::Below);
constexpr SensorForm kNC2WireSide = sensorForm(SensorContact::NC, SensorWiring::TwoWire, SensorSide::Side);
constexpr SensorForm kNC3WireSide = sensorForm(SensorContact::NC, SensorWiring::ThreeWire, SensorSide::Side);

// A run of the picture, moved for the side members.
void drawPlaced(ComponentFrame& f, const SensorForm& form, Commands commands) {
    if (form.side == SensorSide::Below) {
        f.draw(commands);
        return;
    }
    for (const char* command : commands) f.draw(movedCommand(command, kSideDx, kSideDy));
}

}  // namespace

bool fillBodyOnChange(ComponentFrame& f, Commands body) {
    CVelkarionView& v = f.view();
    const int s = f.slot();
    if (f.showing()) {
        // The body as the run left it; the redraw cache stays.
        fillBody(f, v.m_state[s] == 1 ? Edge::Rising : Edge::Falling, body);
        return true;
    }
    if (!f.evaluating()) return !f.stopped();
    if (v.m_state[s] == v.m_drawnState[s]) return false;
    v.m_drawnState[s] = v.m_state[s];
    fillBody(f, v.m_state[s] == 1 ? Edge::Rising : Edge::Falling, body);
    return true;
}

int drawnType(ComponentFrame& f) {
    return f.preview() ? g_currentTool : f.view().m_type[f.slot()];
}

void DrawSensor(CVelkarionView& view, Dc& dc, double zoom, int x, int y, const SensorForm& form) {
    ComponentFrame f(view, dc, zoom, x, y);
    const bool side = form.side == SensorSide::Side;
    const bool threeWire = form.wiring == SensorWiring::ThreeWire;
    const int type = drawnType(f);

    f.drawLabels(form.labels);
    f.useStateColor();
    const TerminalSpot* terminals = side ? kSideTerminals : threeWire ? kBelowThreeWire : kBelowTwoWire;
    f.terminal(terminals[kT1].format, kT1, terminals[kT1].name);
    f.terminal(terminals[kT2].format, kT2, terminals[kT2].name);

    const bool detecting = f.state() == 1;
    const bool outputOn = form.contact == SensorContact::NO ? detecting : f.state() == 0;
    if (threeWire) {
        f.terminal(terminals[kS].format, kS, terminals[kS].name, WireLink::Slot);
        // Exactly '+' at T1 and '-' at T2 supply the output; it is written over
        // whatever the wire at S carries.
        if (outputOn && f.letterAt(kT1) == kPotentialPlus && f.letterAt(kT2) == kPotentialMinus)
            f.writeLinkedWire(kS, form.sinksOutput && form.sinksOutput(type) ? kPotentialMinus : kPotentialPlus);
    } else if (!f.conductPoles(kSwitchedPath, outputOn, ClashCheck::Sides)) {
        return;
    }

    if (!fillBodyOnChange(f, side ? Commands(kSideBody) : Commands(kBody))) return;

    if (side) {
        f.draw(kSideLeads);
        if (threeWire) f.draw(kSideOutputLead);
    } else {
        f.draw(kLeads);
        if (threeWire) f.draw(kOutputLead);
    }
    drawPlaced(f, form, form.picture);
    const Commands restBlade = form.contact == SensorContact::NO ? Commands(kOpenBlade) : Commands(kClosedBlade);
    const Commands actuatedBlade = form.contact == SensorContact::NO ? Commands(kClosedBlade) : Commands(kOpenBlade);
    if ((f.evaluating() || f.showing()) && detecting) {
        // The rest blade is wiped out against the silver body.
        f.setPenColor(g_colorSilver);
        drawPlaced(f, form, restBlade);
        f.setPenColor(g_colorRed);
        drawPlaced(f, form, actuatedBlade);
    } else {
        drawPlaced(f, form, restBlade);
    }
    if (form.mark == SensorMark::ByType) drawPlaced(f, form, sensingMark(type));
}

void CVelkarionView::DrawSensorNO2Wire(Dc& dc, double zoom, int ox, int oy) {
    DrawSensor(*this, dc, zoom, ox, oy, kNO2Wire);
}
void CVelkarionView::DrawSensorNO3Wire(Dc& dc, double zoom, int ox, int oy) {
    DrawSensor(*this, dc, zoom, ox, oy, kNO3Wire);
}
void CVelkarionView::DrawSensorNO2WireSide(Dc& dc, double zoom, int ox, int oy) {
    DrawSensor(*this, dc, zoom, ox, oy, kNO2WireSide);
}
void CVelkarionView::DrawSensorNO3WireSide(Dc& dc, double zoom, int ox, int oy) {
    DrawSensor(*this, dc, zoom, ox, oy, kNO3WireSide);
}
void CVelkarionView::DrawSensorNC2Wire(Dc& dc, double zoom, int ox, int oy) {
    DrawSensor(*this, dc, zoom, ox, oy, kNC2Wire);
}
void CVelkarionView::DrawSensorNC3Wire(Dc& dc, double zoom, int ox, int oy) {
    DrawSensor(*this, dc, zoom, ox, oy, kNC3Wire);
}
void CVelkarionView::DrawSensorNC2WireSide(Dc& dc, double zoom, int ox, int oy) {
    DrawSensor(*this, dc, zoom, ox, oy, kNC2WireSide);
}
void CVelkarionView::DrawSensorNC3WireSide(Dc& dc, double zoom, int ox, int oy) {
    DrawSensor(*this, dc, zoom, ox, oy, kNC3WireSide);
}

}  // namespace velk
