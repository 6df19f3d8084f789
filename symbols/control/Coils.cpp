// The coils: contactor or relay coil, bistable (set/reset) coil, impulse relay coil
// and solenoid-valve coil. Each is a box on two leads whose state comes from the
// voltage across its terminals; all but the valve drive the contacts of equal label.
// They differ in terminals, glyphs and the rule that turns voltage into state, so
// one routine serves all four over a table.
#include "model/VelkarionView.h"
#include "render/Paint.h"
#include "render/Potentials.h"
#include "symbols/ComponentFrame.h"
#include "symbols/control/VoltageTest.h"

namespace velk {

namespace {

// How voltage becomes state.
enum class CoilRule {
    Latch,     // energised or not, taken over on the last pass
    Bistable,  // set by A1-A2, reset by B1-A2, held without either
    Impulse,   // toggles on each rising edge of the A1-A2 voltage
};

struct CoilTerminal {
    const char* format;
    const char* name;
};

// Terminal 0 is A1 and the last one A2: the voltage between them energises the
// coil (sets the bistable coil); the bistable coil's B1 sits between them.
struct CoilForm {
    LabelLayout labels;
    CoilTerminal terminals[3];
    int terminalCount;
    // The terminal whose scan also copies the state into the contacts; -1 for none.
    int slaveTerminal;
    CoilRule rule;
    // A falling edge clears any state, not only 1.
    bool dropClearsAnyState;
    Commands body;
    Commands outline;
    Commands glyph;
};
constexpr int kTerminalA1 = 0;
constexpr int kTerminalB1 = 1;

constexpr LabelLayout coilLabels(const char* previewLabel) {
    return {previewLabel, {"TEXT,%3s,%3s,%5s,2", "-030", "+022"}, {"TEXT,%3s,%3s,%5s,2", "-030", "+037"}};
}

constexpr CoilTerminal kA1{"NUME,+005,+000,%c%c%c%c", "A1"};
constexpr CoilTerminal kA2{"NUME,+005,+045,%c%c%c%c", "A2"};
constexpr CoilTerminal kA1Left{"NUME,-010,+000,%c%c%c%c", "A1"};
constexpr CoilTerminal kB1Right{"NUME,+020,+000,%c%c%c%c", "B1"};

constexpr const char* kBoxFill[] = {"POLI,-020,+020,+020,+020,+020,+040,-020,+040"};
// The valve's glyph is filled along with the box.
constexpr const char* kValveFill[] = {
    "POLI,-020,+020,+020,+020,+020,+040,-020,+040",
    "POLI,+025,+015,+035,+045,+025,+045,+035,+015",
};

// Two leads and the box.
constexpr const char* kCoilOutline[] = {
    "LINE,+000,+000,+000,+015", "LINE,+000,+045,+000,+060", "LINE,+000,+015,+000,+020",
    "LINE,+000,+040,+000,+045", "LINE,-020,+020,+020,+020", "LINE,-020,+040,+020,+040",
    "LINE,-020,+020,-020,+040", "LINE,+020,+020,+020,+040",
};
// Two leads from the top corners, one from below, the box and its two slants.
constexpr const char* kBistableOutline[] = {
    "LINE,-015,+000,-015,+015", "LINE,+015,+000,+015,+015", "LINE,+000,+045,+000,+060",
    "LINE,-015,+015,-015,+020", "LINE,+015,+015,+015,+020", "LINE,+000,+040,+000,+045",
    "LINE,-020,+020,+020,+020", "LINE,-020,+040,+020,+040", "LINE,-020,+020,-020,+040",
    "LINE,+020,+020,+020,+040", "LINE,-005,+020,-015,+040", "LINE,+005,+020,+015,+040",
};
constexpr const char* kImpulseGlyph[] = {
    "LINE,-005,+020,-005,+040",
    "LINE,-020,+030,-005,+020",
    "LINE,-020,+030,-005,+040",
};
// The valve beside the box.
constexpr const char* kValveGlyph[] = {
    "LINE,+020,+030,+030,+030", "LINE,+025,+015,+035,+045", "LINE,+025,+045,+035,+015",
    "LINE,+025,+015,+035,+015", "LINE,+025,+045,+035,+045",
};

// Label, terminals and their count, the terminal that copies into the contacts,
// the rule, whether a drop clears any state, the body fill, outline and glyph.
constexpr CoilForm kCoil{
    coilLabels("-K"), {kA1, kA2}, 2, 1, CoilRule::Latch, false, kBoxFill, kCoilOutline, {}};
constexpr CoilForm kBistableCoil{
    coilLabels("-K"), {kA1Left, kB1Right, kA2}, 3, kTerminalB1, CoilRule::Bistable, false, kBoxFill,
    kBistableOutline, {}};
constexpr CoilForm kImpulseRelayCoil{
    coilLabels("-KA"), {kA1, kA2}, 2, 1, CoilRule::Impulse, false, kBoxFill, kCoilOutline, kImpulseGlyph};
constexpr CoilForm kSolenoidValveCoil{
    coilLabels("-EV"), {kA1, kA2}, 2, -1, CoilRule::Latch, true, kValveFill, kCoilOutline, kValveGlyph};

void drawOutline(ComponentFrame& f, const CoilForm& form) {
    f.draw(form.outline);
    f.draw(form.glyph);
}

// Coil and valve: the state follows the voltage, taken over on the last pass only.
void latch(ComponentFrame& f, const CoilForm& form, bool energised) {
    CVelkarionView& v = f.view();
    const int s = f.slot();
    if (g_simPass == kFinalSimPass) {
        const Edge edge = latchEdge(energised, v.m_drawnState[s]);
        if (edge == Edge::Rising) v.m_state[s] = 1;
        if (edge == Edge::Falling && (form.dropClearsAnyState || v.m_state[s] == 1)) v.m_state[s] = 0;
        fillBody(f, edge, form.body);
        v.m_drawnState[s] = energised ? 1 : 0;
    }
    drawOutline(f, form);
}

// The toggle is decided by the voltage last seen (m_coilVoltageSeen), which only
// the coil itself changes; the redraw cache only says whether to draw. So an
// erase of the view redraws the coil but never toggles it.
void toggleOnRisingEdge(ComponentFrame& f, const CoilForm& form, bool energised) {
    CVelkarionView& v = f.view();
    const int s = f.slot();
    const int result = energised ? 1 : 0;
    if (result == v.m_drawnState[s]) return;
    if (g_simPass == kFinalSimPass) {
        if (energised && v.m_coilVoltageSeen[s] != 1) v.m_state[s] = v.m_state[s] == 1 ? 0 : 1;
        v.m_coilVoltageSeen[s] = result;
        // The body shows the voltage, not the toggled state.
        fillBody(f, latchEdge(energised, v.m_drawnState[s]), form.body);
        v.m_drawnState[s] = result;
    }
    drawOutline(f, form);
}

// Set and reset act on the pass the voltage arrives; reset wins when both pairs
// carry voltage. The whole coil is drawn in the colour of the state it ends in.
void setOrReset(ComponentFrame& f, const CoilForm& form, int voltage) {
    CVelkarionView& v = f.view();
    const int s = f.slot();
    if (voltage == v.m_drawnState[s]) return;
    v.m_drawnState[s] = voltage;
    if (voltage != v.m_coilVoltageSeen[s]) {
        if (voltage == 1) v.m_state[s] = 1;
        if (voltage == 2) v.m_state[s] = 0;
        v.m_coilVoltageSeen[s] = voltage;
    }
    f.setPenColor(v.m_state[s] == 1 ? g_colorSilver : g_colorWhite);
    f.draw(form.body);
    f.useStateColor();
    drawOutline(f, form);
}

// The coil as the last evaluating paint left it: the body filled as the rule
// fills it (the voltage for the latching and impulse coils, the state for the
// bistable one), with nothing evaluated.
void showCoil(ComponentFrame& f, const CoilForm& form) {
    CVelkarionView& v = f.view();
    const int s = f.slot();
    if (form.rule == CoilRule::Bistable) {
        f.setPenColor(v.m_state[s] == 1 ? g_colorSilver : g_colorWhite);
        f.draw(form.body);
        f.useStateColor();
    } else {
        const bool energised = form.rule == CoilRule::Impulse ? v.m_coilVoltageSeen[s] == 1 : v.m_state[s] == 1;
        fillBody(f, energised ? Edge::Rising : Edge::Falling, form.body);
    }
    drawOutline(f, form);
}

void drawCoil(CVelkarionView& view, Dc& dc, double zoom, int ox, int oy, const CoilForm& form) {
    ComponentFrame f(view, dc, zoom, ox, oy);
    f.drawLabels(form.labels);
    f.useStateColor();
    char letters[3] = {kPotentialNone, kPotentialNone, kPotentialNone};
    for (int k = 0; k < form.terminalCount; ++k) {
        f.drawTerminal(form.terminals[k].format, f.terminalName(k, form.terminals[k].name));
        letters[k] = letterAtTerminal(f);
        // The copy comes before this call's evaluation: contacts see a state
        // latched on the last pass from the first pass of the next paint.
        if (k == form.slaveTerminal && f.evaluating()) copyStateToSlaves(view, f.slot(), followsCoil);
    }
    if (f.showing()) {
        showCoil(f, form);
        return;
    }
    if (!f.evaluating()) {
        drawOutline(f, form);
        return;
    }
    const char a2 = letters[form.terminalCount - 1];
    const bool energised = voltageAcross(letters[kTerminalA1], a2);
    switch (form.rule) {
        case CoilRule::Latch: latch(f, form, energised); break;
        case CoilRule::Impulse: toggleOnRisingEdge(f, form, energised); break;
        case CoilRule::Bistable: {
            int voltage = energised ? 1 : 0;
            if (voltageAcross(letters[kTerminalB1], a2)) voltage = 2;
            setOrReset(f, form, voltage);
            break;
        }
    }
}

}  // namespace

void CVelkarionView::DrawCoil(Dc& dc, double zoom, int ox, int oy) { drawCoil(*this, dc, zoom, ox, oy, kCoil); }

void CVelkarionView::DrawBistableCoil(Dc& dc, double zoom, int ox, int oy) {
    drawCoil(*this, dc, zoom, ox, oy, kBistableCoil);
}

void CVelkarionView::DrawImpulseRelayCoil(Dc& dc, double zoom, int ox, int oy) {
    drawCoil(*this, dc, zoom, ox, oy, kImpulseRelayCoil);
}

void CVelkarionView::DrawSolenoidValveCoil(Dc& dc, double zoom, int ox, int oy) {
    drawCoil(*this, dc, zoom, ox, oy, kSolenoidValveCoil);
}

}  // namespace velk
