// The sequential-chart elements: initial step, step, transition, action box, input
// and output links and the macro-step. While simulating, each runs its blocks
// right after the terminal they belong to, every block over the whole slot table
// in slot order, on every pass of a paint; tokens travel on the chart lines
// (GrafcetToken.h) and activity lives in the elements' states. Blue marks an
// active element, grey an inactive one.
#include "model/VelkarionView.h"
#include "render/Colors.h"
#include "render/Potentials.h"
#include "render/Terminals.h"
#include "symbols/ComponentFrame.h"
#include "symbols/logic/GrafcetToken.h"

namespace velk {

using namespace chart;

namespace {

constexpr const char* kTopTerminal = "NUME,+005,+000,%c%c%c%c";
constexpr const char* kStepBottomTerminal = "NUME,+005,+075,%c%c%c%c";
constexpr const char* kActionSideTerminal = "NUME,+065,+030,%c%c%c%c";
constexpr const char* kTransitionBottomTerminal = "NUME,+005,+045,%c%c%c%c";
constexpr const char* kActionRightTerminal = "NUME,+185,+000,%c%c%c%c";
constexpr const char* kCentredText = "TEXT,%3s,%3s,%5s,3";
constexpr const char* kLeftText = "TEXT,%3s,%3s,%5s,0";

constexpr const char* kStepBody[] = {"LINE,+000,+000,+000,+015", "LINE,+000,+075,+000,+090", "LINE,+030,+045,+060,+045",
                                     "LINE,-030,+015,+030,+015", "LINE,+030,+015,+030,+075", "LINE,-030,+075,+030,+075",
                                     "LINE,-030,+075,-030,+015"};
constexpr const char* kInitialInner[] = {"LINE,-020,+025,+020,+025", "LINE,+020,+025,+020,+065",
                                         "LINE,-020,+065,+020,+065", "LINE,-020,+065,-020,+025"};
constexpr const char* kTransitionBody[] = {"LINE,+000,+000,+000,+060", "LINE,-010,+030,+010,+030"};
constexpr const char* kActionBody[] = {"LINE,+000,-030,+000,+030", "LINE,+000,-030,+180,-030", "LINE,+180,-030,+180,+030",
                                       "LINE,+180,+030,+000,+030"};
constexpr const char* kOutputLinkBody[] = {"LINE,+000,+000,+000,+030", "POLI,-008,+015,+008,+015,+000,+030,-008,+015"};
constexpr const char* kInputLinkBody[] = {"LINE,+000,-030,+000,+000", "POLI,-008,-030,+008,-030,+000,-015,-008,-030"};
constexpr const char* kMacroBody[] = {"LINE,+000,+000,+000,+015", "LINE,+000,+075,+000,+090", "LINE,-030,+015,+030,+015",
                                      "LINE,+030,+015,+030,+075", "LINE,-030,+075,+030,+075", "LINE,-030,+075,-030,+015",
                                      "LINE,-030,+025,+030,+025", "LINE,-030,+065,+030,+065"};

bool isChartCode(int type) { return type >= 10100 && type <= 10199; }

// A transition's receptivity: a live component of its label, outside the chart
// codes, in state 1 (a selector's second position is state 2 and does not count).
bool receptive(const CVelkarionView& v, int transition) {
    for (int k = 0; k < v.m_componentCount; ++k)
        if (v.isLive(k) && !isChartCode(v.m_type[k]) && v.m_state[k] == kStateOn &&
            CVelkarionView::labelsEqual(v.m_label[k], v.m_label[transition]))
            return true;
    return false;
}

// The AND-convergence bar carries a token while every step recorded on it is
// active.
void recordOnBar(CVelkarionView& v, int step, int bar) {
    v.m_chartBarRecord[step] = bar;
    int recorded = 0, active = 0;
    for (int k = 0; k < v.m_componentCount; ++k) {
        if (!isLiveOf(v, k, kTypeGrafcetStep) || v.m_chartBarRecord[k] != bar) continue;
        ++recorded;
        if (v.m_state[k] == kStateOn) ++active;
    }
    v.m_potential[bar].setLetter(recorded >= 1 && recorded == active ? kPotentialNeutral : kPotentialNone);
}

// Puts the token on every link line at the terminal (end contact, then on-line)
// while the element is active.
void renewTokenBelow(CVelkarionView& v, int self, bool onLineToo) {
    for (int k = 0; k < v.m_componentCount; ++k)
        if (isLiveOf(v, k, kTypeGrafcetLink) && endContact(v, k) && v.m_state[self] == kStateOn) putToken(v, k, self);
    if (!onLineToo) return;
    for (int k = 0; k < v.m_componentCount; ++k)
        if (isLiveOf(v, k, kTypeGrafcetLink) && onLineContact(v, k) && v.m_state[self] == kStateOn)
            putToken(v, k, self);
}

void drawStep(CVelkarionView& v, Dc& dc, double zoom, int ox, int oy, bool initial) {
    ComponentFrame f(v, dc, zoom, ox, oy);
    const int self = f.slot();

    drawTerminal(f, kTopTerminal, 0);
    if (f.evaluating()) {
        for (int k = 0; k < v.m_componentCount; ++k) {
            if (isLiveOf(v, k, kTypeGrafcetLink) && endContact(v, k) && hasToken(v, k)) {
                v.m_state[self] = kStateOn;
                consumeToken(v, k);
            }
        }
        if (!initial) {
            for (int k = 0; k < v.m_componentCount; ++k)
                if (isLiveOf(v, k, kTypeGrafcetAndDivergence) && onLineContact(v, k) && hasToken(v, k))
                    v.m_state[self] = kStateOn;
            for (int k = 0; k < v.m_componentCount; ++k)
                if (isLiveOf(v, k, kTypeGrafcetLink) && onLineContact(v, k) && hasToken(v, k))
                    v.m_state[self] = kStateOn;
        }
    }

    drawTerminal(f, kStepBottomTerminal, 1);
    if (f.evaluating()) {
        if (initial) {
            renewTokenBelow(v, self, true);
        } else {
            for (int k = 0; k < v.m_componentCount; ++k)
                if (isLiveOf(v, k, kTypeGrafcetLink) && endContact(v, k) && v.m_state[self] == kStateOn)
                    putToken(v, k, self);
            for (int k = 0; k < v.m_componentCount; ++k)
                if (isLiveOf(v, k, kTypeGrafcetAndConvergence) && onLineContact(v, k)) recordOnBar(v, self, k);
            for (int k = 0; k < v.m_componentCount; ++k)
                if (isLiveOf(v, k, kTypeGrafcetLink) && onLineContact(v, k) && v.m_state[self] == kStateOn)
                    putToken(v, k, self);
            // The jump takes the token: by the output link's position alone.
            for (int k = 0; k < v.m_componentCount; ++k) {
                if (isLiveOf(v, k, kTypeGrafcetOutputLink) && directContact(v, k, kTopContact) &&
                    v.m_state[self] == kStateOn) {
                    v.m_state[k] = kStateOn;
                    v.m_state[self] = kStateOff;
                }
            }
        }
    }

    drawTerminal(f, kActionSideTerminal, 2);
    useActivityColor(f, f.state() == kStateOn);
    f.draw(kStepBody);
    if (initial) f.draw(kInitialInner);
    drawLabel(f, kCentredText, "-006", "+038", initial ? "0" : "1");
}

// Fires the transition on the token of a line: the element that put it there
// (when it is a live step, initial step, macro-step or input link) goes inactive
// and the token is consumed over the whole net.
void fireOnLine(CVelkarionView& v, int transition, int line) {
    v.m_state[transition] = kStateOn;
    const int source = v.m_state[line];
    if (isStepOrInitial(v, source) || isLiveOf(v, source, kTypeGrafcetMacroStep) ||
        isLiveOf(v, source, kTypeGrafcetInputLink))
        v.m_state[source] = kStateOff;
    consumeToken(v, line);
}

void fireFromAbove(CVelkarionView& v, int self) {
    for (int k = 0; k < v.m_componentCount; ++k)
        if (isLiveOf(v, k, kTypeGrafcetLink) && endContact(v, k) && hasToken(v, k) && receptive(v, self))
            fireOnLine(v, self, k);
    for (int k = 0; k < v.m_componentCount; ++k)
        if (isLiveOf(v, k, kTypeGrafcetLink) && onLineContact(v, k) && hasToken(v, k) && receptive(v, self))
            fireOnLine(v, self, k);
    for (int k = 0; k < v.m_componentCount; ++k) {
        if (isStepOrInitial(v, k) && directContact(v, k, kStepBottomContact) && v.m_state[k] == kStateOn &&
            receptive(v, self)) {
            v.m_state[self] = kStateOn;
            v.m_state[k] = kStateOff;
        }
    }
    for (int bar = 0; bar < v.m_componentCount; ++bar) {
        if (!isLiveOf(v, bar, kTypeGrafcetAndConvergence) || !onLineContact(v, bar) || !hasToken(v, bar)) continue;
        if (v.m_label[self] != "=1" && !receptive(v, self)) continue;
        v.m_state[self] = kStateOn;
        for (int s = 0; s < v.m_componentCount; ++s) {
            if (!isLiveOf(v, s, kTypeGrafcetStep) || v.m_chartBarRecord[s] != bar) continue;
            v.m_state[s] = kStateOff;
            v.m_chartBarRecord[s] = -1;
        }
        v.m_potential[bar].setLetter(kPotentialNone);
        v.m_state[bar] = kNoTokenSource;
    }
    for (int k = 0; k < v.m_componentCount; ++k) {
        if (isLiveOf(v, k, kTypeGrafcetMacroStep) && directContact(v, k, kStepBottomContact) &&
            v.m_state[k] == kMacroFinished && receptive(v, self)) {
            v.m_state[self] = kStateOn;
            v.m_state[k] = kMacroIdle;
            v.m_macroExitFlag[k] = 0;
        }
    }
}

// Hands the token to the first sink below, in order.
void handBelow(CVelkarionView& v, int self) {
    if (v.m_state[self] != kStateOn) return;
    for (int k = 0; k < v.m_componentCount; ++k) {
        if ((isStepOrInitial(v, k) || isLiveOf(v, k, kTypeGrafcetMacroStep)) && directContact(v, k, kTopContact)) {
            v.m_state[k] = kStateOn;
            v.m_state[self] = kStateOff;
            return;
        }
    }
    for (int k = 0; k < v.m_componentCount; ++k) {
        if (isLiveOf(v, k, kTypeGrafcetLink) && endContact(v, k)) {
            v.m_potential[k].setLetter(kPotentialNeutral);
            copyNet(v, k);
            v.m_state[self] = kStateOff;
            return;
        }
    }
    for (int k = 0; k < v.m_componentCount; ++k) {
        if (isLiveOf(v, k, kTypeGrafcetAndDivergence) && onLineContact(v, k)) {
            v.m_potential[k].setLetter(kPotentialNeutral);
            copyNet(v, k);
            v.m_state[self] = kStateOff;
            return;
        }
    }
    for (int k = 0; k < v.m_componentCount; ++k) {
        if (isLiveOf(v, k, kTypeGrafcetLink) && onLineContact(v, k)) {
            v.m_potential[k].setLetter(kPotentialNeutral);
            copyNet(v, k);
            v.m_state[self] = kStateOff;
            return;
        }
    }
}

// The steps of a macro-step's expansion: ordinary steps of its label.
bool inExpansion(const CVelkarionView& v, int step, int macro) {
    return isLiveOf(v, step, kTypeGrafcetStep) && CVelkarionView::labelsEqual(v.m_label[step], v.m_label[macro]);
}

Point unitsAt(const CVelkarionView& v, int i, Point offset) {
    return {v.m_x[i] * kCommandUnitsPerUnit + offset.x, v.m_y[i] * kCommandUnitsPerUnit + offset.y};
}

bool transitionEndsAt(const CVelkarionView& v, Point at) {
    for (int t = 0; t < v.m_componentCount; ++t)
        if (isLiveOf(v, t, kTypeGrafcetTransition) && contactAt(v, t, kTransitionBottomContact, at)) return true;
    return false;
}
bool transitionStartsAt(const CVelkarionView& v, Point at) {
    for (int t = 0; t < v.m_componentCount; ++t)
        if (isLiveOf(v, t, kTypeGrafcetTransition) && contactAt(v, t, kTopContact, at)) return true;
    return false;
}
bool linkStartsAt(const CVelkarionView& v, Point at) {
    for (int l = 0; l < v.m_componentCount; ++l)
        if (isLiveOf(v, l, kTypeGrafcetLink) && contactAt(v, l, kTopContact, at)) return true;
    return false;
}

// Entry: the first expansion step in slot order with nothing above it and a
// transition or line below it.
void enterExpansion(CVelkarionView& v, int macro) {
    for (int k = 0; k < v.m_componentCount && v.m_state[macro] == kMacroEntered; ++k) {
        if (!inExpansion(v, k, macro)) continue;
        const Point top = unitsAt(v, k, kTopContact), bottom = unitsAt(v, k, kStepBottomContact);
        if (transitionEndsAt(v, top)) continue;
        if (!transitionStartsAt(v, bottom) && !linkStartsAt(v, bottom)) continue;
        v.m_state[k] = kStateOn;
        v.m_state[macro] = kMacroRunning;
    }
}

// Exit: an active expansion step with a transition (or a line of exactly 60
// command units' drop) above it and no transition below it.
void leaveExpansion(CVelkarionView& v, int macro) {
    for (int k = 0; k < v.m_componentCount && v.m_state[macro] == kMacroRunning; ++k) {
        if (!inExpansion(v, k, macro) || v.m_state[k] != kStateOn) continue;
        const Point top = unitsAt(v, k, kTopContact), bottom = unitsAt(v, k, kStepBottomContact);
        if (!transitionEndsAt(v, top) && !linkStartsAt(v, {top.x, top.y - 60})) continue;
        if (transitionStartsAt(v, bottom)) continue;
        v.m_state[k] = kStateOff;
        v.m_macroExitFlag[macro] = 1;
    }
}

}  // namespace

void CVelkarionView::DrawGrafcetInitialStep(Dc& dc, double zoom, int ox, int oy) {
    drawStep(*this, dc, zoom, ox, oy, true);
}

void CVelkarionView::DrawGrafcetStep(Dc& dc, double zoom, int ox, int oy) { drawStep(*this, dc, zoom, ox, oy, false); }

void CVelkarionView::DrawGrafcetTransition(Dc& dc, double zoom, int ox, int oy) {
    ComponentFrame f(*this, dc, zoom, ox, oy);
    const int self = f.slot();
    if (f.evaluating()) m_state[self] = kStateOff;
    drawTerminal(f, kTopTerminal, 0);
    if (f.evaluating()) fireFromAbove(*this, self);
    drawTerminal(f, kTransitionBottomTerminal, 1);
    if (f.evaluating()) handBelow(*this, self);
    useActivityColor(f, f.state() == kStateOn);
    f.draw(kTransitionBody);
    drawLabel(f, kLeftText, "+015", "+023", "1");
}

void CVelkarionView::DrawGrafcetAction(Dc& dc, double zoom, int ox, int oy) {
    ComponentFrame f(*this, dc, zoom, ox, oy);
    const int self = f.slot();
    drawTerminal(f, kTopTerminal, 0);
    if (f.evaluating()) {
        for (int k = 0; k < m_componentCount; ++k) {
            if (isStepOrInitial(*this, k) && directContact(*this, k, kActionSideContact)) m_state[self] = m_state[k];
            if (isLiveOf(*this, k, kTypeGrafcetAction) && m_componentId[k] != m_componentId[self] &&
                directContact(*this, k, kActionRightContact))
                m_state[self] = m_state[k];
        }
    }
    drawTerminal(f, kActionRightTerminal, 1);
    useActivityColor(f, f.state() == kStateOn);
    f.draw(kActionBody);
}

void CVelkarionView::DrawGrafcetOutputLink(Dc& dc, double zoom, int ox, int oy) {
    ComponentFrame f(*this, dc, zoom, ox, oy);
    const int self = f.slot();
    drawLabel(f, kCentredText, "-004", "+033", "1");
    drawTerminal(f, kTopTerminal, 0);
    if (f.evaluating()) {
        for (int k = 0; k < m_componentCount; ++k)
            if (isLiveOf(*this, k, kTypeGrafcetTransition) && directContact(*this, k, kTransitionBottomContact) &&
                m_state[k] == kStateOn)
                m_state[self] = kStateOn;
        for (int k = 0; k < m_componentCount; ++k)
            if (isLiveOf(*this, k, kTypeGrafcetLink) && endContact(*this, k) && hasToken(*this, k))
                m_state[self] = kStateOn;
    }
    useActivityColor(f, f.state() == kStateOn);
    f.draw(kOutputLinkBody);
}

void CVelkarionView::DrawGrafcetInputLink(Dc& dc, double zoom, int ox, int oy) {
    ComponentFrame f(*this, dc, zoom, ox, oy);
    const int self = f.slot();
    drawLabel(f, kCentredText, "-004", "-045", "1");
    drawTerminal(f, kTopTerminal, 0);
    if (f.evaluating()) {
        auto waiting = [&](int k) {
            return isLiveOf(*this, k, kTypeGrafcetOutputLink) && m_state[k] == kStateOn &&
                   labelsEqual(m_label[k], m_label[self]);
        };
        for (int s = 0; s < m_componentCount; ++s) {
            if (!isStepOrInitial(*this, s) || !directContact(*this, s, kTopContact)) continue;
            for (int k = 0; k < m_componentCount; ++k) {
                if (!waiting(k)) continue;
                m_state[s] = kStateOn;
                m_state[self] = kStateOff;
                m_state[k] = kStateOff;
            }
        }
        for (int l = 0; l < m_componentCount; ++l) {
            if (!isLiveOf(*this, l, kTypeGrafcetLink) || !endContact(*this, l)) continue;
            for (int k = 0; k < m_componentCount; ++k) {
                if (!waiting(k)) continue;
                m_state[k] = kStateOff;
                m_potential[l].setLetter(kPotentialNeutral);
                m_state[l] = self;
            }
        }
    }
    useActivityColor(f, f.state() == kStateOn);
    f.draw(kInputLinkBody);
}

void CVelkarionView::DrawGrafcetMacroStep(Dc& dc, double zoom, int ox, int oy) {
    ComponentFrame f(*this, dc, zoom, ox, oy);
    const int self = f.slot();
    drawTerminal(f, kTopTerminal, 0);
    if (f.evaluating()) {
        for (int k = 0; k < m_componentCount; ++k)
            if (isLiveOf(*this, k, kTypeGrafcetLink) && endContact(*this, k) && hasToken(*this, k))
                m_state[self] = kMacroEntered;
    }
    drawTerminal(f, kStepBottomTerminal, 1);
    if (f.evaluating()) {
        auto finished = [&] { return m_macroExitFlag[self] == 1 || m_state[self] >= kMacroFinished; };
        for (int k = 0; k < m_componentCount; ++k) {
            if (!isLiveOf(*this, k, kTypeGrafcetLink) || !endContact(*this, k) || !finished()) continue;
            putToken(*this, k, self);
            m_macroExitFlag[self] = 0;
            m_state[self] = kMacroFinished;
        }
        // A transition directly below, by its position alone.
        for (int k = 0; k < m_componentCount; ++k)
            if (isLiveOf(*this, k, kTypeGrafcetTransition) && directContact(*this, k, kTopContact) && finished())
                m_state[self] = kMacroFinished;
        enterExpansion(*this, self);
        leaveExpansion(*this, self);
    }
    useActivityColor(f, f.state() >= kMacroEntered);
    f.draw(kMacroBody);
    drawLabel(f, kCentredText, "-006", "+038", "M");
}

}  // namespace velk
