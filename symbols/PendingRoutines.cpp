// Component routines whose symbols are not drawn yet: they draw and evaluate nothing.
// A family that is built removes its routines from this list.
#include "model/VelkarionView.h"

namespace velk {

#define VELK_PENDING_ROUTINE(name) \
    void CVelkarionView::name(Dc&, double, int, int) {}

VELK_PENDING_ROUTINE(DrawSoftStarter)
VELK_PENDING_ROUTINE(DrawInverterSinglePhaseFed)
VELK_PENDING_ROUTINE(DrawInverterThreePhase)
VELK_PENDING_ROUTINE(DrawInverterControl)
VELK_PENDING_ROUTINE(DrawDcRegulatorControl)
VELK_PENDING_ROUTINE(DrawSoftStarterControl)
VELK_PENDING_ROUTINE(DrawGrafcetInitialStep)
VELK_PENDING_ROUTINE(DrawGrafcetStep)
VELK_PENDING_ROUTINE(DrawGrafcetTransition)
VELK_PENDING_ROUTINE(DrawGrafcetAction)
VELK_PENDING_ROUTINE(DrawGrafcetInputLink)
VELK_PENDING_ROUTINE(DrawGrafcetOutputLink)
VELK_PENDING_ROUTINE(DrawGrafcetMacroStep)

}  // namespace velk
