// The soft starter and its control block. The power part passes the three
// phases from its top terminals to its bottom ones, downward only; with a
// control block of equal label only while that block is in RUN, without one as
// soon as the phases are there. The control block lights READY on a valid supply
// at A1-A2 and RUN when IN carries A1's letter as well.
#include <string>

#include "render/Paint.h"
#include "render/Potentials.h"
#include "symbols/ComponentFrame.h"
#include "symbols/power/Drives.h"

namespace velk {

namespace {

constexpr LabelLayout kSoftStarterLabels{"-G", {"TEXT,%3s,%3s,%5s,2", "-020", "+022"}, {"TEXT,%3s,%3s,%5s,2", "-020", "+037"}};

struct Terminal {
    const char* format;
    const char* name;
};

constexpr Terminal kStarterTerminals[] = {
    {"NUME,+005,+000,%c%c%c%c", "1"}, {"NUME,+035,+000,%c%c%c%c", "3"}, {"NUME,+065,+000,%c%c%c%c", "5"},
    {"NUME,+005,+105,%c%c%c%c", "2"}, {"NUME,+035,+105,%c%c%c%c", "4"}, {"NUME,+065,+105,%c%c%c%c", "6"},
};
constexpr Terminal kStarterPe{"NUME,+080,+045,%c%c%c%c", "PE"};
constexpr Pole kStarterPoles[] = {{0, 3}, {1, 4}, {2, 5}};

constexpr const char* kStarterFill = "POLI,-015,+015,+075,+015,+075,+105,-015,+105";
constexpr const char* kStarterBody[] = {
    "LINE,+000,+000,+000,+015", "LINE,+000,+105,+000,+120", "LINE,+030,+000,+030,+015",
    "LINE,+030,+105,+030,+120", "LINE,+060,+000,+060,+015", "LINE,+060,+105,+060,+120",
    "LINE,+075,+060,+090,+060", "LINE,-015,+015,+075,+015", "LINE,+075,+015,+075,+105",
    "LINE,+075,+105,-015,+105", "LINE,-015,+105,-015,+015", "LINE,+030,+030,+030,+090",
    "LINE,+015,+075,+045,+075", "POLI,+015,+045,+045,+045,+030,+075,+015,+045", "LINE,+000,+060,+030,+060",
};

constexpr Terminal kControlTerminals[] = {
    {"NUME,+005,+000,%c%c%c%c", "IN"}, {"NUME,+050,+000,%c%c%c%c", "A1"}, {"NUME,+050,+105,%c%c%c%c", "A2"}};
constexpr int kIn = 0, kA1 = 1, kA2 = 2;

constexpr const char* kControlFill = "POLI,-015,+015,+060,+015,+060,+105,-015,+105";
constexpr const char* kReadyLamp = "POLI,-005,+030,+005,+030,+005,+045,-005,+045";
constexpr const char* kRunLamp = "POLI,-005,+075,+005,+075,+005,+090,-005,+090";
constexpr const char* kControlBody[] = {
    "LINE,-015,+015,+060,+015", "LINE,+060,+015,+060,+105", "LINE,+060,+105,-015,+105",
    "LINE,-015,+105,-015,+015", "LINE,+000,+000,+000,+015", "LINE,+045,+000,+045,+015",
    "LINE,+045,+105,+045,+120", "TEXT,+010,+030,READY,0",   "TEXT,+010,+075,RUN  ,0",
    "LINE,-005,+030,+005,+030", "LINE,+005,+030,+005,+045", "LINE,+005,+045,-005,+045",
    "LINE,-005,+045,-005,+030", "LINE,-005,+075,+005,+075", "LINE,+005,+075,+005,+090",
    "LINE,+005,+090,-005,+090", "LINE,-005,+090,-005,+075",
};

bool isPhase(char c) { return c == kPotentialL1 || c == kPotentialL2 || c == kPotentialL3; }

bool threePhases(char a, char b, char c) { return isPhase(a) && isPhase(b) && isPhase(c) && a != b && a != c && b != c; }

// A DC supply, or a phase and the neutral either way round.
bool validSupply(char a1, char a2) {
    return (a1 == kPotentialPlus && a2 == kPotentialMinus) || (isPhase(a1) && a2 == kPotentialNeutral) ||
           (a1 == kPotentialNeutral && isPhase(a2));
}

std::string rightAligned(const std::string& name) { return name.size() < 2 ? std::string(2 - name.size(), ' ') + name : name; }

}  // namespace

void CVelkarionView::DrawSoftStarter(Dc& dc, double zoom, int ox, int oy) {
    ComponentFrame f(*this, dc, zoom, ox, oy);
    const int slot = f.slot();
    f.drawLabels(kSoftStarterLabels);
    for (int k = 0; k < 6; ++k) f.terminal(kStarterTerminals[k].format, k, kStarterTerminals[k].name, WireLink::Slot);
    std::string peName = f.terminalName(6, kStarterPe.name);
    if (!f.preview() && peName != " ") peName = rightAligned(peName);
    f.drawTerminal(kStarterPe.format, peName);
    char pe = kPotentialNone;
    if (f.evaluating()) {
        const int j = wireAtTerminal();
        if (j >= 0) pe = m_potential[j].letter();
    }

    if (f.evaluating()) {
        bool controlled = false;
        for (int j = 0; j < m_componentCount && j < kSlotCount; ++j) {
            if (m_type[j] != kTypeSoftStarterControl || m_deleted[j] != 0) continue;
            if (!labelsEqual(m_label[j], m_label[slot])) continue;
            m_state[slot] = m_state[j];
            controlled = true;
        }
        if (pe != kPotentialPE && pe != kPotentialNone) {
            ReportFedEarthConnection();
            return;
        }
        const bool present = threePhases(f.letterAt(0), f.letterAt(1), f.letterAt(2));
        if (!controlled) m_state[slot] = present ? 1 : 0;
        if (present && m_state[slot] == 1)
            for (const Pole& pole : kStarterPoles) f.writeLinkedWire(pole.bottom, f.letterAt(pole.top));
    }

    if (f.evaluating()) {
        if (g_simPass != kFinalSimPass || m_state[slot] == m_drawnState[slot]) return;
        m_drawnState[slot] = m_state[slot];
        m_penColor = m_state[slot] == 1 ? g_colorSilver : g_colorWhite;
        f.draw(kStarterFill);
        m_penColor = g_colorBlack;
    }
    if (f.showing()) {
        m_penColor = m_state[slot] == 1 ? g_colorSilver : g_colorWhite;
        f.draw(kStarterFill);
        m_penColor = g_colorBlack;
    }
    f.draw(kStarterBody);
}

void CVelkarionView::DrawSoftStarterControl(Dc& dc, double zoom, int ox, int oy) {
    ComponentFrame f(*this, dc, zoom, ox, oy);
    const int slot = f.slot();
    f.drawLabels(kSoftStarterLabels);
    for (int k = 0; k < 3; ++k) f.terminal(kControlTerminals[k].format, k, kControlTerminals[k].name, WireLink::Net);

    if (f.evaluating() || f.showing()) {
        // A paint that only shows the run reads the letters the last tick found
        // and the state it left.
        const char in = f.letterAt(kIn), a1 = f.letterAt(kA1), a2 = f.letterAt(kA2);
        const bool ready = validSupply(a1, a2);
        const bool run = f.showing() ? m_state[slot] == 1 : ready && in == a1;
        if (f.evaluating()) m_state[slot] = run ? 1 : 0;
        if (g_simPass == kFinalSimPass || f.showing()) {
            m_penColor = run ? g_colorSilver : g_colorWhite;
            f.draw(kControlFill);
            m_penColor = ready ? g_colorGreen : g_colorWhite;
            f.draw(kReadyLamp);
            m_penColor = run ? g_colorGreen : g_colorWhite;
            f.draw(kRunLamp);
            m_penColor = g_colorBlack;
        }
    }
    f.draw(kControlBody);
}

}  // namespace velk
