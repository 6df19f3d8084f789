#pragma once
// A set of one to four power poles as the contactor main contacts draw it: the
// leads, one blade per pole open or closed with its stub, the linkage dashes at
// y 30 between the blades, and every pole closed while the state is 1 through the
// shared pole evaluation. The switch-disconnectors are the same sets with their
// own texts and an operating handle left of the first pole.
#include "symbols/ComponentFrame.h"

namespace velk {

// A set: its poles, how many take the star step (the first ones), the linkage
// dashes open and closed, and what is drawn with the open and the closed blades
// (a handle; empty for the main contacts).
struct MainContactsMember {
    int poles;
    int starPoles;
    Commands openDashes;
    Commands closedDashes;
    Commands openHandle;
    Commands closedHandle;
};

// The contactor's set of `poles` poles (1 to 4).
const MainContactsMember& mainContactsMember(int poles);

// Draws and evaluates the set for the slot in m_loopIndex (or the preview).
void drawPoleSet(CVelkarionView& view, Dc& dc, double zoom, int ox, int oy, const LabelLayout& labels,
                 const MainContactsMember& m);

}  // namespace velk
