// The logic probe and the logic display: one terminal each and a small pointed box
// with the digit 0 or 1. The probe, held down with the mouse, puts "+" on the wire
// at its terminal; the display shows whether its wire carries "+". The probe lies
// left of its terminal, the display right of it.
#include "model/VelkarionView.h"
#include "platform/dc.h"
#include "render/Colors.h"
#include "render/Paint.h"
#include "render/Potentials.h"
#include "symbols/ComponentFrame.h"

namespace velk {

namespace {

// The terminal's link when no wire touches it (a wire in slot 0 is a real wire).
constexpr int kNoWire = -1;

enum class Role { Probe, Display };

struct LogicTerminalSymbol {
    int type;
    Role role;
    LabelLayout labels;
    Commands outline;
    Commands fills;
    const char* zero;
    const char* one;
};

constexpr const char* kTerminal = "NUME,+005,+000,%c%c%c%c";

constexpr const char* kProbeOutline[] = {"LINE,+000,+000,-015,+000", "LINE,-015,+000,-030,-010",
                                         "LINE,-015,+000,-030,+010", "LINE,-030,-010,-045,-010",
                                         "LINE,-030,+010,-045,+010", "LINE,-045,-010,-045,+010"};
constexpr const char* kProbeFills[] = {"POLI,-045,-010,-030,-010,-030,+010,-045,+010",
                                       "POLI,-030,-010,-015,-000,-030,+010,-030,-010"};
constexpr const char* kDisplayOutline[] = {"LINE,+000,+000,+015,+000", "LINE,+015,+000,+030,-010",
                                           "LINE,+015,+000,+030,+010", "LINE,+030,-010,+045,-010",
                                           "LINE,+030,+010,+045,+010", "LINE,+045,-010,+045,+010"};
constexpr const char* kDisplayFills[] = {"POLI,+045,-010,+030,-010,+030,+010,+045,+010",
                                         "POLI,+030,-010,+015,-000,+030,+010,+030,-010"};

constexpr LogicTerminalSymbol kProbe{
    kTypeLogicProbe,
    Role::Probe,
    {"-I", {"TEXT,%3s,%3s,%5s,2", "-050", "-012"}, {"TEXT,%3s,%3s,%5s,2", "-050", "-000"}},
    kProbeOutline,
    kProbeFills,
    "TEXT,-040,-007,0    ,0",
    "TEXT,-040,-007,1    ,0"};
constexpr LogicTerminalSymbol kDisplay{
    kTypeLogicDisplay,
    Role::Display,
    {"-Q", {"TEXT,%3s,%3s,%5s,0", "+050", "-012"}, {"TEXT,%3s,%3s,%5s,0", "+050", "-000"}},
    kDisplayOutline,
    kDisplayFills,
    "TEXT,+032,-007,0    ,0",
    "TEXT,+032,-007,1    ,0"};

// Blue fills inside a red outline with a 1, or white fills inside a grey one with a 0.
void drawState(ComponentFrame& f, const LogicTerminalSymbol& row, bool one) {
    CVelkarionView& v = f.view();
    v.m_penColor = one ? g_colorBlue : g_colorWhite;
    f.draw(row.fills);
    v.m_penColor = one ? g_colorRed : g_colorGrey;
    f.draw(row.outline);
    f.draw(one ? row.one : row.zero);
}

void drawLogicTerminalSymbol(CVelkarionView& v, Dc& dc, double zoom, int ox, int oy, const LogicTerminalSymbol& row) {
    ComponentFrame f(v, dc, zoom, ox, oy);
    f.drawLabels(row.labels);
    if (f.evaluating()) v.m_terminalLink[f.slot()][0] = kNoWire;
    f.terminal(kTerminal, 0, " ", WireLink::Slot);
    if (f.stopped()) return;
    if (f.showing()) {
        // The state the last pass left, with no wire written.
        drawState(f, row, v.m_state[f.slot()] == 1);
        return;
    }
    if (!f.evaluating()) {
        f.draw(row.outline);
        f.draw(row.zero);
        return;
    }
    const int slot = f.slot();
    if (row.role == Role::Probe) {
        const bool pressed = v.m_state[slot] == 1;
        if (pressed) f.writeLinkedWire(0, kPotentialPlus);
        drawState(f, row, pressed);
        return;
    }
    const bool one = f.wireFoundAt(0) && f.letterAt(0) == kPotentialPlus;
    v.m_state[slot] = one ? 1 : 0;
    if (g_simPass == kFinalSimPass) drawState(f, row, one);
}

}  // namespace

void CVelkarionView::DrawLogicProbe(Dc& dc, double zoom, int ox, int oy) {
    drawLogicTerminalSymbol(*this, dc, zoom, ox, oy, kProbe);
}
void CVelkarionView::DrawLogicDisplay(Dc& dc, double zoom, int ox, int oy) {
    drawLogicTerminalSymbol(*this, dc, zoom, ox, oy, kDisplay);
}

}  // namespace velk
