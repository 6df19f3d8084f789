// The inverter power parts: a box with diode, link capacitor and transistor, fed
// at its top edge and giving the motor phases at its bottom edge. The part only
// reports whether its supply is valid and puts on U, V, W the letters of the
// command its control block left in m_driveCommand; protective earth passes
// between its two PE terminals.
#include <string>

#include "render/Paint.h"
#include "render/Potentials.h"
#include "symbols/ComponentFrame.h"
#include "symbols/power/Drives.h"

namespace velk {

int firstDrivePart(const CVelkarionView& v, int typeA, int typeB, const std::string& label) {
    return firstDrivePart(v, {typeA, typeB}, label);
}

int firstDrivePart(const CVelkarionView& v, std::initializer_list<int> types, const std::string& label) {
    for (int j = 0; j < v.m_componentCount && j < kSlotCount; ++j) {
        if (!v.isLive(j)) continue;
        bool listed = false;
        for (int t : types) listed = listed || v.m_type[j] == t;
        if (listed && CVelkarionView::labelsEqual(v.m_label[j], label)) return j;
    }
    return -1;
}

namespace {

constexpr LabelLayout kInverterLabels{"-G", {"TEXT,%3s,%3s,%5s,2", "-020", "+022"}, {"TEXT,%3s,%3s,%5s,2", "-020", "+037"}};
constexpr int kMaxPartTerminals = 8;

struct PartTerminal {
    const char* format;
    const char* name;
};

struct InverterPart {
    PartTerminal terminals[kMaxPartTerminals];
    int terminalCount;
    int topPe, bottomPe;
    int supplyCount;  // the supply terminals are 0 .. supplyCount - 1
    int firstOutput;  // U; V and W follow
    bool (*powered)(const char* supply);
    Commands leads;
};

bool isPhase(char c) { return c == kPotentialL1 || c == kPotentialL2 || c == kPotentialL3; }

// A phase and the neutral, either way round.
bool phaseAndNeutral(const char* s) {
    return (isPhase(s[0]) && s[1] == kPotentialNeutral) || (s[0] == kPotentialNeutral && isPhase(s[1]));
}

// The three phases in any order.
bool threePhases(const char* s) {
    return isPhase(s[0]) && isPhase(s[1]) && isPhase(s[2]) && s[0] != s[1] && s[0] != s[2] && s[1] != s[2];
}

constexpr const char* kSinglePhaseLeads[] = {
    "LINE,+000,+000,+000,+015", "LINE,+030,+000,+030,+015", "LINE,+000,+135,+000,+150",
    "LINE,+060,+000,+060,+015", "LINE,+030,+135,+030,+150", "LINE,+060,+135,+060,+150",
    "LINE,+090,+135,+090,+150",
};
constexpr const char* kThreePhaseLeads[] = {
    "LINE,+000,+000,+000,+015", "LINE,+030,+000,+030,+015", "LINE,+060,+000,+060,+015",
    "LINE,+090,+000,+090,+015", "LINE,+000,+135,+000,+150", "LINE,+030,+135,+030,+150",
    "LINE,+060,+135,+060,+150", "LINE,+090,+135,+090,+150",
};
constexpr const char* kInverterBody[] = {
    "LINE,-015,+015,+105,+015", "LINE,+105,+015,+105,+135", "LINE,+105,+135,-015,+135",
    "LINE,-015,+135,-015,+015", "LINE,+015,+030,+075,+030", "LINE,+075,+030,+075,+120",
    "LINE,+075,+120,+015,+120", "LINE,+015,+120,+015,+030", "LINE,+015,+060,+075,+060",
    "LINE,+015,+090,+075,+090", "LINE,+045,+037,+045,+053", "LINE,+041,+049,+049,+049",
    "POLI,+041,+041,+049,+041,+045,+049,+041,+041", "LINE,+041,+067,+041,+083", "LINE,+049,+067,+049,+083",
    "LINE,+030,+075,+041,+075", "LINE,+049,+075,+060,+075", "LINE,+044,+097,+044,+113",
    "LINE,+044,+105,+052,+097", "LINE,+044,+105,+052,+113", "POLI,+052,+109,+048,+113,+052,+113,+052,+109",
};
constexpr const char* kInverterFill = "POLI,-015,+015,+105,+015,+105,+135,-015,+135";

constexpr InverterPart kSinglePhaseFed{
    {{"NUME,+005,+000,%c%c%c%c", "L1"},
     {"NUME,+035,+000,%c%c%c%c", "N"},
     {"NUME,+065,+000,%c%c%c%c", "PE"},
     {"NUME,+005,+135,%c%c%c%c", "U"},
     {"NUME,+035,+135,%c%c%c%c", "V"},
     {"NUME,+065,+135,%c%c%c%c", "W"},
     {"NUME,+095,+135,%c%c%c%c", "PE"},
     {nullptr, nullptr}},
    7, 2, 6, 2, 3, phaseAndNeutral, kSinglePhaseLeads,
};

constexpr InverterPart kThreePhase{
    {{"NUME,+005,+000,%c%c%c%c", "L1"},
     {"NUME,+035,+000,%c%c%c%c", "L2"},
     {"NUME,+065,+000,%c%c%c%c", "L3"},
     {"NUME,+095,+000,%c%c%c%c", "PE"},
     {"NUME,+005,+135,%c%c%c%c", "U"},
     {"NUME,+035,+135,%c%c%c%c", "V"},
     {"NUME,+065,+135,%c%c%c%c", "W"},
     {"NUME,+095,+135,%c%c%c%c", "PE"}},
    8, 3, 7, 3, 4, threePhases, kThreePhaseLeads,
};

// The U, V, W letters of a command; nullptr for a letter that is no command.
const char* outputLetters(char command) {
    switch (command) {
        case kDriveStop: return "000";
        case kDriveForward: return "123";
        case kDriveReverse: return "213";
        case kDriveDcBrake: return "+0-";
        default: return nullptr;
    }
}

// The bottom PE name is right-aligned in two characters.
std::string rightAligned(const std::string& name) { return name.size() < 2 ? std::string(2 - name.size(), ' ') + name : name; }

void DrawInverterPart(CVelkarionView& v, Dc& dc, double zoom, int ox, int oy, const InverterPart& m) {
    ComponentFrame f(v, dc, zoom, ox, oy);
    const int slot = f.slot();
    f.drawLabels(kInverterLabels);
    // The PE letters live only for this call; their wires are kept here too.
    char peLetter[2] = {kPotentialNone, kPotentialNone};
    int peWire[2] = {-1, -1};
    for (int k = 0; k < m.terminalCount; ++k) {
        const bool bottomPe = k == m.bottomPe;
        std::string name = f.terminalName(k, m.terminals[k].name);
        if (bottomPe && !f.preview() && name != " ") name = rightAligned(name);
        f.drawTerminal(m.terminals[k].format, name);
        if (!f.evaluating()) continue;
        if (k == m.topPe || bottomPe) {
            const int j = v.wireAtTerminal();
            if (j < 0) continue;
            peLetter[bottomPe ? 1 : 0] = v.m_potential[j].letter();
            peWire[bottomPe ? 1 : 0] = j;
            v.m_terminalLink[slot][k] = j;
        } else {
            f.scanTerminal(k, WireLink::Slot);
        }
    }

    if (f.evaluating()) {
        bool fault = false;
        for (char pe : peLetter)
            if (!fault && pe != kPotentialPE && pe != kPotentialNone) {
                v.ReportFedEarthConnection();
                fault = true;
            }
        if (!fault) {
            if (peLetter[0] == kPotentialPE && peLetter[1] == kPotentialNone && peWire[1] >= 0)
                v.m_potential[peWire[1]].setLetter(kPotentialPE);
            else if (peLetter[0] == kPotentialNone && peLetter[1] == kPotentialPE && peWire[0] >= 0)
                v.m_potential[peWire[0]].setLetter(kPotentialPE);
            char supply[3] = {kPotentialNone, kPotentialNone, kPotentialNone};
            for (int k = 0; k < m.supplyCount; ++k) supply[k] = f.letterAt(k);
            v.m_state[slot] = m.powered(supply) ? 1 : 0;
            if (const char* out = outputLetters(v.m_driveCommand[slot].letter()))
                for (int o = 0; o < 3; ++o) f.writeLinkedWire(m.firstOutput + o, out[o]);
        }
    }
    if (f.stopped()) return;
    if (f.evaluating() && g_simPass == kFinalSimPass) {
        if (v.m_state[slot] == v.m_drawnState[slot]) return;
        v.m_drawnState[slot] = v.m_state[slot];
        v.m_penColor = v.m_state[slot] == 1 ? g_colorSilver : g_colorWhite;
        f.draw(kInverterFill);
        v.m_penColor = g_colorBlack;
    }
    if (f.showing()) {
        v.m_penColor = v.m_state[slot] == 1 ? g_colorSilver : g_colorWhite;
        f.draw(kInverterFill);
        v.m_penColor = g_colorBlack;
    }
    f.draw(m.leads);
    f.draw(kInverterBody);
}

}  // namespace

void CVelkarionView::DrawInverterSinglePhaseFed(Dc& dc, double zoom, int ox, int oy) {
    DrawInverterPart(*this, dc, zoom, ox, oy, kSinglePhaseFed);
}

void CVelkarionView::DrawInverterThreePhase(Dc& dc, double zoom, int ox, int oy) {
    DrawInverterPart(*this, dc, zoom, ox, oy, kThreePhase);
}

}  // namespace velk
