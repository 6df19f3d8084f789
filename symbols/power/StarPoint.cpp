// The star-point marks (see StarPoint.h).
#include "symbols/power/StarPoint.h"

#include "render/Potentials.h"

namespace velk {

void runStarPoint(MotorCall& call, const StarEnds& e) {
    const int order = phaseOrder(call, e.fed[0], e.fed[1], e.fed[2]);
    const int s1 = e.star[0], s2 = e.star[1], s3 = e.star[2];
    if (order != 0 && readsThree(call, s1, s2, s3, kPotentialNone)) call.markWire(s1, kPotentialStarPoint);
    if (order != 0 && readsThree(call, s1, s2, s3, kPotentialStarPoint))
        call.setRotation(order == 1 ? e.forward : e.reverse);
    if (call.reads(s1, kPotentialStarPoint) && call.reads(s2, kPotentialNone) && call.reads(s3, kPotentialNone)) {
        call.markWire(s2, kPotentialStarCandidate);
        call.markWire(s3, kPotentialStarCandidate);
    }
    if (e.closesOwnStar && call.reads(s1, kPotentialStarPoint) && call.reads(s2, kPotentialStarCandidate) &&
        call.reads(s3, kPotentialStarCandidate)) {
        call.markWire(s2, kPotentialStarPoint);
        call.markWire(s3, kPotentialStarPoint);
    }
}

}  // namespace velk
