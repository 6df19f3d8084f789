// The three fault reports: the stop the simulation takes by itself when letters
// meet that must not.
#include "model/VelkarionView.h"
#include "platform/msgbox.h"
#include "platform/text1250.h"
#include "render/Potentials.h"

namespace velk {

namespace {
constexpr const char* kShortCircuitText = "Se ha producido un cortocircuito";
constexpr const char* kEarthFaultText = "Se ha producido una derivación a tierra";
constexpr const char* kFedEarthText = "Se esta alimentado una conexion de masa";

// The same steps for every fault; only the text differs.
void reportFault(CVelkarionView& v, const char* utf8Text) {
    v.m_simulating = 0;
    // The next Simulate must start afresh, not resume a run the fault ended.
    v.m_paused = 0;
    v.m_stepMode = 0;
    v.m_stepPending = 0;
    // The whole table, not only the slots below the count. The scan leaves the
    // shared loop index past the last slot, which ends the caller's paint loop.
    for (v.m_loopIndex = 0; v.m_loopIndex < kSlotCount; ++v.m_loopIndex) {
        const int i = v.m_loopIndex;
        if (v.m_type[i] >= 1 && v.m_deleted[i] == 0) v.m_potential[i].setLetter(kPotentialNone);
    }
    v.invalidate(true);
    messageBox(cp1250(utf8Text), "Error", BoxIcon::Stop);
    v.SetModeTexts("Edición", "Stop");
    v.invalidate(true);
}

}  // namespace

void CVelkarionView::ReportShortCircuit() { reportFault(*this, kShortCircuitText); }
void CVelkarionView::ReportEarthFault() { reportFault(*this, kEarthFaultText); }
void CVelkarionView::ReportFedEarthConnection() { reportFault(*this, kFedEarthText); }

}  // namespace velk
