// The resistor and the three-phase resistor bank. The resistor is a load: it passes
// nothing and fills silver while a voltage lies across it, decided on the last pass.
// The bank passes each top letter to the terminal below it and back while its state
// is 0, without a check of the two sides; a device of equal label operated by the
// mouse can open it, and then its bodies turn silver.
#include "render/Paint.h"
#include "symbols/ComponentFrame.h"
#include "symbols/control/VoltageTest.h"

namespace velk {

namespace {

constexpr const char* kTextFormat = "TEXT,%3s,%3s,%5s,2";
constexpr LabelLayout kResistorLabels{"-R", {kTextFormat, "-020", "+022"}, {kTextFormat, "-020", "+037"}};

// An element: two leads of 15 and a box 14 wide, 45 high; each next one 30 right.
constexpr const char* kOutline1[] = {"LINE,+000,+000,+000,+015", "LINE,+000,+060,+000,+075",
                                     "LINE,-007,+015,+007,+015", "LINE,-007,+060,+007,+060",
                                     "LINE,-007,+015,-007,+060", "LINE,+007,+015,+007,+060"};
constexpr const char* kBankOutlines[] = {
    "LINE,+000,+000,+000,+015", "LINE,+000,+060,+000,+075", "LINE,-007,+015,+007,+015",
    "LINE,-007,+060,+007,+060", "LINE,-007,+015,-007,+060", "LINE,+007,+015,+007,+060",
    "LINE,+030,+000,+030,+015", "LINE,+030,+060,+030,+075", "LINE,+023,+015,+037,+015",
    "LINE,+023,+060,+037,+060", "LINE,+023,+015,+023,+060", "LINE,+037,+015,+037,+060",
    "LINE,+060,+000,+060,+015", "LINE,+060,+060,+060,+075", "LINE,+053,+015,+067,+015",
    "LINE,+053,+060,+067,+060", "LINE,+053,+015,+053,+060", "LINE,+067,+015,+067,+060",
};
constexpr const char* kBody1[] = {"POLI,-007,+015,+007,+015,+007,+060,-007,+060"};
constexpr const char* kBankBodies[] = {"POLI,-007,+015,+007,+015,+007,+060,-007,+060",
                                       "POLI,+023,+015,+037,+015,+037,+060,+023,+060",
                                       "POLI,+053,+015,+067,+015,+067,+060,+053,+060"};

struct ResistorTerminal {
    const char* format;
    const char* name;
};
constexpr ResistorTerminal kResistorTerminals[] = {
    {"NUME,+005,+000,%c%c%c%c", "1"},
    {"NUME,+005,+060,%c%c%c%c", "2"},
};
constexpr ResistorTerminal kBankTerminals[] = {
    {"NUME,+005,+000,%c%c%c%c", "1"}, {"NUME,+035,+000,%c%c%c%c", "3"}, {"NUME,+065,+000,%c%c%c%c", "5"},
    {"NUME,+005,+060,%c%c%c%c", "2"}, {"NUME,+035,+060,%c%c%c%c", "4"}, {"NUME,+065,+060,%c%c%c%c", "6"},
};
constexpr Pole kBankPoles[] = {{0, 3}, {1, 4}, {2, 5}};

// The fill of the bodies for the flag, then black for the outlines.
void fillBodies(ComponentFrame& f, Commands bodies, bool silver) {
    f.setPenColor(silver ? g_colorSilver : g_colorWhite);
    f.draw(bodies);
    f.setPenColor(g_colorBlack);
}

}  // namespace

// The fill is drawn when the flag changes and also after an erase of the view
// (drawn state -1), so an energised resistor never shows a white body.
void CVelkarionView::DrawResistor(Dc& dc, double zoom, int ox, int oy) {
    ComponentFrame f(*this, dc, zoom, ox, oy);
    f.drawLabels(kResistorLabels);
    for (int k = 0; k < 2; ++k) f.terminal(kResistorTerminals[k].format, k, kResistorTerminals[k].name);
    if (f.evaluating() && g_simPass == kFinalSimPass) {
        const int s = f.slot();
        const int energised = voltageAcross(f.letterAt(0), f.letterAt(1)) ? 1 : 0;
        if (energised == m_state[s] && energised == m_drawnState[s]) return;
        m_state[s] = energised;
        m_drawnState[s] = energised;
        fillBodies(f, kBody1, energised == 1);
    }
    if (f.showing()) fillBodies(f, kBody1, m_state[f.slot()] == 1);
    f.draw(kOutline1);
}

void CVelkarionView::DrawResistorThreePhase(Dc& dc, double zoom, int ox, int oy) {
    ComponentFrame f(*this, dc, zoom, ox, oy);
    f.drawLabels(kResistorLabels);
    f.useStateColor();
    for (int k = 0; k < 6; ++k) f.terminal(kBankTerminals[k].format, k, kBankTerminals[k].name);
    f.conductPoles(kBankPoles, f.state() == 0, ClashCheck::None);
    const int s = f.slot();
    if (f.showing()) {
        fillBodies(f, kBankBodies, m_state[s] == 1);
        f.draw(kBankOutlines);
        return;
    }
    if (!f.evaluating()) {
        f.draw(kBankOutlines);
        return;
    }
    if (g_simPass != kFinalSimPass || m_state[s] == m_drawnState[s]) return;
    m_drawnState[s] = m_state[s];
    fillBodies(f, kBankBodies, m_state[s] == 1);
    f.draw(kBankOutlines);
}

}  // namespace velk
