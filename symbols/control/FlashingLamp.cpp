// The flashing pilot lamp: the pilot lamp's crossed circle with a pulse beside it,
// flashing in its colour while its terminals carry a voltage. It is evaluated like
// any load, not in the lamp passes, and takes part in no chain of lamps. The cycle
// is seven ticks: colour for three after the voltage comes, then white for three,
// colour for four, and so on.
#include "model/VelkarionView.h"
#include "render/Colors.h"
#include "render/Paint.h"
#include "symbols/ComponentFrame.h"
#include "symbols/control/LampSymbol.h"
#include "symbols/control/VoltageTest.h"

namespace velk {

namespace {

constexpr const char* kPulseGlyph[] = {
    "LINE,+037,+033,+034,+033", "LINE,+034,+033,+034,+027", "LINE,+034,+027,+030,+027",
    "LINE,+030,+027,+030,+033", "LINE,+030,+033,+027,+033",
};

constexpr int kFlashCycle = 7;
// The phases (counted before the step) at which the circle turns white and back.
constexpr int kWhitePhase = 3;
constexpr int kColourPhase = 6;

bool inWhiteHalf(int phase) { return phase >= kWhitePhase && phase < kColourPhase; }

// One pass-5 evaluation. The edges come from the voltage last acted on; an erase
// of the view only brings back the fill of the half the cycle is in.
void flashStep(ComponentFrame& f, bool energised) {
    CVelkarionView& v = f.view();
    const int s = f.slot();
    int& phase = v.m_flashPhase[s];
    const Edge edge = latchEdge(energised, v.m_coilVoltageSeen[s]);
    const bool erased = v.m_drawnState[s] == -1;
    if (energised && (edge == Edge::Rising || phase == kWhitePhase || phase == kColourPhase || erased)) {
        f.setPenColor(g_colorRed);
        v.m_state[s] = 1;
        fillLampCircle(f, inWhiteHalf(phase) ? g_colorWhite : lampFillColor(v.m_lampColor[s]));
    }
    if (!energised && (edge == Edge::Falling || erased)) {
        phase = 0;
        f.setPenColor(g_colorGrey);
        v.m_state[s] = 0;
        fillLampCircle(f, g_colorWhite);
    }
    phase = energised ? (phase + 1) % kFlashCycle : 0;
    const int seen = energised ? 1 : 0;
    v.m_drawnState[s] = seen;
    v.m_coilVoltageSeen[s] = seen;
}

// The circle as the last step left it: the phase has moved on since that step
// filled it, so the half is read one phase back.
void showFlash(ComponentFrame& f) {
    CVelkarionView& v = f.view();
    const int s = f.slot();
    if (v.m_state[s] != 1) {
        fillLampCircle(f, g_colorWhite);
        return;
    }
    const int filledAt = (v.m_flashPhase[s] + kFlashCycle - 1) % kFlashCycle;
    fillLampCircle(f, inWhiteHalf(filledAt) ? g_colorWhite : lampFillColor(v.m_lampColor[s]));
}

}  // namespace

void CVelkarionView::DrawFlashingPilotLamp(Dc& dc, double zoom, int ox, int oy) {
    ComponentFrame f(*this, dc, zoom, ox, oy);
    f.drawLabels(kLampLabels);
    f.useStateColor();
    f.drawTerminal(kLampX1, f.terminalName(0, "X1"));
    const char x1 = letterAtTerminal(f);
    f.drawTerminal(kLampX2, f.terminalName(1, "X2"));
    const char x2 = letterAtTerminal(f);
    if (f.evaluating() && g_simPass == kFinalSimPass) flashStep(f, voltageAcross(x1, x2));
    if (f.showing()) showFlash(f);
    f.draw(kPulseGlyph);
    drawLampOutline(f);
}

}  // namespace velk
