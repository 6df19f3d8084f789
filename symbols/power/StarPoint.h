#pragma once
// The star point of a star-forming device (star-delta, pole-changing and
// wound-rotor motors, the autotransformer). With the three phases on its fed
// ends the device marks the first star end "Y"; once all three star ends read
// "Y" it runs, its code set by the phase order; with the first end at "Y" and
// the others dead it marks those "y", which a closed pole across to a "Y" turns
// into "Y". Every test uses the letters read in this call, so a mark is seen at
// the next evaluation at the earliest, after the wire pass or a pole carried it.
#include "symbols/power/MotorFrame.h"

namespace velk {

struct StarEnds {
    int fed[3];
    int star[3];  // the first is marked "Y"
    int forward;
    int reverse;
    // With all three star wires marked the device closes the star itself.
    bool closesOwnStar;
};

void runStarPoint(MotorCall& call, const StarEnds& ends);

}  // namespace velk
