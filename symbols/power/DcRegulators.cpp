// The power parts of the DC regulators: a thyristor bridge in a box, fed from
// the mains, with an armature output (and, on two members, a field output). The
// part tells whether its supply is valid in m_state and feeds its outputs from
// the command letter its control block writes into m_driveCommand: "0" stops
// them, "1" gives "+" and "-"; any other letter feeds nothing. Powered or not,
// the outputs follow the letter: the block is the one that drops it.

#include "render/Colors.h"
#include "render/Paint.h"
#include "render/Potentials.h"
#include "symbols/ComponentFrame.h"
#include "symbols/power/Drives.h"

namespace velk {

namespace {

constexpr int kMaxRegulatorTerminals = 8;
constexpr int kNone = -1;

const LabelLayout kLabels{"-G", {"TEXT,%3s,%3s,%5s,2", "-020", "+022"}, {"TEXT,%3s,%3s,%5s,2", "-020", "+037"}};

struct RegulatorTerminal {
    const char* format;
    const char* name;
};

// The supply is valid when its terminals read one of these, in order.
constexpr const char* kSinglePhaseSupplies[] = {"1N", "2N", "3N", "N1", "N2", "N3"};
constexpr const char* kThreePhaseSupplies[] = {"123", "132", "213", "231", "312", "321"};

struct RegulatorSymbol {
    RegulatorTerminal terminals[kMaxRegulatorTerminals];
    int terminalCount;
    int supplyCount;  // the first terminals; PE follows them
    Commands supplies;
    // Output terminals and the letters command "1" gives them ("+" on M1 and F1).
    int outputs[4];
    int outputCount;
    const char* fill;
    Commands body;
};

int peTerminal(const RegulatorSymbol& m) { return m.supplyCount; }

bool suppliedBy(const ComponentFrame& f, const RegulatorSymbol& m) {
    for (const char* supply : m.supplies) {
        bool all = true;
        for (int k = 0; k < m.supplyCount; ++k)
            if (f.letterAt(k) != supply[k]) all = false;
        if (all) return true;
    }
    return false;
}

// The leads, the box outline, the bridge and its thyristors of each member.
constexpr const char* kNarrowBody[] = {
    "LINE,+000,+000,+000,+015",
    "LINE,+030,+000,+030,+015",
    "LINE,+060,+000,+060,+015",
    "LINE,+000,+135,+000,+150",
    "LINE,+060,+135,+060,+150",
    "LINE,-015,+015,+075,+015",
    "LINE,+075,+015,+075,+135",
    "LINE,+075,+135,-015,+135",
    "LINE,-015,+135,-015,+015",
    "LINE,+000,+060,+060,+060",
    "LINE,+000,+090,+060,+090",
    "LINE,+023,+045,+023,+060",
    "LINE,+037,+045,+037,+090",
    "LINE,+000,+060,+000,+105",
    "LINE,+060,+060,+060,+105",
    "POLI,+007,+055,+016,+060,+007,+065,+007,+065",
    "LINE,+016,+055,+016,+065",
    "POLI,+044,+055,+053,+060,+044,+065,+044,+065",
    "LINE,+053,+055,+053,+065",
    "POLI,+007,+085,+016,+090,+007,+095,+007,+095",
    "LINE,+016,+085,+016,+095",
    "POLI,+044,+085,+053,+090,+044,+095,+044,+095",
    "LINE,+053,+085,+053,+095",
};

#define VELK_WIDE_OUTLINE                                                                                      \
    "LINE,-015,+015,+105,+015", "LINE,+105,+015,+105,+135", "LINE,+105,+135,-015,+135", "LINE,-015,+135,-015,+015"
#define VELK_SINGLE_PHASE_TOP_LEADS "LINE,+000,+000,+000,+015", "LINE,+030,+000,+030,+015", "LINE,+060,+000,+060,+015"
#define VELK_THREE_PHASE_TOP_LEADS VELK_SINGLE_PHASE_TOP_LEADS, "LINE,+090,+000,+090,+015"
#define VELK_FOUR_BOTTOM_LEADS                                                                         \
    "LINE,+000,+135,+000,+150", "LINE,+030,+135,+030,+150", "LINE,+060,+135,+060,+150", \
        "LINE,+090,+135,+090,+150"
#define VELK_UPPER_THYRISTORS                                                                                  \
    "POLI,+022,+055,+031,+060,+022,+065,+022,+065", "LINE,+031,+055,+031,+065",                               \
        "POLI,+059,+055,+068,+060,+059,+065,+059,+065", "LINE,+068,+055,+068,+065"
#define VELK_LOWER_THYRISTORS                                                                                  \
    "POLI,+022,+085,+031,+090,+022,+095,+022,+095", "LINE,+031,+085,+031,+095",                               \
        "POLI,+059,+085,+068,+090,+059,+095,+059,+095", "LINE,+068,+085,+068,+095"
#define VELK_SIX_PULSE_BRIDGE                                                                                  \
    "LINE,+015,+060,+075,+060", "LINE,+015,+075,+075,+075", "LINE,+015,+090,+075,+090",                       \
        "LINE,+038,+045,+038,+060", "LINE,+045,+045,+045,+075", "LINE,+052,+045,+052,+090",                   \
        "LINE,+015,+060,+015,+105", "LINE,+075,+060,+075,+105", VELK_UPPER_THYRISTORS,                        \
        "POLI,+022,+070,+031,+075,+022,+080,+022,+080", "LINE,+031,+070,+031,+080",                           \
        "POLI,+059,+070,+068,+075,+059,+080,+059,+080", "LINE,+068,+070,+068,+080", VELK_LOWER_THYRISTORS

constexpr const char* kSinglePhaseFieldBody[] = {
    VELK_SINGLE_PHASE_TOP_LEADS,
    VELK_FOUR_BOTTOM_LEADS,
    VELK_WIDE_OUTLINE,
    "LINE,+015,+060,+075,+060",
    "LINE,+015,+090,+075,+090",
    "LINE,+038,+045,+038,+060",
    "LINE,+052,+045,+052,+090",
    "LINE,+015,+060,+015,+105",
    "LINE,+075,+060,+075,+105",
    VELK_UPPER_THYRISTORS,
    VELK_LOWER_THYRISTORS,
};
constexpr const char* kThreePhaseBody[] = {
    VELK_THREE_PHASE_TOP_LEADS,
    "LINE,+015,+135,+015,+150",
    "LINE,+075,+135,+075,+150",
    VELK_WIDE_OUTLINE,
    VELK_SIX_PULSE_BRIDGE,
};
constexpr const char* kThreePhaseFieldBody[] = {
    VELK_THREE_PHASE_TOP_LEADS,
    VELK_FOUR_BOTTOM_LEADS,
    VELK_WIDE_OUTLINE,
    VELK_SIX_PULSE_BRIDGE,
};

#undef VELK_WIDE_OUTLINE
#undef VELK_SINGLE_PHASE_TOP_LEADS
#undef VELK_THREE_PHASE_TOP_LEADS
#undef VELK_FOUR_BOTTOM_LEADS
#undef VELK_UPPER_THYRISTORS
#undef VELK_LOWER_THYRISTORS
#undef VELK_SIX_PULSE_BRIDGE

constexpr const char* kNarrowFill = "POLI,-015,+015,+075,+015,+075,+135,-015,+135";
constexpr const char* kWideFill = "POLI,-015,+015,+105,+015,+105,+135,-015,+135";

constexpr const RegulatorSymbol kSinglePhase{
    {{"NUME,+005,+000,%c%c%c%c", "L1"},
     {"NUME,+035,+000,%c%c%c%c", "N"},
     {"NUME,+065,+000,%c%c%c%c", "PE"},
     {"NUME,+005,+135,%c%c%c%c", "M1"},
     {"NUME,+065,+135,%c%c%c%c", "M2"}},
    5, 2, kSinglePhaseSupplies, {3, 4, kNone, kNone}, 2, kNarrowFill, kNarrowBody,
};
constexpr const RegulatorSymbol kSinglePhaseField{
    {{"NUME,+005,+000,%c%c%c%c", "L1"},
     {"NUME,+035,+000,%c%c%c%c", "N"},
     {"NUME,+065,+000,%c%c%c%c", "PE"},
     {"NUME,+005,+135,%c%c%c%c", "M1"},
     {"NUME,+035,+135,%c%c%c%c", "M2"},
     {"NUME,+065,+135,%c%c%c%c", "F1"},
     {"NUME,+095,+135,%c%c%c%c", "F2"}},
    7, 2, kSinglePhaseSupplies, {3, 4, 5, 6}, 4, kWideFill, kSinglePhaseFieldBody,
};
constexpr const RegulatorSymbol kThreePhase{
    {{"NUME,+005,+000,%c%c%c%c", "L1"},
     {"NUME,+035,+000,%c%c%c%c", "L2"},
     {"NUME,+065,+000,%c%c%c%c", "L3"},
     {"NUME,+095,+000,%c%c%c%c", "PE"},
     {"NUME,+020,+135,%c%c%c%c", "M1"},
     {"NUME,+080,+135,%c%c%c%c", "M2"}},
    6, 3, kThreePhaseSupplies, {4, 5, kNone, kNone}, 2, kWideFill, kThreePhaseBody,
};
constexpr const RegulatorSymbol kThreePhaseField{
    {{"NUME,+005,+000,%c%c%c%c", "L1"},
     {"NUME,+035,+000,%c%c%c%c", "L2"},
     {"NUME,+065,+000,%c%c%c%c", "L3"},
     {"NUME,+095,+000,%c%c%c%c", "PE"},
     {"NUME,+005,+135,%c%c%c%c", "M1"},
     {"NUME,+035,+135,%c%c%c%c", "M2"},
     {"NUME,+065,+135,%c%c%c%c", "F1"},
     {"NUME,+095,+135,%c%c%c%c", "F2"}},
    8, 3, kThreePhaseSupplies, {4, 5, 6, 7}, 4, kWideFill, kThreePhaseFieldBody,
};

// Silver while powered, white otherwise.
void drawFill(ComponentFrame& f, const RegulatorSymbol& m) {
    CVelkarionView& view = f.view();
    view.m_penColor = view.m_state[f.slot()] == 1 ? g_colorSilver : g_colorWhite;
    f.draw(m.fill);
    view.m_penColor = g_colorBlack;
}

void drawRegulator(CVelkarionView& view, Dc& dc, double zoom, int x, int y, const RegulatorSymbol& m) {
    ComponentFrame f(view, dc, zoom, x, y);
    f.drawLabels(kLabels);

    char pe = kPotentialNone;  // a PE terminal on no wire counts as "0"
    for (int k = 0; k < m.terminalCount; ++k) {
        const RegulatorTerminal& t = m.terminals[k];
        f.drawTerminal(t.format, f.terminalName(k, t.name));
        if (k != peTerminal(m)) {
            f.scanTerminal(k, WireLink::Slot);
        } else if (f.evaluating()) {
            // The earth's letter is this call's only; its wire is still kept.
            const int j = view.wireAtTerminal();
            if (j >= 0) {
                pe = view.m_potential[j].letter();
                view.m_terminalLink[f.slot()][k] = j;
            }
        }
    }

    if (f.evaluating()) {
        const int slot = f.slot();
        if (pe != kPotentialPE && pe != kPotentialNone) {
            view.ReportFedEarthConnection();
        } else {
            view.m_state[slot] = suppliedBy(f, m) ? 1 : 0;
            const char command = view.m_driveCommand[slot].letter();
            for (int i = 0; i < m.outputCount; ++i) {
                if (command == kDriveStop) f.writeLinkedWire(m.outputs[i], kPotentialNone);
                else if (command == kDriveForward)
                    f.writeLinkedWire(m.outputs[i], i % 2 == 0 ? kPotentialPlus : kPotentialMinus);
            }
            if (g_simPass == kFinalSimPass) {
                // Nothing to draw while the state stands.
                if (view.m_state[slot] == view.m_drawnState[slot]) return;
                view.m_drawnState[slot] = view.m_state[slot];
                drawFill(f, m);
            }
        }
    }
    // A paint held back by Pause or Step shows the fill as the last tick left it.
    if (f.showing()) drawFill(f, m);
    f.draw(m.body);
}

}  // namespace

void CVelkarionView::DrawDcRegulatorSinglePhase(Dc& dc, double zoom, int x, int y) {
    drawRegulator(*this, dc, zoom, x, y, kSinglePhase);
}

void CVelkarionView::DrawDcRegulatorSinglePhaseField(Dc& dc, double zoom, int x, int y) {
    drawRegulator(*this, dc, zoom, x, y, kSinglePhaseField);
}

void CVelkarionView::DrawDcRegulatorThreePhase(Dc& dc, double zoom, int x, int y) {
    drawRegulator(*this, dc, zoom, x, y, kThreePhase);
}

void CVelkarionView::DrawDcRegulatorThreePhaseField(Dc& dc, double zoom, int x, int y) {
    drawRegulator(*this, dc, zoom, x, y, kThreePhaseField);
}

}  // namespace velk
