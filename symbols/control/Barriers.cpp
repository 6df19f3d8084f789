// Light barriers: the one-piece reflex barrier with its changeover output, the
// emitter (terminals below or on one side) and the receivers, which are proximity
// sensors with a receiver's picture. A receiver never looks for its emitter: the
// two act as a pair only because a press on one actuates every slot of its label.
// The reflex barrier and the emitters show their state only while supplied, and
// only on the last pass; the receivers like the sensors, on every change.
#include "render/Colors.h"
#include "render/Paint.h"
#include "render/Potentials.h"
#include "symbols/control/Sensors.h"
#include "symbols/control/VoltageTest.h"

namespace velk {

namespace {

constexpr const char* kTextFormat = "TEXT,%3s,%3s,%5s,2";

struct BarrierTerminal {
    const char* format;
    const char* name;  // preview name
};

// --- reflex barrier ------------------------------------------------------------------

constexpr LabelLayout kReflexLabels{"-B", {kTextFormat, "-030", "+022"}, {kTextFormat, "-030", "+037"}};
// T1, T2 the supply; T3 the common, T4 closed at rest, T5 closed while actuated.
constexpr BarrierTerminal kReflexTerminals[] = {
    {"NUME,+005,+000,%c%c%c%c", "1"}, {"NUME,+035,+000,%c%c%c%c", "2"}, {"NUME,+005,+075,%c%c%c%c", "3"},
    {"NUME,+020,+075,%c%c%c%c", "4"}, {"NUME,+035,+075,%c%c%c%c", "5"},
};
constexpr Pole kRestPath[] = {{2, 3}};
constexpr Pole kActivePath[] = {{2, 4}};

constexpr const char* kReflexBody[] = {"POLI,-015,+015,+045,+015,+045,+075,-015,+075"};
// Leads, box, light-emitting diode, phototransistor and the fixed parts of the contact.
constexpr const char* kReflexPicture[] = {
    "LINE,+000,+000,+000,+015", "LINE,+030,+000,+030,+015", "LINE,+000,+075,+000,+090",
    "LINE,+015,+075,+015,+090", "LINE,+030,+075,+030,+090",
    "LINE,-015,+015,+045,+015", "LINE,+045,+015,+045,+075", "LINE,+045,+075,-015,+075",
    "LINE,-015,+075,-015,+015",
    "LINE,+030,+022,+030,+038", "LINE,+026,+034,+034,+034", "POLI,+026,+026,+034,+026,+030,+034,+026,+026",
    "LINE,+034,+052,+034,+068", "LINE,+026,+052,+034,+060", "LINE,+026,+068,+034,+060",
    "POLI,+026,+068,+026,+066,+028,+068,+026,+068",
    "LINE,+008,+030,+008,+037", "LINE,+015,+053,+015,+060", "LINE,+000,+053,+000,+060",
};
constexpr const char* kReflexRestBlade[] = {"LINE,+008,+037,+000,+053"};
constexpr const char* kReflexActiveBlade[] = {"LINE,+008,+037,+015,+053"};
// The link to the blade and the two beams.
constexpr const char* kReflexBeams[] = {
    "LINE,-008,+030,+008,+030", "LINE,-008,+030,-008,+060", "LINE,+048,+030,+057,+030",
    "LINE,+048,+060,+057,+060", "POLI,+052,+027,+057,+030,+052,+033,+052,+027",
    "POLI,+052,+057,+048,+060,+052,+063,+052,+057",
};

// --- emitters -----------------------------------------------------------------------------

struct EmitterForm {
    LabelLayout labels;
    BarrierTerminal terminals[2];
    Commands body;
    Commands picture;
};

constexpr const char* kEmitterBody[] = {"POLI,-030,+015,+030,+015,+030,+045,-030,+045"};
constexpr const char* kEmitterPicture[] = {
    "LINE,+000,+000,+000,+015", "LINE,+000,+045,+000,+060", "LINE,-030,+015,+030,+015",
    "LINE,+030,+015,+030,+045", "LINE,+030,+045,-030,+045", "LINE,-030,+045,-030,+015",
    "LINE,+015,+022,+015,+038", "LINE,+011,+034,+019,+034", "POLI,+011,+026,+019,+026,+015,+034,+011,+026",
    "TEXT,-015,+023,E    ,0", "LINE,+033,+030,+042,+030", "POLI,+037,+027,+042,+030,+037,+033,+037,+027",
};
constexpr const char* kSideEmitterBody[] = {"POLI,-075,+000,-015,+000,-015,+030,-075,+030"};
// The beam leaves to the left.
constexpr const char* kSideEmitterPicture[] = {
    "LINE,+000,+000,+015,+000", "LINE,+000,+030,+015,+030", "LINE,+000,+000,-015,+008",
    "LINE,+000,+030,-015,+022", "LINE,-075,+000,-015,+000", "LINE,-015,+000,-015,+030",
    "LINE,-015,+030,-075,+030", "LINE,-075,+030,-075,+000", "LINE,-060,+007,-060,+023",
    "LINE,-064,+019,-056,+019", "POLI,-064,+011,-056,+011,-060,+019,-064,+011", "TEXT,-038,+008,E    ,0",
    "LINE,-087,+015,-078,+015", "POLI,-083,+012,-087,+015,-083,+018,-083,+012",
};

constexpr EmitterForm kEmitter{{"-B", {kTextFormat, "-040", "+000"}, {kTextFormat, "-040", "+015"}},
                               {{"NUME,+005,-000,%c%c%c%c", "1"}, {"NUME,+005,+045,%c%c%c%c", "2"}},
                               kEmitterBody,
                               kEmitterPicture};
constexpr EmitterForm kSideEmitter{{"-B", {kTextFormat, "-095", "-005"}, {kTextFormat, "-095", "+010"}},
                                   {{"NUME,+020,+000,%c%c%c%c", "1"}, {"NUME,+020,+030,%c%c%c%c", "2"}},
                                   kSideEmitterBody,
                                   kSideEmitterPicture};

// --- receivers ------------------------------------------------------------------------------

// Box, phototransistor, the letter R, the incoming beam and the contact stubs.
constexpr const char* kReceiverPicture[] = {
    "LINE,-030,+015,+030,+015", "LINE,+030,+015,+030,+045", "LINE,+030,+045,-030,+045",
    "LINE,-030,+045,-030,+015", "LINE,-023,+022,-023,+038", "LINE,-023,+030,-015,+022",
    "LINE,-023,+030,-015,+038", "POLI,-015,+036,-017,+038,-015,+038,-015,+036",
    "TEXT,-004,+023,R    ,0",   "LINE,-042,+030,-033,+030", "POLI,-038,+027,-033,+030,-038,+033,-038,+027",
    "LINE,+020,+020,+020,+025", "LINE,+020,+035,+020,+040",
};

bool receiverSinksOutput(int type) {
    return type == kTypeBarrierReceiverNO3WireNpn || type == kTypeBarrierReceiverNO3WireNpnSide ||
           type == kTypeBarrierReceiverNC3WireNpn || type == kTypeBarrierReceiverNC3WireNpnSide;
}

constexpr LabelLayout receiverLabels(const char* dx, const char* dy, const char* dy2) {
    return {"-B", {kTextFormat, dx, dy}, {kTextFormat, dx, dy2}};
}
constexpr LabelLayout kBelowLabels = receiverLabels("-040", "+000", "+015");
constexpr LabelLayout kSideLabels = receiverLabels("-085", "-005", "+010");
// The NO 2-wire side receiver's texts stand further left than the others'.
constexpr LabelLayout kWideSideLabels = receiverLabels("-095", "-005", "+010");

constexpr SensorForm receiverForm(SensorContact contact, SensorWiring wiring, SensorSide side,
                                  const LabelLayout& labels) {
    return {contact, wiring, side, labels, kReceiverPicture, SensorMark::None, receiverSinksOutput};
}

constexpr SensorForm kReceiverNO2Wire =
    receiverForm(SensorContact::NO, SensorWiring::TwoWire, SensorSide::Below, kBelowLabels);
constexpr SensorForm kReceiverNO3Wire =
    receiverForm(SensorContact::NO, SensorWiring::ThreeWire, SensorSide::Below, kBelowLabels);
constexpr SensorForm kReceiverNO2WireSide =
    receiverForm(SensorContact::NO, SensorWiring::TwoWire, SensorSide::Side, kWideSideLabels);
constexpr SensorForm kReceiverNO3WireSide =
    receiverForm(SensorContact::NO, SensorWiring::ThreeWire, SensorSide::Side, kSideLabels);
constexpr SensorForm kReceiverNC2Wire =
    receiverForm(SensorContact::NC, SensorWiring::TwoWire, SensorSide::Below, kBelowLabels);
constexpr SensorForm kReceiverNC3Wire =
    receiverForm(SensorContact::NC, SensorWiring::ThreeWire, SensorSide::Below, kBelowLabels);
constexpr SensorForm kReceiverNC2WireSide =
    receiverForm(SensorContact::NC, SensorWiring::TwoWire, SensorSide::Side, kSideLabels);
constexpr SensorForm kReceiverNC3WireSide =
    receiverForm(SensorContact::NC, SensorWiring::ThreeWire, SensorSide::Side, kSideLabels);

// Whether the letters at T1 and T2, as found in this call, supply the device; a
// paint that only shows the run reads those the last tick found.
bool suppliedNow(ComponentFrame& f) {
    return (f.evaluating() || f.showing()) && voltageAcross(f.letterAt(0), f.letterAt(1));
}

// The reflex barrier and the emitters show their state on the last pass, and only
// while supplied; an unsupplied one keeps its last fill and draws every command.
bool fillWhileSupplied(ComponentFrame& f, bool supplied, Commands body) {
    if (!supplied || (g_simPass != kFinalSimPass && !f.showing())) return !f.stopped();
    return fillBodyOnChange(f, body);
}

void drawEmitter(CVelkarionView& view, Dc& dc, double zoom, int x, int y, const EmitterForm& form) {
    ComponentFrame f(view, dc, zoom, x, y);
    f.drawLabels(form.labels);
    f.useStateColor();
    for (int k = 0; k < 2; ++k) f.terminal(form.terminals[k].format, k, form.terminals[k].name);
    if (!fillWhileSupplied(f, suppliedNow(f), form.body)) return;
    f.draw(form.picture);
}

}  // namespace

void CVelkarionView::DrawReflexBarrier(Dc& dc, double zoom, int ox, int oy) {
    ComponentFrame f(*this, dc, zoom, ox, oy);
    f.drawLabels(kReflexLabels);
    f.useStateColor();
    for (int k = 0; k < 5; ++k) f.terminal(kReflexTerminals[k].format, k, kReflexTerminals[k].name);

    const bool supplied = suppliedNow(f);
    const bool active = f.state() == 1 && supplied;
    // Exactly one path conducts: the output leaves its rest position only while
    // the barrier is actuated and supplied.
    if (!f.conductPoles(active ? kActivePath : kRestPath, 1, true, ClashCheck::Sides)) return;
    if (!fillWhileSupplied(f, supplied, kReflexBody)) return;

    f.draw(kReflexPicture);
    if (f.state() == 0) f.draw(kReflexRestBlade);
    f.draw(kReflexBeams);
    if (active) {
        // The rest blade is wiped out against the silver body.
        f.setPenColor(g_colorSilver);
        f.draw(kReflexRestBlade);
        f.setPenColor(g_colorRed);
        f.draw(kReflexActiveBlade);
    } else if (!supplied) {
        f.draw(kReflexRestBlade);
    }
}

void CVelkarionView::DrawBarrierEmitter(Dc& dc, double zoom, int ox, int oy) {
    drawEmitter(*this, dc, zoom, ox, oy, kEmitter);
}
void CVelkarionView::DrawBarrierEmitterSide(Dc& dc, double zoom, int ox, int oy) {
    drawEmitter(*this, dc, zoom, ox, oy, kSideEmitter);
}

void CVelkarionView::DrawBarrierReceiverNO2Wire(Dc& dc, double zoom, int ox, int oy) {
    DrawSensor(*this, dc, zoom, ox, oy, kReceiverNO2Wire);
}
void CVelkarionView::DrawBarrierReceiverNO3Wire(Dc& dc, double zoom, int ox, int oy) {
    DrawSensor(*this, dc, zoom, ox, oy, kReceiverNO3Wire);
}
void CVelkarionView::DrawBarrierReceiverNO2WireSide(Dc& dc, double zoom, int ox, int oy) {
    DrawSensor(*this, dc, zoom, ox, oy, kReceiverNO2WireSide);
}
void CVelkarionView::DrawBarrierReceiverNO3WireSide(Dc& dc, double zoom, int ox, int oy) {
    DrawSensor(*this, dc, zoom, ox, oy, kReceiverNO3WireSide);
}
void CVelkarionView::DrawBarrierReceiverNC2Wire(Dc& dc, double zoom, int ox, int oy) {
    DrawSensor(*this, dc, zoom, ox, oy, kReceiverNC2Wire);
}
void CVelkarionView::DrawBarrierReceiverNC3Wire(Dc& dc, double zoom, int ox, int oy) {
    DrawSensor(*this, dc, zoom, ox, oy, kReceiverNC3Wire);
}
void CVelkarionView::DrawBarrierReceiverNC2WireSide(Dc& dc, double zoom, int ox, int oy) {
    DrawSensor(*this, dc, zoom, ox, oy, kReceiverNC2WireSide);
}
void CVelkarionView::DrawBarrierReceiverNC3WireSide(Dc& dc, double zoom, int ox, int oy) {
    DrawSensor(*this, dc, zoom, ox, oy, kReceiverNC3WireSide);
}

}  // namespace velk
