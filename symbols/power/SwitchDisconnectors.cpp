// Switch-disconnectors of one to four poles: the contactor's pole set of as many
// poles with an operating handle left of the first pole, drawn and redrawn with
// the blades. Only the mouse sets them (a click toggles them and every slot of
// equal label); no coil closes them.
#include "model/VelkarionView.h"
#include "symbols/power/MainContacts.h"

namespace velk {

namespace {

// Left of the handle, so the label stands clear of it.
constexpr LabelLayout kLabels{"-S", {"TEXT,%3s,%3s,%5s,2", "-055", "+022"}, {"TEXT,%3s,%3s,%5s,2", "-055", "+037"}};

// A grip, a stub, a V-shaped detent and a last dash toward the blade; closed, the
// whole handle stands 10 units further right.
constexpr const char* kOpenHandle[] = {"LINE,-045,+020,-045,+040", "LINE,-045,+030,-040,+030",
                                       "LINE,-035,+030,-030,+030", "LINE,-030,+030,-025,+045",
                                       "LINE,-025,+045,-020,+030", "LINE,-020,+030,-015,+030"};
constexpr const char* kClosedHandle[] = {"LINE,-035,+020,-035,+040", "LINE,-035,+030,-030,+030",
                                         "LINE,-025,+030,-020,+030", "LINE,-020,+030,-015,+045",
                                         "LINE,-015,+045,-010,+030", "LINE,-010,+030,-005,+030"};

// The two-pole member closes its linkage further right than its twin.
constexpr const char* kClosedDashesII[] = {"LINE,+003,+030,+013,+030", "LINE,+024,+030,+034,+030"};

MainContactsMember switchDisconnector(int poles) {
    MainContactsMember m = mainContactsMember(poles);
    m.openHandle = kOpenHandle;
    m.closedHandle = kClosedHandle;
    if (poles == 2) m.closedDashes = kClosedDashesII;
    return m;
}

void drawSwitchDisconnector(CVelkarionView& view, Dc& dc, double zoom, int ox, int oy, int poles) {
    static const MainContactsMember kMembers[] = {switchDisconnector(1), switchDisconnector(2),
                                                  switchDisconnector(3), switchDisconnector(4)};
    drawPoleSet(view, dc, zoom, ox, oy, kLabels, kMembers[poles - 1]);
}

}  // namespace

void CVelkarionView::DrawSwitchDisconnectorI(Dc& dc, double zoom, int ox, int oy) {
    drawSwitchDisconnector(*this, dc, zoom, ox, oy, 1);
}
void CVelkarionView::DrawSwitchDisconnectorII(Dc& dc, double zoom, int ox, int oy) {
    drawSwitchDisconnector(*this, dc, zoom, ox, oy, 2);
}
void CVelkarionView::DrawSwitchDisconnectorIII(Dc& dc, double zoom, int ox, int oy) {
    drawSwitchDisconnector(*this, dc, zoom, ox, oy, 3);
}
void CVelkarionView::DrawSwitchDisconnectorIIII(Dc& dc, double zoom, int ox, int oy) {
    drawSwitchDisconnector(*this, dc, zoom, ox, oy, 4);
}

}  // namespace velk
