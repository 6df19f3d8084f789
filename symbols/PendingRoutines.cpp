// Component routines whose symbols are not drawn yet: they draw and evaluate nothing.
// A family that is built removes its routines from this list.
#include "model/VelkarionView.h"

namespace velk {

#define VELK_PENDING_ROUTINE(name) \
    void CVelkarionView::name(Dc&, double, int, int) {}

VELK_PENDING_ROUTINE(DrawMotorStarDelta)
VELK_PENDING_ROUTINE(DrawMotorDahlander)
VELK_PENDING_ROUTINE(DrawMotorWoundRotor)
VELK_PENDING_ROUTINE(DrawMotorTwoWinding)
VELK_PENDING_ROUTINE(DrawMotorDcPermanentMagnet)
VELK_PENDING_ROUTINE(DrawMotorDcSeparatelyExcited)
VELK_PENDING_ROUTINE(DrawAutotransformer)
VELK_PENDING_ROUTINE(DrawDcRegulatorSinglePhase)
VELK_PENDING_ROUTINE(DrawDcRegulatorSinglePhaseField)
VELK_PENDING_ROUTINE(DrawDcRegulatorThreePhase)
VELK_PENDING_ROUTINE(DrawDcRegulatorThreePhaseField)
VELK_PENDING_ROUTINE(DrawDcRegulatorControl)
VELK_PENDING_ROUTINE(DrawLadderContactNO)
VELK_PENDING_ROUTINE(DrawLadderContactNC)
VELK_PENDING_ROUTINE(DrawLadderRisingEdge)
VELK_PENDING_ROUTINE(DrawLadderFallingEdge)
VELK_PENDING_ROUTINE(DrawLadderCoil)
VELK_PENDING_ROUTINE(DrawLadderSetCoil)
VELK_PENDING_ROUTINE(DrawLadderResetCoil)
VELK_PENDING_ROUTINE(DrawLogicProbe)
VELK_PENDING_ROUTINE(DrawLogicDisplay)
VELK_PENDING_ROUTINE(DrawGrafcetInitialStep)
VELK_PENDING_ROUTINE(DrawGrafcetStep)
VELK_PENDING_ROUTINE(DrawGrafcetTransition)
VELK_PENDING_ROUTINE(DrawGrafcetAction)
VELK_PENDING_ROUTINE(DrawGrafcetInputLink)
VELK_PENDING_ROUTINE(DrawGrafcetOutputLink)
VELK_PENDING_ROUTINE(DrawGrafcetMacroStep)

}  // namespace velk
