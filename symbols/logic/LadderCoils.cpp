// The ladder coils: assign, set and reset. A coil is energised when its terminals
// carry "+" and "-", in either order. Its label names its variable: on every pass
// the coil writes its state into the ladder NO and NC contacts and the contactor
// main contacts of equal label. The assign coil latches on the last pass when its
// energisation changed; set and reset act on every pass and share one memory per
// label by taking over the state of the other ladder coils of that label.
#include "model/TypeCodes.h"
#include "model/VelkarionView.h"
#include "platform/dc.h"
#include "render/Colors.h"
#include "render/Paint.h"
#include "render/Potentials.h"
#include "symbols/ComponentFrame.h"
#include "symbols/logic/LadderParts.h"

namespace velk {

namespace {

using namespace ladder;

enum class Action { Assign, Set, Reset };

struct LadderCoil {
    int type;
    Action action;
    const char* letter;  // nullptr for none
};

constexpr const char* kLeads[] = {"LINE,+000,+000,+010,+000", "LINE,+050,+000,+060,+000"};
constexpr const char* kArcs[] = {"ARCO,+010,-015,+040,+015,+020,-015,+020,+015",
                                 "ARCO,+020,-015,+050,+015,+040,+015,+040,-015"};

constexpr LadderCoil kLadderCoils[] = {
    {kTypeLadderCoil, Action::Assign, nullptr},
    {kTypeLadderSetCoil, Action::Set, "TEXT,+027,-008,S    ,0"},
    {kTypeLadderResetCoil, Action::Reset, "TEXT,+027,-008,R    ,0"},
};

constexpr bool isMainContact(int t) {
    return t == kTypeMainContactsI || t == kTypeMainContactsII || t == kTypeMainContactsIII ||
           t == kTypeMainContactsIIII;
}
constexpr bool isBoundLadderContact(int t) { return t == kTypeLadderContactNO || t == kTypeLadderContactNC; }
constexpr bool isLadderCoil(int t) { return t >= kTypeLadderCoil && t <= kTypeLadderResetCoil; }

// The letter of the wire at the terminal just drawn, "0" without one.
char letterAtTerminal(const CVelkarionView& v) {
    const int j = v.wireAtTerminal();
    return j >= 0 ? v.m_potential[j].letter() : kPotentialNone;
}

// One walk in slot order over the slots of the coil's label: the contacts it
// switches take its state, and set and reset coils take over the state of every
// ladder coil of the label as they come, so a contact gets the value held at its
// place in the walk.
void writeLabel(CVelkarionView& v, int slot, Action action) {
    const std::string& label = v.m_label[slot];
    for (int j = 0; j < v.m_componentCount; ++j) {
        if (!v.isLive(j) || !CVelkarionView::labelsEqual(v.m_label[j], label)) continue;
        const int t = v.m_type[j];
        if (isMainContact(t) || isBoundLadderContact(t)) v.m_state[j] = v.m_state[slot] == kStateOn ? kStateOn : kStateOff;
        if (action != Action::Assign && isLadderCoil(t)) v.m_state[slot] = v.m_state[j];
    }
}

// The box and the pen for what follows, in the colours of the state.
void drawBox(ComponentFrame& f, bool blue) {
    f.view().m_penColor = blue ? g_colorBlue : g_colorWhite;
    f.draw(kStateBox);
}

// The assign coil on the latch pass: a change of energisation latches the state
// and redraws the box; after an erase the box is drawn again from the
// energisation, and the state stays.
void latch(ComponentFrame& f, bool energised) {
    CVelkarionView& v = f.view();
    const int slot = f.slot();
    const int now = energised ? 1 : 0;
    const bool changed = v.m_ladderMemory[slot] != now;
    if (changed) {
        v.m_ladderMemory[slot] = now;
        if (energised)
            v.m_state[slot] = kStateOn;
        else if (v.m_state[slot] == kStateOn)
            v.m_state[slot] = kStateOff;
    }
    if (changed || v.m_drawnState[slot] == -1) {
        drawBox(f, energised);
        v.m_penColor = f.stateColor();
    }
    v.m_drawnState[slot] = now;
}

void drawLadderCoil(CVelkarionView& v, Dc& dc, double zoom, int ox, int oy, const LadderCoil& row) {
    ComponentFrame f(v, dc, zoom, ox, oy);
    f.drawLabels(kLabels);
    f.useStateColor();
    f.drawTerminal(kLeftTerminal, f.terminalName(0, " "));
    const char left = f.evaluating() ? letterAtTerminal(v) : kPotentialNone;
    f.drawTerminal(kRightTerminal, f.terminalName(1, " "));
    if (f.stopped()) return;
    if (f.evaluating()) {
        const int slot = f.slot();
        const char right = letterAtTerminal(v);
        writeLabel(v, slot, row.action);
        const bool energised = (left == kPotentialPlus && right == kPotentialMinus) ||
                               (left == kPotentialMinus && right == kPotentialPlus);
        if (row.action == Action::Assign) {
            if (g_simPass == kFinalSimPass) latch(f, energised);
        } else {
            if (energised) v.m_state[slot] = row.action == Action::Set ? kStateOn : kStateOff;
            if (g_simPass == kFinalSimPass) {
                drawBox(f, v.m_state[slot] == kStateOn);
                v.m_penColor = f.stateColor();
            }
        }
    }
    if (f.showing()) {
        // The box as the last latch pass drew it: the energisation for the assign
        // coil, the state for set and reset.
        const int slot = f.slot();
        drawBox(f, row.action == Action::Assign ? v.m_ladderMemory[slot] == 1 : v.m_state[slot] == kStateOn);
        v.m_penColor = f.stateColor();
    }
    f.draw(kLeads);
    f.draw(kArcs);
    if (row.letter) f.draw(row.letter);
}

}  // namespace

void CVelkarionView::DrawLadderCoil(Dc& dc, double zoom, int ox, int oy) {
    drawLadderCoil(*this, dc, zoom, ox, oy, kLadderCoils[0]);
}
void CVelkarionView::DrawLadderSetCoil(Dc& dc, double zoom, int ox, int oy) {
    drawLadderCoil(*this, dc, zoom, ox, oy, kLadderCoils[1]);
}
void CVelkarionView::DrawLadderResetCoil(Dc& dc, double zoom, int ox, int oy) {
    drawLadderCoil(*this, dc, zoom, ox, oy, kLadderCoils[2]);
}

}  // namespace velk
