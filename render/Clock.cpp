// The simulation modes (Simulate, Pause, Step, Edit) and the clock that drives
// a run: each tick clears the wire letters and asks for a paint, and that paint
// is the simulation step.
#include "render/Clock.h"

#include "model/VelkarionView.h"
#include "platform/frame.h"
#include "platform/statusbar.h"
#include "platform/text1250.h"
#include "render/Potentials.h"
#include "render/Terminals.h"
#include "symbols/logic/GrafcetToken.h"

namespace velk {

int g_simSpeed = 50;

int simulationTimerPeriod(int speed) {
    // Wide arithmetic, so a hand-edited setting far out of range cannot overflow;
    // a negative one slows the clock to at most one tick in about 17 minutes.
    const long long period = 1000LL - 10LL * speed;
    return period <= 0 ? 1 : static_cast<int>(period > 1000000 ? 1000000 : period);
}

namespace {

// Whose letter the tick clears: each tick's paint starts from dead wires and the
// routines write this tick's letters anew.
bool isClearedEachTick(int type) {
    return isWireLike(type) || type == kTypeConnectionDot || type == kTypeBundleEntryLeft ||
           type == kTypeBundleEntryRight || type == kTypeConnectionPointLeft || type == kTypeConnectionPointRight;
}

bool isChartElement(int type) { return type >= kTypeGrafcetInitialStep && type <= kTypeGrafcetMacroStep; }

bool isChartLine(int type) { return type >= kTypeGrafcetAndDivergence && type <= kTypeGrafcetLink; }

}  // namespace

StatusPanes* CVelkarionView::ModePanes() const {
    // A sheet behind another one keeps its texts for when it comes forward: its
    // faults, ticks and commands never overwrite what the front sheet shows.
    if (m_mainWnd) {
        const MdiChild* front = m_mainWnd->activeChild();
        if (!front || front->view() != this) return nullptr;
    }
    return m_statusBar;
}

void CVelkarionView::ShowModeTexts() {
    if (StatusPanes* panes = ModePanes()) {
        panes->setPaneText(1, m_modeText);
        panes->setPaneText(2, m_runStateText);
    }
}

void CVelkarionView::SetModeTexts(const char* modeUtf8, const char* runStateUtf8) {
    if (modeUtf8) m_modeText = cp1250(modeUtf8);
    m_runStateText = cp1250(runStateUtf8);
    StatusPanes* panes = ModePanes();
    if (!panes) return;
    if (modeUtf8) panes->setPaneText(1, m_modeText);
    panes->setPaneText(2, m_runStateText);
}

void CVelkarionView::OnDestroy() {
    if (!m_statusBar) return;
    m_statusBar->setPaneText(0, "Velkarion");
    // The window coming forward shows its own mode; only the front one leaves
    // the mode panes empty behind it.
    if (StatusPanes* panes = ModePanes()) {
        panes->setPaneText(1, "");
        panes->setPaneText(2, "");
    }
}

void CVelkarionView::OnModeRun() {
    m_simulating = 1;
    SetModeTexts("Simulación", "Run");
    if (m_paused == 1) {
        m_paused = 0;  // resume: nothing is reset
        return;
    }
    for (m_loopIndex = 0; m_loopIndex < m_componentCount; ++m_loopIndex) {
        const int i = m_loopIndex;
        if (!isLive(i)) continue;
        m_selected[i] = 0;
        m_potential[i].setLetter(kPotentialNone);
        m_state[i] = 0;
        m_drawnState[i] = 0;
        m_coilVoltageSeen[i] = 0;
        m_ladderMemory[i] = 0;
        m_chartBarRecord[i] = -1;
        m_macroExitFlag[i] = 0;
        // Letter 8 holds the drive command of the drive power parts and stays.
        for (int k = 0; k < 8; ++k) m_terminalPotential[i][k].setLetter(kPotentialNone);
        // An inverter or DC regulator must not restart by itself from a run
        // request, output or command left by the last run.
        if (m_type[i] == kTypeInverterSinglePhaseFed || m_type[i] == kTypeInverterThreePhase ||
            m_type[i] == kTypeInverterControl)
            m_driveCommand[i].setLetter(kPotentialNone);
        if (m_type[i] >= kTypeDcRegulatorSinglePhase && m_type[i] <= kTypeDcRegulatorControl)
            m_driveCommand[i].setLetter(kPotentialNone);
        if (m_type[i] == kTypeInverterControl || m_type[i] == kTypeDcRegulatorControl) m_controlOutput[i] = 0;
        // No device may feed a net of an earlier run: every link goes, except the
        // corner order a line item keeps in its first entry.
        for (int k = 0; k < kTerminalCount; ++k)
            if (k != 0 || m_type[i] != kTypeLine) m_terminalLink[i][k] = 0;
    }
    m_paused = 0;
    m_stepMode = 0;
    m_stepPending = 0;
    g_itemPicked = 0;
    m_rubberBandActive = 0;
    m_selectionValid = 0;
    g_selectionCount = 0;
    g_currentTool = 0;
    m_floatingBlock = 0;
    m_pasteSingle = 0;

    NumberWireNets();
    NumberBundles();

    // Erasing a large sheet at once flickers; its clock does it at the next tick.
    if (m_componentCount >= kDeferredRedrawCount)
        m_deferredRedraw = 1;
    else
        invalidate(true);

    for (m_loopIndex = 0; m_loopIndex < m_componentCount; ++m_loopIndex) {
        const int i = m_loopIndex;
        if (!isLive(i) || !isChartElement(m_type[i])) continue;
        // A line's state is the slot that put its token there: none yet.
        if (isChartLine(m_type[i]))
            m_state[i] = kNoTokenSource;
        else
            m_state[i] = m_type[i] == kTypeGrafcetInitialStep ? 1 : 0;
    }
}

void CVelkarionView::OnModeEdit() {
    SetModeTexts("Edición", "Stop");
    // Only the inverter panel goes; a DC panel stays until the next one replaces it.
    CloseInverterPanel();
    m_simulating = 0;
    m_paused = 0;
    m_stepMode = 0;
    m_stepPending = 0;
    // Every slot below the count, live or not. Net numbers and selection stay.
    for (int i = 0; i < m_componentCount; ++i) {
        m_potential[i].setLetter(kPotentialNone);
        m_state[i] = 0;
        m_drawnState[i] = 0;
        m_coilVoltageSeen[i] = 0;
        m_ladderMemory[i] = 0;
        m_chartBarRecord[i] = -1;
        m_macroExitFlag[i] = 0;
        for (int k = 0; k < 8; ++k) m_terminalPotential[i][k].setLetter(kPotentialNone);
        m_timerCount[i] = 0;
        m_timerOutput[i] = 0;
        m_brakeCountdown[i] = 0;
    }
    clearTerminalPoint();
    invalidate(true);
}

void CVelkarionView::OnModePause() {
    SetModeTexts(nullptr, "Pausa");
    m_paused = 1;
    m_stepMode = 0;
    m_stepPending = 0;
}

void CVelkarionView::OnModeStep() {
    SetModeTexts(nullptr, "Paso a Paso");
    m_stepMode = 1;
    m_stepPending = 1;
}

void CVelkarionView::OnTimer(int id) {
    if (id != kSimulationTimerId) return;
    if (m_deferredRedraw == 1) {
        invalidate(true);
        m_deferredRedraw = 0;
    }
    setTimer(kSimulationTimerId, simulationTimerPeriod(g_simSpeed));
    if (m_simulating != 1 || m_paused != 0) return;
    // In step mode only an asked-for step is a tick; until then the wires keep the
    // letters the last step left, and a repaint shows them.
    if (m_stepMode == 1 && m_stepPending != 1) return;
    // The paint this asks for is the step; no erase, so nothing flickers.
    invalidate(false);
    for (int i = 0; i < m_componentCount; ++i)
        if (isLive(i) && isClearedEachTick(m_type[i])) m_potential[i].setLetter(kPotentialNone);
}

}  // namespace velk
