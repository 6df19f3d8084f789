// The pilot lamp: a crossed circle on two leads that lights in its colour when its
// terminals carry a voltage. Lamps in series across a voltage light too: a lamp that
// sees a supply letter against a dead net marks that net with a through letter, the
// next lamp passes it on, the lamp that reaches the sink sends a completion letter
// back, and every lamp of the chain that sees the completion letter lights. The
// paint gives the lamps five passes of their own after the evaluation passes, so
// a chain settles across them; the lamp latches on the last one.
#include <string>

#include "model/VelkarionView.h"
#include "render/Colors.h"
#include "render/Paint.h"
#include "render/Potentials.h"
#include "render/Terminals.h"
#include "symbols/ComponentFrame.h"
#include "symbols/control/LampSymbol.h"
#include "symbols/control/VoltageTest.h"

namespace velk {

namespace {

constexpr int kLampLatchPass = 4;

constexpr int kTerminalX1 = 0;
constexpr int kTerminalX2 = 1;

constexpr const char* kLeads[] = {"LINE,+000,+000,+000,+015", "LINE,+000,+045,+000,+060"};
constexpr const char* kCross[] = {"LINE,-011,+019,+011,+041", "LINE,-011,+041,+011,+019"};

struct LampColorRow {
    const char* code;
    Color color;
};
constexpr LampColorRow kLampColors[] = {
    {"0", g_colorGreen}, {"1", g_colorRed}, {"2", g_colorYellow}, {"3", g_colorBlue}, {"4", g_colorGrey},
};
constexpr const char* kRedLampCode = "1";

// A dead motor winding end counts as the other side of a phase.
bool lampVoltageAcross(char a, char b) {
    const auto isPhase = [](char c) { return c == kPotentialL1 || c == kPotentialL2 || c == kPotentialL3; };
    return voltageAcross(a, b) || (isPhase(a) && b == kPotentialDeadWinding) ||
           (a == kPotentialDeadWinding && isPhase(b));
}

// --- chains of lamps in series ----------------------------------------------------------

// One kind of chain: the supply letter it starts from, the letter it ends on, the
// letter it leaves on the nets between the lamps and the one that comes back once
// the chain reaches its end.
struct ChainBlock {
    char source, sink, through, completion;
};
constexpr ChainBlock kChainBlocks[] = {
    {kPotentialL1, kPotentialDeadWinding, kPotentialLampSeriesL1, kPotentialLampClosedL1},
    {kPotentialL2, kPotentialDeadWinding, kPotentialLampSeriesL2, kPotentialLampClosedL2},
    {kPotentialL3, kPotentialDeadWinding, kPotentialLampSeriesL3, kPotentialLampClosedL3},
    {kPotentialPlus, kPotentialMinus, kPotentialLampSeriesPlus, kPotentialLampClosedPlus},
    {kPotentialL1, kPotentialNeutral, kPotentialLampSeriesL1, kPotentialLampClosedL1},
    {kPotentialL2, kPotentialNeutral, kPotentialLampSeriesL2, kPotentialLampClosedL2},
    {kPotentialL3, kPotentialNeutral, kPotentialLampSeriesL3, kPotentialLampClosedL3},
    {kPotentialL1, kPotentialL2, kPotentialLampSeriesL1, kPotentialLampClosedL1},
    {kPotentialL1, kPotentialL3, kPotentialLampSeriesL1, kPotentialLampClosedL1},
    {kPotentialL2, kPotentialL3, kPotentialLampSeriesL2, kPotentialLampClosedL2},
};

enum class Role { Dead, Source, Sink, Through, Completion };
enum class Act { WriteThrough, WriteCompletion, Light };

// What a lamp does with the letters at (X1, X2), within one block; the first row
// that matches acts.
struct ChainCase {
    Role x1, x2;
    Act act;
    int side;  // the terminal whose net is written
};
constexpr ChainCase kChainCases[] = {
    {Role::Source, Role::Dead, Act::WriteThrough, kTerminalX2},
    {Role::Dead, Role::Source, Act::WriteThrough, kTerminalX1},
    {Role::Through, Role::Dead, Act::WriteThrough, kTerminalX2},
    {Role::Dead, Role::Through, Act::WriteThrough, kTerminalX1},
    {Role::Through, Role::Sink, Act::WriteCompletion, kTerminalX1},
    {Role::Sink, Role::Through, Act::WriteCompletion, kTerminalX2},
    {Role::Through, Role::Completion, Act::WriteCompletion, kTerminalX1},
    {Role::Completion, Role::Through, Act::WriteCompletion, kTerminalX2},
    {Role::Source, Role::Completion, Act::Light, -1},
    {Role::Completion, Role::Source, Act::Light, -1},
    {Role::Completion, Role::Sink, Act::Light, -1},
    {Role::Sink, Role::Completion, Act::Light, -1},
    {Role::Completion, Role::Completion, Act::Light, -1},
};

char letterOf(Role role, const ChainBlock& block) {
    switch (role) {
        case Role::Source: return block.source;
        case Role::Sink: return block.sink;
        case Role::Through: return block.through;
        case Role::Completion: return block.completion;
        case Role::Dead: break;
    }
    return kPotentialNone;
}

// The wire a lamp found at one terminal in this call, -1 when none.
struct LampSide {
    char letter = kPotentialNone;
    int wire = -1;
};

// The lamp owns the nets at its terminals: it writes the letter onto every phase,
// neutral and earth wire of the net (the letters are markers and clash with
// nothing), then onto the wire at the terminal itself, whatever its kind.
void markNet(CVelkarionView& v, int wire, char letter) {
    const int net = v.m_netNumber[wire];
    for (int j = 0; net != 0 && j < v.m_componentCount; ++j) {
        const int t = v.m_type[j];
        if (!v.isLive(j) || (t != kTypeWirePhase && t != kTypeWireNeutral && t != kTypeWirePE)) continue;
        if (v.m_netNumber[j] == net) v.m_potential[j].setLetter(letter);
    }
    v.m_potential[wire].setLetter(letter);
}

// The chain propagation; true when the lamp lights through a completed chain.
bool propagateChain(CVelkarionView& v, const LampSide (&sides)[2]) {
    for (const ChainBlock& block : kChainBlocks) {
        for (const ChainCase& c : kChainCases) {
            if (sides[kTerminalX1].letter != letterOf(c.x1, block) ||
                sides[kTerminalX2].letter != letterOf(c.x2, block))
                continue;
            if (c.act == Act::Light) return true;
            // Only a wire found in this call is written; a lamp with an open
            // terminal marks nothing.
            const int wire = sides[c.side].wire;
            if (wire >= 0) markNet(v, wire, c.act == Act::WriteThrough ? block.through : block.completion);
            break;
        }
    }
    return false;
}

// On the last lamp pass: a change of the lit flag (or an erase) fills the circle in
// the lamp's colour or white, with the outline red or grey from then on.
void latchLamp(ComponentFrame& f, bool lit) {
    CVelkarionView& v = f.view();
    const int s = f.slot();
    const Edge edge = latchEdge(lit, v.m_drawnState[s]);
    if (edge != Edge::None) {
        const bool on = edge == Edge::Rising;
        f.setPenColor(on ? g_colorRed : g_colorGrey);
        v.m_state[s] = on ? 1 : 0;
        fillLampCircle(f, on ? lampFillColor(v.m_lampColor[s]) : g_colorWhite);
    }
    v.m_drawnState[s] = lit ? 1 : 0;
}

}  // namespace

void CVelkarionView::DrawPilotLamp(Dc& dc, double zoom, int ox, int oy) {
    ComponentFrame f(*this, dc, zoom, ox, oy);
    f.drawLabels(kLampLabels);
    f.useStateColor();

    LampSide sides[2];
    const char* formats[2] = {kLampX1, kLampX2};
    const char* names[2] = {"X1", "X2"};
    for (int k = kTerminalX1; k <= kTerminalX2; ++k) {
        f.drawTerminal(formats[k], f.terminalName(k, names[k]));
        if (!f.evaluating()) continue;
        const int wire = wireAtTerminal();
        if (wire < 0) continue;
        sides[k] = {m_potential[wire].letter(), wire};
        m_terminalLink[f.slot()][k] = wire;
    }

    if (f.evaluating()) {
        bool lit = lampVoltageAcross(sides[kTerminalX1].letter, sides[kTerminalX2].letter);
        if (!lit) lit = propagateChain(*this, sides);
        if (g_lampPass >= kLampLatchPass) latchLamp(f, lit);
    }

    if (f.showing()) {
        // The lamp as the last lamp pass left it; a paint that only shows the run
        // lights nothing.
        fillLampCircle(f, f.state() == 1 ? lampFillColor(m_lampColor[f.slot()]) : g_colorWhite);
    }

    drawLampOutline(f);
}

// A code no dialog writes (a hand-edited sheet) lights in the colour a new lamp has.
Color lampFillColor(const std::string& code) {
    for (const LampColorRow& row : kLampColors)
        if (code == row.code) return row.color;
    return kLampColors[0].color;
}

void fillLampCircle(ComponentFrame& f, Color fill) {
    f.dc().selectBrush(Brush::solid(fill));
    f.draw(kLampCircle);
    f.dc().selectBrush(Brush::hollow());
}

void drawLampOutline(ComponentFrame& f) {
    f.draw(kLeads);
    if (f.state() == 1 && f.view().m_lampColor[f.slot()] == kRedLampCode) f.setPenColor(g_colorGrey);
    f.draw(kLampCircle);
    f.draw(kCross);
}

}  // namespace velk
