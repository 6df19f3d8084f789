// The ladder contacts: normally open, normally closed, rising edge and falling
// edge. The label is the contact's variable, written by ladder coils and by the
// mouse operation of devices of equal label. A contact that passes carries logic 1,
// the letter "+", from its left terminal onto the whole net of its right terminal,
// and never the other way. The four types run one routine over a row of the table.
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

enum class Kind { NormallyOpen, NormallyClosed, RisingEdge, FallingEdge };

struct LadderContact {
    int type;
    Kind kind;
    Commands glyph;
};

constexpr const char* kBody[] = {"LINE,+000,+000,+022,+000", "LINE,+039,+000,+060,+000", "LINE,+022,-015,+022,+015",
                                 "LINE,+039,-015,+039,+015"};
constexpr const char* kSlash[] = {"LINE,+015,+015,+045,-015"};
constexpr const char* kArrowUp[] = {"LINE,+030,-010,+030,+010", "POLI,+030,-010,+035,-005,+025,-005,+030,-010"};
constexpr const char* kArrowDown[] = {"LINE,+030,-010,+030,+010", "POLI,+030,+010,+035,+005,+025,+005,+030,+010"};

constexpr LadderContact kLadderContacts[] = {
    {kTypeLadderContactNO, Kind::NormallyOpen, {}},
    {kTypeLadderContactNC, Kind::NormallyClosed, kSlash},
    {kTypeLadderRisingEdge, Kind::RisingEdge, kArrowUp},
    {kTypeLadderFallingEdge, Kind::FallingEdge, kArrowDown},
};

// Whether the contact passes with the variable at `state` and, for the falling
// edge, its memory of a 1 not yet answered by a pulse.
bool passes(Kind kind, int state, int memory) {
    switch (kind) {
        case Kind::NormallyOpen:
        case Kind::RisingEdge: return state == kStateOn;
        case Kind::NormallyClosed: return state == kStateOff;
        case Kind::FallingEdge: return state == kStateOff && memory == 1;
    }
    return false;
}

// The edges' own step after the feeding: a rise gives one paint of pulse, a fall
// gives one paint after the variable has gone back to 0.
void edgeStep(CVelkarionView& v, int slot, Kind kind) {
    if (kind == Kind::RisingEdge) {
        if (g_simPass == kFinalSimPass) v.m_state[slot] = kStateOff;
    } else if (kind == Kind::FallingEdge) {
        if (v.m_state[slot] == kStateOn)
            v.m_ladderMemory[slot] = 1;
        else if (g_simPass == kFinalSimPass && v.m_ladderMemory[slot] == 1)
            v.m_ladderMemory[slot] = 0;
    }
}

// Body in the pen's colour, then the state box, then the glyph over the box in the
// body's colour again (the slash also under it, so that it shows either way).
void drawBodyAndBox(ComponentFrame& f, const LadderContact& row, bool boxBlue) {
    CVelkarionView& v = f.view();
    f.draw(kBody);
    if (row.kind == Kind::NormallyClosed) f.draw(row.glyph);
    const Color body = v.m_penColor;
    v.m_penColor = boxBlue ? g_colorBlue : g_colorWhite;
    f.draw(kStateBox);
    v.m_penColor = body;
    f.draw(row.glyph);
}

void drawLadderContact(CVelkarionView& v, Dc& dc, double zoom, int ox, int oy, const LadderContact& row) {
    ComponentFrame f(v, dc, zoom, ox, oy);
    f.drawLabels(kLabels);
    f.useStateColor();
    f.terminal(kLeftTerminal, 0, " ");
    f.terminal(kRightTerminal, 1, " ");
    if (f.stopped()) return;
    const int slot = f.slot();
    if (f.showing()) {
        // As the last pass drew it; no edge is stepped.
        const bool passing = passes(row.kind, v.m_state[slot], v.m_ladderMemory[slot]);
        if (row.kind == Kind::FallingEdge) {
            if (passing) v.m_penColor = g_colorRed;
        } else {
            v.m_penColor = v.m_state[slot] == kStateOn ? g_colorRed : g_colorGrey;
        }
        drawBodyAndBox(f, row, passing);
        return;
    }
    if (!f.evaluating()) {
        f.draw(kBody);
        f.draw(row.glyph);
        return;
    }
    if (passes(row.kind, v.m_state[slot], v.m_ladderMemory[slot])) {
        const char left = f.letterAt(0), right = f.letterAt(1);
        if (!f.checkClash(left, right)) return;
        if (left == kPotentialPlus && right == kPotentialNone) f.feedNetAt(1, kPotentialPlus);
    }
    edgeStep(v, slot, row.kind);
    const int state = v.m_state[slot];
    const bool passing = passes(row.kind, state, v.m_ladderMemory[slot]);

    if (row.kind == Kind::FallingEdge) {
        // Its pulse shows on every pass, so it is drawn on every pass.
        if (passing) v.m_penColor = g_colorRed;
        drawBodyAndBox(f, row, passing);
        return;
    }
    // Simulation paints do not erase: the body is redrawn only when the state changed.
    if (state == v.m_drawnState[slot]) return;
    v.m_drawnState[slot] = state;
    v.m_penColor = state == 1 ? g_colorRed : g_colorGrey;
    drawBodyAndBox(f, row, passing);
}

}  // namespace

void CVelkarionView::DrawLadderContactNO(Dc& dc, double zoom, int ox, int oy) {
    drawLadderContact(*this, dc, zoom, ox, oy, kLadderContacts[0]);
}
void CVelkarionView::DrawLadderContactNC(Dc& dc, double zoom, int ox, int oy) {
    drawLadderContact(*this, dc, zoom, ox, oy, kLadderContacts[1]);
}
void CVelkarionView::DrawLadderRisingEdge(Dc& dc, double zoom, int ox, int oy) {
    drawLadderContact(*this, dc, zoom, ox, oy, kLadderContacts[2]);
}
void CVelkarionView::DrawLadderFallingEdge(Dc& dc, double zoom, int ox, int oy) {
    drawLadderContact(*this, dc, zoom, ox, oy, kLadderContacts[3]);
}

}  // namespace velk
